// SPDX-License-Identifier: GPL-3.0-or-later
// The three norths: where each arrow is drawn, when the drawing leaves its
// scale, and the direction of each north in words.
#include "present/TresNortes.h"

#include <gtest/gtest.h>

namespace ceravel {
namespace {

struct CasoDiagrama {
    double gama, D;
    double desenhoQ, desenhoM;
    bool foraDeEscala;
};

class Diagrama : public testing::TestWithParam<CasoDiagrama> {};

TEST_P(Diagrama, SetasDeCadaLadoEAfastadas)
{
    const CasoDiagrama& c = GetParam();
    const DiagramaTresNortes d = DispoeTresNortes(c.gama, c.D);
    EXPECT_DOUBLE_EQ(d.quadricula.desenhado, c.desenhoQ);
    EXPECT_DOUBLE_EQ(d.magnetico.desenhado, c.desenhoM);
    EXPECT_EQ(d.foraDeEscala, c.foraDeEscala);
    EXPECT_EQ(d.nota.isEmpty(), !c.foraDeEscala);
    EXPECT_DOUBLE_EQ(d.quadricula.real, c.gama);
    EXPECT_DOUBLE_EQ(d.convergencia.ate, d.quadricula.desenhado);
    EXPECT_DOUBLE_EQ(d.declinacao.ate, d.magnetico.desenhado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Diagrama,
    testing::Values(
        CasoDiagrama{0.780356, -19.75, 10, -19.75, true},   // Brasília: NQ east, widened; NM west to scale
        CasoDiagrama{-1.496, -21.0, -10, -21.0, true},      // east of the central meridian, south: NQ west
        CasoDiagrama{-1.496, -15.0, -10, -20, true},        // same side, too close: NM moves out
        CasoDiagrama{-2.9, -1.0, -20, -10, true},           // NQ really farther: NQ moves out
        CasoDiagrama{12.0, -20.0, 12.0, -20.0, false},      // every angle wide enough: to scale
        CasoDiagrama{0.5, 0.5, 10, 10, true},               // the same bearing: one arrow over the other
        CasoDiagrama{0, -20.0, 0, -20.0, false}));          // grid north on true north

struct CasoSentido {
    double angulo;
    const char* convergencia;
    const char* declinacao;
};

class Sentido : public testing::TestWithParam<CasoSentido> {};

TEST_P(Sentido, LesteOuOesteDoNorteVerdadeiro)
{
    const CasoSentido& c = GetParam();
    EXPECT_EQ(SentidoConvergencia(c.angulo).toStdString(), c.convergencia);
    EXPECT_EQ(SentidoDeclinacao(c.angulo).toStdString(), c.declinacao);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Sentido,
    testing::Values(
        CasoSentido{0.780356172, "norte de quadrícula 0°46'49'' a leste do norte verdadeiro",
                    "norte magnético 0°46'49'' a leste do norte verdadeiro"},
        CasoSentido{-1.49603404, "norte de quadrícula 1°29'46'' a oeste do norte verdadeiro",
                    "norte magnético 1°29'46'' a oeste do norte verdadeiro"},
        // 59.5'' rounds half away from zero into the next minute.
        CasoSentido{-(19 * 3600 + 59 * 60 + 59.5) / 3600.0, "norte de quadrícula 20°00'00'' a oeste do norte verdadeiro",
                    "norte magnético 20°00'00'' a oeste do norte verdadeiro"},
        CasoSentido{0.4 / 3600, "norte de quadrícula sobre o norte verdadeiro",
                    "norte magnético sobre o norte verdadeiro"}));

}  // namespace
}  // namespace ceravel
