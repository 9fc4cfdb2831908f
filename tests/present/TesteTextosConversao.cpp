#include "present/TextosConversao.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ceravel {
namespace {

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

QString T(const char16_t* texto)
{
    return QString::fromUtf16(texto);
}
const QLocale Locales[] = {QLocale::c(), PtBr};

double Gms(double g, double m, double s)
{
    return g + m / 60 + s / 3600;
}

// Azimuth and rumo texts of one azimuth, rounded once to whole seconds.
TEST(TextosConversao, AzimuteERumo)
{
    const struct {
        const char* nome;
        double azimute;
        const char16_t *azimuteTexto, *rumoTexto;
    } casos[] = {
        {"0", 0, u"0º00'00''", u"0º00'00'' NE"},
        {"90 abre o SE", 90, u"90º00'00''", u"90º00'00'' SE"},
        {"180 abre o SO", 180, u"180º00'00''", u"0º00'00'' SO"},
        {"270 abre o NO", 270, u"270º00'00''", u"90º00'00'' NO"},
        {"123º45'06''", Gms(123, 45, 6), u"123º45'06''", u"56º14'54'' SE"},
        {"324º39'50''", Gms(324, 39, 50), u"324º39'50''", u"35º20'10'' NO"},
        {"segundos arredondados para baixo", Gms(7, 3, 4.4999), u"7º03'04''", u"7º03'04'' NE"},
        {"meio segundo sobe", Gms(12, 0, 0.5), u"12º00'01''", u"12º00'01'' NE"},
        {"59.9995'' leva aos minutos", Gms(10, 59, 59.9995), u"11º00'00''", u"11º00'00'' NE"},
        {"59.9995'' antes de 90 e o rumo concorda", Gms(89, 59, 59.9995), u"90º00'00''", u"90º00'00'' SE"},
        {"59.9995'' antes de 360 e 0", Gms(359, 59, 59.9995), u"0º00'00''", u"0º00'00'' NE"},
        {"meio segundo antes de 180", Gms(179, 59, 59.6), u"180º00'00''", u"0º00'00'' SO"},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            EXPECT_EQ(TextoAzimute(caso.azimute, locale), QString::fromUtf16(caso.azimuteTexto));
            EXPECT_EQ(TextoRumo(caso.azimute, locale), QString::fromUtf16(caso.rumoTexto));
        }
}

// Declinations, variations, change of declination and regional values in the
// calculator's own forms (float, truncated seconds); the variation is read as
// degrees per year and shown in minutes per year.
TEST(TextosConversao, ResultadosDeUmaConversao)
{
    DeclinacaoNaData lev, conv;
    lev.D = -10.5, lev.dD = -0.1, lev.regional = -10.25f;
    conv.D = -21.25, conv.dD = 0.125, conv.erroRegional = QStringLiteral("O arquivo COEF-D2000 não foi encontrado.");
    const RumosConvertidos rumos{Gms(324, 39, 50), Gms(359, 59, 59.9995)};
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(locale.name().toStdString());
        const TextosResultadoConversao t = FormataConversao(lev, conv, rumos, locale);
        EXPECT_EQ(t.decLev, T(u"-10º30'00''"));
        EXPECT_EQ(t.varLev, T(u"-6'00''/ano"));
        EXPECT_EQ(t.decConv, T(u"-21º15'00''"));
        EXPECT_EQ(t.varConv, T(u"7'30''/ano"));
        EXPECT_EQ(t.difDec, T(u"-10º45'00''"));
        EXPECT_EQ(t.azVerd, T(u"324º39'50''"));
        EXPECT_EQ(t.rumoVerd, T(u"35º20'10'' NO"));
        EXPECT_EQ(t.azMagConv, T(u"0º00'00''"));
        EXPECT_EQ(t.rumoMagConv, T(u"0º00'00'' NE"));
        EXPECT_EQ(t.regLev, T(u"-10º15'00''"));
        EXPECT_EQ(t.regConv, T(u"indisponível"));
        EXPECT_TRUE(t.modelo.startsWith(T(u"Modelo: IGRF-14 (IAGA). Precisão típica da declinação: ")));

        // No bearing: no bearing texts. No regional date and no failure: no regional text.
        const TextosResultadoConversao semRumo = FormataConversao(lev, DeclinacaoNaData{}, std::nullopt, locale);
        for (const QString* texto : {&semRumo.azVerd, &semRumo.rumoVerd, &semRumo.azMagConv, &semRumo.rumoMagConv,
                                     &semRumo.regConv})
            EXPECT_TRUE(texto->isEmpty());
        EXPECT_EQ(semRumo.difDec, T(u"10º30'00''"));
    }
}

