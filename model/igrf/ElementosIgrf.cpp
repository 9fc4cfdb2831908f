// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/ElementosIgrf.h"

#include <cmath>
#include <numbers>

namespace ceravel::igrf {

ElementosIgrf Elementos(const VetorCampo& campo, const VetorCampo& taxa) {
    constexpr double grausPorRad = 180.0 / std::numbers::pi;
    ElementosIgrf e;
    e.X = campo.X;
    e.Y = campo.Y;
    e.Z = campo.Z;
    e.dX = taxa.X;
    e.dY = taxa.Y;
    e.dZ = taxa.Z;
    const double h2 = campo.X * campo.X + campo.Y * campo.Y;
    e.H = std::sqrt(h2);
    const double f2 = h2 + campo.Z * campo.Z;
    e.F = std::sqrt(f2);
    e.D = std::atan2(campo.Y, campo.X) * grausPorRad;
    e.I = std::atan2(campo.Z, e.H) * grausPorRad;

    e.dH = (campo.X * taxa.X + campo.Y * taxa.Y) / e.H;
    e.dF = (campo.X * taxa.X + campo.Y * taxa.Y + campo.Z * taxa.Z) / e.F;
    e.dD = (campo.X * taxa.Y - campo.Y * taxa.X) / h2 * grausPorRad;
    e.dI = (e.H * taxa.Z - campo.Z * e.dH) / f2 * grausPorRad;
    return e;
}

}  // namespace ceravel::igrf
