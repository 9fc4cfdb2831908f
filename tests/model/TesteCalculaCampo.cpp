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
    const float D = -21.5f, I = -30.2f, F = 23500, dD = -0.1f, dI = 0.13f, dF = -20;
    const ElementosCampo r = DerivaComponentes(D, I, F, dD, dI, dF);
    const long double k = 3.14159265359L / 180, cI = std::cos(k * I), sI = std::sin(k * I), cD = std::cos(k * D),
                      sD = std::sin(k * D), m = dD * 60.0f, Fn = F * (dI * 60.0f), H = F * cI,
                      dH = dF * cI - Fn * sI * k / 60;
    const double folga = 1e-8;  // far below a wrong sign, term or divisor, far above double rounding
    for (const auto& [valor, formula] : {std::pair{r.X, H * cD}, {r.Y, H * sD}, {r.Z, F * sI},
                                         {r.dX, dH * cD - H * m * sD * k / 60}, {r.dY, dH * sD + H * m * cD * k / 60},
                                         {r.dZ, dF * sI + Fn * cI * k / 60}})
        EXPECT_NEAR(valor, formula, folga);
    // The model's pi puts k·90 1.034e-13 rad past a right angle, where the exact pi leaves X positive.
    EXPECT_LT(DerivaComponentes(90, 0, 24000, 0, 0, 0).X, 0);
}

TEST(CalculaCampo, EstouroOuEntradaNaoFinitaViraMensagemSemResultado)
{
    const double acima = 3.40282350e38;  // past FLT_MAX, yet a plain conversion rounds it to FLT_MAX
    const std::pair<const char*, std::function<void(Coeficientes&, Coeficientes&, Coeficientes&)>> casos[] = {
        {"grupo logo acima do maior float", [&](auto& D, auto&, auto&) { D.c(1) = acima; }},
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
