// "Conversão de Rumos" as wiring: how it opens and starts, and that it moves
// the core's texts (refusals, results, clipboard, entry forms) and empties its
// results whenever the inputs no longer match them. The rules themselves are
// tested in the core (tests/calc, tests/present).
#include "AmbienteJanelas.h"

#include "present/TextosAngulo.h"
#include "present/TextosConversao.h"
#include "present/TresNortes.h"
#include "ui/ConversaoRumos.h"
#include "ui/DiagramaNortes.h"

#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
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

    // A conversion that succeeds, from Main's position: results shown.
    void converteComSucesso(ConversaoRumos& janela)
    {
        aplica(janela, {{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}, {"AngG", "10"}});
        clica(janela, "BtConverter");
        ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
        ASSERT_TRUE(visivel(janela, "FR"));
    }

    // No result left: frame hidden, labels empty, "Copiar" off, nothing kept.
    void semResultados(ConversaoRumos& janela)
    {
        EXPECT_FALSE(visivel(janela, "FR"));
        for (const char* nome : {"DecLev", "DifDec", "AzVerd", "RumoMagConv", "Modelo"})
            EXPECT_TRUE(texto(janela, nome).isEmpty()) << nome;
        EXPECT_FALSE(controle(janela, "BtCopiar").isEnabled());
        EXPECT_FALSE(janela.ultimaConversao().has_value());
    }
};

