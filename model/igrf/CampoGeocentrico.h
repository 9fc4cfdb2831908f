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
// The same from the cosine and sine of the colatitude and of the longitude.
CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double raioKm,
                                 double cosColatitude, double senColatitude, double cosLongitude,
                                 double senLongitude);

}  // namespace ceravel::igrf
