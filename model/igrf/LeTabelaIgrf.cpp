// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/LeModeloIgrf.h"
#include "model/igrf/PalavrasTexto.h"

#include <array>

namespace ceravel::igrf {

LeituraModelo LeTabelaIgrf(const std::string& caminho) {
    const auto linhas = LinhasArquivo(caminho);
    if (!linhas) {
        return {std::nullopt, "Não foi possível ler o arquivo " + caminho + "."};
    }
    ModeloIgrf modelo;
    CoeficientesGauss variacao;
    bool temCabecalho = false;
    // A row given twice would silently replace the first.
    std::array<std::array<bool, CoeficientesGauss::GrauMaximo + 1>, CoeficientesGauss::GrauMaximo + 1> vistosG{},
        vistosH{};
    int linhasLidas = 0;
    for (std::size_t i = 0; i < linhas->size(); ++i) {
        const auto palavras = Palavras((*linhas)[i]);
        if (palavras.empty() || palavras[0].starts_with('#') || palavras[0] == "c/s") {
            continue;
        }
        if (palavras[0] == "g/h") {
            // "g/h n m" then one column per epoch, then the variation interval.
            for (std::size_t k = 3; k + 1 < palavras.size(); ++k) {
                const auto epoca = Numero(palavras[k]);
                if (!epoca || (!modelo.epocas.empty() && *epoca <= modelo.epocas.back())) {
                    return {std::nullopt, FalhaLinha(caminho, i + 1, "época inválida no cabeçalho")};
                }
                modelo.epocas.push_back(*epoca);
            }
            if (modelo.epocas.empty()) {
                return {std::nullopt, FalhaLinha(caminho, i + 1, "cabeçalho sem épocas")};
            }
            modelo.instantaneos.resize(modelo.epocas.size());
            temCabecalho = true;
            continue;
        }
        if (!temCabecalho) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "coeficiente antes do cabeçalho g/h")};
        }
        const std::size_t colunas = modelo.epocas.size() + 1;
        if ((palavras[0] != "g" && palavras[0] != "h") || palavras.size() != 3 + colunas) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "linha de coeficiente malformada")};
        }
        const auto n = Numero(palavras[1]);
        const auto m = Numero(palavras[2]);
        const bool ehH = palavras[0] == "h";
        if (!n || !m || *n < 1 || *n > CoeficientesGauss::GrauMaximo || *m < (ehH ? 1 : 0) ||
            *m > *n || *n != static_cast<int>(*n) || *m != static_cast<int>(*m)) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "grau ou ordem inválidos")};
        }
        const auto ni = static_cast<std::size_t>(*n);
        const auto mi = static_cast<std::size_t>(*m);
        bool& visto = (ehH ? vistosH : vistosG)[ni][mi];
        if (visto) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "coeficiente repetido")};
        }
        visto = true;
        for (std::size_t k = 0; k < colunas; ++k) {
            const auto valor = Numero(palavras[3 + k]);
            if (!valor) {
                return {std::nullopt, FalhaLinha(caminho, i + 1, "valor não numérico")};
            }
            CoeficientesGauss& destino = k < modelo.epocas.size() ? modelo.instantaneos[k] : variacao;
            (ehH ? destino.h : destino.g)[ni][mi] = *valor;
        }
        ++linhasLidas;
    }
    if (!temCabecalho || linhasLidas == 0) {
        return {std::nullopt, "Arquivo " + caminho + ": nenhum coeficiente encontrado."};
    }
    modelo.variacaoFinal = variacao;
    return {std::move(modelo), {}, static_cast<std::size_t>(linhasLidas)};
}

}  // namespace ceravel::igrf
