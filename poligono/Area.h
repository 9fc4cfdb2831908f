// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/Poligonal.h"

#include <vector>

namespace ceravel {

// Area of the polygon through `pontos` (closed back to the first; the first is
// not repeated), by the shoelace formula about the first point, m², positive
// whatever the direction.
double AreaPlana(const std::vector<PontoEN>& pontos);
// Sum of the sides, the closing one included, m.
double PerimetroPlano(const std::vector<PontoEN>& pontos);

struct AreaGeodesica {
    double area = 0;       // m², positive whatever the direction
    double perimetro = 0;  // m
};
// The polygon whose sides are geodesics on the GRS80 ellipsoid of SIRGAS 2000
// (the first point not repeated), by PROJ's geod_polygonarea.
AreaGeodesica AreaElipsoidal(const std::vector<PontoGeografico>& pontos);

}  // namespace ceravel
