// The element and variation polynomials against values worked out apart from
// the code: monomial exponents, long double sums, hand-built cancellations.
#include "model/CalculaElemento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace ceravel {
namespace {

// Term k of the model as a monomial x^i y^j t^m, with its element group and
// (for terms in t) its variation group; written from the model's term table.
struct Monomio {
    int i, j, m, grupo, grupoVariacao;
};
constexpr Monomio Termos[32] = {
    {},
    {0, 0, 0, 1, 0}, {1, 0, 0, 1, 0}, {0, 1, 0, 1, 0}, {0, 0, 1, 1, 1}, {0, 2, 0, 1, 0}, {1, 1, 0, 1, 0},
    {0, 1, 1, 1, 1}, {2, 0, 0, 1, 0}, {1, 0, 1, 2, 2}, {0, 0, 2, 2, 2}, {0, 3, 0, 2, 0}, {1, 2, 0, 2, 0},
    {0, 2, 1, 2, 2}, {2, 1, 0, 3, 0}, {1, 1, 1, 3, 3}, {0, 1, 2, 3, 3}, {3, 0, 0, 3, 0}, {2, 0, 1, 3, 3},
    {1, 0, 2, 4, 4}, {0, 4, 0, 4, 0}, {1, 3, 0, 4, 0}, {0, 3, 1, 4, 4}, {2, 2, 0, 5, 0}, {1, 2, 1, 5, 5},
    {0, 2, 2, 5, 5}, {3, 1, 0, 5, 0}, {2, 1, 1, 6, 6}, {3, 0, 1, 6, 6}, {1, 1, 2, 6, 6}, {4, 0, 0, 7, 0},
    {2, 0, 2, 7, 6},
};

// Same grouping and rounding as the model, but every term and sum in long
// double: agreeing with it to the bit shows the terms, coefficients and
// groups are right (the extra precision vanishes in the float roundings).
float Referencia(double x, double y, const Coeficientes& c, double t, bool variacao)
{
    long double grupos[8] = {};
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        const Monomio& mo = Termos[k];
        const int m = variacao ? mo.m - 1 : mo.m;
        if (m < 0)
            continue;
        const long double fator = variacao ? mo.m : 1;
        grupos[variacao ? mo.grupoVariacao : mo.grupo] += fator * c.c(k) * std::pow((long double)x, mo.i)
                                                         * std::pow((long double)y, mo.j)
                                                         * std::pow((long double)t, m);
    }
    long double total = 0;
    for (int g = 1; g <= 7; ++g)
        total += static_cast<float>(grupos[g]);
    return static_cast<float>(total);
}

// A made-up set with every term present, sizes falling with the degree as
// in a real regional model.
Coeficientes ConjuntoCompleto(double escala)
{
    Coeficientes c;
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        const Monomio& mo = Termos[k];
        c.c(k) = escala * ((k % 2) ? 1 : -1) * (k + 0.123) * std::pow(10.0, -2 * (mo.i + mo.j + mo.m));
    }
    return c;
}

Coeficientes SoUm(int k, double valor)
{
    Coeficientes c;
    c.c(k) = valor;
    return c;
}

bool MesmosBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Ponto {
    const char* nome;
    double latitude, longitude, ano;
};
constexpr Ponto Pontos[] = {
    {"centro do modelo, 1990", -15, -55, 1990},
    {"Brasilia, meio de 2000", -15.79, -47.88, 2000.5},
    {"canto sudoeste, 1995", -35, -75, 1995},
    {"canto nordeste, fim de 2005", 10, -30, 2006},
    {"Sao Paulo, 2001.25", -23.55, -46.63, 2001.25},
    {"Manaus, 1998.7", -3.1, -60.02, 1998.7},
    {"Chui, 2003.123", -33.69, -53.46, 2003.123},
};

