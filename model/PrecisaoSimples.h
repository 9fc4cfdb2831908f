// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>
#include <limits>

namespace ceravel {

// Conversion of a double group sum or total to single precision. A value
// beyond the float range would round to FLT_MAX when it lies within half a
// step of it; the model treats any such value as an overflow, so it comes
// back as an infinity of its sign (NaN stays NaN), which the run reports.
inline float ParaSimples(double valor)
{
    constexpr float infinito = std::numeric_limits<float>::infinity();
    if (std::fabs(valor) > static_cast<double>(FLT_MAX))
        return valor < 0 ? -infinito : infinito;
    return static_cast<float>(valor);
}

}  // namespace ceravel
