// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosAngulo.h"
#include "present/TextosConversao.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ceravel {
namespace {

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);
const QLocale Locales[] = {QLocale::c(), PtBr};

QString T(const char16_t* texto) { return QString::fromUtf16(texto); }
QString NoLocale(const char* texto, const QLocale& locale)
{
    return QString::fromUtf8(texto).replace(u'.', locale.decimalPoint());
}

constexpr long long Gms(long long g, long long m = 0, long long s = 0) { return (g * 60 + m) * 60 + s; }

// What G and GMS make of the boxes: a valid value is carried over, rounded
// to the second one way; anything else is left alone.
TEST(TextosAngulo, TrocaDeForma)
{
    const struct {
        TextosGms gms;
        const char* decimal;  // nullptr: no value
        TextosGms volta;
    } casos[] = {
        {{"45", "30", "15"}, "45.504167", {"45", "30", "15"}},
        {{"-0", "30", "0"}, "-0.5", {"-0", "30", "00"}},
        {{"10", "59", "59.6"}, "10.999889", {"11", "00", "00"}},
        {{"12.5", "0", "0"}, nullptr, {}},
        {{"12", "60", "0"}, nullptr, {}},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.gms.segundos.toStdString());
            TextosGms gms = caso.gms;
            gms.segundos = NoLocale(caso.gms.segundos.toUtf8().constData(), locale);
            gms.graus = NoLocale(caso.gms.graus.toUtf8().constData(), locale);
            const std::optional<QString> decimal = GmsParaDecimal(gms, locale);
            ASSERT_EQ(decimal.has_value(), caso.decimal != nullptr);
            if (!decimal)
                continue;
            EXPECT_EQ(*decimal, NoLocale(caso.decimal, locale));
            EXPECT_EQ(DecimalParaGms(*decimal, locale), caso.volta);
        }
    EXPECT_FALSE(DecimalParaGms("45,5", QLocale::c()));
}

// The result texts: every angle rounded once to the second; the change of
// declination from the declinations as shown; each date's regional value in
// its own place; a survey year alone said so.
TEST(TextosConversao, ResultadosDeUmaConversao)
{
    Conversao c;
    c.levantamento.D = -(21 + 56.0 / 60 + 7.6 / 3600), c.levantamento.dD = -0.1, c.levantamento.regional = -21.25f;
    c.conversao.D = -(22 + 0.4 / 3600), c.conversao.dD = 0.125 + 0.6 / 3600, c.conversao.regional = -22.5f;
    c.rumos = RumosConvertidos{0, Gms(324, 39, 50), Gms(90), std::nullopt};
    c.dataLevantamento = {1, 7, 1957};
    c.levantamentoSoAno = true;
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(locale.name().toStdString());
        const TextosResultadoConversao t = FormataConversao(c, locale);
        EXPECT_EQ(t.decLev, T(u"-21°56'08''"));
        EXPECT_EQ(t.varLev, T(u"-6'00''/ano"));
        EXPECT_EQ(t.decConv, T(u"-22°00'00''"));
        EXPECT_EQ(t.varConv, T(u"7'31''/ano"));
        EXPECT_EQ(t.difDec, T(u"-0°03'52''"));
        EXPECT_EQ(t.azVerd, T(u"324°39'50''"));
        EXPECT_EQ(t.rumoVerd, T(u"35°20'10'' NO"));
        EXPECT_EQ(t.azMagConv, T(u"90°00'00''"));
        EXPECT_EQ(t.rumoMagConv, T(u"90°00'00'' L"));
        EXPECT_EQ(t.regLev, T(u"-21°15'00''"));
        EXPECT_EQ(t.regConv, T(u"-22°30'00''"));
        EXPECT_EQ(t.nota, T(u"Data do levantamento tomada como 01/07/1957: só o ano foi informado."));
    }
    // No bearing, no regional date, a whole date: none of their texts; a
    // regional failure reads "indisponível".
    Conversao sem;
    sem.levantamento.erroRegional = QStringLiteral("O arquivo COEF-D2000 não foi encontrado.");
    const TextosResultadoConversao t = FormataConversao(sem, PtBr);
    EXPECT_EQ(t.regLev, T(u"indisponível"));
    for (const QString* texto : {&t.azVerd, &t.rumoVerd, &t.azMagConv, &t.rumoMagConv, &t.regConv, &t.nota})
        EXPECT_TRUE(texto->isEmpty());
}

