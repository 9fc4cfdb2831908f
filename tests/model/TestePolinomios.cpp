// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-built roundings that only the model's order of operations gives (each term's place: test_tools'
// TermosPolinomio).
#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace ceravel {
namespace {

TEST(Polinomios, OrdemDasOperacoesApareceNoResultado)
{
    using Avalia = float (*)(double, double, const Coeficientes&, double);
    const double p60 = std::ldexp(1.0, 60);  // 1 is lost when added to it
    struct Caso {
        std::string nome;
        Avalia avalia;
        double x, y;
        std::vector<std::pair<int, double>> termos;
        float esperado;
    };
    std::vector<Caso> casos = {
        // G2 + G1 cancel before G3 adds 1; adding G3 to either of them first loses the 1.
        {"G2 + G1 + G3", CalculaElemento, 1, 1, {{1, p60}, {9, -p60}, {14, 1}}, 1.0f},
        {"V2 + V1 + V3", CalculaVariacao, 1, 1, {{4, p60}, {9, -p60}, {15, 1}}, 1.0f},
        // (c6 · y) · x cancels c1 exactly; c6 · (y · x) would leave a residue.
        {"produto da esquerda para a direita", CalculaElemento, 0.3, 0.7, {{6, 0.1}, {1, -((0.1 * 0.7) * 0.3)}}, 0.0f},
    };
    // Inside each group, x = y = t = 1: 2^60, -2^60 and 1 on three consecutive terms sum to 1 only in the
    // model's order (the long double reference cannot see a swap). A term in t² enters the variation doubled.
    const auto sondagens = [&](const char* nome, Avalia avalia, std::initializer_list<std::vector<int>> grupos,
                               std::vector<int> emTQuadrado) {
        int g = 0;
        for (const std::vector<int>& grupo : grupos) {
            ++g;
            for (std::size_t p = 0; p + 2 < grupo.size(); ++p) {
                Caso caso{nome + std::to_string(g) + ", termo " + std::to_string(grupo[p]), avalia, 1, 1, {}, 1.0f};
                for (const auto& [k, valor] : {std::pair{grupo[p], p60}, {grupo[p + 1], -p60}, {grupo[p + 2], 1.0}}) {
                    const bool dobrado = std::find(emTQuadrado.begin(), emTQuadrado.end(), k) != emTQuadrado.end();
                    caso.termos.emplace_back(k, dobrado ? valor / 2 : valor);
                }
                casos.push_back(std::move(caso));
            }
        }
    };
    sondagens("G", CalculaElemento,
              {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}, {14, 15, 16, 17, 18}, {19, 20, 21, 22},
               {23, 24, 25, 26}, {27, 28, 29}, {30, 31}},
              {});
    sondagens("V", CalculaVariacao, {{4, 7}, {9, 10, 13}, {15, 16, 18}, {19, 22}, {24, 25}, {27, 28, 29, 31}},
              {10, 16, 19, 25, 29, 31});
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Coeficientes c;
        for (const auto& [k, valor] : caso.termos)
            c.c(k) = valor;
        EXPECT_EQ(caso.avalia(caso.x, caso.y, c, 1), caso.esperado);  // exact: hand-derived rounding
    }
}

}  // namespace
}  // namespace ceravel
