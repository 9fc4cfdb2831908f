// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "ui/Apresentacao.h"
#include "ui/Configuracao.h"
#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/ImpressaoRelatorio.h"
#include "ui/Janelas.h"
#include "ui/Mensageiro.h"
#include "ui/Twips.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <variant>

namespace ceravel {

namespace {

QString L1(const char* s) { return QString::fromLatin1(s); }

QLabel* RotuloOculto(QWidget* area, const char* nome, const char* texto, double topo)
{
    auto* r = CriaRotulo(area, L1(nome), L1(texto), 240, topo, 1230, 240, FonteArial(8.25));
    r->hide();
    return r;
}

}  // namespace

Main::Main(Janelas& janelas) : QMainWindow(nullptr), m_janelas(janelas)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Ceravel - versão 2.0"));
    setWindowIcon(IconeCeravel());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("AreaCliente"));
    area->setFixedSize(Px(7695), Px(5370));
    // The system's 3D-light colour, whatever the desktop style says it is.
    DefineFundo(area, palette().color(QPalette::Midlight));
    setCentralWidget(area);

    criaEntradas(area);
    // Back to front: the rose, the declination frame over its foot, the footer.
    m_agulha = CriaBussola(area, 0, 0, {QStringLiteral("Label7"), QStringLiteral("Label14"),
                                        QStringLiteral("Label17"), QStringLiteral("Label18")});
    criaResultados(area);
    criaRodape(area);
    m_modelo = LeModeloConfigurado();
    EscreveModeloFaixa(*this, m_modelo);
    criaMenus();
    defineOrdemTeclado();
    setFixedSize(sizeHint());
}

void Main::criaEntradas(QWidget* area)
{
    auto* data = CriaMoldura(area, QStringLiteral("Data_Frame"), QStringLiteral("Data (dd/mm/aaaa)"), 240, 480,
                             2775, 735, FonteArial(8.25, true));
    m_dia = CriaCaixaTexto(data, QStringLiteral("Dia"), 1200, 360, 375, 285, QStringLiteral("Dia"));
    CriaRotulo(data, QStringLiteral("Label9"), QStringLiteral("/"), 1605, 360, 60, 255, FonteArial(11.25));
    m_mes = CriaCaixaTexto(data, QStringLiteral("Mes"), 1695, 360, 375, 285, QStringLiteral("Mês"));
    CriaRotulo(data, QStringLiteral("Label10"), QStringLiteral("/"), 2100, 360, 60, 255, FonteArial(11.25));
    m_ano = CriaCaixaTexto(data, QStringLiteral("Ano"), 2190, 360, 495, 285, QStringLiteral("Ano"));

    m_latitude = CriaCoordenada(area, NomesLatitude, 240, 1440);
    m_longitude = CriaCoordenada(area, NomesLongitude, 240, 2400);
    m_latitude.ligaBotoes();
    m_longitude.ligaBotoes();

    m_calcular = CriaBotao(area, QStringLiteral("BtCalcular"), QStringLiteral("Calcular"), 225, 3540, 1245, 375);
    m_limpar = CriaBotao(area, QStringLiteral("BtLimpar"), QStringLiteral("Limpar Dados"), 1620, 3555, 1245, 375);
    connect(m_calcular, &QPushButton::clicked, this, &Main::calcular);
    connect(m_limpar, &QPushButton::clicked, this, &Main::limpar);

    // Kept for the report and the export; never shown.
    m_epoca = RotuloOculto(area, "Epoca", "Epoca", 3960);
    m_longExp = RotuloOculto(area, "LongExp", "Long", 4080);
    m_latExp = RotuloOculto(area, "LatExp", "Lat", 4200);
}

void Main::criaResultados(QWidget* area)
{
    m_fd = CriaMoldura(area, QStringLiteral("FD"), QStringLiteral("Ceravel"), 3330, 3465, 4065, 510,
                       FonteArial(9, true, true));
    CriaRotulo(m_fd, QStringLiteral("Label32"), QStringLiteral("Ângulo:"), 90, 225, 1050, 240, FonteArial(8.25));
    m_dmin3 = CriaRotulo(m_fd, QStringLiteral("DMIN3"), QStringLiteral("DMIN"), 720, 225, 1215, 195,
                         FonteArial(8.25, true), Qt::AlignRight | Qt::AlignTop);
    m_dmin3->setAccessibleName(QStringLiteral("Declinação"));
    CriaRotulo(m_fd, QStringLiteral("Label31"), QStringLiteral("Variação:"), 2070, 225, 1095, 195,
               FonteArial(8.25));
    m_vd2 = CriaRotulo(m_fd, QStringLiteral("VD2"), QStringLiteral("VD"), 2775, 225, 915, 195,
                       FonteArial(8.25, true), Qt::AlignRight | Qt::AlignTop);
    m_vd2->setAccessibleName(QStringLiteral("Variação anual da declinação"));
    m_fd->hide();

    m_maisDados = CriaBotao(area, QStringLiteral("BtDComp"), QStringLiteral("Mais Dados"), 3360, 4080, 4080, 285);
    m_maisDados->hide();
    connect(m_maisDados, &QPushButton::clicked, this, [this] { m_janelas.mostraDComp(); });
}

