// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"

#include <array>

namespace ceravel::ajuste {

// Powers of x, y and t in one term of the regional polynomial.
struct Expoentes {
    int x = 0;
    int y = 0;
    int t = 0;
};

// The 31 terms in the order of the coefficient files: term k (from 1) is
// TermosPolinomio[k - 1]. The full quartic in x, y, t without t³, x·t³,
// y·t³ and t⁴.
inline constexpr std::array<Expoentes, Coeficientes::Quantidade> TermosPolinomio{{
    {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 2, 0}, {1, 1, 0}, {0, 1, 1}, {2, 0, 0},
    {1, 0, 1}, {0, 0, 2}, {0, 3, 0}, {1, 2, 0}, {0, 2, 1}, {2, 1, 0}, {1, 1, 1}, {0, 1, 2},
    {3, 0, 0}, {2, 0, 1}, {1, 0, 2}, {0, 4, 0}, {1, 3, 0}, {0, 3, 1}, {2, 2, 0}, {1, 2, 1},
    {0, 2, 2}, {3, 1, 0}, {2, 1, 1}, {3, 0, 1}, {1, 1, 2}, {4, 0, 0}, {2, 0, 2},
}};

// The 31 monomials at (x, y, t): one row of the design matrix for values.
std::array<double, Coeficientes::Quantidade> Monomios(double x, double y, double t);

// Their derivatives with respect to t: one row for annual rates.
std::array<double, Coeficientes::Quantidade> DerivadasNoTempo(double x, double y, double t);

}  // namespace ceravel::ajuste
