// Building blocks of the fit: the term order against the program's own
// polynomial, the border file and its tests, the grids, the least-squares
// solve and its worst-case constraints, the written coefficient files.
#include "model/CalculaElemento.h"
#include "model/LeCoeficientes.h"
#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/ajuste/ContornoBrasil.h"
#include "tools/ajuste/EscreveCoeficientes.h"
#include "tools/ajuste/PontosAmostra.h"
#include "tools/ajuste/TermosPolinomio.h"
#include "tools/igrf/LeModeloIgrf.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <set>
#include <string>
#include <tuple>

namespace ceravel::ajuste {
namespace {

const std::string pastaDados = CERAVEL_DADOS_PROJETO;

// --- Term order ---------------------------------------------------------------

// Distinct primes for x, y, t make every monomial a distinct number, so a
// term in the wrong place cannot go unnoticed.
TEST(TermosPolinomio, EachColumnIsTheProgramsTermOfTheSameNumber) {
    const double x = 2, y = 3, t = 5;
    const auto valores = Monomios(x, y, t);
    const auto derivadas = DerivadasNoTempo(x, y, t);
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        Coeficientes so;
        so.c(k) = 1.0;
        const auto i = static_cast<std::size_t>(k - 1);
        // bit-exact: small integer products are exact in double and in float.
        EXPECT_EQ(CalculaElemento(x, y, so, t), static_cast<float>(valores[i])) << "term " << k;
        EXPECT_EQ(CalculaVariacao(x, y, so, t), static_cast<float>(derivadas[i])) << "term " << k;
    }
}

// --- Border ---------------------------------------------------------------------

class ContornoEntregue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto leitura = LeContorno(pastaDados + "/brasil-contorno.txt");
        ASSERT_TRUE(leitura.contorno) << leitura.erro;
        brasil = new Contorno(std::move(*leitura.contorno));
    }
    static void TearDownTestSuite() { delete brasil; }
    static inline Contorno* brasil = nullptr;
};

struct Lugar {
    const char* nome;
    double latitude, longitude;
    bool noBrasil;
};

class LugaresConhecidos : public ContornoEntregue, public ::testing::WithParamInterface<Lugar> {};

TEST_P(LugaresConhecidos, FallOnTheRightSideOfTheBorder) {
    EXPECT_EQ(DentroDoContorno(*brasil, GetParam().latitude, GetParam().longitude), GetParam().noBrasil);
}

INSTANTIATE_TEST_SUITE_P(
    ContornoBrasil, LugaresConhecidos,
    ::testing::Values(Lugar{"Brasilia", -15.79, -47.88, true}, Lugar{"Manaus", -3.10, -60.02, true},
                      Lugar{"PortoAlegre", -30.03, -51.23, true}, Lugar{"BoaVista", 2.82, -60.67, true},
                      Lugar{"Recife", -8.05, -34.90, true}, Lugar{"MarajoIsland", -1.0, -49.6, true},
                      Lugar{"SantaCatarinaIsland", -27.6, -48.47, true},
                      Lugar{"Montevideo", -34.90, -56.19, false}, Lugar{"Asuncion", -25.28, -57.64, false},
                      Lugar{"Bogota", 4.71, -74.07, false}, Lugar{"Lima", -12.05, -77.04, false},
                      Lugar{"AtlanticOffRecife", -8.0, -33.0, false}, Lugar{"Cayenne", 4.92, -52.31, false}),
    [](const auto& info) { return std::string(info.param.nome); });

std::string Grava(const QTemporaryDir& pasta, const std::string& conteudo) {
    const std::string caminho = pasta.filePath("contorno.txt").toStdString();
    std::ofstream(caminho, std::ios::binary) << conteudo;
    return caminho;
}

// A 4 x 4 square with a 2 x 2 hole, and an island beside it.
const char* const quadradoComFuro =
    "# outer\n0 0\n4 0\n4 4\n0 4\n\n"
    "1 1\n3 1\n3 3\n1 3\n\n"
    "10 0\n11 0\n11 1\n";

TEST(ContornoBrasil, HolesAndIslandsFollowTheEvenOddRule) {
    QTemporaryDir pasta;
    const auto leitura = LeContorno(Grava(pasta, quadradoComFuro));
    ASSERT_TRUE(leitura.contorno) << leitura.erro;
    ASSERT_EQ(leitura.contorno->aneis.size(), 3u);
    const Contorno& c = *leitura.contorno;
    EXPECT_TRUE(DentroDoContorno(c, 0.5, 0.5));    // (lat, lon): in the square
    EXPECT_FALSE(DentroDoContorno(c, 2, 2));       // in the hole
    EXPECT_TRUE(DentroDoContorno(c, 0.25, 10.75));  // on the island
    EXPECT_FALSE(DentroDoContorno(c, 5, 2));       // north of everything
}

