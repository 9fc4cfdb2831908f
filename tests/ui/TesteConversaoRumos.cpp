// "Conversão de Rumos": its menu, how it starts, what a refused or a
// successful conversion shows, and what "Copiar" puts on the clipboard.
#include "AmbienteJanelas.h"

#include "present/TextosConversao.h"
#include "ui/ConversaoRumos.h"

#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QtTest/QTest>
#include <variant>
#include <vector>

namespace ceravel::teste {
namespace {

// One thing done to the window: a box typed into, a combo set to an item, or
// (no text) a button clicked.
struct Acao {
    const char* controle;
    const char* texto = nullptr;
};

const char* const CaixasPosicao[] = {"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"};
// Every result label and the captions that go with the optional rows.
const char* const Valores[] = {"DecLev", "VarLev", "DecConv", "VarConv", "DifDec", "AzVerd", "RumoVerd",
                               "AzMagConv", "RumoMagConv", "RegLev", "RegConv", "Modelo"};
const char* const RotulosRumo[] = {"LbCabAz", "LbCabRumo", "LbVerd", "AzVerd", "RumoVerd", "LbMagConv", "AzMagConv",
                                   "RumoMagConv"};

class ConversaoRumosJanela : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        copiaIgrf();
    }

    void copiaIgrf()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"),
                                pasta.filePath("igrf14coeffs.txt")));
    }

    // Opens the window from Main's menu, hands it to `naJanela` while it is
    // open, then closes it with "Fechar" unless `naJanela` closed it.
    void abre(const std::function<void(ConversaoRumos&)>& naJanela)
    {
        const int modais = comModal([&] { aciona("MAConv"); }, [&](QWidget& janela) {
            auto* conversao = qobject_cast<ConversaoRumos*>(&janela);
            ASSERT_NE(conversao, nullptr) << janela.objectName().toStdString();
            naJanela(*conversao);
            if (conversao->isVisible())
                clica(*conversao, "BtFechar");
        });
        EXPECT_EQ(modais, 1);
        EXPECT_FALSE(janelas->existe(Janela::ConversaoRumos));
    }

    void aplica(QWidget& janela, const std::vector<Acao>& acoes)
    {
        for (const Acao& a : acoes) {
            QWidget& c = controle(janela, a.controle);
            if (auto* caixa = qobject_cast<QLineEdit*>(&c))
                caixa->setText(QString::fromUtf8(a.texto));
            else if (auto* lista = qobject_cast<QComboBox*>(&c))
                lista->setCurrentText(QString::fromUtf8(a.texto));
            else
                clica(janela, a.controle);
        }
    }

    // The core's answer for what the window holds now.
    ResultadoConversao direto(const ConversaoRumos& janela)
    {
        return CalculaConversao(janela.entrada(), locale, pasta.path());
    }

    // A position the main window calculated, a survey date, a bearing: a
    // conversion that succeeds.
    void converteComSucesso(ConversaoRumos& janela)
    {
        aplica(janela, {{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}, {"AngG", "10"}, {"AngM", "0"},
                        {"AngS", "0"}});
        const auto antes = mensageiro.mensagens.size();
        clica(janela, "BtConverter");
        ASSERT_EQ(mensageiro.mensagens.size(), antes) << mensageiro.mensagens.join(u'\n').toStdString();
        ASSERT_TRUE(janela.ultimaConversao().has_value());
    }

    // What the results show: each label's text and whether it is shown.
    QStringList resultados(ConversaoRumos& janela)
    {
        QStringList r{visivel(janela, "FR") ? "FR" : "-"};
        for (const char* nome : Valores)
            r << texto(janela, nome) + (visivel(janela, nome) ? "" : " (oculto)");
        return r;
    }
};