TEST(Polinomios, ElementoEVariacaoConferemComReferenciaLongDouble)
{
    const struct {
        const char* nome;
        Coeficientes c;
    } conjuntos[] = {{"angulo", ConjuntoCompleto(-19.7)}, {"intensidade", ConjuntoCompleto(23456.7)}};
    for (const auto& conjunto : conjuntos) {
        for (const Ponto& p : Pontos) {
            SCOPED_TRACE(std::string(conjunto.nome) + ", " + p.nome);
            const double x = p.latitude + 15, y = p.longitude + 55, t = p.ano - 1990;
            // bit-exact: both round the same groups to float; the sums differ only far below float precision
            EXPECT_TRUE(MesmosBits(CalculaElemento(x, y, conjunto.c, t), Referencia(x, y, conjunto.c, t, false)));
            EXPECT_TRUE(MesmosBits(CalculaVariacao(x, y, conjunto.c, t), Referencia(x, y, conjunto.c, t, true)));
        }
    }
}

TEST(Polinomios, CadaCoeficienteMultiplicaSeuMonomio)
{
    // x, y, t are distinct primes so every monomial has its own value; all
    // products are small integers, hence exact.
    const double x = 2, y = 3, t = 5;
    for (int k = 1; k <= Coeficientes::Quantidade; ++k) {
        SCOPED_TRACE("c" + std::to_string(k));
        const Monomio& mo = Termos[k];
        const double monomio = std::pow(x, mo.i) * std::pow(y, mo.j);
        const Coeficientes c = SoUm(k, -1.5);
        EXPECT_EQ(CalculaElemento(x, y, c, t), static_cast<float>(-1.5 * monomio * std::pow(t, mo.m)));  // exact
        const float derivada = mo.m == 0 ? 0.0f : static_cast<float>(-1.5 * mo.m * monomio * std::pow(t, mo.m - 1));
        EXPECT_EQ(CalculaVariacao(x, y, c, t), derivada);  // exact: integers times 1.5
    }
}

TEST(Polinomios, CasosDeUmCoeficiente)
{
    const struct {
        const char* nome;
        int k;
        double ck, x, y, t;
        float elemento, variacao;
    } casos[] = {
        // bit-exact: every value below is exactly representable and so is each product
        {"x=y=t=0 devolve c1 em precisao simples", 1, -19.123456789, 0, 0, 0, static_cast<float>(-19.123456789), 0},
        {"x=y=t=0 variacao devolve c4 em precisao simples", 4, 0.0123456789, 0, 0, 0, 0, static_cast<float>(0.0123456789)},
        {"so c31: c31 x2 t2", 31, 0.5, -3, 8, 2.5, 28.125f, 22.5f},
        {"so c20: c20 y4", 20, -0.25, 7, 2, 11, -4.0f, 0.0f},
        {"so c20 nao depende de x nem t", 20, -0.25, -19, 2, -4, -4.0f, 0.0f},
        {"so c10: variacao 2 c10 t, positiva depois de 1990", 10, 3, 1, 1, 1.5, 6.75f, 9.0f},
        {"so c10: variacao muda de sinal antes de 1990", 10, 3, 1, 1, -1.5, 6.75f, -9.0f},
        {"so c10 em 1990: variacao nula", 10, 3, 1, 1, 0, 0.0f, 0.0f},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const Coeficientes c = SoUm(caso.k, caso.ck);
        EXPECT_EQ(CalculaElemento(caso.x, caso.y, c, caso.t), caso.elemento);
        EXPECT_EQ(CalculaVariacao(caso.x, caso.y, c, caso.t), caso.variacao);
    }
}

TEST(Polinomios, CoeficientesSemTempoNaoInfluemNaVariacao)
{
    // Only the 15 terms without t are non-zero: the variation is exactly 0 everywhere.
    Coeficientes c = ConjuntoCompleto(123.4);
    for (const int k : {4, 7, 9, 10, 13, 15, 16, 18, 19, 22, 24, 25, 27, 28, 29, 31})
        c.c(k) = 0;
    for (const Ponto& p : Pontos) {
        SCOPED_TRACE(p.nome);
        EXPECT_EQ(CalculaVariacao(p.latitude + 15, p.longitude + 55, c, p.ano - 1990), 0.0f);  // exact zero
    }
}

