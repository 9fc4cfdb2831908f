// SPDX-License-Identifier: GPL-3.0-or-later
// The fit's building blocks: term order against the program's polynomial, the border, the grid, the
// least-squares solve with its worst-case constraints (the written files: TesteArquivosEntregues).
#include "DadosTeste.h"
#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"
#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/ajuste/TermosPolinomio.h"

#include <gtest/gtest.h>

#include <cmath>
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
        {"InTheSquare", 0.5, 0.5, true, 0.5}, {"InTheHole", 2, 2, false, 1.0},
        {"OnTheIsland", 0.25, 10.75, true, 0.25}, {"OffTheCorner", 7, 8, false, 5.0}};
    for (const auto& [nome, latitude, longitude, dentro, distancia] : casos) {
        EXPECT_EQ(DentroDoContorno(*leitura.contorno, latitude, longitude), dentro) << nome;
        EXPECT_NEAR(DistanciaAoContorno(*leitura.contorno, latitude, longitude), distancia, 1e-12) << nome;
    }
}

TEST(PontosAmostra, TrainingGridCoversTheBoxAndPeriodEdgesIncluded) {
    const auto pontos = PontosTreino(1.0, 0.5);
    ASSERT_EQ(pontos.size(), 46u * 46u * 23u);
    const auto &a = pontos.front(), &z = pontos.back();
    EXPECT_EQ(std::tuple(a.latitude, a.longitude, a.ano, z.latitude, z.longitude, z.ano),
              std::tuple(-35.0, -75.0, 1995.0, 10.0, -30.0, 2006.0));
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

}  // namespace
}  // namespace ceravel::ajuste