// Opened from "Ferramentas" with or without a calculation, application-modal
// without owner; closed by "Fechar" or by its title bar, it is unloaded.
TEST_F(ConversaoRumosJanela, OpensModalAndIsUnloadedWhenClosed)
{
    for (bool peloBotao : {true, false}) {
        SCOPED_TRACE(peloBotao ? "Fechar" : "title bar");
        if (!peloBotao)
            calculaComSucesso();
        abre([&](ConversaoRumos& janela) {
            EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(janela.parentWidget(), nullptr);
            EXPECT_TRUE(janelas->existe(Janela::ConversaoRumos));
            if (!peloBotao)
                janela.close();
        });
    }
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

// The position comes from Main's last successful calculation, boxes and entry
// forms as typed for it (not what was typed after it); without one every box
// is empty. The conversion date is today, the focus on the survey day.
TEST_F(ConversaoRumosJanela, StartsFromTheLastCalculationOrEmpty)
{
    const struct {
        const char* caso;
        QStringList latitude, longitude;
        bool calcula;
    } casos[] = {
        {"no calculation", {}, {}, false},
        {"refused", {"-15", "0", "0"}, {"-29", "0", "0"}, true},
        {"decimal latitude, then retyped", {"-10.5"}, {"-50", "0", "0"}, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        if (!c.latitude.isEmpty())
            preenche("1", "7", "2000", c.latitude, c.longitude);
        if (c.calcula)
            clica(main(), "BtCalcular");
        preenche("1", "7", "2000", {"-11", "0", "0"}, {"-51.25"});
        const std::optional<Calculo>& ultimo = main().ultimoCalculo();
        const TextosEntrada esperado = ultimo ? ultimo->entrada : TextosEntrada{};
        mensageiro.mensagens.clear();
        const QDate hoje = QDate::currentDate();
        abre([&](ConversaoRumos& janela) {
            const TextosConversao e = janela.entrada();
            EXPECT_EQ(QStringList({e.latGraus, e.latG, e.latM, e.latS, e.lonGraus, e.longG, e.longM, e.longS}),
                      QStringList({esperado.latGraus, esperado.latG, esperado.latM, esperado.latS,
                                   esperado.lonGraus, esperado.longG, esperado.longM, esperado.longS}));
            EXPECT_EQ(visivel(janela, "LatGraus"), esperado.formaLatitude == FormaEntrada::GrausDecimais);
            EXPECT_EQ(visivel(janela, "LonGraus"), esperado.formaLongitude == FormaEntrada::GrausDecimais);
            EXPECT_TRUE(texto(janela, "AnoConv") == hoje.toString("yyyy") && texto(janela, "MesConv") ==
                        hoje.toString("MM")) << texto(janela, "AnoConv").toStdString();
            EXPECT_EQ(janela.focusWidget(), &controle(janela, "DiaLev"));
        });
    }
}

// A refusal: the core's message, the focus on its box, no result left.
TEST_F(ConversaoRumosJanela, RefusalShowsTheCoreMessageMovesTheFocusAndEmptiesTheResults)
{
    const struct {
        std::vector<Acao> acoes;
        const char* foco;
    } casos[] = {
        {{{"AnoLev", "1899"}}, "AnoLev"},
        {{{"OpRumo"}, {"BtAngG"}, {"AngGraus", "-5"}}, "AngGraus"},
        // UTM (each check's box is the core's): a box, and the datum's choice, which is no box.
        {{{"OpUtm"}, {"Zona", "23"}, {"Leste", "192849"}, {"Norte", "10000001"}}, "Norte"},
        {{{"OpUtm"}, {"Datum", "Córrego Alegre 1961"}, {"Zona", "24"}, {"Leste", "555000"}, {"Norte", "9590000"}},
         "Datum"}};
    calculaComSucesso();
    for (const auto& c : casos)
        abre([&](ConversaoRumos& janela) {
            SCOPED_TRACE(c.foco);
            converteComSucesso(janela);
            aplica(janela, c.acoes);
            const ResultadoConversao esperado = CalculaConversao(janela.entrada(), locale, pasta.path());
            ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(esperado));
            controle(janela, "OpMagnetico").setFocus();
            clica(janela, "BtConverter");
            EXPECT_EQ(mensageiro.mensagens, QStringList{std::get<FalhaGuarda>(esperado).mensagem});
            EXPECT_EQ(janela.focusWidget(), &controle(janela, c.foco));
            semResultados(janela);
            mensageiro.mensagens.clear();
        });
    EXPECT_EQ(encerramentos, 0);
}

// A UTM point with a grid bearing: the grid column and the three norths show
// the core's texts and angles; NQ leans east of NV west of the zone's central
// meridian in the south, west of it east of the meridian.
TEST_F(ConversaoRumosJanela, UtmPointShowsItsGridAndTheThreeNorths)
{
    const struct {
        const char* leste;
        const char* sentido;
        bool nqALeste;
    } casos[] = {{"192849", "a leste do norte verdadeiro", true}, {"660678", "a oeste do norte verdadeiro", false}};
    for (const auto& c : casos)
        abre([&](ConversaoRumos& janela) {
            SCOPED_TRACE(c.leste);
            aplica(janela, {{"OpUtm"}, {"Zona", "23"}, {"Leste", c.leste}, {"Norte", "8252943"}, {"DiaLev", "15"},
                            {"MesLev", "06"}, {"AnoLev", "1980"}, {"AngG", "45"}, {"OpQuadricula"}});
            clica(janela, "BtConverter");
            ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
            const auto esperado = CalculaConversao(janela.entrada(), locale, pasta.path());
            const TextosResultadoConversao& t = std::get<Conversao>(esperado).textos;
            EXPECT_TRUE(visivel(janela, "FQ"));
            EXPECT_EQ(texto(janela, "AzQuad"), t.azQuad);
            EXPECT_EQ(texto(janela, "AzQuad"), QStringLiteral("45°00'00''"));
            EXPECT_EQ(texto(janela, "AzVerd"), t.azVerd);
            EXPECT_TRUE(texto(janela, "UtmProprio").contains(t.utmProprio));
            EXPECT_TRUE(texto(janela, "Convergencia").contains(QString::fromUtf8(c.sentido)))
                << texto(janela, "Convergencia").toStdString();
            const auto* nortes = janela.findChild<DiagramaNortes*>(QStringLiteral("DiagramaNortes"));
            ASSERT_NE(nortes, nullptr);
            ASSERT_TRUE(nortes->diagrama().has_value());
            const DiagramaTresNortes& d = *nortes->diagrama();
            EXPECT_EQ(QStringList({d.verdadeiro.rotulo, d.quadricula.rotulo, d.magnetico.rotulo}),
                      QStringList({"NV", "NQ", "NM"}));
            EXPECT_EQ(d.quadricula.desenhado > 0, c.nqALeste);
            EXPECT_EQ(d.convergencia.texto, QStringLiteral("γ ") + t.convergencia.mid(t.convergencia.startsWith(u'-')));
            aplica(janela, {{"Leste", "192850"}});
            EXPECT_FALSE(visivel(janela, "FQ"));
            EXPECT_FALSE(nortes->diagrama().has_value());
        });
}

// Without the IGRF table the conversion says so and shows nothing; the file
// put back, the next press converts without reopening the window.
TEST_F(ConversaoRumosJanela, MissingModelFileIsReportedAndTheNextPressWorksOnceItIsBack)
{
    ASSERT_TRUE(QFile::remove(pasta.filePath("igrf14coeffs.txt")));
    calculaComSucesso();
    abre([&](ConversaoRumos& janela) {
        aplica(janela, {{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}});
        clica(janela, "BtConverter");
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(mensageiro.mensagens[0].contains("igrf14coeffs.txt")) << mensageiro.mensagens[0].toStdString();
        semResultados(janela);
        copiaIgrf();
        QTest::keyClick(&controle(janela, "AnoLev"), Qt::Key_Return);  // Enter in a box converts
        EXPECT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(visivel(janela, "FR"));
    });
}

// A successful conversion writes the core's texts, each on its own label; the
// bearing rows show only with a bearing, the regional model's only on a date
// it covers, the note only for a survey year alone; shown rows do not overlap.
// Rubbish sits in every hidden entry form.
TEST_F(ConversaoRumosJanela, SuccessFillsEveryLabelWithTheCoreTexts)
{
    const struct {
        const char* caso;
        bool ptBR;
        std::vector<Acao> acoes;
        bool rumo, regionalLev, regionalConv, nota;
    } casos[] = {
        {"no bearing, C", false, {{"AngG", ""}, {"AngM", ""}, {"AngS", ""}}, false, false, false, false},
        {"true rumo decimal, both dates regional, ptBR", true,
         {{"OpRumo"}, {"Quadrante", "SO"}, {"OpVerdadeiro"}, {"BtAngG"}, {"AngGraus", "35,5"}, {"AngG", "99x"},
          {"AnoLev", "1996"}, {"DiaConv", "01"}, {"MesConv", "07"}, {"AnoConv", "2000"}},
         true, true, true, false},
        {"survey year alone, C", false, {{"DiaLev", ""}, {"MesLev", ""}, {"AnoLev", "1998"}}, true, true, false, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
        abre([&](ConversaoRumos& janela) {
            for (const char* caixa : {"LatGraus", "LonGraus", "AngGraus"})
                controle<QLineEdit>(janela, caixa).setText("99x");
            aplica(janela, {{"LatG", "-23"}, {"LatM", "30"}, {"LongG", "-46"}, {"LongM", "37"}, {"LongS", "30"},
                            {"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}, {"AngG", "200"}});
            aplica(janela, c.acoes);
            const ResultadoConversao esperado = CalculaConversao(janela.entrada(), locale, pasta.path());
            clica(janela, "BtConverter");
            ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
            const TextosResultadoConversao& t = std::get<Conversao>(esperado).textos;
            const std::pair<const char*, QString> textos[] = {
                {"DecLev", t.decLev}, {"VarLev", t.varLev}, {"DecConv", t.decConv}, {"VarConv", t.varConv},
                {"DifDec", t.difDec}, {"AzVerd", t.azVerd}, {"RumoVerd", t.rumoVerd}, {"AzMagConv", t.azMagConv},
                {"RumoMagConv", t.rumoMagConv}, {"RegLev", t.regLev}, {"RegConv", t.regConv},
                {"NotaData", t.nota}, {"Modelo", t.modelo}};
            for (const auto& [nome, valor] : textos)
                EXPECT_EQ(texto(janela, nome), valor) << nome;
            for (const char* nome : {"LbCabAz", "LbVerd", "AzVerd", "RumoVerd", "LbMagConv", "RumoMagConv"})
                EXPECT_EQ(visivel(janela, nome), c.rumo) << nome;
            EXPECT_EQ(visivel(janela, "RegLev"), c.regionalLev);
            EXPECT_EQ(visivel(janela, "RegConv"), c.regionalConv);
            EXPECT_EQ(visivel(janela, "LbReg"), c.regionalLev || c.regionalConv);
            EXPECT_EQ(visivel(janela, "NotaData"), c.nota);
            EXPECT_TRUE(controle(janela, "BtCopiar").isEnabled());
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
}

// Any input changed after a conversion empties the results and turns "Copiar"
// off; copying does not. "Copiar" puts the core's text and HTML on the clipboard.
TEST_F(ConversaoRumosJanela, ResultsLastOnlyWhileTheInputsAreThoseConverted)
{
    const struct {
        const char* caso;
        std::vector<Acao> acoes;
        bool esvazia;
    } casos[] = {
        {"latitude seconds", {{"LatS", "1"}}, true},
        {"longitude to decimal", {{"BtLonG"}}, true},
        {"conversion day", {{"DiaConv", "02"}}, true},
        {"survey year", {{"AnoLev", "1941"}}, true},
        {"angle minutes", {{"AngM", "5"}}, true},
        {"rumo", {{"OpRumo"}}, true},
        {"reference", {{"OpVerdadeiro"}}, true},
        {"angle to decimal", {{"BtAngG"}}, true},
        {"copy", {{"BtCopiar"}}, false},
    };
    calculaComSucesso();
    QClipboard* area = QGuiApplication::clipboard();
    for (const auto& c : casos)
        abre([&](ConversaoRumos& janela) {
            SCOPED_TRACE(c.caso);
            converteComSucesso(janela);
            area->clear();
            aplica(janela, c.acoes);
            if (c.esvazia) {
                semResultados(janela);
                return;
            }
            const TextoCopia copia = TextoCopiaConversao(*janela.ultimaConversao(), locale);
            ASSERT_NE(area->mimeData(), nullptr);
            EXPECT_EQ(area->mimeData()->text(), copia.texto);
            EXPECT_EQ(area->mimeData()->html(), copia.html);
            EXPECT_TRUE(visivel(janela, "FR"));
        });
    // The quadrant counts only for a rumo, but any change of it empties too.
    abre([&](ConversaoRumos& janela) {
        aplica(janela, {{"OpRumo"}});
        converteComSucesso(janela);
        aplica(janela, {{"Quadrante", "L"}});
        semResultados(janela);
    });
}

// G and GMS carry a valid value over in the user's form; the quadrant list
// holds the cardinal letters; the quadrant is for a rumo only.
TEST_F(ConversaoRumosJanela, EntryFormsCarryTheValueOver)
{
    usaLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    abre([&](ConversaoRumos& janela) {
        aplica(janela, {{"AngG", "45"}, {"AngM", "30"}, {"AngS", "15"}, {"BtAngG"}});
        EXPECT_EQ(texto(janela, "AngGraus"), "45,504167");
        aplica(janela, {{"AngGraus", "-0,5"}, {"BtAngGMS"}, {"LatG", "12x"}, {"LatGraus", "7"}, {"BtLatG"}});
        EXPECT_EQ(QStringList({texto(janela, "AngG"), texto(janela, "AngM"), texto(janela, "AngS")}),
                  QStringList({"-0", "30", "00"}));
        EXPECT_EQ(texto(janela, "LatGraus"), "7");  // "12x" is no value: the box keeps its own
        EXPECT_FALSE(controle(janela, "Quadrante").isEnabled());
        clica(janela, "OpRumo");
        auto& quadrante = controle<QComboBox>(janela, "Quadrante");
        EXPECT_TRUE(quadrante.isEnabled());
        for (int i = 0; i < quadrante.count(); ++i) {
            quadrante.setCurrentIndex(i);
            EXPECT_EQ(TextoQuadrante(janela.entrada().quadrante), quadrante.currentText());
        }
    });
}

}  // namespace
}  // namespace ceravel::teste
