// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/TermosPolinomio.h"

#include <cmath>

namespace ceravel::ajuste {

std::array<double, Coeficientes::Quantidade> Monomios(double x, double y, double t) {
    std::array<double, Coeficientes::Quantidade> linha{};
    for (std::size_t k = 0; k < linha.size(); ++k) {
        const Expoentes& e = TermosPolinomio[k];
        linha[k] = std::pow(x, e.x) * std::pow(y, e.y) * std::pow(t, e.t);
    }
    return linha;
}

std::array<double, Coeficientes::Quantidade> DerivadasNoTempo(double x, double y, double t) {
    std::array<double, Coeficientes::Quantidade> linha{};
    for (std::size_t k = 0; k < linha.size(); ++k) {
        const Expoentes& e = TermosPolinomio[k];
        linha[k] = e.t == 0 ? 0.0 : e.t * std::pow(x, e.x) * std::pow(y, e.y) * std::pow(t, e.t - 1);
    }
    return linha;
}

}  // namespace ceravel::ajuste
