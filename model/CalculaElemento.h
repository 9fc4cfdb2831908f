// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"

namespace ceravel {

// The quartic of the regional model at x = latitude + 15 (degrees),
// y = longitude + 55 (degrees), t = decimal year - 1990 (years).
// Returns the element in the unit of the set (degrees or nT), in single
// precision; a group sum beyond the float range comes back as inf or NaN,
// which the model run reports as a failure.
float CalculaElemento(double x, double y, const Coeficientes& c, double t);

}  // namespace ceravel
