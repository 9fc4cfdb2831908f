// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ceravel::igrf {

// The blank-separated words of one line (blanks: space, tab, CR).
std::vector<std::string_view> Palavras(std::string_view linha);

// The whole word as a number with the full stop as decimal point, whatever the
// locale; empty if anything is left over ("2025-30" is not a number) or if it
// is not finite ("inf", "nan").
std::optional<double> Numero(std::string_view palavra);

// Every line of a text file; empty when the file cannot be opened.
std::optional<std::vector<std::string>> LinhasArquivo(const std::string& caminho);

// Message for a line of a coefficient table that cannot be read.
inline std::string FalhaLinha(const std::string& caminho, std::size_t linha, const std::string& motivo)
{
    return "Arquivo " + caminho + ", linha " + std::to_string(linha) + ": " + motivo + ".";
}

}  // namespace ceravel::igrf
