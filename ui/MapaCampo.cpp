#include "ui/MapaCampo.h"

#include "export/EscreveExportacao.h"
#include "export/MotivoErro.h"
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Mensageiro.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <cerrno>
#include <unistd.h>

namespace ceravel {

namespace {

// Logical pixels per inch of the drawing, as on screen.
constexpr double PixelsPorPolegada = 96;

const char* const SiglaElemento[] = {"D", "I", "F", "dD"};

QString FalhaSalvar(const QString& caminho, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar a imagem %1: %2.").arg(QDir::toNativeSeparators(caminho), motivo);
}

QString FalhaImprimir(const QString& motivo)
{
    return QStringLiteral("Não foi possível imprimir o mapa: %1").arg(motivo);
}

// Draws the map on a page device (printer, PDF) scaled from logical pixels to
// the device's resolution, filling its printable area.
template <class Desenha>
bool DesenhaNaPagina(QPagedPaintDevice& pagina, int resolucao, Desenha desenha)
{
    QPainter p;
    if (!p.begin(&pagina))
        return false;
    const QRect util = pagina.pageLayout().paintRectPixels(resolucao);
    const double escala = resolucao / PixelsPorPolegada;
    p.scale(escala, escala);
    desenha(p, QRectF(0, 0, util.width() / escala, util.height() / escala));
    return p.end();
}

}  // namespace

// The map itself: draws the scene at its own size and reads the field under
// the mouse into the window's readout.
class AreaMapa : public QWidget {
public:
    AreaMapa(MapaCampo& janela, QLabel& leitura) : QWidget(&janela), m_janela(janela), m_leitura(leitura)
    {
        setObjectName(QStringLiteral("AreaMapa"));
        setAccessibleName(QStringLiteral("Mapa do campo"));
        setMouseTracking(true);
        setMinimumSize(560, 420);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_janela.desenha(p, QRectF(rect()));
    }
    void mouseMoveEvent(QMouseEvent* evento) override { m_leitura.setText(m_janela.leituraEm(evento->position())); }
    void leaveEvent(QEvent*) override { m_leitura.clear(); }

private:
    MapaCampo& m_janela;
    QLabel& m_leitura;
};

MapaCampo::MapaCampo(const Calculo& ultimo, const QString& pastaPrograma, const QLocale& locale,
                     Mensageiro& mensageiro, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      m_ultimo(ultimo), m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("MapaCampo"));
    setWindowTitle(QStringLiteral("Ceravel - Mapa do Campo"));
    setWindowIcon(IconeCeravel());
    setSizeGripEnabled(true);

    auto* rotulo = new QLabel(QStringLiteral("&Elemento:"), this);
    rotulo->setObjectName(QStringLiteral("LbElemento"));
    m_elemento = new QComboBox(this);
    m_elemento->setObjectName(QStringLiteral("Elemento"));
    m_elemento->setAccessibleName(QStringLiteral("Elemento mostrado no mapa"));
    for (const ElementoMapa e : {ElementoMapa::Declinacao, ElementoMapa::Inclinacao, ElementoMapa::Intensidade,
                                 ElementoMapa::VariacaoDeclinacao})
        m_elemento->addItem(NomeElementoMapa(e));
    rotulo->setBuddy(m_elemento);

    m_salvar = new QPushButton(QStringLiteral("&Salvar imagem..."), this);
    m_salvar->setObjectName(QStringLiteral("BtSalvar"));
    m_imprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    m_imprimir->setObjectName(QStringLiteral("BtImprimir"));
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_fechar->setObjectName(QStringLiteral("BtFechar"));
    for (QPushButton* b : {m_salvar, m_imprimir, m_fechar}) {
        b->setAutoDefault(false);
        PressionaComEnter(b);
    }

    m_leitura = new QLabel(this);
    m_leitura->setObjectName(QStringLiteral("Leitura"));
    m_leitura->setAccessibleName(QStringLiteral("Valor sob o cursor"));
    m_leitura->setMinimumHeight(m_leitura->fontMetrics().height() + 4);
    m_area = new AreaMapa(*this, *m_leitura);

    auto* topo = new QHBoxLayout;
    topo->addWidget(rotulo);
    topo->addWidget(m_elemento);
    topo->addStretch(1);
    topo->addWidget(m_salvar);
    topo->addWidget(m_imprimir);
    topo->addWidget(m_fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(m_area, 1);
    coluna->addWidget(m_leitura);

    connect(m_elemento, &QComboBox::currentIndexChanged, this, &MapaCampo::escolheElemento);
    connect(m_salvar, &QPushButton::clicked, this, &MapaCampo::salvarImagem);
    connect(m_imprimir, &QPushButton::clicked, this, &MapaCampo::imprimir);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);

