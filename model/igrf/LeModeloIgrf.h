// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/ModeloIgrf.h"

#include <optional>
#include <string>

namespace ceravel::igrf {

// Outcome of reading a coefficient table: the model, or a Portuguese message
// naming the file, the line and what is wrong. Never both.
struct LeituraModelo {
    std::optional<ModeloIgrf> modelo;
    std::string erro;
    std::size_t coeficientes = 0;  // g and h rows read, each (g|h, n, m) at most once
};

// The IAGA table layout (igrf14coeffs.txt): '#' comments, a "c/s deg ord"
// line, a "g/h n m <epochs> <SV interval>" header and one "g|h n m values"
// row per coefficient. The last column is the secular variation that carries
// the last epoch forward (nT/yr).
LeituraModelo LeTabelaIgrf(const std::string& caminho);

// The ".shc" layout: '#' comments, a line "nmin nmax ntimes order step start
// end", a line of epochs, then rows "n m values"; for m > 0 the first row of a
// pair is g and the second h (or h is written with a negative m). It carries
// no final secular variation.
LeituraModelo LeArquivoShc(const std::string& caminho);

}  // namespace ceravel::igrf
