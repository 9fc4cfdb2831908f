// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/ElementosIgrf.h"
#include "model/igrf/ModeloIgrf.h"

#include <optional>
#include <span>

namespace ceravel::igrf {

// The model's field at a geodetic position (degrees; height above the WGS84
// ellipsoid in km) and decimal year, in the local geodetic frame, with the
// rates of the model's own time dependence (linear between epochs). Empty
// outside the model's period.
std::optional<ElementosIgrf> CalculaIgrf(const ModeloIgrf& modelo, double latitudeGraus,
                                         double longitudeGraus, double altitudeKm, double ano);

// The same from coefficients already interpolated to the year, which many
// points of one date share. Without `comTaxas` the rates are left zero and
// cost nothing.
ElementosIgrf CalculaIgrf(const CoeficientesNoAno& coeficientes, double latitudeGraus, double longitudeGraus,
                          double altitudeKm, bool comTaxas = true);

// The same at every longitude of one latitude, into `saida` (as many as
// `longitudes`), each bit for bit the point's own: a map's row shares the
// conversion of the latitude and the Legendre functions.
void CalculaIgrfParalelo(const CoeficientesNoAno& coeficientes, double latitudeGraus,
                         std::span<const double> longitudesGraus, double altitudeKm, bool comTaxas,
                         std::span<ElementosIgrf> saida);

}  // namespace ceravel::igrf
