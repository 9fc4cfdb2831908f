// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VariacaoSecular.h"

#include "export/EscreveExportacao.h"
#include "model/LeCoeficientes.h"
#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Mensageiro.h"
#include "ui/SalvaDesenho.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace ceravel {

namespace {

const QColor CorIgrf(31, 90, 170), CorRegional(214, 96, 20), CorCalculo(0, 128, 0);

QLineSeries* Curva(const std::vector<PontoSecular>& serie, const QString& nome, const QColor& cor, double largura)
{
    auto* curva = new QLineSeries;
    curva->setName(nome);
    curva->setPen(QPen(cor, largura));
    for (const PontoSecular& p : serie)
        if (std::isfinite(p.valor))
            curva->append(p.anoDecimal, p.valor);
    return curva;
}

}  // namespace

// The chart itself, reading the nearest year under the mouse.
class VistaSecular : public QChartView {
public:
    VistaSecular(VariacaoSecular& janela, QChart* grafico) : QChartView(grafico, &janela), m_janela(janela)
    {
        setObjectName(QStringLiteral("Grafico"));
        setAccessibleName(QStringLiteral("Gráfico da variação secular"));
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
        setMinimumSize(560, 380);
    }

protected:
    void mouseMoveEvent(QMouseEvent* evento) override
    {
        m_janela.m_leitura->setText(m_janela.leituraEm(evento->position()));
        QChartView::mouseMoveEvent(evento);
    }
    void leaveEvent(QEvent* evento) override
    {
        m_janela.m_leitura->clear();
        QChartView::leaveEvent(evento);
    }

private:
    VariacaoSecular& m_janela;
};

VariacaoSecular::VariacaoSecular(const Calculo& ultimo, const QString& pastaPrograma, const QLocale& locale,
                                 Mensageiro& mensageiro, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      m_ultimo(ultimo), m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("VariacaoSecular"));
    setWindowTitle(QStringLiteral("Ceravel - Variação Secular"));
    setWindowIcon(IconeCeravel());
    setSizeGripEnabled(true);

    auto* rotulo = new QLabel(QStringLiteral("&Elemento:"), this);
    rotulo->setObjectName(QStringLiteral("LbElemento"));
    m_elementos = new QComboBox(this);
    m_elementos->setObjectName(QStringLiteral("Elemento"));
    m_elementos->setAccessibleName(QStringLiteral("Elemento mostrado no gráfico"));
    for (int k = 0; k <= static_cast<int>(ElementoSecular::Z); ++k)
        m_elementos->addItem(NomeElementoSecular(static_cast<ElementoSecular>(k)));
    rotulo->setBuddy(m_elementos);

    m_salvar = new QPushButton(QStringLiteral("&Salvar imagem..."), this);
    m_salvar->setObjectName(QStringLiteral("BtSalvar"));
    m_copiar = new QPushButton(QStringLiteral("&Copiar tabela"), this);
    m_copiar->setObjectName(QStringLiteral("BtCopiar"));
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_fechar->setObjectName(QStringLiteral("BtFechar"));
    for (QPushButton* b : {m_salvar, m_copiar, m_fechar}) {
        b->setAutoDefault(false);
        PressionaComEnter(b);
    }

    m_leitura = new QLabel(this);
    m_leitura->setObjectName(QStringLiteral("Leitura"));
    m_leitura->setAccessibleName(QStringLiteral("Valor sob o cursor"));
    m_leitura->setMinimumHeight(m_leitura->fontMetrics().height() + 4);
    m_grafico = new QChart;
    // The years with no grouping; the angles have labels of their own and
    // the intensities are whole nT.
    m_grafico->setLocalizeNumbers(false);
    m_vista = new VistaSecular(*this, m_grafico);

    auto* topo = new QHBoxLayout;
    topo->addWidget(rotulo);
    topo->addWidget(m_elementos);
    topo->addStretch(1);
    topo->addWidget(m_salvar);
    topo->addWidget(m_copiar);
    topo->addWidget(m_fechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(m_vista, 1);
    coluna->addWidget(m_leitura);

    connect(m_elementos, &QComboBox::currentIndexChanged, this, &VariacaoSecular::escolheElemento);
    connect(m_salvar, &QPushButton::clicked, this, &VariacaoSecular::salvarImagem);
    connect(m_copiar, &QPushButton::clicked, this, &VariacaoSecular::copiarTabela);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);

    resize(960, 640);
    const LeituraIgrf14 leitura = CarregaIgrf14(m_pasta);
    if (leitura.modelo)
        m_avaliador.emplace(*leitura.modelo);
    else
        m_mensageiro.informa(leitura.erro + QStringLiteral("\n\nO gráfico não pode ser desenhado."));
    escolheElemento(0);
}

