// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/TextosResultado.h"

namespace ceravel {

struct CentroBussola {
    double x, y;  // twips
};
inline constexpr CentroBussola CentroBussolaMain{5400, 1800};
inline constexpr CentroBussola CentroBussolaRelatorio{2925, 5010};
inline constexpr double ComprimentoAgulha = 1200;

// Needle for declination D (degrees, east positive): D = 0 points up,
// east turns it to the right.
GeometriaAgulha CalculaAgulha(float D, CentroBussola centro);

}  // namespace ceravel