TEST(Polinomios, VariacaoEMeiaDiferencaEntreAnosVizinhos)
{
    // The element is quadratic in t, so the central difference over ±1 year
    // is its exact derivative, up to the float roundings of the three values.
    const Coeficientes c = ConjuntoCompleto(23456.7);
    for (const Ponto& p : Pontos) {
        SCOPED_TRACE(p.nome);
        const double x = p.latitude + 15, y = p.longitude + 55, t = p.ano - 1990;
        const double diferenca =
            (double(CalculaElemento(x, y, c, t + 1)) - double(CalculaElemento(x, y, c, t - 1))) / 2;
        const double folga = 4e-7 * std::abs(CalculaElemento(x, y, c, t)) + 1e-6;  // a few float steps
        EXPECT_NEAR(CalculaVariacao(x, y, c, t), diferenca, folga);
    }
}

TEST(Polinomios, OrdemDasOperacoesApareceNoResultado)
{
    const double u = std::ldexp(1.0, -23);  // float step at 1
    const double p60 = std::ldexp(1.0, 60);  // 1 is lost when added to it in double
    const struct {
        const char* nome;
        float (*avalia)(double, double, const Coeficientes&, double);
        double x, y, t;
        std::initializer_list<std::pair<int, double>> termos;
        float esperado;
        float outraOrdem;  // what the tempting other order would give
    } casos[] = {
        // G1 = 1 + 0.375u rounds to 1, G2 = 0.375u stays; one double sum of
        // all terms, rounded once, would reach 1 + u.
        {"fronteira entre grupos", CalculaElemento, 1, 1, 1, {{1, 1 + 0.375 * u}, {9, 0.375 * u}}, 1.0f,
         static_cast<float>(1 + u)},
        {"fronteira entre grupos da variacao", CalculaVariacao, 1, 1, 1, {{4, 1 + 0.375 * u}, {9, 0.375 * u}}, 1.0f,
         static_cast<float>(1 + u)},
        // G2 + G1 cancel first, then G3 adds 1; adding from the last group down would lose the 1.
        {"grupos somados como G2 + G1 + G3", CalculaElemento, 1, 1, 1, {{1, p60}, {9, -p60}, {14, 1}}, 1.0f, 0.0f},
        {"grupos somados como V2 + V1 + V3", CalculaVariacao, 1, 1, 1, {{4, p60}, {9, -p60}, {15, 1}}, 1.0f, 0.0f},
        // c6 · y · x is (c6 · y) · x; c1 cancels it exactly only in that order.
        {"produto da esquerda para a direita", CalculaElemento, 0.3, 0.7, 0, {{6, 0.1}, {1, -((0.1 * 0.7) * 0.3)}},
         0.0f, static_cast<float>(-((0.1 * 0.7) * 0.3) + 0.1 * (0.7 * 0.3))},
        {"produto de quatro fatores da esquerda para a direita", CalculaElemento, -0.79, 7.12, 0,
         {{23, 0.013}, {1, -((((0.013 * 7.12) * 7.12) * -0.79) * -0.79)}}, 0.0f,
         static_cast<float>(-((((0.013 * 7.12) * 7.12) * -0.79) * -0.79) + 0.013 * (7.12 * 7.12 * -0.79 * -0.79))},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Coeficientes c;
        for (const auto& [k, valor] : caso.termos)
            c.c(k) = valor;
        EXPECT_EQ(caso.avalia(caso.x, caso.y, c, caso.t), caso.esperado);  // exact: hand-derived rounding
        EXPECT_NE(caso.outraOrdem, caso.esperado) << "the case must tell the two orders apart";
    }
}

}  // namespace
}  // namespace ceravel