    resize(1000, 740);
    m_fronteiras = LeFronteirasMapa(m_pasta);
    escolheElemento(0);
}

MapaCampo::~MapaCampo() = default;

void MapaCampo::escolheElemento(int indice)
{
    const auto elemento = static_cast<ElementoMapa>(indice);
    m_cena.reset();
    m_conjuntos.reset();
    const auto retira = [this](const QString& mensagem) {
        m_salvar->setEnabled(false);
        m_imprimir->setEnabled(false);
        m_leitura->clear();
        m_area->update();
        m_mensageiro.informa(mensagem);
    };

    // Read as a calculation reads them, and checked against the calculation:
    // a map of other files would contradict the values on the main window.
    LeituraConjuntos leitura = LeConjuntos(m_pasta);
    if (!leitura.conjuntos)
        return retira(leitura.erro + QStringLiteral("\n\nO mapa não pode ser desenhado."));
    const ConjuntosCoeficientes& c = *leitura.conjuntos;
    const PedidoValidado& pedido = m_ultimo.pedido;
    const ResultadoModelo agora = CalculaCampo(c.declinacao, c.inclinacao, c.intensidade, pedido.x, pedido.y, pedido.t);
    const ElementosCampo& antes = m_ultimo.elementos;
    if (!agora.elementos || agora.elementos->D != antes.D || agora.elementos->I != antes.I ||
        agora.elementos->F != antes.F || agora.elementos->m != antes.m || agora.elementos->n != antes.n ||
        agora.elementos->dF != antes.dF)
        return retira(QStringLiteral("Os arquivos de coeficientes mudaram desde o último cálculo: o mapa não "
                                     "corresponderia aos resultados da janela principal.\n\nCalcule novamente "
                                     "e abra o mapa outra vez."));

    m_conjuntos = std::move(leitura.conjuntos);
    CenaMapa cena = MontaCenaMapa(*m_conjuntos, elemento, pedido.t);
    cena.latitude = pedido.latitude;
    cena.longitude = pedido.longitude;
    cena.valorPonto = ValorDoElemento(m_ultimo.elementos, elemento);
    const TextosEntrada& e = m_ultimo.entrada;
    cena.data = e.dia + u'/' + e.mes + u'/' + e.ano;
    cena.epoca = m_ultimo.textos.epoca;
    m_cena = std::move(cena);
    m_salvar->setEnabled(true);
    m_imprimir->setEnabled(true);
    m_leitura->clear();
    m_area->update();
}

void MapaCampo::desenha(QPainter& p, const QRectF& area) const
{
    if (m_cena) {
        DesenhaMapa(p, area, *m_cena, m_fronteiras, m_locale);
        return;
    }
    p.fillRect(area, Qt::white);
    p.setPen(QColor(90, 90, 90));
    p.drawText(area, Qt::AlignCenter, QStringLiteral("Mapa indisponível."));
}

ProjecaoMapa MapaCampo::projecao() const
{
    return ProjecaoMapa(AreaGeograficaMapa(QRectF(m_area->rect())));
}

QString MapaCampo::leituraEm(const QPointF& ponto) const
{
    if (!m_cena || !m_conjuntos)
        return {};
    const ProjecaoMapa proj = projecao();
    if (!proj.caixa().contains(ponto))
        return {};
    const PontoPlano g = proj.paraGeografico(ponto);
    const double valor = ValorElementoMapa(*m_conjuntos, m_cena->elemento, g.y, g.x, m_ultimo.pedido.t);
    QString texto = QStringLiteral("Latitude %1    Longitude %2    %3 = %4")
                        .arg(TextoCoordenadaMapa(g.y, m_locale), TextoCoordenadaMapa(g.x, m_locale),
                             QString::fromLatin1(SiglaElemento[static_cast<int>(m_cena->elemento)]),
                             TextoValorMapa(m_cena->elemento, valor, m_locale));
    if (m_fronteiras.brasil && !DentroDoContornoMapa(*m_fronteiras.brasil, g.y, g.x))
        texto += QStringLiteral("    (fora do Brasil: modelo menos preciso)");
    return texto;
}

