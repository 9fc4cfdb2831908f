// Derived components: the special angles where the formulas collapse to
// something checkable by hand, signs, and the model's own degree factor.
#include "model/CalculaCampo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ceravel {
namespace {

struct Entrada {
    const char* nome;
    float D, I, F, dD, dI, dF;
};

TEST(DerivaComponentes, DeclinacaoEInclinacaoNulas)
{
    // cos 0 = 1 and sin 0 = 0 exactly, so with D = I = 0 every component
    // reduces to one product: X = F, dX = dF, dY = F·m/3600, dZ = (F·n)/3600.
    const Entrada casos[] = {
        {"campo tipico", 0, 0, 23456.789f, -0.125f, 0.0375f, -41.3f},
        {"variacoes negativas", 0, 0, 31000.5f, 0.3f, -0.21f, 12.25f},
    };
    for (const Entrada& e : casos) {
        SCOPED_TRACE(e.nome);
        const ElementosCampo r = DerivaComponentes(e.D, e.I, e.F, e.dD, e.dI, e.dF);
        const float m = e.dD * 60, n = e.dI * 60;
        // bit-exact: each value is a single rounded operation on the inputs
        EXPECT_EQ(r.X, double(e.F));
        EXPECT_EQ(r.Y, 0.0);
        EXPECT_EQ(r.Z, 0.0);
        EXPECT_EQ(r.dX, double(e.dF));
        EXPECT_EQ(r.dY, double(e.F) * m / 3600);
        EXPECT_EQ(r.dZ, double(e.F * n) / 3600);
    }
}

TEST(DerivaComponentes, ProdutoFnEmPrecisaoSimples)
{
    // With I = 0, dZ = (F·n)/3600 where F·n is rounded to float first; these
    // values make that rounding visible.
    const float F = 23456.789f, dI = 0.0205761f;
    const float n = dI * 60;
    ASSERT_NE(double(F * n), double(F) * double(n)) << "the case must tell float from double product";
    EXPECT_EQ(DerivaComponentes(13.5f, 0, F, 0, dI, 0).dZ, double(F * n) / 3600);  // bit-exact: sin 0 = 0
}

TEST(DerivaComponentes, DeclinacaoNula)
{
    // D = 0: X is H itself, Y vanishes and dY = H·m/3600 with H = X.
    const Entrada casos[] = {
        {"inclinacao negativa (sul)", 0, -35.25f, 23500, -0.125f, 0.1f, -30},
        {"inclinacao positiva (norte)", 0, 12.5f, 27000, 0.2f, -0.05f, 15},
    };
    for (const Entrada& e : casos) {
        SCOPED_TRACE(e.nome);
        const ElementosCampo r = DerivaComponentes(e.D, e.I, e.F, e.dD, e.dI, e.dF);
        EXPECT_EQ(r.Y, 0.0);
        EXPECT_EQ(r.dY, r.X * r.m / 3600);  // bit-exact: cos 0 = 1, sin 0 = 0
        EXPECT_NEAR(r.X * r.X + r.Z * r.Z, double(e.F) * e.F, 1e-6 * e.F * e.F);
    }
}

TEST(DerivaComponentes, SinaisEModulo)
{
    const Entrada casos[] = {
        {"D negativa, I negativa", -21.5f, -30.2f, 23500, -0.1f, 0.1f, -20},
        {"D positiva, I positiva", 3.25f, 9.75f, 28000, 0.05f, -0.02f, 10},
        {"D negativa, I positiva", -12, 4, 26000, 0, 0, 0},
    };
    for (const Entrada& e : casos) {
        SCOPED_TRACE(e.nome);
        const ElementosCampo r = DerivaComponentes(e.D, e.I, e.F, e.dD, e.dI, e.dF);
        EXPECT_EQ(r.Y < 0, e.D < 0);
        EXPECT_EQ(r.Z < 0, e.I < 0);
        EXPECT_GT(r.X, 0);
        EXPECT_NEAR(r.X * r.X + r.Y * r.Y + r.Z * r.Z, double(e.F) * e.F, 1e-6 * e.F * e.F);
        EXPECT_EQ(r.D, e.D);
        EXPECT_EQ(r.I, e.I);
        EXPECT_EQ(r.F, e.F);
        EXPECT_EQ(r.dF, e.dF);
    }
}

TEST(DerivaComponentes, VariacoesAngularesEmMinutos)
{
    const struct {
        const char* nome;
        float dD, dI, m, n;
    } casos[] = {
        // bit-exact: dyadic rates times 60 are exact in float
        {"-0.125 grau por ano da -7.5 minutos", -0.125f, 0.25f, -7.5f, 15.0f},
        {"sem variacao", 0, 0, 0, 0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const ElementosCampo r = DerivaComponentes(-20, -30, 24000, caso.dD, caso.dI, 0);
        EXPECT_EQ(r.m, caso.m);
        EXPECT_EQ(r.n, caso.n);
        if (caso.dD == 0 && caso.dI == 0) {
            EXPECT_EQ(r.dX, 0.0);  // exact: every term is a product with zero
            EXPECT_EQ(r.dY, 0.0);
            EXPECT_EQ(r.dZ, 0.0);
        }
    }
}

TEST(DerivaComponentes, FatorDoModeloNaoEPiExato)
{
    // k·90 = 3.14159265359/2 lies 1.034e-13 past a right angle, so X is a
    // tiny negative number instead of the exact pi's tiny positive one.
    const float F = 24000;
    const ElementosCampo r = DerivaComponentes(90, 0, F, 0, 0, 0);
    const double excesso = (3.14159265359 - 3.14159265358979323846) / 2;
    EXPECT_LT(r.X, 0);
    EXPECT_NEAR(r.X, -F * excesso, 1e-3 * F * excesso);
}

}  // namespace
}  // namespace ceravel
