// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/CalculaIgrf.h"

#include "model/igrf/CampoGeocentrico.h"
#include "model/igrf/PosicaoGeodetica.h"

#include <cmath>

namespace ceravel::igrf {

std::optional<ElementosIgrf> CalculaIgrf(const ModeloIgrf& modelo, double latitudeGraus,
                                         double longitudeGraus, double altitudeKm, double ano) {
    const auto coeficientes = CoeficientesEm(modelo, ano);
    if (!coeficientes) {
        return std::nullopt;
    }
    return CalculaIgrf(*coeficientes, latitudeGraus, longitudeGraus, altitudeKm);
}

ElementosIgrf CalculaIgrf(const CoeficientesNoAno& coeficientes, double latitudeGraus, double longitudeGraus,
                          double altitudeKm, bool comTaxas) {
    const PosicaoGeocentrica p = DeGeodetica(latitudeGraus, longitudeGraus, altitudeKm);
    const CampoETaxa v = CampoGeocentricoETaxa(coeficientes.valor, comTaxas ? &coeficientes.taxa : nullptr, p.raioKm,
                                               p.cosColatitude, p.senColatitude, p.cosLongitude, p.senLongitude);
    return Elementos(ParaGeodetico(v.campo, p), ParaGeodetico(v.taxa, p));
}

void CalculaIgrfParalelo(const CoeficientesNoAno& coeficientes, double latitudeGraus,
                         std::span<const double> longitudesGraus, double altitudeKm, bool comTaxas,
                         std::span<ElementosIgrf> saida) {
    if (longitudesGraus.empty()) {
        return;
    }
    PosicaoGeocentrica p = DeGeodetica(latitudeGraus, longitudesGraus[0], altitudeKm);
    const CampoNoParalelo paralelo(p.raioKm, p.cosColatitude, p.senColatitude);
    for (std::size_t k = 0; k < longitudesGraus.size() && k < saida.size(); ++k) {
        // What DeGeodetica gives for this longitude; the rest is the latitude's.
        p.cosLongitude = std::cos(longitudesGraus[k] * GrauEmRadianos);
        p.senLongitude = std::sin(longitudesGraus[k] * GrauEmRadianos);
        const CampoETaxa v = paralelo.em(coeficientes.valor, comTaxas ? &coeficientes.taxa : nullptr, p.cosLongitude,
                                         p.senLongitude);
        saida[k] = Elementos(ParaGeodetico(v.campo, p), ParaGeodetico(v.taxa, p));
    }
}

}  // namespace ceravel::igrf
