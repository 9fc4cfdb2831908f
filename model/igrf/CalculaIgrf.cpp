#include "tools/igrf/CalculaIgrf.h"

#include "tools/igrf/CampoGeocentrico.h"
#include "tools/igrf/PosicaoGeodetica.h"

namespace ceravel::igrf {

std::optional<ElementosIgrf> CalculaIgrf(const ModeloIgrf& modelo, double latitudeGraus,
                                         double longitudeGraus, double altitudeKm, double ano) {
    const auto coeficientes = CoeficientesEm(modelo, ano);
    if (!coeficientes) {
        return std::nullopt;
    }
    const PosicaoGeocentrica p = DeGeodetica(latitudeGraus, longitudeGraus, altitudeKm);
    const VetorCampo campo = CampoGeocentrico(coeficientes->valor, p.raioKm, p.colatitudeRad, p.longitudeRad);
    const VetorCampo taxa = CampoGeocentrico(coeficientes->taxa, p.raioKm, p.colatitudeRad, p.longitudeRad);
    return Elementos(ParaGeodetico(campo, p), ParaGeodetico(taxa, p));
}

}  // namespace ceravel::igrf
