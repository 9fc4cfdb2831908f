// SPDX-License-Identifier: GPL-3.0-or-later
// The derived components against the formulas in long double; failures come back as a message.
#include "model/CalculaCampo.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace ceravel {
namespace {

TEST(DerivaComponentes, ConferemComAsFormulasEmLongDouble)
{
    const struct { float D, I, F, dD, dI, dF; } casos[] = {{0, 0, 23456.789f, -0.125f, 0.0205761f, -41.3f},
                                                          {-21.5f, -30.2f, 23500, -0.1f, 0.13f, -20}};
    for (const auto& e : casos) {
        SCOPED_TRACE(e.D);
        const ElementosCampo r = DerivaComponentes(e.D, e.I, e.F, e.dD, e.dI, e.dF);
        const long double k = 3.14159265359L / 180, cI = std::cos(k * e.I), sI = std::sin(k * e.I),
                          cD = std::cos(k * e.D), sD = std::sin(k * e.D), m = e.dD * 60.0f,
                          Fn = e.F * (e.dI * 60.0f), H = e.F * cI, dH = e.dF * cI - Fn * sI * k / 60;
        const double folga = 1e-8;  // far below a wrong sign, term or divisor, far above double rounding
        // ... and below the rounding of F·n to float, which the model keeps.
        ASSERT_GT(std::fabs(Fn - (long double)e.F * (e.dI * 60.0f)) * k / 60, 10 * folga);
        EXPECT_NEAR(r.X, H * cD, folga);
        EXPECT_NEAR(r.Y, H * sD, folga);
        EXPECT_NEAR(r.Z, e.F * sI, folga);
        EXPECT_NEAR(r.dX, dH * cD - H * m * sD * k / 60, folga);
        EXPECT_NEAR(r.dY, dH * sD + H * m * cD * k / 60, folga);
        EXPECT_NEAR(r.dZ, e.dF * sI + Fn * cI * k / 60, folga);
    }
    // The model's pi puts k·90 1.034e-13 rad past a right angle, where the exact pi leaves X positive.
    EXPECT_LT(DerivaComponentes(90, 0, 24000, 0, 0, 0).X, 0);
}

// By hand: D = I = 0, F = 10000 nT turning 1° a year in both angles: the horizontal and vertical components
// move by F times one degree in radians a year, 10000 × 3.14159265359 / 180 = 174.532925199444 nT/ano.
TEST(DerivaComponentes, UmGrauPorAnoMoveFVezesUmGrauEmRadianos)
{
    const ElementosCampo r = DerivaComponentes(0, 0, 10000, 1, 1, 0);
    EXPECT_EQ(std::pair(r.m, r.n), std::pair(60.0f, 60.0f));
    EXPECT_NEAR(r.dY, 174.532925199444, 1e-9);
    EXPECT_NEAR(r.dZ, 174.532925199444, 1e-9);
    EXPECT_EQ(r.dX, 0.0);
}

TEST(CalculaCampo, EstouroOuEntradaNaoFinitaViraMensagemSemResultado)
{
    const double acima = 3.40282350e38;  // past FLT_MAX, yet a plain conversion rounds it to FLT_MAX
    ASSERT_EQ(static_cast<float>(acima), FLT_MAX);
    const std::pair<const char*, std::function<void(Coeficientes&, Coeficientes&, Coeficientes&)>> casos[] = {
        {"grupo logo acima do maior float", [&](auto& D, auto&, auto&) { D.c(1) = acima; }},
        {"grupos no maior float somam alem dele", [](auto&, auto&, auto& F) { F.c(1) = F.c(17) = FLT_MAX; }},
        {"estouros de sinais opostos dao NaN", [](auto& D, auto&, auto&) { D.c(1) = 1e39, D.c(17) = -1e40; }},
        {"so a variacao estoura", [](auto&, auto&, auto& F) { F.c(10) = 4e38; }},
        {"F n estoura em precisao simples", [](auto&, auto& I, auto& F) { F.c(1) = 1e30, I.c(4) = 1e8; }},
    };
    for (const auto& [nome, altera] : casos) {
        SCOPED_TRACE(nome);
        Coeficientes D, I, F;  // a plausible field near the middle of Brazil, then the change
        D.c(1) = -19.5, I.c(1) = -25.25, I.c(4) = 0.1, F.c(1) = 23500, F.c(4) = -30;
        altera(D, I, F);
        const ResultadoModelo r = CalculaCampo(D, I, F, 0.5, 0.5, 0.5);
        EXPECT_FALSE(r.elementos);
        EXPECT_EQ(r.erro, "O cálculo do modelo ultrapassou o limite numérico (estouro). "
                          "Verifique os arquivos de coeficientes.");
    }
    const ResultadoModelo r = CalculaCampo(Coeficientes(), Coeficientes(), Coeficientes(), 0, std::nan(""), 0);
    EXPECT_FALSE(r.elementos);
    EXPECT_EQ(r.erro, "O cálculo do modelo recebeu uma posição ou data inválida (valor não finito).");
}

}  // namespace
}  // namespace ceravel
