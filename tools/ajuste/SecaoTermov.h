// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ajuste/RelatorioAjuste.h"

#include <optional>
#include <string>
#include <vector>

namespace ceravel::ajuste {

// Title line of the model's section in the help text; the section runs from
// this line to the end of the file.
inline constexpr const char* TituloSecaoModelo = "9. ORIGEM E PRECISÃO DO MODELO REGIONAL";

// The section in Portuguese (UTF-8 lines without line ends): where the
// coefficients come from, the region and period, and the accuracy table.
std::vector<std::string> SecaoModelo(const std::vector<ResultadoElemento>& resultados);

// The help text's bytes (Windows-1252, CR LF) with the model section
// replaced, or appended after a blank line when absent. The rest of the text
// is kept byte for byte. Empty if a line holds a character beyond ASCII and
// the range U+00A0 to U+00FF that Windows-1252 shares with Latin-1.
std::optional<std::string> AtualizaTermov(const std::string& termov, const std::vector<std::string>& secao);

}  // namespace ceravel::ajuste
