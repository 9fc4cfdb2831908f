// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "tools/ajuste/AmostrasIgrf.h"
#include "tools/ajuste/ElementosAjustados.h"

#include <vector>

namespace ceravel::ajuste {

// How the fit weighs its observations. Each observation is a value or an
// annual rate of IGRF at a training point, measured in units of its goal
// (the Brazil RMS goal of the value or of the rate), so that one unit of
// misfit means the same everywhere.
struct OpcoesAjuste {
    double pesoForaDoBrasil = 0.1;  // weight of points beyond Brazil's margin (Brazil: 1)
    double pesoTaxas = 1.0;         // weight of the rate observations
    // Worst-case goals as constraints: after the plain solve, every value
    // observation beyond a margin times its worst-case goal (Brazil's in
    // Brazil and its margin, the box's elsewhere) is pulled back by a quadratic penalty on
    // its excess, with the penalty weights in turn (none switches this off).
    double margemBrasil = 0.95;
    double margemCaixa = 0.95;
    std::vector<double> penalidades{};
    int passosPorPenalidade = 8;  // active-set updates for each penalty weight
};

// Weighted least squares for the 31 coefficients of one element, solved by
// column-pivoting Householder QR on the column-scaled design matrix.
Coeficientes AjustaElemento(const std::vector<Amostra>& treino, Elemento e, const OpcoesAjuste& opcoes);

}  // namespace ceravel::ajuste
