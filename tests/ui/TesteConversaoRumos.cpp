// SPDX-License-Identifier: GPL-3.0-or-later
// "Conversão de Rumos" as wiring: it moves the core's texts (refusals, results,
// UTM grid, three norths, clipboard) and empties its results whenever the
// inputs no longer match them. The rules are tested in tests/calc, tests/present.
#include "AmbienteJanelas.h"

#include "present/TextosConversao.h"
#include "present/TresNortes.h"
#include "ui/ConversaoRumos.h"
#include "ui/DiagramaNortes.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <variant>
#include <vector>

namespace ceravel::teste {
namespace {

// A box typed into, a combo set to an item, or (no text) a button clicked.
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

    void abre(const std::function<void(ConversaoRumos&)>& f)
    {
        abreModal(QString("MAConv"), Janela::ConversaoRumos, f);
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

    // Converts `acoes` and returns the core's texts for the same inputs.
    TextosResultadoConversao converte(ConversaoRumos& janela, const std::vector<Acao>& acoes)
    {
        aplica(janela, acoes);
        const ResultadoConversao esperado = CalculaConversao(janela.entrada(), locale, pasta.path());
        clica(janela, "BtConverter");
        EXPECT_TRUE(mensageiro.mensagens.isEmpty() && visivel(janela, "FR")) << mensageiro.todas();
        return std::holds_alternative<Conversao>(esperado) ? std::get<Conversao>(esperado).textos
                                                           : TextosResultadoConversao{};
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

const std::vector<Acao> Levantamento1940{{"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1940"}, {"AngG", "10"}};

// A refusal: the core's message, the focus on its box, no result left.
TEST_F(ConversaoRumosJanela, RefusalShowsTheCoreMessageMovesTheFocusAndEmptiesTheResults)
{
    const struct {
        std::vector<Acao> acoes;
        const char* foco;
    } casos[] = {
        {{{"AnoLev", "1899"}}, "AnoLev"},
        {{{"OpUtm"}, {"Zona", "23"}, {"Leste", "192849"}, {"Norte", "10000001"}}, "Norte"}};
    calculaComSucesso();
    for (const auto& c : casos)
        abre([&](ConversaoRumos& janela) {
            SCOPED_TRACE(c.foco);
            converte(janela, Levantamento1940);
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

// A UTM point with a grid bearing: the grid column and the three norths
// (convergence and the conversion date's declination) show the core's texts;
// a changed easting takes them away.
TEST_F(ConversaoRumosJanela, UtmPointShowsItsGridAndTheThreeNorths)
{
    abre([&](ConversaoRumos& janela) {
        const TextosResultadoConversao t =
            converte(janela, {{"OpUtm"}, {"Zona", "23"}, {"Leste", "192849"}, {"Norte", "8252943"}, {"DiaLev", "15"},
                              {"MesLev", "06"}, {"AnoLev", "1980"}, {"AngG", "45"}, {"OpQuadricula"}});
        EXPECT_TRUE(visivel(janela, "FQ"));
        EXPECT_EQ(texto(janela, "AzQuad") + u'|' + texto(janela, "AzVerd"), t.azQuad + u'|' + t.azVerd);
        EXPECT_TRUE(texto(janela, "UtmProprio").contains(t.utmProprio));
        const auto& nortes = controle<DiagramaNortes>(janela, "DiagramaNortes");
        ASSERT_TRUE(nortes.diagrama().has_value());
        const DiagramaTresNortes& d = *nortes.diagrama();
        const auto semSinal = [](const QString& s) { return s.mid(s.startsWith(u'-')); };
        EXPECT_EQ(d.convergencia.texto + u'|' + d.declinacao.texto,
                  "γ " + semSinal(t.convergencia) + "|D " + semSinal(t.decConv));
        aplica(janela, {{"Leste", "192850"}});
        EXPECT_FALSE(visivel(janela, "FQ"));
        EXPECT_FALSE(nortes.diagrama().has_value());
    });
}

// A successful conversion writes the core's texts, each on its own label
// (hidden forms hold rubbish); the bearing rows show only with a bearing.
// A true rumo of 35°30' SO is the azimuth 215°30'.
TEST_F(ConversaoRumosJanela, SuccessFillsEveryLabelWithTheCoreTexts)
{
    for (const bool rumo : {false, true}) {
        SCOPED_TRACE(rumo);
        usaLocale(rumo ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
        abre([&](ConversaoRumos& janela) {
            for (const char* caixa : {"LatGraus", "LonGraus", "AngGraus"})
                controle<QLineEdit>(janela, caixa).setText("99x");
            aplica(janela, {{"LatG", "-23"}, {"LatM", "30"}, {"LongG", "-46"}, {"LongM", "37"}, {"LongS", "30"},
                            {"DiaLev", "12"}, {"MesLev", "03"}, {"AnoLev", "1996"}, {"AngG", ""}});
            const auto t = converte(janela, rumo ? std::vector<Acao>{{"OpRumo"}, {"Quadrante", "SO"}, {"OpVerdadeiro"},
                                                                    {"BtAngG"}, {"AngGraus", "35,5"}, {"DiaConv", "01"},
                                                                    {"MesConv", "07"}, {"AnoConv", "2000"}}
                                                 : std::vector<Acao>{});
            const std::pair<const char*, QString> textos[] = {
                {"DecLev", t.decLev}, {"VarLev", t.varLev}, {"DecConv", t.decConv}, {"VarConv", t.varConv},
                {"DifDec", t.difDec}, {"AzVerd", t.azVerd}, {"RumoVerd", t.rumoVerd}, {"AzMagConv", t.azMagConv},
                {"RumoMagConv", t.rumoMagConv}, {"RegLev", t.regLev}, {"RegConv", t.regConv}, {"Modelo", t.modelo}};
            for (const auto& [nome, valor] : textos)
                EXPECT_EQ(texto(janela, nome), valor) << nome;
            EXPECT_EQ(texto(janela, "AzVerd"), rumo ? "215°30'00''" : "");
            for (const char* nome : {"LbCabAz", "AzVerd", "RumoMagConv"})
                EXPECT_EQ(visivel(janela, nome), rumo) << nome;
            // The regional model's rows only on a date it covers (1996, and 2000 or today).
            EXPECT_TRUE(visivel(janela, "RegLev"));
            EXPECT_EQ(visivel(janela, "RegConv"), rumo);
        });
    }
}

// Any input changed after a conversion empties the results and turns "Copiar"
// off; copying does not. "Copiar" puts the core's text and HTML on the clipboard.
TEST_F(ConversaoRumosJanela, ResultsLastOnlyWhileTheInputsAreThoseConverted)
{
    const struct {
        std::vector<Acao> acoes;
        bool esvazia;
    } casos[] = {{{{"LatS", "1"}}, true}, {{{"BtLonG"}}, true}, {{{"AnoLev", "1941"}}, true},
                 {{{"OpVerdadeiro"}}, true}, {{{"Hemisferio", "N"}}, true}, {{{"BtCopiar"}}, false}};
    calculaComSucesso();
    QClipboard* area = QGuiApplication::clipboard();
    for (const auto& c : casos)
        abre([&](ConversaoRumos& janela) {
            SCOPED_TRACE(c.acoes[0].controle);
            converte(janela, Levantamento1940);
            area->clear();
            aplica(janela, c.acoes);
            if (c.esvazia)
                return semResultados(janela);
            const TextoCopia copia = TextoCopiaConversao(*janela.ultimaConversao(), locale);
            ASSERT_NE(area->mimeData(), nullptr);
            EXPECT_EQ(area->mimeData()->text() + area->mimeData()->html(), copia.texto + copia.html);
            EXPECT_TRUE(visivel(janela, "FR"));
        });
}

}  // namespace
}  // namespace ceravel::teste