Conversao ConversaoExemplo(bool comRumo)
{
    Conversao c;
    TextosConversao& e = c.entrada;
    e.formaLatitude = FormaEntrada::GrausMinutosSegundos;
    e.latG = "-23", e.latM = "33", e.latS = "0";
    e.formaLongitude = FormaEntrada::GrausDecimais;
    e.lonGraus = "\t-46,63";  // blanks the number reading skips
    e.diaLev = "15", e.mesLev = "06", e.anoLev = "1940";
    e.diaConv = "10", e.mesConv = "03", e.anoConv = "2024";
    e.tipo = TipoRumo::Rumo, e.quadrante = Quadrante::NO, e.referencia = ReferenciaRumo::Magnetico;
    e.formaAngulo = FormaEntrada::GrausMinutosSegundos;
    e.angG = "35", e.angM = "20", e.angS = "10";
    c.levantamento.D = -11.5, c.levantamento.dD = -0.1;
    c.conversao.D = -21.75, c.conversao.dD = -0.05;
    c.conversao.regional = -21.5f;
    if (comRumo)
        c.rumos = RumosConvertidos{Gms(313, 9, 50), Gms(334, 54, 50)};
    c.textos = FormataConversao(c.levantamento, c.conversao, c.rumos, PtBr);
    return c;
}

using Linhas = std::vector<std::pair<QString, QString>>;

// The clipboard: inputs as typed, then results, one "caption<TAB>value" line
// each, and an HTML table with the same rows.
TEST(TextosConversao, CopiaParaPlanilhaETexto)
{
    const QString modelo = ConversaoExemplo(true).textos.modelo.mid(QStringLiteral("Modelo: ").size());
    const Linhas entradas = {
        {"Latitude", T(u"-23°33'0''")},
        {"Longitude", " -46,63"},
        {"Data do levantamento", "15/06/1940"},
        {"Data da conversão", "10/03/2024"},
    };
    const Linhas rumoDado = {
        {"Rumo informado", T(u"35°20'10'' NO")},
        {"Tipo", "Rumo"},
        {"Referência", "Magnético na data do levantamento"},
    };
    const Linhas declinacoes = {
        {"Declinação no levantamento", T(u"-11º30'00''")},
        {"Variação anual no levantamento", "-6'00''/ano"},
        {"Declinação na conversão", T(u"-21º45'00''")},
        {"Variação anual na conversão", "-3'00''/ano"},
        {"Variação da declinação entre as datas", T(u"-10º15'00''")},
    };
    const Linhas rumos = {
        {"Azimute verdadeiro", T(u"313º09'50''")},
        {"Rumo verdadeiro", T(u"46º50'10'' NO")},
        {"Azimute magnético na data da conversão", T(u"334º54'50''")},
        {"Rumo magnético na data da conversão", T(u"25º05'10'' NO")},
    };
    const Linhas finais = {
        {"Declinação do modelo regional na conversão", T(u"-21º30'00''")},
        {"Modelo", modelo},
    };
    const auto junta = [](std::initializer_list<const Linhas*> partes) {
        Linhas todas;
        for (const Linhas* parte : partes)
            todas.insert(todas.end(), parte->begin(), parte->end());
        return todas;
    };
    const struct {
        const char* nome;
        bool comRumo;
        Linhas linhas;
    } casos[] = {
        {"com rumo", true, junta({&entradas, &rumoDado, &declinacoes, &rumos, &finais})},
        {"sem rumo", false, junta({&entradas, &declinacoes, &finais})},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const TextoCopia copia = TextoCopiaConversao(ConversaoExemplo(caso.comRumo), PtBr);
        QString texto;
        QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
        for (const auto& [titulo, valor] : caso.linhas) {
            texto += titulo + u'\t' + valor + u'\n';
            html += "<tr><td>" + titulo + "</td><td>" + valor.toHtmlEscaped() + "</td></tr>\n";
        }
        html += "</table>\n";
        EXPECT_EQ(copia.texto.toStdString(), texto.toStdString());
        EXPECT_EQ(copia.html.toStdString(), html.toStdString());
    }
}

}  // namespace
}  // namespace ceravel