TEST(ContornoBrasil, DistanceIsToTheNearestEdgeOfAnyRing) {
    QTemporaryDir pasta;
    const auto c = LeContorno(Grava(pasta, quadradoComFuro)).contorno;
    ASSERT_TRUE(c);
    EXPECT_NEAR(DistanciaAoContorno(*c, 2, 2), 1.0, 1e-12);    // centre of the hole
    EXPECT_NEAR(DistanciaAoContorno(*c, 2, -3), 3.0, 1e-12);   // west of the square
    EXPECT_NEAR(DistanciaAoContorno(*c, 7, 8), 5.0, 1e-12);    // off the corner (4, 4)
    EXPECT_NEAR(DistanciaAoContorno(*c, 0, 9.5), 0.5, 1e-12);  // beside the island
}

TEST(ContornoBrasil, BadLinesAreRefusedWithTheirNumber) {
    QTemporaryDir pasta;
    for (const auto& [conteudo, trecho] : {std::pair{"0 0\n1 0\n1 x\n", "linha 3"}, {"0 0 0\n", "linha 1"},
                                           {"0 0\n1 1\n\n2 2\n3 3\n4 4\n", "menos de três"},
                                           {"200 0\n1 1\n2 2\n", "linha 1"}, {"# only\n", "nenhum ponto"}}) {
        const auto leitura = LeContorno(Grava(pasta, conteudo));
        EXPECT_FALSE(leitura.contorno) << conteudo;
        EXPECT_NE(leitura.erro.find(trecho), std::string::npos) << leitura.erro;
    }
}

// --- Grids ------------------------------------------------------------------------

TEST(PontosAmostra, TrainingGridCoversTheBoxAndPeriodEdgesIncluded) {
    const auto pontos = PontosTreino(1.0, 0.5);
    EXPECT_EQ(pontos.size(), 46u * 46u * 23u);
    EXPECT_EQ(pontos.front().latitude, -35);
    EXPECT_EQ(pontos.front().longitude, -75);
    EXPECT_EQ(pontos.front().ano, 1995.0);
    EXPECT_EQ(pontos.back().latitude, 10);
    EXPECT_EQ(pontos.back().longitude, -30);
    EXPECT_EQ(pontos.back().ano, 2006.0);
}

TEST(PontosAmostra, HeldOutGridSharesNoPointWithTrainingAndStaysInTheBox) {
    std::set<std::tuple<double, double, double>> treino;
    for (const auto& p : PontosTreino(3.0, 1.0)) {
        treino.insert({p.latitude, p.longitude, p.ano});
    }
    const auto validacao = PontosValidacao(3.0, 1.0);
    bool temCanto = false;
    for (const auto& p : validacao) {
        EXPECT_FALSE(treino.contains({p.latitude, p.longitude, p.ano}))
            << p.latitude << " " << p.longitude << " " << p.ano;
        EXPECT_TRUE(p.latitude >= LatitudeMinima && p.latitude <= LatitudeMaxima);
        EXPECT_TRUE(p.longitude >= LongitudeMinima && p.longitude <= LongitudeMaxima);
        EXPECT_TRUE(p.ano >= AnoInicial && p.ano <= AnoFinal);
        temCanto |= p.latitude == LatitudeMaxima && p.longitude == LongitudeMinima;
    }
    // 17 latitudes and longitudes (edges + 15 midpoints), 13 dates, less the 8 corners.
    EXPECT_EQ(validacao.size(), 17u * 17u * 13u - 8u);
    EXPECT_TRUE(temCanto) << "the box's corners are held out at off-grid dates";
}

// --- Least squares ---------------------------------------------------------------

// Samples whose D, dD come from a known polynomial, at a coarse grid.
std::vector<Amostra> AmostrasDoPolinomio(const Coeficientes& c) {
    std::vector<Amostra> amostras;
    for (const auto& p : PontosTreino(3.0, 1.0)) {
        Amostra a;
        a.ponto = p;
        a.noBrasil = a.pertoDoBrasil = p.longitude > -60 && p.latitude < 0;
        const double x = p.latitude + 15, y = p.longitude + 55, t = p.ano - 1990;
        const auto v = Monomios(x, y, t);
        const auto d = DerivadasNoTempo(x, y, t);
        for (std::size_t k = 0; k < v.size(); ++k) {
            a.igrf.D += c.valores[k] * v[k];
            a.igrf.dD += c.valores[k] * d[k];
        }
        amostras.push_back(a);
    }
    return amostras;
}

