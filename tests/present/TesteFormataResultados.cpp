// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/FormataResultados.h"
#include "present/Formatacao.h"
#include "present/GeometriaAgulha.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace ceravel {
namespace {

struct CasoResultados {
    const char* locale;
    FormaEntrada latitude, longitude;
    const char16_t* esperado;  // every control text, joined by "|"
};

// Each text lands in its own control; the report keeps the typing (day "05",
// blanks) and each coordinate follows its own entry form.
TEST(FormataResultados, FillsEveryControl)
{
    const CasoResultados casos[] = {
        {"C", FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais,
         u"2000.45628415301|2000.45628|-21\u00BA07'30''|-6'07''/ano|18820.0|-7284.0|-11768.3|23456.7|"
         u"3.00 nT/ano|-10.13 nT/ano|0.00 nT/ano|-25.50 nT/ano|-30|7.50|-1.23 '/ano|05 / 6 / 2000|"
         u"-27\u00B035'10''|| -48.50|graus"},
        {"pt_BR", FormaEntrada::GrausDecimais, FormaEntrada::GrausMinutosSegundos,
         u"2000,45628415301|2000,45628|-21\u00BA07'30''|-6'07''/ano|18820,0|-7284,0|-11768,3|23456,7|"
         u"3,00 nT/ano|-10,13 nT/ano|0,00 nT/ano|-25,50 nT/ano|-30|7,50|-1,23 '/ano|05 / 6 / 2000|"
         u"-27,5|graus|-48\u00B030.5'00''|"}};
    for (const CasoResultados& c : casos) {
        ElementosCampo e;
        e.D = -21.125f, e.I = -30.125f, e.F = 23456.74f, e.m = -6.125f, e.n = -1.234f, e.dF = -25.5f;
        e.X = 18820.04, e.Y = -7283.96, e.Z = -11768.25, e.dX = 3.004, e.dY = -10.125, e.dZ = 0.0;
        TextosEntrada en;
        en.dia = QStringLiteral("05"), en.mes = QStringLiteral("6"), en.ano = QStringLiteral("2000");
        en.latGraus = QStringLiteral("-27,5"), en.lonGraus = QStringLiteral(" -48.50");
        en.latG = QStringLiteral("-27"), en.latM = QStringLiteral("35"), en.latS = QStringLiteral("10");
        en.longG = QStringLiteral("-48"), en.longM = QStringLiteral("30.5"), en.longS = QStringLiteral("00");
        en.formaLatitude = c.latitude;
        en.formaLongitude = c.longitude;
        PedidoValidado pedido;
        pedido.anoDecimal = 2000.0 + 167.0 / 366.0;
        const TextosResultado t = FormataResultados(e, pedido, en, QLocale(QString::fromLatin1(c.locale)));
        const auto graus = [](bool visivel) { return visivel ? QStringLiteral("graus") : QString(); };
        EXPECT_EQ(QStringList({t.epoca, t.relEpoca, t.dmin, t.vd, t.cx, t.cy, t.cz, t.cf, t.vx2, t.vy2, t.vz2,
                               t.vf2, t.inc2, t.aimin2, t.vi2, t.relData, t.relLatitude, graus(t.relGrausLatitude),
                               t.relLongitude, graus(t.relGrausLongitude)})
                      .join(u'|'),
                  QString::fromUtf16(c.esperado));
        // bit-exact: the same float computation, so a swapped centre shows.
        EXPECT_EQ(t.agulhaMain.x2, CalculaAgulha(e.D, CentroBussolaMain).x2);
        EXPECT_EQ(t.agulhaRelatorio.y2, CalculaAgulha(e.D, CentroBussolaRelatorio).y2);
    }
}

// LatExp and LongExp: decimal entry exactly as typed; a position from degrees,
// minutes and seconds as its general number text (15 significant digits).
TEST(FormataResultados, TextosDeExportacao)
{
    const struct {
        FormaEntrada forma;
        const char* digitado;
        double valor;
        const char* esperado;  // "." stands for the locale's separator
    } casos[] = {
        {FormaEntrada::GrausDecimais, " -047.875 ", -47.875, " -047.875 "},
        {FormaEntrada::GrausMinutosSegundos, "", -0.5, "-0.5"},
        {FormaEntrada::GrausMinutosSegundos, "", -75.99972222222222, "-75.9997222222222"},
    };
    for (const char* nome : {"C", "pt_BR"}) {
        const QLocale locale(QString::fromLatin1(nome));
        for (const auto& c : casos) {
            TextosEntrada en;
            en.formaLatitude = en.formaLongitude = c.forma;
            en.latGraus = en.lonGraus = QString::fromLatin1(c.digitado);
            PedidoValidado pedido;
            pedido.latitude = pedido.longitude = c.valor;
            const TextosResultado t = FormataResultados(ElementosCampo{}, pedido, en, locale);
            QString esperado = QString::fromLatin1(c.esperado);
            if (c.forma == FormaEntrada::GrausMinutosSegundos)
                esperado.replace(u'.', locale.decimalPoint());
            EXPECT_EQ(t.latExp, esperado) << nome << " " << c.valor;
            EXPECT_EQ(t.longExp, esperado) << nome << " " << c.valor;
        }
    }
}

// The needle's end (twips, to two decimals) for both compasses; the circle and
// the label hang from it. bit-exact: 67.5 and 270 are exact in float and each
// difference is rounded once.
TEST(CalculaAgulha, EndPointCircleAndLabel)
{
    const struct { float D; CentroBussola centro; float x2, y2; } casos[] = {
        {0.0f, CentroBussolaMain, 5400.0f, 600.0f},          {-20.0f, CentroBussolaMain, 4989.58f, 672.37f},
        {15.0f, CentroBussolaMain, 5710.58f, 640.89f},       {-15.0f, CentroBussolaRelatorio, 2614.42f, 3850.89f},
        {-90.0f, CentroBussolaRelatorio, 1725.0f, 5010.0f},
    };
    for (const auto& c : casos) {
        const GeometriaAgulha g = CalculaAgulha(c.D, c.centro);
        EXPECT_NEAR(g.x2, c.x2, 0.005) << c.D;
        EXPECT_NEAR(g.y2, c.y2, 0.005) << c.D;
        EXPECT_EQ(g.circEsquerda, g.x2 - 67.5f);
        EXPECT_EQ(g.txtTopo, g.y2 - 270.0f);
    }
}

using Texto = std::function<QString(const QLocale&)>;

Texto Numero(double v, Padrao p) { return [=](const QLocale& l) { return FormataPadrao(v, p, l); }; }
Texto Geral(double v) { return [=](const QLocale& l) { return TextoNumeroGeral(v, l); }; }
Texto Angulo(QString (*f)(float, const QLocale&), float v) { return [=](const QLocale& l) { return f(v, l); }; }
Texto Inclinacao(float I) { return [=](const QLocale& l) { return TextoGrausInclinacao(I, l) + u'|' + TextoMinutosInclinacao(I, l); }; }

struct Caso {
    const char* nome;
    const char* locale;  // "C": full stop; "pt_BR": comma, digits grouped by default
    Texto texto;
    const char16_t* esperado;
};

// Ties are judged on the exact binary value: 0.125 is a true half, 0.015 lies
// just below one although 0.015 * 100 computes to exactly 1.5.
// Angle rows: -7°32'11'' and -7'47'' as floats give 10 and 46 seconds in double.
const Caso Casos[] = {
    {"TieAwayFromZero", "C", Numero(0.125, Padrao::DuasDecimais), u"0.13"},
    {"BinaryBelowTie", "C", Numero(0.015, Padrao::DuasDecimais), u"0.01"},
    {"CarryAddsAWholeDigit", "C", Numero(99.995, Padrao::DuasDecimais), u"100.00"},
    {"NoGroupingComma", "pt_BR", Numero(-1234567.891, Padrao::UmaDecimal), u"-1234567,9"},
    {"HugeNoExponent", "C", Numero(1e20, Padrao::Inteiro), u"100000000000000000000"},
    {"NegativeRoundingToZeroKeepsSign", "C", Numero(-0.003, Padrao::DuasDecimais), u"-0.00"},
    {"NegativeZeroHasNoSign", "C", Numero(-0.0, Padrao::DuasDecimais), u"0.00"},
    {"TwoDigitsRoundsThenPads", "C", Numero(9.5, Padrao::DoisDigitos), u"10"},
    {"FiveDecimalsRounds", "C", Numero(2000.0 + 167.0 / 366.0, Padrao::CincoDecimais), u"2000.45628"},
    {"GeneralFifteenDigitsComma", "pt_BR", Geral(2000.0 + 167.0 / 366.0), u"2000,45628415301"},
    {"GeneralNegativeFifteenDigits", "C", Geral(-75.99972222222222), u"-75.9997222222222"},
    {"GeneralTrailingZerosDropped", "C", Geral(2000.5), u"2000.5"},
    {"GeneralWholeHasNoSeparator", "pt_BR", Geral(2005), u"2005"},
    {"GeneralCarryAtFifteenDigits", "C", Geral(999999999999999.5), u"1000000000000000"},
    {"GeneralNegativeZero", "pt_BR", Geral(-0.0), u"0"},
    {"DeclinationAboveMinusOneKeepsSign", "C", Angulo(TextoDeclinacao, -0.5f), u"-0\u00BA30'00''"},
    {"DeclinationSecondsTruncated", "C", Angulo(TextoDeclinacao, -(21.0f + 30.999f / 60.0f)), u"-21\u00BA30'59''"},
    {"DeclinationNeverSixtySeconds", "C", Angulo(TextoDeclinacao, 0.99999994f), u"0\u00BA59'59''"},
    {"DeclinationSplitInFloat", "C", Angulo(TextoDeclinacao, -7.53638887f), u"-7\u00BA32'11''"},
    {"VariationTenSecondsTruncatedNotPadded", "C", Angulo(TextoVariacaoDeclinacao, 4.175f), u"4'10''/ano"},
    {"VariationAboveMinusOneKeepsSign", "C", Angulo(TextoVariacaoDeclinacao, -0.5f), u"-0'30''/ano"},
    {"VariationSplitInFloat", "C", Angulo(TextoVariacaoDeclinacao, -7.7833333f), u"-7'47''/ano"},
    {"InclinationComma", "pt_BR", Inclinacao(-30.125f), u"-30|7,50"},
    {"InclinationAboveMinusOneKeepsSign", "C", Inclinacao(-0.5f), u"-0|30.00"},
    // Minutes rounding to 60 stay beside the truncated degrees, never carried.
    {"InclinationMinutesNotCarried", "C", Inclinacao(-20.99995f), u"-20|60.00"},
};

TEST(Textos, AreExact)
{
    for (const Caso& c : Casos)
        EXPECT_EQ(c.texto(QLocale(QString::fromLatin1(c.locale))), QString::fromUtf16(c.esperado)) << c.nome;
}

}  // namespace
}  // namespace ceravel
