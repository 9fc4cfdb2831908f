// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ajuste/ContornoBrasil.h"
#include "tools/ajuste/PontosAmostra.h"
#include "model/igrf/ElementosIgrf.h"
#include "model/igrf/ModeloIgrf.h"

#include <optional>
#include <vector>

namespace ceravel::ajuste {

// IGRF at one grid point at sea level (height 0 on WGS84).
struct Amostra {
    PontoAmostra ponto;
    bool noBrasil = false;     // inside the border
    bool pertoDoBrasil = false;  // inside, or within the margin around it
    igrf::ElementosIgrf igrf;
};

// IGRF at every point, with its place against the border and a margin of
// `margemGraus` around it; empty if the model does not cover one of the dates.
std::optional<std::vector<Amostra>> AmostraIgrf(const igrf::ModeloIgrf& modelo, const Contorno& brasil,
                                                const std::vector<PontoAmostra>& pontos, double margemGraus);

}  // namespace ceravel::ajuste