TEST_F(ConversaoRumosJanela, FerramentasSitsBetweenArquivoAndAjudaWithItsEntryAlwaysEnabled)
{
    QStringList menus;
    for (QAction* a : main().menuBar()->actions())
        menus << (a->menu() ? a->menu()->objectName() : a->text());
    EXPECT_EQ(menus, QStringList({"MArq", "MFerr", "MHelp"}));
    auto& ferramentas = controle<QMenu>(main(), "MFerr");
    EXPECT_EQ(ferramentas.title(), "&Ferramentas");
    // First of the menu; the field map's entry follows it (TesteJanelaMapa).
    ASSERT_GE(ferramentas.actions().size(), 1);
    EXPECT_EQ(ferramentas.actions()[0]->objectName(), "MAConv");
    EXPECT_EQ(ferramentas.actions()[0]->text(), "&Conversão de Rumos...");

    const std::pair<const char*, std::function<void()>> momentos[] = {
        {"at start", [] {}},
        {"after a calculation", [&] { calculaComSucesso(); }},
        {"after Limpar Dados", [&] { clica(main(), "BtLimpar"); }}};
    for (const auto& [momento, passo] : momentos) {
        passo();
        EXPECT_TRUE(habilitado("MAConv")) << momento;
    }
}

// Closed by "Fechar" or by its title bar, the window is unloaded; it opened
// application-modal without owner, titled, with the results hidden.
TEST_F(ConversaoRumosJanela, OpensModalWithoutOwnerAndIsUnloadedWhenClosed)
{
    for (bool peloBotao : {true, false}) {
        SCOPED_TRACE(peloBotao ? "Fechar" : "title bar");
        abre([&](ConversaoRumos& janela) {
            EXPECT_EQ(janela.objectName(), "ConversaoRumos");
            EXPECT_EQ(janela.windowTitle(), "Ceravel - Conversão de Rumos");
            EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(janela.parentWidget(), nullptr);
            EXPECT_TRUE(janelas->existe(Janela::ConversaoRumos));
            EXPECT_FALSE(visivel(janela, "FR"));
            EXPECT_FALSE(controle(janela, "BtCopiar").isEnabled());
            if (!peloBotao)
                janela.close();
        });
    }
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

// The position comes from Main's last successful calculation, boxes and entry
// forms as typed for it (not what was typed after it); without one every box
// is empty, in degrees, minutes and seconds. The rest is always the same.
// One step on Main: type a position (if given) at 1/7/2000, then press a button (if given).
struct PassoMain {
    QStringList latitude, longitude;
    const char* botao = nullptr;
};
struct Inicio {
    const char* caso;
    std::vector<PassoMain> passos;
    bool comCalculo;
};
void PrintTo(const Inicio& i, std::ostream* os) { *os << i.caso; }

class InicioConversao : public ConversaoRumosJanela, public ::testing::WithParamInterface<Inicio> {};

TEST_P(InicioConversao, StartsFromTheLastCalculationOrEmpty)
{
    const Inicio& c = GetParam();
    for (const PassoMain& p : c.passos) {
        if (!p.latitude.isEmpty())
            preenche("1", "7", "2000", p.latitude, p.longitude);
        if (p.botao)
            clica(main(), p.botao);
    }
    const std::optional<Calculo>& ultimo = main().ultimoCalculo();
    ASSERT_EQ(ultimo.has_value(), c.comCalculo);
    const TextosEntrada esperado = ultimo ? ultimo->entrada : TextosEntrada{};

    const QDate antes = QDate::currentDate();
    abre([&](ConversaoRumos& janela) {
        const TextosConversao e = janela.entrada();
        const std::pair<QString, QString> caixas[] = {
            {e.latGraus, esperado.latGraus}, {e.latG, esperado.latG}, {e.latM, esperado.latM},
            {e.latS, esperado.latS}, {e.lonGraus, esperado.lonGraus}, {e.longG, esperado.longG},
            {e.longM, esperado.longM}, {e.longS, esperado.longS}};
        for (size_t i = 0; i < std::size(caixas); ++i) {
            EXPECT_EQ(caixas[i].first, caixas[i].second) << CaixasPosicao[i];
            EXPECT_EQ(texto(janela, CaixasPosicao[i]), caixas[i].first) << CaixasPosicao[i];
        }
        EXPECT_EQ(e.formaLatitude, esperado.formaLatitude);
        EXPECT_EQ(e.formaLongitude, esperado.formaLongitude);
        EXPECT_EQ(visivel(janela, "LatGraus"), esperado.formaLatitude == FormaEntrada::GrausDecimais);
        EXPECT_EQ(visivel(janela, "LonGraus"), esperado.formaLongitude == FormaEntrada::GrausDecimais);

        // Today as dd/mm/aaaa (the day may turn while the window opens).
        const QDate depois = QDate::currentDate();
        const QStringList hoje{texto(janela, "DiaConv"), texto(janela, "MesConv"), texto(janela, "AnoConv")};
        EXPECT_TRUE(hoje == QStringList({antes.toString("dd"), antes.toString("MM"), antes.toString("yyyy")}) ||
                    hoje == QStringList({depois.toString("dd"), depois.toString("MM"), depois.toString("yyyy")}))
            << hoje.join(u'/').toStdString();
        for (const char* vazia : {"DiaLev", "MesLev", "AnoLev", "AngGraus", "AngG", "AngM", "AngS"})
            EXPECT_TRUE(texto(janela, vazia).isEmpty()) << vazia;
        EXPECT_EQ(janela.focusWidget(), &controle(janela, "DiaLev"));
        EXPECT_EQ(e.tipo, TipoRumo::Azimute);
        EXPECT_EQ(e.referencia, ReferenciaRumo::Magnetico);
        EXPECT_EQ(e.formaAngulo, FormaEntrada::GrausMinutosSegundos);
        EXPECT_FALSE(controle(janela, "Quadrante").isEnabled());
        EXPECT_FALSE(visivel(janela, "FR"));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, InicioConversao,
    ::testing::Values(
        Inicio{"NoCalculation", {}, false},
        Inicio{"RefusedCalculation", {{{"-15", "0", "0"}, {"-29", "0", "0"}, "BtCalcular"}}, false},
        Inicio{"DmsCalculation", {{{"-15", "30", "0"}, {"-55", "0", "15"}, "BtCalcular"}}, true},
        // Texts in the hidden forms come along with them; what is typed after
        // the calculation does not.
        Inicio{"DecimalLatitudeThenRetyped",
               {{{"-15", "1", "2"}, {"-55", "3", "4"}},
                {{"-10.5"}, {"-50", "0", "0"}, "BtCalcular"},
                {{"-11", "0", "0"}, {"-51.25"}}},
               true},
        Inicio{"LimparAfterCalculation",
               {{{"-15", "0", "0"}, {"-55", "0", "0"}, "BtCalcular"}, {{}, {}, "BtLimpar"}},
               false}),
    [](const auto& info) { return std::string(info.param.caso); });

// Each row starts from a conversion that succeeded (position from Main, survey
// 12/03/1940, today, azimuth 10º00'00''), changes some controls and presses
// "Converter" with the focus elsewhere: one message, the core's for that
// input, the focus on the row's box, the results and "Copiar" as they were.
struct Recusa {
    const char* caso;
    std::vector<Acao> acoes;
    const char* foco;
};
void PrintTo(const Recusa& r, std::ostream* os) { *os << r.caso; }

class RecusaConversao : public ConversaoRumosJanela, public ::testing::WithParamInterface<Recusa> {};

TEST_P(RecusaConversao, ShowsTheCoreMessageMovesTheFocusAndKeepsTheResults)
{
    const Recusa& r = GetParam();
    calculaComSucesso();
    abre([&](ConversaoRumos& janela) {
        converteComSucesso(janela);
        const QStringList antes = resultados(janela);
        const QString decLev = janela.ultimaConversao()->textos.decLev;
        aplica(janela, r.acoes);
        const ResultadoConversao esperado = direto(janela);
        const auto* falha = std::get_if<FalhaGuarda>(&esperado);
        ASSERT_NE(falha, nullptr) << "the core accepts this input";
        controle(janela, "OpMagnetico").setFocus();
        mensageiro.mensagens.clear();

        clica(janela, "BtConverter");

        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_EQ(mensageiro.mensagens[0], falha->mensagem);
        EXPECT_FALSE(falha->mensagem.isEmpty());
        ASSERT_NE(janela.focusWidget(), nullptr);
        EXPECT_EQ(janela.focusWidget()->objectName(), r.foco);
        EXPECT_EQ(resultados(janela), antes);
        EXPECT_EQ(janela.ultimaConversao()->textos.decLev, decLev);
        EXPECT_TRUE(controle(janela, "BtCopiar").isEnabled());
        EXPECT_TRUE(janela.isVisible());
    });
    EXPECT_EQ(encerramentos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, RecusaConversao,
    ::testing::Values(
        Recusa{"LatitudeMinutesEmpty", {{"LatM", ""}}, "LatM"},
        Recusa{"LatitudeNotANumber", {{"LatS", "1x"}}, "LatS"},
        Recusa{"LongitudeEastOfTheCoast", {{"LongG", "-29"}}, "LongG"},
        Recusa{"DecimalLatitudeNorthOfBrazil", {{"BtLatG"}, {"LatGraus", "11"}}, "LatGraus"},
        Recusa{"LatitudeSeconds60", {{"LatS", "60"}}, "LatS"},
        Recusa{"SurveyDayEmpty", {{"DiaLev", ""}}, "DiaLev"},
        Recusa{"SurveyMonth13", {{"MesLev", "13"}}, "MesLev"},
        Recusa{"SurveyYearTwoDigits", {{"AnoLev", "40"}}, "AnoLev"},
        Recusa{"SurveyYearBefore1900", {{"AnoLev", "1899"}}, "AnoLev"},
        Recusa{"ConversionDay31OfApril", {{"DiaConv", "31"}, {"MesConv", "04"}}, "DiaConv"},
        Recusa{"ConversionYearEmpty", {{"AnoConv", ""}}, "AnoConv"},
        Recusa{"ConversionYear2030", {{"AnoConv", "2030"}}, "AnoConv"},
        Recusa{"AzimuthSecondsEmpty", {{"AngS", ""}}, "AngS"},
        Recusa{"Azimuth360", {{"AngG", "360"}}, "AngG"},
        Recusa{"AngleMinutes60", {{"AngM", "60"}}, "AngM"},
        Recusa{"RumoAbove90", {{"OpRumo"}, {"AngG", "90"}, {"AngM", "1"}}, "AngG"},
        Recusa{"DecimalAngleNotANumber", {{"BtAngG"}, {"AngGraus", "dez"}}, "AngGraus"},
        Recusa{"DecimalRumoNegative", {{"OpRumo"}, {"BtAngG"}, {"AngGraus", "-5"}}, "AngGraus"}),
    [](const auto& info) { return std::string(info.param.caso); });

// Without the IGRF table the conversion says so and shows nothing; the file
// put back, the next press converts without reopening the window.
TEST_F(ConversaoRumosJanela, MissingModelFileIsReportedAndTheNextPressWorksOnceItIsBack)
{
    ASSERT_TRUE(QFile::remove(pasta.filePath("igrf14coeffs.txt")));
    calculaComSucesso();
    abre([&](ConversaoRumos& janela) {
        aplica(janela, {{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}});
        controle(janela, "MesLev").setFocus();
        clica(janela, "BtConverter");
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(mensageiro.mensagens[0].contains("igrf14coeffs.txt")) << mensageiro.mensagens[0].toStdString();
        EXPECT_EQ(janela.focusWidget(), &controle(janela, "MesLev"));
        EXPECT_FALSE(visivel(janela, "FR"));
        EXPECT_FALSE(controle(janela, "BtCopiar").isEnabled());
        EXPECT_FALSE(janela.ultimaConversao().has_value());

        copiaIgrf();
        clica(janela, "BtConverter");
        EXPECT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(visivel(janela, "FR"));
    });
    EXPECT_EQ(encerramentos, 0);
}

// A successful conversion writes the core's texts, each on its own label; the
// bearing rows show only with a bearing, the regional model's declination only
// on a date it covers. Rubbish sits in every hidden entry form.
struct Sucesso {
    const char* caso;
    bool ptBR;
    std::vector<Acao> acoes;
    bool rumo, regionalLev, regionalConv;
};
void PrintTo(const Sucesso& s, std::ostream* os) { *os << s.caso; }

class SucessoConversao : public ConversaoRumosJanela, public ::testing::WithParamInterface<Sucesso> {};

TEST_P(SucessoConversao, FillsEveryLabelWithTheCoreTexts)
{
    const Sucesso& c = GetParam();
    usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
    abre([&](ConversaoRumos& janela) {
        for (const char* caixa : {"LatGraus", "LonGraus", "AngGraus"})
            controle<QLineEdit>(janela, caixa).setText("99x");
        aplica(janela, {{"LatG", "-23"}, {"LatM", "30"}, {"LatS", "0"}, {"LongG", "-46"}, {"LongM", "37"},
                        {"LongS", "30"}, {"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}});
        aplica(janela, c.acoes);
        const ResultadoConversao esperado = direto(janela);
        clica(janela, "BtConverter");
        ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
        const auto* conversao = std::get_if<Conversao>(&esperado);
        ASSERT_NE(conversao, nullptr);
        ASSERT_EQ(conversao->rumos.has_value(), c.rumo) << "the row's input says otherwise to the core";

        const TextosResultadoConversao& t = conversao->textos;
        const std::pair<const char*, QString> textos[] = {
            {"DecLev", t.decLev}, {"VarLev", t.varLev}, {"DecConv", t.decConv}, {"VarConv", t.varConv},
            {"DifDec", t.difDec}, {"AzVerd", t.azVerd}, {"RumoVerd", t.rumoVerd}, {"AzMagConv", t.azMagConv},
            {"RumoMagConv", t.rumoMagConv}, {"RegLev", t.regLev}, {"RegConv", t.regConv}, {"Modelo", t.modelo}};
        for (const auto& [nome, valor] : textos)
            EXPECT_EQ(texto(janela, nome), valor) << nome;
        for (const char* nome : {"FR", "DecLev", "VarLev", "DecConv", "VarConv", "DifDec", "Modelo"})
            EXPECT_TRUE(visivel(janela, nome)) << nome;
        for (const char* nome : RotulosRumo)
            EXPECT_EQ(visivel(janela, nome), c.rumo) << nome;
        EXPECT_EQ(visivel(janela, "RegLev"), c.regionalLev);
        EXPECT_EQ(visivel(janela, "RegConv"), c.regionalConv);
        EXPECT_EQ(visivel(janela, "LbReg"), c.regionalLev || c.regionalConv);
        EXPECT_EQ(t.regLev.isEmpty(), !c.regionalLev);
        EXPECT_EQ(t.regConv.isEmpty(), !c.regionalConv);
        EXPECT_TRUE(controle(janela, "BtCopiar").isEnabled());
        // Shown rows do not overlap and all lie inside the frame.
        QWidget& fr = controle(janela, "FR");
        QList<QRect> ocupados;
        for (QLabel* r : fr.findChildren<QLabel*>()) {
            if (!r->isVisibleTo(&fr))
                continue;
            EXPECT_TRUE(fr.rect().contains(r->geometry())) << r->objectName().toStdString();
            for (const QRect& o : ocupados)
                EXPECT_FALSE(o.intersects(r->geometry())) << r->objectName().toStdString();
            ocupados << r->geometry();
        }
        EXPECT_TRUE(janela.rect().contains(fr.geometry()));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, SucessoConversao,
    ::testing::Values(
        Sucesso{"NoBearing_C", false, {{"AngG", ""}, {"AngM", ""}, {"AngS", ""}}, false, false, false},
        Sucesso{"MagneticAzimuthDms_C", false, {{"AngG", "10"}, {"AngM", "15"}, {"AngS", "30"}}, true, false,
                false},
        Sucesso{"TrueRumoDecimal_ptBR", true,
                {{"OpRumo"}, {"Quadrante", "SO"}, {"OpVerdadeiro"}, {"BtAngG"}, {"AngGraus", "35,5"},
                 {"AngG", "99x"}},
                true, false, false},
        Sucesso{"SurveyInTheRegionalPeriod_C", false, {{"AnoLev", "1998"}, {"AngG", "200"}, {"AngM", "0"},
                {"AngS", "0"}}, true, true, false},
        Sucesso{"BothDatesInTheRegionalPeriod_ptBR", true,
                {{"AnoLev", "1996"}, {"DiaConv", "01"}, {"MesConv", "07"}, {"AnoConv", "2000"}}, false, true, true}),
    [](const auto& info) { return std::string(info.param.caso); });

// The bearing rows follow each conversion: shown, hidden, shown again.
TEST_F(ConversaoRumosJanela, BearingRowsFollowEachConversion)
{
    calculaComSucesso();
    abre([&](ConversaoRumos& janela) {
        const struct { std::vector<Acao> acoes; bool rumo; } passos[] = {
            {{{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}, {"AngG", "10"}, {"AngM", "0"}, {"AngS", "0"}},
             true},
            {{{"AngG", ""}, {"AngM", ""}, {"AngS", ""}}, false},
            {{{"BtAngG"}, {"AngGraus", "45"}}, true}};
        for (const auto& p : passos) {
            aplica(janela, p.acoes);
            clica(janela, "BtConverter");
            EXPECT_TRUE(mensageiro.mensagens.isEmpty());
            for (const char* nome : RotulosRumo)
                EXPECT_EQ(visivel(janela, nome), p.rumo) << nome;
            EXPECT_EQ(janela.ultimaConversao()->rumos.has_value(), p.rumo);
        }
    });
}

// "Copiar" puts the core's text and HTML of the last successful conversion on
// the clipboard, also after a refused press.
TEST_F(ConversaoRumosJanela, CopiarPutsBothFormatsOfTheLastConversionOnTheClipboard)
{
    calculaComSucesso();
    QClipboard* area = QGuiApplication::clipboard();
    area->clear();
    abre([&](ConversaoRumos& janela) {
        converteComSucesso(janela);
        const ResultadoConversao esperado = direto(janela);
        ASSERT_TRUE(std::holds_alternative<Conversao>(esperado));
        const TextoCopia copia = TextoCopiaConversao(std::get<Conversao>(esperado), locale);

        aplica(janela, {{"AnoLev", "1899"}});
        clica(janela, "BtConverter");
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        clica(janela, "BtCopiar");

        const QMimeData* dados = area->mimeData();
        ASSERT_NE(dados, nullptr);
        EXPECT_TRUE(dados->hasText());
        EXPECT_TRUE(dados->hasHtml());
        EXPECT_EQ(dados->text(), copia.texto);
        EXPECT_EQ(dados->html(), copia.html);
        EXPECT_TRUE(dados->text().contains(janela.ultimaConversao()->textos.azVerd));
    });
}

// The angle's G / GMS buttons switch only its own form and keep the texts;
// the quadrant is for a rumo only; Enter in a box converts.
TEST_F(ConversaoRumosJanela, AngleFormsQuadrantAndEnter)
{
    calculaComSucesso();
    abre([&](ConversaoRumos& janela) {
        aplica(janela, {{"AngGraus", "1"}, {"AngG", "2"}, {"AngM", "3"}, {"AngS", "4"}});
        const struct { const char* botao; bool anguloDecimal, quadrante; } passos[] = {
            {"BtAngG", true, false}, {"OpRumo", true, true}, {"BtAngGMS", false, true}, {"OpAzimute", false, false}};
        for (const auto& p : passos) {
            SCOPED_TRACE(p.botao);
            clica(janela, p.botao);
            for (const char* nome : {"AngGraus", "BtAngGMS"})
                EXPECT_EQ(visivel(janela, nome), p.anguloDecimal) << nome;
            for (const char* nome : {"AngG", "AngM", "AngS", "BtAngG", "LbG3", "LbM3", "LbS3"})
                EXPECT_EQ(visivel(janela, nome), !p.anguloDecimal) << nome;
            EXPECT_EQ(janela.entrada().formaAngulo == FormaEntrada::GrausDecimais, p.anguloDecimal);
            EXPECT_EQ(controle(janela, "Quadrante").isEnabled(), p.quadrante);
            EXPECT_TRUE(visivel(janela, "LatG"));
            EXPECT_FALSE(visivel(janela, "LonGraus"));
            const TextosConversao e = janela.entrada();
            EXPECT_EQ(QStringList({e.angGraus, e.angG, e.angM, e.angS}), QStringList({"1", "2", "3", "4"}));
        }
        const struct { const char* item; Quadrante quadrante; } quadrantes[] = {
            {"NE", Quadrante::NE}, {"SE", Quadrante::SE}, {"SO", Quadrante::SO}, {"NO", Quadrante::NO}};
        for (const auto& q : quadrantes) {
            controle<QComboBox>(janela, "Quadrante").setCurrentText(q.item);
            EXPECT_EQ(janela.entrada().quadrante, q.quadrante) << q.item;
        }

        aplica(janela, {{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}});
        QTest::keyClick(&controle(janela, "AnoLev"), Qt::Key_Return);
        EXPECT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
        EXPECT_TRUE(visivel(janela, "FR"));
        EXPECT_TRUE(janela.isVisible());
    });
}

}  // namespace
}  // namespace ceravel::teste
