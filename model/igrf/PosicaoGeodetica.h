// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/CampoGeocentrico.h"

#include <numbers>

namespace ceravel::igrf {

// Degrees to radians, as the conversion uses it.
inline constexpr double GrauEmRadianos = std::numbers::pi / 180.0;

// WGS84 ellipsoid: semi-major axis (km) and flattening.
inline constexpr double SemiEixoWgs84Km = 6378.137;
inline constexpr double AchatamentoWgs84 = 1.0 / 298.257223563;

// A geodetic position in the terms the spherical-harmonic synthesis needs:
// geocentric radius, the cosine and sine of the geocentric colatitude and of
// the longitude, and the angle between the geodetic and geocentric verticals
// (geodetic minus geocentric latitude).
struct PosicaoGeocentrica {
    double raioKm = 0;
    double cosColatitude = 1, senColatitude = 0;
    double cosLongitude = 1, senLongitude = 0;
    double cosDesvio = 1;
    double senDesvio = 0;
};

// Geodetic latitude and longitude (degrees, north and east positive) and
// height above the WGS84 ellipsoid (km) to geocentric coordinates.
PosicaoGeocentrica DeGeodetica(double latitudeGraus, double longitudeGraus, double altitudeKm);

// Rotates a vector from the local geocentric frame to the local geodetic one
// (X towards geodetic north, Z along the ellipsoid normal, down).
VetorCampo ParaGeodetico(const VetorCampo& v, const PosicaoGeocentrica& p);

}  // namespace ceravel::igrf
