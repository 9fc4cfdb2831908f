// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MapaCampo.h"

#include "calc/AnoDecimal.h"
#include "export/EscreveExportacao.h"
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Mensageiro.h"
#include "ui/SalvaDesenho.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace ceravel {

namespace {

const char* const SiglaElemento[] = {"D", "I", "F", "dD"};

QString FalhaImprimir(const QString& motivo)
{
    return QStringLiteral("Não foi possível imprimir o mapa: %1").arg(motivo);
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

    const bool igrf = m_ultimo.modelo == ModeloCalculo::Igrf14;
    auto* rotuloAno = new QLabel(QStringLiteral("&Ano:"), this);
    rotuloAno->setObjectName(QStringLiteral("LbAno"));
    m_ano = new QSpinBox(this);
    m_ano->setObjectName(QStringLiteral("Ano"));
    m_ano->setAccessibleName(QStringLiteral("Ano do mapa"));
    m_ano->setRange(1900, 2029);
    m_ano->setValue(static_cast<int>(std::floor(m_ultimo.pedido.anoDecimal)));
    m_ano->setKeyboardTracking(false);
    rotuloAno->setBuddy(m_ano);
    rotuloAno->setVisible(igrf);
    m_ano->setVisible(igrf);

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
    topo->addSpacing(12);
    topo->addWidget(rotuloAno);
    topo->addWidget(m_ano);
    topo->addStretch(1);
    topo->addWidget(m_salvar);
    topo->addWidget(m_imprimir);
    topo->addWidget(m_fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(m_area, 1);
    coluna->addWidget(m_leitura);

    connect(m_elemento, &QComboBox::currentIndexChanged, this, &MapaCampo::escolheElemento);
    connect(m_ano, &QSpinBox::valueChanged, this, &MapaCampo::escolheAno);
    connect(m_salvar, &QPushButton::clicked, this, &MapaCampo::salvarImagem);
    connect(m_imprimir, &QPushButton::clicked, this, &MapaCampo::imprimir);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);

    resize(1000, 740);
    m_fronteiras = LeFronteirasMapa(m_pasta);
    escolheAno(m_ano->value());
}

MapaCampo::~MapaCampo() = default;

void MapaCampo::escolheAno(int ano)
{
    const TextosEntrada& e = m_ultimo.entrada;
    const PedidoValidado& pedido = m_ultimo.pedido;
    if (ano == static_cast<int>(std::floor(pedido.anoDecimal))) {
        m_anoDecimal = pedido.anoDecimal;
        m_data = e.dia + u'/' + e.mes + u'/' + e.ano;
    } else {
        // The checks accepted the date, so the boxes hold a whole day and month.
        const int mes = static_cast<int>(m_locale.toDouble(e.mes.trimmed()));
        const int dia = std::min(static_cast<int>(m_locale.toDouble(e.dia.trimmed())), DiasNoMes(mes, ano));
        m_anoDecimal = AnoDecimal(dia, mes, ano);
        m_data = QStringLiteral("%1/%2/%3").arg(dia).arg(mes).arg(ano);
    }
    escolheElemento(m_elemento->currentIndex());
}

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
    const auto mostra = [&](CenaMapa cena, double valorPonto) {
        cena.latitude = m_ultimo.pedido.latitude;
        cena.longitude = m_ultimo.pedido.longitude;
        cena.valorPonto = valorPonto;
        cena.data = m_data;
        cena.epoca = TextoEpocaMapa(m_anoDecimal, m_locale);
        m_cena = std::move(cena);
        m_salvar->setEnabled(true);
        m_imprimir->setEnabled(true);
        m_leitura->clear();
        m_area->update();
    };

    if (m_ultimo.modelo == ModeloCalculo::Igrf14) {
        const LeituraIgrf14 leitura = CarregaIgrf14(m_pasta);
        if (!leitura.modelo)
            return retira(leitura.erro + QStringLiteral("\n\nO mapa não pode ser desenhado."));
        if (!m_igrf || &m_igrf->modelo() != leitura.modelo)
            m_igrf.emplace(*leitura.modelo);
        const PedidoValidado& p = m_ultimo.pedido;
        return mostra(MontaCenaMapa(*m_igrf, elemento, m_anoDecimal),
                      ValorElementoMapa(*m_igrf, elemento, p.latitude, p.longitude, m_anoDecimal));
    }

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
    mostra(MontaCenaMapa(*m_conjuntos, elemento, pedido.t), ValorDoElemento(m_ultimo.elementos, elemento));
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
    if (!m_cena || !(m_conjuntos || m_igrf))
        return {};
    const ProjecaoMapa proj = projecao();
    if (!proj.caixa().contains(ponto))
        return {};
    const PontoPlano g = proj.paraGeografico(ponto);
    const double valor = m_cena->igrf ? ValorElementoMapa(*m_igrf, m_cena->elemento, g.y, g.x, m_anoDecimal)
                                      : ValorElementoMapa(*m_conjuntos, m_cena->elemento, g.y, g.x, m_ultimo.pedido.t);
    QString texto = QStringLiteral("Latitude %1    Longitude %2    %3 = %4")
                        .arg(TextoCoordenadaMapa(g.y, m_locale), TextoCoordenadaMapa(g.x, m_locale),
                             QString::fromLatin1(SiglaElemento[static_cast<int>(m_cena->elemento)]),
                             TextoValorMapa(m_cena->elemento, valor, m_locale));
    if (!m_cena->igrf && m_fronteiras.brasil && !DentroDoContornoMapa(*m_fronteiras.brasil, g.y, g.x))
        texto += QStringLiteral("    (fora do Brasil: modelo menos preciso)");
    return texto;
}

bool MapaCampo::salvaEm(const QString& nome)
{
    if (!m_cena)
        return false;
    // The size on screen, so the file looks like the window.
    const QSize tamanho = m_area->size().isEmpty() ? QSize(1000, 700) : m_area->size();
    return SalvaDesenho(nome, tamanho, QStringLiteral("Ceravel - Mapa do Campo"), NomeElementoMapa(m_cena->elemento),
                        [this](QPainter& p, const QRectF& area) { desenha(p, area); }, m_mensageiro);
}

void MapaCampo::salvarImagem()
{
    if (!m_cena)
        return;
    const QString png = QStringLiteral("Imagem PNG (*.png)"), jpg = QStringLiteral("Imagem JPEG (*.jpg *.jpeg)"),
                  svg = QStringLiteral("Imagem SVG (*.svg)"), pdf = QStringLiteral("Documento PDF (*.pdf)");
    QString filtro = png;
    const QString sugestao = QDir(PastaDocumentos())
                                 .filePath(QStringLiteral("mapa-%1-%2.png")
                                               .arg(QString::fromLatin1(SiglaElemento[static_cast<int>(m_cena->elemento)]),
                                                    QString::number(m_ano->value())));
    QString caminho = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar imagem do mapa"), sugestao,
                                                   QStringList{png, jpg, svg, pdf}.join(QStringLiteral(";;")),
                                                   &filtro);
    if (caminho.isEmpty())
        return;
    // A name without an extension takes the chosen type's.
    if (QFileInfo(caminho).suffix().isEmpty())
        caminho += filtro == svg   ? QStringLiteral(".svg")
                   : filtro == pdf ? QStringLiteral(".pdf")
                   : filtro == jpg ? QStringLiteral(".jpg")
                                   : QStringLiteral(".png");
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
