// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/ModeloIgrf.h"

namespace ceravel::igrf {

// Reference radius of the IGRF spherical-harmonic expansion, km.
inline constexpr double RaioReferenciaKm = 6371.2;

// A field vector in a local frame: X north, Y east, Z down, in nT (or nT/yr
// when the coefficients are a secular variation).
struct VetorCampo {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

// Synthesis of the internal field at geocentric radius `raioKm`, geocentric
// colatitude and east longitude (radians), in the local geocentric frame
// (X along the meridian towards the north, Z towards the centre). Linear in
// the coefficients, so a secular-variation set gives the vector's rate.
VetorCampo CampoGeocentrico(const CoeficientesGauss& c, double raioKm, double colatitudeRad,
                            double longitudeRad);

// The field of `c` and the rate of `taxa` at one point: the Legendre functions
// and longitude terms, most of the cost, are computed once for both. Each
// vector is bit for bit what CampoGeocentrico gives for its set. Without
// `taxa` the rate is left zero and not computed.
struct CampoETaxa {
    VetorCampo campo;
    VetorCampo taxa;
};
CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double raioKm,
                                 double colatitudeRad, double longitudeRad);
// The same along one parallel: the Legendre functions, which depend on the
// colatitude only, computed once for many longitudes (a map's row). Each
// point is bit for bit what CampoGeocentricoETaxa gives.
class CampoNoParalelo {
public:
    CampoNoParalelo(double raioKm, double cosColatitude, double senColatitude);
    CampoETaxa em(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double cosLongitude,
                  double senLongitude) const;

private:
    static constexpr int N = CoeficientesGauss::GrauMaximo;
    double m_razao, m_senT;
    std::array<std::array<double, N + 1>, N + 1> m_p, m_dp;
};

// The same from the cosine and sine of the colatitude and of the longitude.
CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double raioKm,
                                 double cosColatitude, double senColatitude, double cosLongitude,
                                 double senLongitude);

}  // namespace ceravel::igrf