// "Copiar": a header row and one data row with the same columns with or
// without a bearing; the screen's names; each angle as text and as a number
// in the locale's form; the HTML table holds the same cells.
TEST(TextosConversao, CopiaEmLinhaParaPlanilha)
{
    for (const QLocale& locale : Locales)
        for (const bool comRumo : {true, false}) {
            SCOPED_TRACE(locale.name().toStdString() + (comRumo ? " com rumo" : " sem rumo"));
            Conversao c;
            c.entrada.tipo = TipoRumo::Rumo;
            c.latitude = -23.55, c.longitude = -46.63;
            c.dataLevantamento = {15, 6, 1940}, c.dataConversao = {10, 3, 2024};
            c.levantamento.D = -11.5, c.conversao.D = -21.75, c.conversao.regional = -21.5f;
            if (comRumo) {
                // A grid bearing: true = grid + γ, γ 0°46'49'' from the SIRGAS 2000 point.
                c.rumos = RumosConvertidos{Gms(324, 39, 50), Gms(313, 9, 50), Gms(334, 54, 50), Gms(312, 23, 1)};
                c.entrada.formaPosicao = FormaPosicao::Utm;
                c.entrada.utm = {"23", "S", "192848,93", "8252943,25"};
                GeodesiaConversao g;
                g.posicao.sirgas.ponto = {-15.7833, -47.8667};
                g.utmProprio = g.grade = {23, true, 192848.93, 8252943.25};
                g.fatores = {0.780356172, 1.00076689699};
                c.geodesia = g;
            }
            c.textos = FormataConversao(c, locale);
            const TextoCopia copia = TextoCopiaConversao(c, locale);
            const QStringList linhas = copia.texto.split(u'\n');
            ASSERT_EQ(linhas.size(), 3);
            EXPECT_TRUE(linhas[2].isEmpty());
            const QStringList titulos = linhas[0].split(u'\t'), valores = linhas[1].split(u'\t');
            ASSERT_EQ(titulos.size(), valores.size());
            const auto valor = [&](const char16_t* titulo) { return valores.value(titulos.indexOf(T(titulo)), "?"); };
            const QString rumoGraus = comRumo ? NoLocale("324.663889", locale) : QString();
            const std::pair<const char16_t*, QString> celulas[] = {
                {u"Latitude", T(u"-23°33'00''")}, {u"Latitude (graus)", NoLocale("-23.55", locale)},
                {u"Rumo informado (azimute em graus)", rumoGraus},
                {u"Mudança da declinação (graus)", NoLocale("-10.25", locale)},
                {u"Magnético na data da conversão – Rumo", comRumo ? T(u"25°05'10'' NO") : QString()},
                {u"De quadrícula – Rumo", comRumo ? T(u"47°36'59'' NO") : QString()},
                {u"Convergência meridiana (graus)", comRumo ? NoLocale("0.780278", locale) : QString()}};
            for (const auto& [titulo, esperado] : celulas)
                EXPECT_EQ(valor(titulo), esperado) << QString::fromUtf16(titulo).toStdString();
            for (int i = 0; i < titulos.size(); ++i) {
                EXPECT_TRUE(copia.html.contains("<th>" + titulos[i].toHtmlEscaped() + "</th>")) << i;
                EXPECT_TRUE(copia.html.contains("<td>" + valores[i].toHtmlEscaped() + "</td>")) << i;
            }
        }
}

}  // namespace
}  // namespace ceravel
