// SPDX-License-Identifier: GPL-3.0-or-later
// The fit's building blocks: term order against the program's polynomial, the border, the grids, the
// least-squares solve with its worst-case constraints, the written coefficient files.
#include "DadosTeste.h"
#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"
#include "model/LeCoeficientes.h"
#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/ajuste/EscreveCoeficientes.h"
#include "tools/ajuste/TermosPolinomio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

namespace ceravel::ajuste {
namespace {

// Distinct primes for x, y, t: a term in the wrong place gives another number.
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

// A 4 x 4 square (lon, lat) with a 2 x 2 hole, and an island beside it.
TEST(ContornoBrasil, HolesIslandsAndDistanceToTheNearestEdgeOfAnyRing) {
    QTemporaryDir pasta;
    const auto leitura =
        LeContorno(teste::Grava(pasta, "# outer\n0 0\n4 0\n4 4\n0 4\n\n1 1\n3 1\n3 3\n1 3\n\n10 0\n11 0\n11 1\n"));
    ASSERT_TRUE(leitura.contorno) << leitura.erro;
    const std::tuple<const char*, double, double, bool, double> casos[] = {  // latitude, longitude
        {"InTheSquare", 0.5, 0.5, true, 0.5},     {"InTheHole", 2, 2, false, 1.0},
        {"OnTheIsland", 0.25, 10.75, true, 0.25}, {"BesideTheIsland", 0, 9.5, false, 0.5},
        {"WestOfTheSquare", 2, -3, false, 3.0},   {"OffTheCorner", 7, 8, false, 5.0}};
    for (const auto& [nome, latitude, longitude, dentro, distancia] : casos) {
        EXPECT_EQ(DentroDoContorno(*leitura.contorno, latitude, longitude), dentro) << nome;
        EXPECT_NEAR(DistanciaAoContorno(*leitura.contorno, latitude, longitude), distancia, 1e-12) << nome;
    }
}

TEST(ContornoBrasil, BadLinesAreRefusedWithTheirNumber) {
    QTemporaryDir pasta;
    for (const auto& [conteudo, trecho] : {std::pair{"0 0\n1 0\n1 x\n", "linha 3"}, {"0 0 0\n", "linha 1"},
                                           {"200 0\n1 1\n2 2\n", "linha 1"},
                                           {"0 0\n1 1\n\n2 2\n3 3\n4 4\n", "menos de três"},
                                           {"# only\n", "nenhum ponto"}}) {
        const auto leitura = LeContorno(teste::Grava(pasta, conteudo));
        EXPECT_FALSE(leitura.contorno) << conteudo;
        EXPECT_NE(leitura.erro.find(trecho), std::string::npos) << leitura.erro;
    }
}

TEST(PontosAmostra, TrainingGridCoversTheBoxAndPeriodEdgesIncluded) {
    const auto pontos = PontosTreino(1.0, 0.5);
    ASSERT_EQ(pontos.size(), 46u * 46u * 23u);
    const auto &a = pontos.front(), &z = pontos.back();
    EXPECT_EQ(std::tuple(a.latitude, a.longitude, a.ano, z.latitude, z.longitude, z.ano),
              std::tuple(-35.0, -75.0, 1995.0, 10.0, -30.0, 2006.0));
}

TEST(PontosAmostra, HeldOutGridSharesNoPointWithTrainingAndStaysInTheBox) {
    std::set<std::tuple<double, double, double>> treino;
    for (const auto& p : PontosTreino(3.0, 1.0))
        treino.insert({p.latitude, p.longitude, p.ano});
    const auto validacao = PontosValidacao(3.0, 1.0);
    EXPECT_EQ(validacao.size(), 17u * 17u * 13u - 8u);  // edges and 15 midpoints, 13 dates, less the 8 corners
    for (const auto& p : validacao)
        EXPECT_TRUE(!treino.contains({p.latitude, p.longitude, p.ano}) && p.latitude >= LatitudeMinima
                    && p.latitude <= LatitudeMaxima && p.longitude >= LongitudeMinima
                    && p.longitude <= LongitudeMaxima && p.ano >= AnoInicial && p.ano <= AnoFinal)
            << p.latitude << " " << p.longitude << " " << p.ano;
}

// Shaped like a declination model: each term about as large as the leading ones over the box.
Coeficientes PolinomioDeTeste() {
    Coeficientes c;
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        const Expoentes& e = TermosPolinomio[static_cast<std::size_t>(k - 1)];
        c.c(k) = (k % 2 ? 1.0 : -1.0) * (3.0 + k % 5) / (std::pow(25.0, e.x + e.y) * std::pow(16.0, e.t));
    }
    return c;
}

TEST(AjustaElemento, RecoversAPolynomialThatFitsExactly) {
    const Coeficientes esperado = PolinomioDeTeste();
    std::vector<Amostra> amostras;
    for (const auto& p : PontosTreino(3.0, 1.0)) {
        Amostra a{p, p.longitude > -60 && p.latitude < 0, p.longitude > -60 && p.latitude < 0, {}};
        const auto v = Monomios(p.latitude + 15, p.longitude + 55, p.ano - 1990);
        const auto d = DerivadasNoTempo(p.latitude + 15, p.longitude + 55, p.ano - 1990);
        for (std::size_t k = 0; k < v.size(); ++k)
            a.igrf.D += esperado.valores[k] * v[k], a.igrf.dD += esperado.valores[k] * d[k];
        amostras.push_back(a);
    }
    OpcoesAjuste opcoes;
    opcoes.penalidades = {10, 1000};  // no residual, so the constraints stay idle
    const Coeficientes c = AjustaElemento(amostras, Elemento::D, opcoes);
    for (int k = 1; k <= Coeficientes::Quantidade; ++k)
        EXPECT_NEAR(c.c(k), esperado.c(k), 1e-9 * std::fabs(esperado.c(k))) << "term " << k;
}

// Real inclination, coarse grid, almost no weight outside Brazil: the plain fit runs far beyond the box's
// worst-case goal; the constraints bring it back near its limit (a finite penalty leaves a sliver).
TEST(AjustaElemento, ConstraintsHoldTheWorstPointsAtTheirGoals) {
    const auto& igrf = teste::Igrf14();
    const auto& brasil = teste::BrasilEntregue();
    ASSERT_TRUE(igrf.modelo && brasil.contorno);
    const auto treino = AmostraIgrf(*igrf.modelo, *brasil.contorno, PontosTreino(3.0, 1.0), 0.5);
    ASSERT_TRUE(treino);
    OpcoesAjuste livre;
    livre.pesoForaDoBrasil = 0.001;
    OpcoesAjuste limitado = livre;
    limitado.margemBrasil = limitado.margemCaixa = 1.0;
    limitado.penalidades = {10, 100, 1000, 10000};
    limitado.passosPorPenalidade = 20;
    const Metas& metas = Descricao(Elemento::I).metas;
    const Residuos semLimite = AvaliaAjuste(*treino, Elemento::I, AjustaElemento(*treino, Elemento::I, livre));
    const Residuos comLimite = AvaliaAjuste(*treino, Elemento::I, AjustaElemento(*treino, Elemento::I, limitado));
    EXPECT_GT(semLimite.maxCaixa, 2 * metas.maxCaixa);
    EXPECT_LT(comLimite.maxCaixa, 1.02 * metas.maxCaixa);
    EXPECT_LT(comLimite.maxBrasil, 1.02 * metas.maxBrasil);
}

TEST(EscreveCoeficientes, TheProgramReadsBackEveryBit) {
    Coeficientes c = PolinomioDeTeste();
    const double extremos[] = {0.1, -1.0 / 3.0, 1e-300, -2.5e-310 /* subnormal */, 123456789.0123, 0.0,
                               std::numeric_limits<double>::max()};
    std::copy(std::begin(extremos), std::end(extremos), c.valores.begin());
    // Shortest form, full stop, LF: the reader would take a comma as a separator.
    EXPECT_TRUE(TextoCoeficientes(c).starts_with("0.1\n-0.3333333333333333\n1e-300\n"));
    QTemporaryDir pasta;
    ASSERT_EQ(EscreveCoeficientes(pasta.filePath(ArquivoInclinacao).toStdString(), c), "");
    const auto lidos = LeCoeficientes(pasta.path(), ArquivoInclinacao);
    ASSERT_TRUE(lidos.coeficientes) << lidos.erro.toStdString();
    // bit-exact: the shortest round-trip form parses back to the same double.
    EXPECT_EQ(lidos.coeficientes->valores, c.valores);
}

}  // namespace
}  // namespace ceravel::ajuste
