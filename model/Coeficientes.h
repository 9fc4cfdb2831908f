// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace ceravel {

// One coefficient set of the regional polynomial: c1..c31, indexed from 1.
// Which element it models (D in degrees, I in degrees, F in nT) follows only
// from the file that filled it.
struct Coeficientes {
    static constexpr int Quantidade = 31;

    std::array<double, Quantidade> valores{};  // all zero before loading

    double c(int k) const { return valores[static_cast<std::size_t>(k - 1)]; }
    double& c(int k) { return valores[static_cast<std::size_t>(k - 1)]; }
};

// The model's three sets, one per element.
struct ConjuntosCoeficientes {
    Coeficientes declinacao, inclinacao, intensidade;
};

}  // namespace ceravel