QByteArray MapaCampo::conteudoImagem(const QString& formato) const
{
    // The size on screen, so the file looks like the window.
    const QSize tamanho = m_area->size().isEmpty() ? QSize(1000, 700) : m_area->size();
    const auto desenha = [this](QPainter& p, const QRectF& area) { this->desenha(p, area); };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (formato == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(tamanho);
        svg.setViewBox(QRect(QPoint(), tamanho));
        svg.setResolution(static_cast<int>(PixelsPorPolegada));
        svg.setTitle(QStringLiteral("Ceravel - Mapa do Campo"));
        svg.setDescription(NomeElementoMapa(m_cena->elemento));
        QPainter p;
        if (!p.begin(&svg))
            return {};
        desenha(p, QRectF(QPointF(), tamanho));
        p.end();
    } else if (formato == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        pdf.setTitle(QStringLiteral("Ceravel - Mapa do Campo"));
        pdf.setCreator(QStringLiteral("Ceravel"));
        if (!DesenhaNaPagina(pdf, pdf.resolution(), desenha))
            return {};
    } else {
        // Twice the screen's pixels, so lines and text stay sharp when printed.
        QImage imagem(tamanho * 2, QImage::Format_ARGB32_Premultiplied);
        imagem.setDevicePixelRatio(2);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            desenha(p, QRectF(QPointF(), tamanho));
        }
        if (!imagem.save(&buffer, "PNG"))
            return {};
    }
    return bytes;
}

bool MapaCampo::salvaEm(const QString& caminho)
{
    if (!m_cena)
        return false;
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    const QString formato = extensao == QLatin1String("svg") || extensao == QLatin1String("pdf") ? extensao
                                                                                                 : QStringLiteral("png");
    const QByteArray bytes = conteudoImagem(formato);
    if (bytes.isEmpty()) {
        m_mensageiro.informa(FalhaSalvar(caminho, QStringLiteral("a imagem não pôde ser gerada")));
        return false;
    }
    if (QFileInfo(caminho).isDir()) {
        m_mensageiro.informa(FalhaSalvar(caminho, MotivoErro(EISDIR)));
        return false;
    }
    // A temporary file beside the target, renamed over it only when complete.
    QSaveFile saida(caminho);
    const auto falha = [&](int erro) {
        m_mensageiro.informa(FalhaSalvar(caminho, MotivoErro(erro, saida.errorString())));
        return false;
    };
    errno = 0;
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return falha(errno);
    errno = 0;
    if (saida.write(bytes) != bytes.size() || ::fsync(saida.handle()) != 0) {
        const int erro = errno;
        saida.cancelWriting();
        return falha(erro);
    }
    errno = 0;
    if (!saida.commit())
        return falha(errno);
    return true;
}

void MapaCampo::salvarImagem()
{
    if (!m_cena)
        return;
    const QString png = QStringLiteral("Imagem PNG (*.png)"), svg = QStringLiteral("Imagem SVG (*.svg)"),
                  pdf = QStringLiteral("Documento PDF (*.pdf)");
    QString filtro = png;
    const QString sugestao = QDir(PastaDocumentos())
                                 .filePath(QStringLiteral("mapa-%1-%2.png")
                                               .arg(QString::fromLatin1(SiglaElemento[static_cast<int>(m_cena->elemento)]),
                                                    m_ultimo.entrada.ano));
    QString caminho = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar imagem do mapa"), sugestao,
                                                   png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf,
                                                   &filtro);
    if (caminho.isEmpty())
        return;
    // A name without an extension takes the chosen type's.
    if (QFileInfo(caminho).suffix().isEmpty())
        caminho += filtro == svg ? QStringLiteral(".svg") : filtro == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    salvaEm(caminho);
}

bool MapaCampo::imprimeEm(QPrinter& impressora)
{
    if (!m_cena)
        return false;
    impressora.setPageOrientation(QPageLayout::Landscape);
    const bool ok = DesenhaNaPagina(impressora, impressora.resolution(),
                                    [this](QPainter& p, const QRectF& area) { desenha(p, area); });
    return ok && impressora.printerState() != QPrinter::Error;
}

void MapaCampo::imprimir()
{
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull()) {
        m_mensageiro.informa(FalhaImprimir(QStringLiteral("nenhuma impressora disponível.")));
        return;
    }
    QPrinter impressora(padrao, QPrinter::HighResolution);
    impressora.setDocName(QStringLiteral("Mapa do Campo Ceravel"));
    impressora.setCreator(QStringLiteral("Ceravel"));
    if (!imprimeEm(impressora))
        m_mensageiro.informa(
            FalhaImprimir(QStringLiteral("a impressora \"%1\" não aceitou a página.").arg(impressora.printerName())));
}

}  // namespace ceravel
