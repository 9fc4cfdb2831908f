// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"

namespace ceravel {

// Analytic partial derivative with respect to t of the polynomial that
// CalculaElemento evaluates (same x, y, t): the element's annual variation,
// in its unit per year, single precision.
float CalculaVariacao(double x, double y, const Coeficientes& c, double t);

}  // namespace ceravel
