#include "model/igrf/CalculaIgrf.h"

#include "model/igrf/CampoGeocentrico.h"
#include "model/igrf/PosicaoGeodetica.h"

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

}  // namespace ceravel::igrf
