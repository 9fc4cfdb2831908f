// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "tools/ajuste/AmostrasIgrf.h"
#include "tools/ajuste/ElementosAjustados.h"

#include <cstddef>
#include <vector>

namespace ceravel::ajuste {

// Polynomial minus IGRF over a set of points, in the report's units.
struct Residuos {
    double rmsBrasil = 0, maxBrasil = 0, maxCaixa = 0;
    double rmsTaxaBrasil = 0, maxTaxaBrasil = 0, maxTaxaCaixa = 0;
    PontoAmostra piorBrasil, piorCaixa;  // where the value residual is worst
    std::size_t pontosBrasil = 0, pontosCaixa = 0;
};

// Evaluates the coefficients through the program's own CalculaElemento and
// CalculaVariacao (single-precision groups and all) at every point. The box
// statistics include the points in Brazil.
Residuos AvaliaAjuste(const std::vector<Amostra>& pontos, Elemento e, const Coeficientes& c);

// Whether every goal of the element is met.
bool AtingeMetas(const Residuos& r, Elemento e);

}  // namespace ceravel::ajuste
