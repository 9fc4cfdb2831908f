// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CalculaElemento.h"

#include "model/PrecisaoSimples.h"

namespace ceravel {

// Seven groups, terms added in increasing k, each product left to right with
// the coefficient first; the group sums are rounded to single precision and
// added as G2 + G1 + G3 + ... + G7 in double. Every grouping and every order
// here shows in the last bits of the result, so none of it may be rearranged.
float CalculaElemento(double x, double y, const Coeficientes& c, double t)
{
    const double g1 = c.c(1) + c.c(2) * x + c.c(3) * y + c.c(4) * t + c.c(5) * y * y + c.c(6) * y * x
                      + c.c(7) * y * t + c.c(8) * x * x;
    const double g2 = c.c(9) * x * t + c.c(10) * t * t + c.c(11) * y * y * y + c.c(12) * y * y * x
                      + c.c(13) * y * y * t;
    const double g3 = c.c(14) * y * x * x + c.c(15) * y * x * t + c.c(16) * y * t * t + c.c(17) * x * x * x
                      + c.c(18) * x * x * t;
    const double g4 = c.c(19) * x * t * t + c.c(20) * y * y * y * y + c.c(21) * y * y * y * x
                      + c.c(22) * y * y * y * t;
    const double g5 = c.c(23) * y * y * x * x + c.c(24) * y * y * x * t + c.c(25) * y * y * t * t
                      + c.c(26) * y * x * x * x;
    const double g6 = c.c(27) * y * x * x * t + c.c(28) * x * x * x * t + c.c(29) * y * x * t * t;
    const double g7 = c.c(30) * x * x * x * x + c.c(31) * x * x * t * t;

    const double total = static_cast<double>(ParaSimples(g2)) + static_cast<double>(ParaSimples(g1))
                         + static_cast<double>(ParaSimples(g3)) + static_cast<double>(ParaSimples(g4))
                         + static_cast<double>(ParaSimples(g5)) + static_cast<double>(ParaSimples(g6))
                         + static_cast<double>(ParaSimples(g7));
    return ParaSimples(total);
}

}  // namespace ceravel
