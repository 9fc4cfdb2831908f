// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/PosicaoGeodetica.h"

#include <cmath>
#include <numbers>

namespace ceravel::igrf {

PosicaoGeocentrica DeGeodetica(double latitudeGraus, double longitudeGraus, double altitudeKm) {
    constexpr double grau = GrauEmRadianos;
    constexpr double e2 = AchatamentoWgs84 * (2.0 - AchatamentoWgs84);
    const double lat = latitudeGraus * grau;
    const double senLat = std::sin(lat);
    const double cosLat = std::cos(lat);
    // Radius of curvature in the prime vertical, then the point's distance
    // from the axis and from the equatorial plane.
    const double nu = SemiEixoWgs84Km / std::sqrt(1.0 - e2 * senLat * senLat);
    const double rho = (nu + altitudeKm) * cosLat;
    const double z = (nu * (1.0 - e2) + altitudeKm) * senLat;
    const double raio = std::sqrt(rho * rho + z * z);

    PosicaoGeocentrica p;
    p.raioKm = raio;
    // Geocentric latitude ψ: cos ψ = rho/r, sin ψ = z/r (the colatitude's sine
    // and cosine); the deviation is lat - ψ.
    const double cosPsi = rho / raio;
    const double senPsi = z / raio;
    p.cosColatitude = senPsi;
    p.senColatitude = cosPsi;
    p.cosLongitude = std::cos(longitudeGraus * grau);
    p.senLongitude = std::sin(longitudeGraus * grau);
    p.cosDesvio = cosLat * cosPsi + senLat * senPsi;
    p.senDesvio = senLat * cosPsi - cosLat * senPsi;
    return p;
}

VetorCampo ParaGeodetico(const VetorCampo& v, const PosicaoGeocentrica& p) {
    return {v.X * p.cosDesvio + v.Z * p.senDesvio, v.Y, v.Z * p.cosDesvio - v.X * p.senDesvio};
}

}  // namespace ceravel::igrf