void Main::criaRodape(QWidget* area)
{
    auto* faixa = CriaRotulo(area, QStringLiteral("Picture1"), {}, -45, 4560, 9435, 855, FonteArial(8.25));
    faixa->setPixmap(FaixaCeravel());
    faixa->setAccessibleName(QStringLiteral("Faixa do Ceravel"));
    EscreveLinhasFaixa(faixa, 3000, 4620, 0);
}

void Main::criaMenus()
{
    QMenu* arquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    arquivo->setObjectName(QStringLiteral("MArq"));
    m_imprimir = arquivo->addAction(QStringLiteral("&Imprimir"));
    m_imprimir->setObjectName(QStringLiteral("MAImp"));
    m_imprimir->setEnabled(false);
    m_exportar = arquivo->addAction(QStringLiteral("&Exportar Dados (.CSV)..."));
    m_exportar->setObjectName(QStringLiteral("MAExp"));
    m_exportar->setEnabled(false);
    arquivo->addSeparator()->setObjectName(QStringLiteral("linha"));
    QAction* fechar = arquivo->addAction(QStringLiteral("&Fechar"));
    fechar->setObjectName(QStringLiteral("MAFechar"));

    QMenu* ferramentas = menuBar()->addMenu(QStringLiteral("&Ferramentas"));
    ferramentas->setObjectName(QStringLiteral("MFerr"));
    QAction* conversao = ferramentas->addAction(QStringLiteral("&Conversão de Rumos..."));
    conversao->setObjectName(QStringLiteral("MAConv"));
    m_mapa = ferramentas->addAction(QStringLiteral("&Mapa do Campo..."));
    m_mapa->setObjectName(QStringLiteral("MAMapa"));
    m_mapa->setEnabled(false);
    m_variacao = ferramentas->addAction(QStringLiteral("&Variação Secular..."));
    m_variacao->setObjectName(QStringLiteral("MAVariacao"));
    m_variacao->setEnabled(false);
    QMenu* modelo = ferramentas->addMenu(QStringLiteral("Mo&delo"));
    modelo->setObjectName(QStringLiteral("MModelo"));
    auto* grupo = new QActionGroup(modelo);
    m_modeloRegional = modelo->addAction(QStringLiteral("&Regional (1995 a 2005)"));
    m_modeloRegional->setObjectName(QStringLiteral("MAModeloRegional"));
    m_modeloIgrf = modelo->addAction(QStringLiteral("&IGRF-14 (1900 a 2029)"));
    m_modeloIgrf->setObjectName(QStringLiteral("MAModeloIgrf"));
    for (QAction* a : {m_modeloRegional, m_modeloIgrf}) {
        a->setCheckable(true);
        grupo->addAction(a);
    }
    (m_modelo == ModeloCalculo::Igrf14 ? m_modeloIgrf : m_modeloRegional)->setChecked(true);
    QAction* memorial = ferramentas->addAction(QStringLiteral("&Aviventação de Memorial..."));
    memorial->setObjectName(QStringLiteral("MAMemorial"));

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("A&juda"));
    ajuda->setObjectName(QStringLiteral("MHelp"));
    QAction* informacoes = ajuda->addAction(QStringLiteral("&Informações Gerais Termov..."));
    informacoes->setObjectName(QStringLiteral("MAInf"));
    ajuda->addSeparator()->setObjectName(QStringLiteral("linha2"));
    QAction* sobre = ajuda->addAction(QStringLiteral("&Sobre o Ceravel..."));
    sobre->setObjectName(QStringLiteral("MASobre"));

    connect(m_imprimir, &QAction::triggered, this,
            [this] { ImprimeNaImpressoraPadrao(m_janelas.relatorio(), m_janelas.mensageiro()); });
    connect(m_exportar, &QAction::triggered, this, &Main::exportar);
    connect(fechar, &QAction::triggered, this, &QWidget::close);
    connect(conversao, &QAction::triggered, this, [this] { m_janelas.mostraConversaoRumos(); });
    connect(m_mapa, &QAction::triggered, this, [this] { m_janelas.mostraMapaCampo(); });
    connect(m_variacao, &QAction::triggered, this, [this] { m_janelas.mostraVariacaoSecular(); });
    connect(m_modeloRegional, &QAction::triggered, this, [this] { escolheModelo(ModeloCalculo::Regional); });
    connect(m_modeloIgrf, &QAction::triggered, this, [this] { escolheModelo(ModeloCalculo::Igrf14); });
    connect(memorial, &QAction::triggered, this, [this] { m_janelas.mostraMemorial(); });
    connect(informacoes, &QAction::triggered, this, [this] { m_janelas.mostraHelp(); });
    connect(sobre, &QAction::triggered, this, [this] { m_janelas.mostraSobre(); });
}