VariacaoSecular::~VariacaoSecular() = default;

void VariacaoSecular::escolheElemento(int indice)
{
    m_elemento = static_cast<ElementoSecular>(indice);
    m_grafico->removeAllSeries();
    for (QAbstractAxis* eixo : m_grafico->axes())
        m_grafico->removeAxis(eixo), delete eixo;
    m_igrf.clear();
    m_regional.clear();
    m_leitura->clear();
    m_salvar->setEnabled(m_avaliador.has_value());
    m_copiar->setEnabled(m_avaliador.has_value());
    if (!m_avaliador)
        return;

    const PedidoValidado& pedido = m_ultimo.pedido;
    m_igrf = SerieIgrf14(*m_avaliador, m_elemento, pedido.latitude, pedido.longitude);
    if (const LeituraConjuntos c = LeConjuntos(m_pasta); c.conjuntos)
        m_regional = SerieRegional(*c.conjuntos, m_elemento, pedido.latitude, pedido.longitude);
    const PontoSecular calculo = PontoDoCalculo(m_ultimo.elementos, m_elemento, pedido.anoDecimal);

    const QString sigla = SiglaSecular(m_elemento);
    std::vector<QAbstractSeries*> series{Curva(m_igrf, QStringLiteral("IGRF-14 (1900 a 2029)"), CorIgrf, 2)};
    if (!m_regional.empty())
        series.push_back(Curva(m_regional, QStringLiteral("Modelo regional (1995 a 2005)"), CorRegional, 3));
    auto* marca = new QScatterSeries;
    marca->setName(QStringLiteral("Data do cálculo: %1/%2/%3, %4 = %5")
                       .arg(m_ultimo.entrada.dia, m_ultimo.entrada.mes, m_ultimo.entrada.ano, sigla,
                            TextoValorSecular(m_elemento, calculo.valor, m_locale)));
    marca->setColor(CorCalculo);
    marca->setBorderColor(Qt::white);
    marca->setMarkerSize(11);
    marca->append(calculo.anoDecimal, calculo.valor);
    series.push_back(marca);

    // The value axis over both curves and the mark, with a little room.
    double minimo = calculo.valor, maximo = calculo.valor;
    for (const auto* serie : {&m_igrf, &m_regional})
        for (const PontoSecular& p : *serie)
            if (std::isfinite(p.valor)) {
                minimo = std::min(minimo, p.valor);
                maximo = std::max(maximo, p.valor);
            }
    const double folga = std::max((maximo - minimo) * 0.05, Angular(m_elemento) ? 1.0 / 60 : 10.0);
    minimo -= folga;
    maximo += folga;

    auto* eixoAno = new QValueAxis;
    eixoAno->setObjectName(QStringLiteral("EixoAno"));
    eixoAno->setRange(1900, 2030);
    eixoAno->setTickCount(14);
    eixoAno->setLabelFormat(QStringLiteral("%.0f"));
    eixoAno->setTitleText(QStringLiteral("Ano"));
    QAbstractAxis* eixoValor = nullptr;
    const QString titulo = QStringLiteral("%1, %2").arg(NomeElementoSecular(m_elemento), UnidadeSecular(m_elemento));
    if (Angular(m_elemento)) {
        // Degrees and minutes at round values, as the calculator writes angles.
        auto* eixo = new QCategoryAxis;
        eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        eixo->setRange(minimo, maximo);
        for (const double v : MarcasEixoSecular(m_elemento, minimo, maximo))
            eixo->append(TextoMarcaSecular(m_elemento, v, m_locale), v);
        eixo->setGridLineVisible(true);
        eixoValor = eixo;
    } else {
        auto* eixo = new QValueAxis;
        eixo->setRange(minimo, maximo);
        eixo->setLabelFormat(QStringLiteral("%.0f"));
        eixo->applyNiceNumbers();
        eixoValor = eixo;
    }
    eixoValor->setObjectName(QStringLiteral("EixoValor"));
    eixoValor->setTitleText(titulo);
    m_grafico->addAxis(eixoAno, Qt::AlignBottom);
    m_grafico->addAxis(eixoValor, Qt::AlignLeft);
    for (QAbstractSeries* s : series) {
        m_grafico->addSeries(s);
        s->attachAxis(eixoAno);
        s->attachAxis(eixoValor);
    }
    m_grafico->setTitle(QStringLiteral("%1 em %2, %3 (IGRF-14, nível do mar)")
                            .arg(NomeElementoSecular(m_elemento), TextoValorSecular(ElementoSecular::D, pedido.latitude, m_locale),
                                 TextoValorSecular(ElementoSecular::D, pedido.longitude, m_locale)));
    m_grafico->legend()->setAlignment(Qt::AlignBottom);
}

