// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/CampoGeocentrico.h"

namespace ceravel::igrf {

// The magnetic elements of one field vector and their annual rates.
// Angles in degrees (D east of north, I positive downwards), intensities in
// nT; rates in degrees per year and nT per year.
struct ElementosIgrf {
    double D = 0, I = 0, H = 0, F = 0, X = 0, Y = 0, Z = 0;
    double dD = 0, dI = 0, dH = 0, dF = 0, dX = 0, dY = 0, dZ = 0;
};

// Elements of `campo` and, by the chain rule, their rates from the vector's
// rate `taxa` (both in the same frame).
ElementosIgrf Elementos(const VetorCampo& campo, const VetorCampo& taxa);

}  // namespace ceravel::igrf