void Main::defineOrdemTeclado()
{
    QWidget* const ordem[] = {m_dia, m_mes, m_ano,
                              m_latitude.botaoGMS, m_latitude.decimal, m_latitude.graus, m_latitude.minutos,
                              m_latitude.segundos,
                              m_longitude.botaoGMS, m_longitude.decimal, m_longitude.graus, m_longitude.minutos,
                              m_longitude.segundos,
                              m_calcular, m_maisDados, m_limpar, m_latitude.botaoG, m_longitude.botaoG};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

TextosEntrada Main::entrada() const
{
    TextosEntrada e;
    e.dia = m_dia->text();
    e.mes = m_mes->text();
    e.ano = m_ano->text();
    LePosicao(m_latitude, m_longitude, e);
    return e;
}

void Main::escreveEpoca(const QString& epoca)
{
    m_epoca->setText(epoca);
}

void Main::escreveDeclinacao(const QString& dmin, const QString& vd)
{
    m_dmin3->setText(dmin);
    m_vd2->setText(vd);
}

void Main::mostraResultados()
{
    m_fd->show();
    m_exportar->setEnabled(true);
    m_imprimir->setEnabled(true);
    m_mapa->setEnabled(true);
    m_variacao->setEnabled(true);
    m_maisDados->show();
}

void Main::calcular()
{
    ResultadoCalculo resultado = Calcula(entrada(), m_janelas.locale(), m_janelas.pastaPrograma(), m_modelo);

    if (const auto* falha = std::get_if<FalhaGuarda>(&resultado)) {
        m_janelas.mensageiro().informa(falha->mensagem);
        if (falha->foco != Campo::Nenhum)
            if (auto* caixa = findChild<QLineEdit*>(NomeCampo(falha->foco)))
                caixa->setFocus();
        return;
    }
    if (const auto* falha = std::get_if<FalhaModelo>(&resultado)) {
        m_janelas.mensageiro().informa(falha->mensagem);
        return;
    }

    // The position for the report and the export is taken only from a
    // calculation that succeeded, so it always matches the results on display.
    m_ultimo = std::move(std::get<Calculo>(resultado));
    m_latExp->setText(m_ultimo->textos.latExp);
    m_longExp->setText(m_ultimo->textos.longExp);
    Apresenta(m_ultimo->textos, m_janelas, m_modelo);
}

void Main::limpar()
{
    for (QLineEdit* caixa : {m_dia, m_mes, m_ano, m_latitude.decimal, m_longitude.decimal, m_latitude.graus,
                             m_latitude.minutos, m_latitude.segundos, m_longitude.graus, m_longitude.minutos,
                             m_longitude.segundos})
        caixa->clear();
    escondeResultados();
}

void Main::escondeResultados()
{
    m_exportar->setEnabled(false);
    m_imprimir->setEnabled(false);
    m_mapa->setEnabled(false);
    m_variacao->setEnabled(false);
    m_maisDados->hide();
    m_agulha.mostra(false);
    m_fd->hide();
    m_ultimo.reset();
    m_janelas.descarrega(Janela::DComp);
    m_janelas.descarrega(Janela::Relatorio);
}

void Main::escolheModelo(ModeloCalculo modelo)
{
    (modelo == ModeloCalculo::Igrf14 ? m_modeloIgrf : m_modeloRegional)->setChecked(true);
    if (modelo == m_modelo)
        return;
    m_modelo = modelo;
    GravaModeloConfigurado(modelo);
    EscreveModeloFaixa(*this, modelo);
    escondeResultados();
}

void Main::exportar()
{
    if (m_ultimo)
        m_janelas.mostraExportar(*m_ultimo);
}

// Closing is refused only when the memorial window's changes are neither
// saved nor let go; otherwise every other window goes and the program ends.
void Main::closeEvent(QCloseEvent* evento)
{
    if (!m_janelas.podeEncerrar()) {
        evento->ignore();
        return;
    }
    evento->accept();
    m_janelas.aoFecharMain();
}

}  // namespace ceravel
