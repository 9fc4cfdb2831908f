// The IGRF building blocks on cases with answers known in closed form: the
// table readers' errors, the time interpolation, a pure dipole and the WGS84
// conversion.
#include "tools/igrf/CalculaIgrf.h"
#include "tools/igrf/CampoGeocentrico.h"
#include "tools/igrf/LeModeloIgrf.h"
#include "tools/igrf/PosicaoGeodetica.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace ceravel::igrf {
namespace {

constexpr double grau = std::numbers::pi / 180.0;
const std::string tabelaIgrf14 = std::string(CERAVEL_DADOS_PROJETO) + "/igrf14coeffs.txt";

std::string Grava(const QTemporaryDir& pasta, const std::string& nome, const std::string& conteudo) {
    const std::string caminho = pasta.filePath(QString::fromStdString(nome)).toStdString();
    std::ofstream(caminho, std::ios::binary) << conteudo;
    return caminho;
}

// --- Table readers -----------------------------------------------------------

const char* const tabelaPequena =
    "# comment\n"
    "c/s deg ord IGRF IGRF SV\n"
    "g/h n m 2000.0 2005.0 2005-10\n"
    "g  1  0 -100 -90 2\n"
    "g  1  1   10  20 -1\n"
    "h  1  1    5   0 0.5\n";

TEST(LeTabelaIgrf, ReadsEpochsCoefficientsAndFinalVariation) {
    QTemporaryDir pasta;
    const auto leitura = LeTabelaIgrf(Grava(pasta, "t.txt", tabelaPequena));
    ASSERT_TRUE(leitura.modelo) << leitura.erro;
    const ModeloIgrf& m = *leitura.modelo;
    ASSERT_EQ(m.epocas, (std::vector<double>{2000.0, 2005.0}));
    EXPECT_EQ(m.instantaneos[0].g[1][0], -100);
    EXPECT_EQ(m.instantaneos[1].g[1][1], 20);
    EXPECT_EQ(m.instantaneos[0].h[1][1], 5);
    ASSERT_TRUE(m.variacaoFinal);
    EXPECT_EQ(m.variacaoFinal->h[1][1], 0.5);
}

TEST(LeTabelaIgrf, ReadsTheShippedIgrf14Table) {
    const auto leitura = LeTabelaIgrf(tabelaIgrf14);
    ASSERT_TRUE(leitura.modelo) << leitura.erro;
    ASSERT_EQ(leitura.modelo->epocas.size(), 26u);
    EXPECT_EQ(leitura.modelo->epocas.front(), 1900.0);
    EXPECT_EQ(leitura.modelo->epocas.back(), 2025.0);
    // First and last rows of the table, 2000.0 column (index 20).
    EXPECT_EQ(leitura.modelo->instantaneos[20].g[1][0], -29619.4);
    EXPECT_EQ(leitura.modelo->instantaneos[20].h[13][13], -0.9);
    EXPECT_EQ(leitura.modelo->variacaoFinal->g[1][0], 12.6);
}

struct CasoTabelaRuim {
    const char* nome;
    std::string conteudo;
    const char* trecho;  // part of the expected message
};

class TabelaRuim : public ::testing::TestWithParam<CasoTabelaRuim> {};

TEST_P(TabelaRuim, IsRefusedWithTheLineNamed) {
    QTemporaryDir pasta;
    const auto leitura = LeTabelaIgrf(Grava(pasta, "t.txt", GetParam().conteudo));
    EXPECT_FALSE(leitura.modelo);
    EXPECT_NE(leitura.erro.find(GetParam().trecho), std::string::npos) << leitura.erro;
}

INSTANTIATE_TEST_SUITE_P(
    LeTabelaIgrf, TabelaRuim,
    ::testing::Values(
        CasoTabelaRuim{"RowBeforeHeader", "g 1 0 -100 -90 2\n", "linha 1: coeficiente antes do cabeçalho"},
        CasoTabelaRuim{"ShortRow", "g/h n m 2000.0 2005.0 2005-10\ng 1 0 -100 -90\n", "linha 2: linha de coeficiente malformada"},
        CasoTabelaRuim{"DegreeBeyond13", "g/h n m 2000.0 2005.0 2005-10\ng 14 0 1 2 3\n", "linha 2: grau ou ordem"},
        CasoTabelaRuim{"OrderAboveDegree", "g/h n m 2000.0 2005.0 2005-10\ng 2 3 1 2 3\n", "grau ou ordem"},
        CasoTabelaRuim{"HWithOrderZero", "g/h n m 2000.0 2005.0 2005-10\nh 1 0 1 2 3\n", "grau ou ordem"},
        CasoTabelaRuim{"TextForNumber", "g/h n m 2000.0 2005.0 2005-10\ng 1 0 1 x 3\n", "valor não numérico"},
        CasoTabelaRuim{"EpochsOutOfOrder", "g/h n m 2005.0 2000.0 2005-10\n", "época inválida"},
        CasoTabelaRuim{"NoCoefficients", "# nothing\n", "nenhum coeficiente"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(LeTabelaIgrf, MissingFileNamesIt) {
    const auto leitura = LeTabelaIgrf("/nonexistent/igrf.txt");
    EXPECT_FALSE(leitura.modelo);
    EXPECT_NE(leitura.erro.find("/nonexistent/igrf.txt"), std::string::npos);
}

TEST(LeArquivoShc, SecondRowOfAPairIsH) {
    QTemporaryDir pasta;
    const auto leitura = LeArquivoShc(Grava(pasta, "m.shc",
                                            "# comment\r\n"
                                            "1 1 2 2 1 2000.0 2005.0\r\n"
                                            "\t\t2000.0\t2005.0\r\n"
                                            "1\t0\t-100\t-90\r\n"
                                            "1\t1\t10\t20\r\n"
                                            "1\t1\t5\t0\r\n"));
    ASSERT_TRUE(leitura.modelo) << leitura.erro;
    EXPECT_EQ(leitura.modelo->instantaneos[1].g[1][1], 20);
    EXPECT_EQ(leitura.modelo->instantaneos[0].h[1][1], 5);
    EXPECT_FALSE(leitura.modelo->variacaoFinal);
}

// --- Time dependence -------------------------------------------------------------

struct CasoTempo {
    const char* nome;
    double ano;
    double g10;   // expected value
    double dg10;  // expected rate
};

class CoeficientesNoTempo : public ::testing::TestWithParam<CasoTempo> {};

TEST_P(CoeficientesNoTempo, FollowTheIntervalThatHoldsTheDate) {
    QTemporaryDir pasta;
    const auto modelo = LeTabelaIgrf(Grava(pasta, "t.txt", tabelaPequena)).modelo;
    ASSERT_TRUE(modelo);
    const auto c = CoeficientesEm(*modelo, GetParam().ano);
    ASSERT_TRUE(c);
    // bit-exact: the expected values are exact binary fractions of the same sums.
    EXPECT_DOUBLE_EQ(c->valor.g[1][0], GetParam().g10);
    EXPECT_DOUBLE_EQ(c->taxa.g[1][0], GetParam().dg10);
}

INSTANTIATE_TEST_SUITE_P(ModeloIgrf, CoeficientesNoTempo,
                         ::testing::Values(CasoTempo{"FirstEpoch", 2000.0, -100, 2},
                                           CasoTempo{"HalfWay", 2002.5, -95, 2},
                                           CasoTempo{"LastEpochTakesTheFinalVariation", 2005.0, -90, 2},
                                           CasoTempo{"ExtrapolatedByTheFinalVariation", 2007.5, -85, 2}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(ModeloIgrf, AtAnEpochTheRateIsThatOfTheFollowingInterval) {
    const auto modelo = LeTabelaIgrf(tabelaIgrf14).modelo;
    ASSERT_TRUE(modelo);
    const auto c = CoeficientesEm(*modelo, 2000.0);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->valor.g[1][0], -29619.4);
    EXPECT_DOUBLE_EQ(c->taxa.g[1][0], (-29554.63 - -29619.4) / 5.0);
}

TEST(ModeloIgrf, NoCoefficientsBeforeTheFirstEpochNorPastTheLastWithoutVariation) {
    QTemporaryDir pasta;
    const auto tabela = LeTabelaIgrf(Grava(pasta, "t.txt", tabelaPequena)).modelo;
    ASSERT_TRUE(tabela);
    EXPECT_FALSE(CoeficientesEm(*tabela, 1999.9));
    ModeloIgrf semVariacao = *tabela;
    semVariacao.variacaoFinal.reset();
    EXPECT_TRUE(CoeficientesEm(semVariacao, 2004.9));
    EXPECT_FALSE(CoeficientesEm(semVariacao, 2005.0));
}

// --- Synthesis -------------------------------------------------------------------

// An axial dipole g10: X = -g10 (a/r)³ sin θ, Y = 0, Z = -2 g10 (a/r)³ cos θ.
struct CasoDipolo {
    const char* nome;
    double raio;  // in reference radii
    double colatitude;
};

class Dipolo : public ::testing::TestWithParam<CasoDipolo> {};

TEST_P(Dipolo, MatchesTheClosedForm) {
    CoeficientesGauss c;
    c.g[1][0] = -30000;
    const auto& p = GetParam();
    const VetorCampo v = CampoGeocentrico(c, p.raio * RaioReferenciaKm, p.colatitude * grau, 123 * grau);
    const double fator = 1.0 / (p.raio * p.raio * p.raio);
    // 1e-5 nT: at a pole the synthesis stands 1e-10 rad off it.
    EXPECT_NEAR(v.X, 30000 * fator * std::sin(p.colatitude * grau), 1e-5);
    EXPECT_NEAR(v.Y, 0, 1e-9);
    EXPECT_NEAR(v.Z, 60000 * fator * std::cos(p.colatitude * grau), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(CampoGeocentrico, Dipolo,
                         ::testing::Values(CasoDipolo{"Equator", 1, 90}, CasoDipolo{"NorthPole", 1, 0},
                                           CasoDipolo{"SouthMidLatitude", 1, 120}, CasoDipolo{"TwoRadiiOut", 2, 60}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A sectoral term (g11 cos φ + h11 sin φ) P11 at the equator, r = a: dP11/dθ
// vanishes there, so X = 0, Y = g11 sin φ - h11 cos φ, Z = -2 (g11 cos φ + h11 sin φ).
TEST(CampoGeocentrico, SectoralTermAtTheEquatorPointsEastWhereExpected) {
    CoeficientesGauss c;
    c.g[1][1] = 100;
    c.h[1][1] = 50;
    for (const double lon : {0.0, 30.0, 90.0, 200.0}) {
        const VetorCampo v = CampoGeocentrico(c, RaioReferenciaKm, 90 * grau, lon * grau);
        const double cl = std::cos(lon * grau), sl = std::sin(lon * grau);
        EXPECT_NEAR(v.X, 0, 1e-9) << lon;
        EXPECT_NEAR(v.Y, 100 * sl - 50 * cl, 1e-9) << lon;
        EXPECT_NEAR(v.Z, -2 * (100 * cl + 50 * sl), 1e-9) << lon;
    }
}

// --- WGS84 -------------------------------------------------------------------------

struct CasoGeodetico {
    const char* nome;
    double latitude;
    double raioKm;
    double latitudeGeocentrica;
};

class Geodetica : public ::testing::TestWithParam<CasoGeodetico> {};

TEST_P(Geodetica, SeaLevelPointsLieOnTheEllipsoid) {
    const auto& c = GetParam();
    const PosicaoGeocentrica p = DeGeodetica(c.latitude, -50, 0.0);
    EXPECT_NEAR(p.raioKm, c.raioKm, 1e-6);
    EXPECT_NEAR(90.0 - p.colatitudeRad / grau, c.latitudeGeocentrica, 1e-6);
    // The two verticals differ by geodetic minus geocentric latitude.
    EXPECT_NEAR(std::atan2(p.senDesvio, p.cosDesvio) / grau, c.latitude - c.latitudeGeocentrica, 1e-6);
}

// Expected values from the ellipse's own relations, not the code's route:
// geocentric latitude ψ = atan((1 - e²) tan φ), radius a·b / sqrt((b cos ψ)² + (a sin ψ)²).
INSTANTIATE_TEST_SUITE_P(PosicaoGeodetica, Geodetica,
                         ::testing::Values(CasoGeodetico{"Equator", 0, 6378.137, 0},
                                           CasoGeodetico{"NorthPole", 90, 6356.752314245, 90},
                                           CasoGeodetico{"South45", -45, 6367.489543863, -44.807576784},
                                           CasoGeodetico{"Brasilia", -15.8, 6376.563892048, -15.699460262}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(PosicaoGeodetica, RotationKeepsTheVectorLength) {
    const PosicaoGeocentrica p = DeGeodetica(-30, -50, 1.0);
    const VetorCampo v = ParaGeodetico({20000, -3000, -15000}, p);
    EXPECT_NEAR(std::hypot(v.X, v.Y, v.Z), std::hypot(20000.0, -3000.0, -15000.0), 1e-9);
    EXPECT_EQ(v.Y, -3000);  // the east axis is shared
}

}  // namespace
}  // namespace ceravel::igrf
