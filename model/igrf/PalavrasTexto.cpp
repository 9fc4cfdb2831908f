// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/PalavrasTexto.h"

#include <charconv>
#include <cmath>
#include <fstream>

namespace ceravel::igrf {

std::vector<std::string_view> Palavras(std::string_view linha) {
    constexpr std::string_view brancos = " \t\r";
    std::vector<std::string_view> palavras;
    std::size_t inicio = linha.find_first_not_of(brancos);
    while (inicio != std::string_view::npos) {
        const std::size_t fim = linha.find_first_of(brancos, inicio);
        palavras.push_back(linha.substr(inicio, fim - inicio));
        inicio = fim == std::string_view::npos ? fim : linha.find_first_not_of(brancos, fim);
    }
    return palavras;
}

std::optional<double> Numero(std::string_view palavra) {
    // from_chars rejects a leading '+'; the tables never write one, but accept it.
    if (!palavra.empty() && palavra.front() == '+') {
        palavra.remove_prefix(1);
    }
    double valor = 0;
    const char* fim = palavra.data() + palavra.size();
    const auto [resto, erro] = std::from_chars(palavra.data(), fim, valor);
    // from_chars also reads "inf" and "nan", which no table holds: a NaN degree
    // would pass every range check and be cast to an index.
    if (erro != std::errc() || resto != fim || palavra.empty() || !std::isfinite(valor)) {
        return std::nullopt;
    }
    return valor;
}

std::optional<std::vector<std::string>> LinhasArquivo(const std::string& caminho) {
    std::ifstream arquivo(caminho);
    if (!arquivo) {
        return std::nullopt;
    }
    std::vector<std::string> linhas;
    for (std::string linha; std::getline(arquivo, linha);) {
        linhas.push_back(std::move(linha));
    }
    if (arquivo.bad()) {
        return std::nullopt;
    }
    return linhas;
}

}  // namespace ceravel::igrf