// A set shaped like a declination model: each term about as large as the
// leading terms over the box, as in a real fit.
Coeficientes PolinomioDeTeste() {
    Coeficientes c;
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        const Expoentes& e = TermosPolinomio[static_cast<std::size_t>(k - 1)];
        const double escala = std::pow(25.0, e.x + e.y) * std::pow(16.0, e.t);
        c.c(k) = (k % 2 ? 1.0 : -1.0) * (3.0 + k % 5) / escala;
    }
    return c;
}

TEST(AjustaElemento, RecoversAPolynomialThatFitsExactly) {
    const Coeficientes esperado = PolinomioDeTeste();
    const auto amostras = AmostrasDoPolinomio(esperado);
    OpcoesAjuste opcoes;
    opcoes.penalidades = {10, 1000};  // no residual, so the constraints stay idle
    const Coeficientes c = AjustaElemento(amostras, Elemento::D, opcoes);
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        EXPECT_NEAR(c.c(k), esperado.c(k), 1e-9 * std::fabs(esperado.c(k))) << "term " << k;
    }
}

// Real inclination on a coarse grid: with almost no weight outside Brazil
// the plain fit runs far beyond the box's worst-case goal; the constraint
// brings every training point back near its limit.
TEST(AjustaElemento, BoxConstraintHoldsTheWorstPointOutsideBrazil) {
    const auto igrf = igrf::LeTabelaIgrf(pastaDados + "/igrf14coeffs.txt");
    const auto brasil = LeContorno(pastaDados + "/brasil-contorno.txt");
    ASSERT_TRUE(igrf.modelo && brasil.contorno);
    const auto treino = AmostraIgrf(*igrf.modelo, *brasil.contorno, PontosTreino(3.0, 1.0), 0.5);
    ASSERT_TRUE(treino);

    OpcoesAjuste livre;
    livre.pesoForaDoBrasil = 0.001;
    OpcoesAjuste limitado = livre;
    limitado.margemBrasil = 1.0;
    limitado.margemCaixa = 1.0;
    limitado.penalidades = {10, 100, 1000, 10000};
    limitado.passosPorPenalidade = 20;

    const double meta = Descricao(Elemento::I).metas.maxCaixa;
    const Residuos semLimite = AvaliaAjuste(*treino, Elemento::I, AjustaElemento(*treino, Elemento::I, livre));
    const Residuos comLimite = AvaliaAjuste(*treino, Elemento::I, AjustaElemento(*treino, Elemento::I, limitado));
    EXPECT_GT(semLimite.maxCaixa, 2 * meta);
    // A finite penalty leaves a sliver beyond the limit.
    EXPECT_LT(comLimite.maxCaixa, 1.02 * meta);
    EXPECT_LT(comLimite.maxBrasil, 1.02 * Descricao(Elemento::I).metas.maxBrasil);
}

// --- Written files ----------------------------------------------------------------

TEST(EscreveCoeficientes, TheProgramReadsBackEveryBit) {
    Coeficientes c = PolinomioDeTeste();
    c.c(1) = 0.1;
    c.c(2) = -1.0 / 3.0;
    c.c(3) = 1e-300;
    c.c(4) = -2.5e-310;  // subnormal
    c.c(5) = 123456789.0123;
    c.c(6) = 0.0;
    c.c(7) = std::numeric_limits<double>::max();
    QTemporaryDir pasta;
    const std::string caminho = pasta.filePath(ArquivoInclinacao).toStdString();
    ASSERT_EQ(EscreveCoeficientes(caminho, c), "");
    const auto lidos = LeCoeficientes(pasta.path(), ArquivoInclinacao);
    ASSERT_TRUE(lidos.coeficientes) << lidos.erro.toStdString();
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        // bit-exact: the shortest round-trip form parses back to the same double.
        EXPECT_EQ(lidos.coeficientes->c(k), c.c(k)) << "term " << k;
    }
}

TEST(EscreveCoeficientes, OneNumberPerLineWithAFullStop) {
    Coeficientes c;
    c.c(1) = -21.5;
    c.c(31) = 2.5e-7;
    const std::string texto = TextoCoeficientes(c);
    EXPECT_TRUE(texto.starts_with("-21.5\n0\n"));
    EXPECT_TRUE(texto.ends_with("\n2.5e-07\n"));
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 31);
    EXPECT_EQ(texto.find(','), std::string::npos);
}

}  // namespace
}  // namespace ceravel::ajuste
