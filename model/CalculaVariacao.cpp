// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CalculaVariacao.h"

#include "model/PrecisaoSimples.h"

namespace ceravel {

// The exact derivative in t of the element's polynomial, in six groups with
// the same rounding scheme as CalculaElemento: a term in t contributes its
// coefficient times its other variables, a term in t² contributes
// (2 · coefficient) times its other variables times t. Groups are added as
// V2 + V1 + V3 + ... + V6 in double.
float CalculaVariacao(double x, double y, const Coeficientes& c, double t)
{
    const double v1 = c.c(4) + c.c(7) * y;
    const double v2 = c.c(9) * x + 2.0 * c.c(10) * t + c.c(13) * y * y;
    const double v3 = c.c(15) * y * x + 2.0 * c.c(16) * y * t + c.c(18) * x * x;
    const double v4 = 2.0 * c.c(19) * x * t + c.c(22) * y * y * y;
    const double v5 = c.c(24) * y * y * x + 2.0 * c.c(25) * y * y * t;
    const double v6 = c.c(27) * y * x * x + c.c(28) * x * x * x + 2.0 * c.c(29) * y * x * t
                      + 2.0 * c.c(31) * x * x * t;

    const double total = static_cast<double>(ParaSimples(v2)) + static_cast<double>(ParaSimples(v1))
                         + static_cast<double>(ParaSimples(v3)) + static_cast<double>(ParaSimples(v4))
                         + static_cast<double>(ParaSimples(v5)) + static_cast<double>(ParaSimples(v6));
    return ParaSimples(total);
}

}  // namespace ceravel
