#include "present/FormataResultados.h"

#include "present/GeometriaAgulha.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ceravel {
namespace {

// One result set whose texts exercise every pattern: a declination with
// seconds, a negative inclination, an intensity above 9999, negative variations.
ElementosCampo Elementos()
{
    ElementosCampo e;
    e.D = -21.125f;
    e.I = -30.125f;
    e.F = 23456.74f;
    e.X = 18820.04;
    e.Y = -7283.96;
    e.Z = -11768.25;
    e.m = -6.125f;
    e.n = -1.234f;
    e.dF = -25.5f;
    e.dX = 3.004;
    e.dY = -10.125;
    e.dZ = 0.0;
    return e;
}

struct CasoResultados {
    const char* nome;
    const char* locale;
    const char16_t* epoca;
    const char16_t* relEpoca;
    const char16_t* aimin2;
    const char16_t* vi2;
    const char16_t* cx;
    const char16_t* cy;
    const char16_t* cz;
    const char16_t* cf;
    const char16_t* vx2;
    const char16_t* vy2;
    const char16_t* vz2;
    const char16_t* vf2;
};

void PrintTo(const CasoResultados& c, std::ostream* os) { *os << c.nome; }

class FormataResultadosTeste : public testing::TestWithParam<CasoResultados> {};

TextosEntrada Entrada()
{
    TextosEntrada e;
    e.dia = QStringLiteral("05");
    e.mes = QStringLiteral("6");
    e.ano = QStringLiteral("2000");
    e.formaLatitude = FormaEntrada::GrausMinutosSegundos;
    e.latG = QStringLiteral("-27");
    e.latM = QStringLiteral("35");
    e.latS = QStringLiteral("10");
    e.latGraus = QStringLiteral("ignored");
    e.formaLongitude = FormaEntrada::GrausDecimais;
    e.lonGraus = QStringLiteral(" -48.50");
    e.longG = QStringLiteral("ignored");
    return e;
}

TEST_P(FormataResultadosTeste, FillsEveryControlText)
{
    const CasoResultados& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    const TextosResultado t = FormataResultados(Elementos(), 2000.0 + 167.0 / 366.0, Entrada(), locale);

    EXPECT_EQ(t.epoca, QString::fromUtf16(c.epoca));
    EXPECT_EQ(t.relEpoca, QString::fromUtf16(c.relEpoca));
    EXPECT_EQ(t.dmin, QString::fromUtf16(u"-21\u00BA07'30''"));
    EXPECT_EQ(t.vd, QStringLiteral("-6'07''/ano"));
    EXPECT_EQ(t.inc2, QStringLiteral("-30"));
    EXPECT_EQ(t.aimin2, QString::fromUtf16(c.aimin2));
    EXPECT_EQ(t.vi2, QString::fromUtf16(c.vi2));
    EXPECT_EQ(t.cx, QString::fromUtf16(c.cx));
    EXPECT_EQ(t.cy, QString::fromUtf16(c.cy));
    EXPECT_EQ(t.cz, QString::fromUtf16(c.cz));
    EXPECT_EQ(t.cf, QString::fromUtf16(c.cf));
    EXPECT_EQ(t.vx2, QString::fromUtf16(c.vx2));
    EXPECT_EQ(t.vy2, QString::fromUtf16(c.vy2));
    EXPECT_EQ(t.vz2, QString::fromUtf16(c.vz2));
    EXPECT_EQ(t.vf2, QString::fromUtf16(c.vf2));
    // The report keeps the typing: no zeros added or removed, blanks kept.
    EXPECT_EQ(t.relData, QStringLiteral("05 / 6 / 2000"));
    EXPECT_EQ(t.relLatitude, QString::fromUtf16(u"-27\u00B035'10''"));
    EXPECT_EQ(t.relLongitude, QStringLiteral(" -48.50"));
    EXPECT_FALSE(t.relGrausLatitude);
    EXPECT_TRUE(t.relGrausLongitude);
}

const CasoResultados CasosResultados[] = {
    {"FullStop", "C", u"2000.45628415301", u"2000.45628", u"7.50", u"-1.23 '/ano", u"18820.0", u"-7284.0",
     u"-11768.3", u"23456.7", u"3.00 nT/ano", u"-10.13 nT/ano", u"0.00 nT/ano", u"-25.50 nT/ano"},
    {"DecimalComma", "pt_BR", u"2000,45628415301", u"2000,45628", u"7,50", u"-1,23 '/ano", u"18820,0",
     u"-7284,0", u"-11768,3", u"23456,7", u"3,00 nT/ano", u"-10,13 nT/ano", u"0,00 nT/ano", u"-25,50 nT/ano"},
};

INSTANTIATE_TEST_SUITE_P(Locales, FormataResultadosTeste, testing::ValuesIn(CasosResultados),
                         [](const auto& info) { return std::string(info.param.nome); });

struct CasoCoordenadas {
    const char* nome;
    FormaEntrada formaLatitude;
    FormaEntrada formaLongitude;
    const char16_t* latitude;
    const char16_t* longitude;
};

void PrintTo(const CasoCoordenadas& c, std::ostream* os) { *os << c.nome; }

class CoordenadasRelatorioTeste : public testing::TestWithParam<CasoCoordenadas> {};

// Each coordinate follows its own entry form, and its "graus" label is shown
// exactly when the decimal box was used.
TEST_P(CoordenadasRelatorioTeste, FollowTheEntryForm)
{
    const CasoCoordenadas& c = GetParam();
    TextosEntrada e;
    e.latGraus = QStringLiteral("-27.5");
    e.latG = QStringLiteral("-27");
    e.latM = QStringLiteral("30");
    e.latS = QStringLiteral("0");
    e.lonGraus = QStringLiteral("-48,5");
    e.longG = QStringLiteral("-48");
    e.longM = QStringLiteral("30.5");
    e.longS = QStringLiteral("00");
    e.formaLatitude = c.formaLatitude;
    e.formaLongitude = c.formaLongitude;
    const TextosResultado t = FormataResultados(Elementos(), 2000.5, e, QLocale::c());
    EXPECT_EQ(t.relLatitude, QString::fromUtf16(c.latitude));
    EXPECT_EQ(t.relLongitude, QString::fromUtf16(c.longitude));
    EXPECT_EQ(t.relGrausLatitude, c.formaLatitude == FormaEntrada::GrausDecimais);
    EXPECT_EQ(t.relGrausLongitude, c.formaLongitude == FormaEntrada::GrausDecimais);
}

constexpr auto Decimal = FormaEntrada::GrausDecimais;
constexpr auto Gms = FormaEntrada::GrausMinutosSegundos;

const CasoCoordenadas CasosCoordenadas[] = {
    {"BothDecimal", Decimal, Decimal, u"-27.5", u"-48,5"},
    {"BothDegreesMinutesSeconds", Gms, Gms, u"-27\u00B030'0''", u"-48\u00B030.5'00''"},
    {"LatitudeDecimalLongitudeDms", Decimal, Gms, u"-27.5", u"-48\u00B030.5'00''"},
    {"LatitudeDmsLongitudeDecimal", Gms, Decimal, u"-27\u00B030'0''", u"-48,5"},
};

INSTANTIATE_TEST_SUITE_P(FormasEntrada, CoordenadasRelatorioTeste, testing::ValuesIn(CasosCoordenadas),
                         [](const auto& info) { return std::string(info.param.nome); });

// Main and report each get the needle around their own compass centre.
TEST(FormataResultados, PlacesBothNeedlesAroundTheirOwnCentres)
{
    ElementosCampo e = Elementos();
    e.D = 0.0f;
    const TextosResultado t = FormataResultados(e, 2000.5, Entrada(), QLocale::c());
    // bit-exact: sin(0) and cos(0) are exact, so the end points are whole numbers.
    EXPECT_EQ(t.agulhaMain.x2, 5400.0f);
    EXPECT_EQ(t.agulhaMain.y2, 600.0f);
    EXPECT_EQ(t.agulhaRelatorio.x2, 2925.0f);
    EXPECT_EQ(t.agulhaRelatorio.y2, 3810.0f);
}

}  // namespace
}  // namespace ceravel