QString VariacaoSecular::leituraEm(const QPointF& ponto) const
{
    if (m_igrf.empty() || m_grafico->series().isEmpty())
        return {};
    const QPointF cena = m_vista->mapToScene(ponto.toPoint());
    if (!m_grafico->plotArea().contains(m_grafico->mapFromScene(cena)))
        return {};
    const QPointF valor = m_grafico->mapToValue(m_grafico->mapFromScene(cena), m_grafico->series().first());
    const auto maisPerto = std::min_element(m_igrf.begin(), m_igrf.end(), [&](const PontoSecular& a, const PontoSecular& b) {
        return std::fabs(a.anoDecimal - valor.x()) < std::fabs(b.anoDecimal - valor.x());
    });
    QString texto = QStringLiteral("1/7/%1:  %2 = %3,  variação %4")
                        .arg(maisPerto->ano)
                        .arg(SiglaSecular(m_elemento), TextoValorSecular(m_elemento, maisPerto->valor, m_locale),
                             TextoVariacaoSecular(m_elemento, maisPerto->variacao, m_locale));
    for (const PontoSecular& r : m_regional)
        if (r.ano == maisPerto->ano)
            texto += QStringLiteral("    (modelo regional: %1)").arg(TextoValorSecular(m_elemento, r.valor, m_locale));
    return texto;
}

bool VariacaoSecular::salvaEm(const QString& caminho)
{
    if (m_igrf.empty())
        return false;
    return SalvaDesenho(caminho, m_vista->size(), windowTitle(), NomeElementoSecular(m_elemento),
                        [this](QPainter& p, const QRectF& area) { m_vista->render(&p, area); }, m_mensageiro);
}

void VariacaoSecular::salvarImagem()
{
    if (m_igrf.empty())
        return;
    const QString png = QStringLiteral("Imagem PNG (*.png)"), svg = QStringLiteral("Imagem SVG (*.svg)"),
                  pdf = QStringLiteral("Documento PDF (*.pdf)");
    QString filtro = png;
    const QString sugestao = QDir(PastaDocumentos()).filePath(QStringLiteral("variacao-secular-%1.png").arg(SiglaSecular(m_elemento)));
    QString caminho = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar imagem do gráfico"), sugestao,
                                                   QStringList{png, svg, pdf}.join(QStringLiteral(";;")), &filtro);
    if (caminho.isEmpty())
        return;
    if (QFileInfo(caminho).suffix().isEmpty())
        caminho += filtro == svg ? QStringLiteral(".svg") : filtro == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    salvaEm(caminho);
}

void VariacaoSecular::copiarTabela()
{
    if (!m_igrf.empty())
        QGuiApplication::clipboard()->setText(TabelaSecular(m_igrf, m_elemento, m_locale));
}

}  // namespace ceravel
