// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/LeModeloIgrf.h"
#include "model/igrf/PalavrasTexto.h"

#include <set>
#include <utility>

namespace ceravel::igrf {

LeituraModelo LeArquivoShc(const std::string& caminho) {
    const auto linhas = LinhasArquivo(caminho);
    if (!linhas) {
        return {std::nullopt, "Não foi possível ler o arquivo " + caminho + "."};
    }
    ModeloIgrf modelo;
    std::size_t quantasEpocas = 0;
    std::set<std::pair<int, int>> vistosG;  // a second row for (n, m) is h
    int linhasLidas = 0;
    for (std::size_t i = 0; i < linhas->size(); ++i) {
        const auto palavras = Palavras((*linhas)[i]);
        if (palavras.empty() || palavras[0].starts_with('#')) {
            continue;
        }
        std::vector<double> numeros;
        for (const auto p : palavras) {
            const auto v = Numero(p);
            if (!v) {
                return {std::nullopt, FalhaLinha(caminho, i + 1, "valor não numérico")};
            }
            numeros.push_back(*v);
        }
        if (quantasEpocas == 0) {
            // nmin nmax ntimes spline-order step start end
            if (numeros.size() < 3 || numeros[2] < 1 || numeros[2] != static_cast<int>(numeros[2])) {
                return {std::nullopt, FalhaLinha(caminho, i + 1, "cabeçalho malformado")};
            }
            quantasEpocas = static_cast<std::size_t>(numeros[2]);
            continue;
        }
        if (modelo.epocas.empty()) {
            if (numeros.size() != quantasEpocas) {
                return {std::nullopt, FalhaLinha(caminho, i + 1, "número de épocas diferente do cabeçalho")};
            }
            for (std::size_t k = 0; k < numeros.size(); ++k) {
                if (k > 0 && numeros[k] <= numeros[k - 1]) {
                    return {std::nullopt, FalhaLinha(caminho, i + 1, "épocas fora de ordem")};
                }
            }
            modelo.epocas = numeros;
            modelo.instantaneos.resize(quantasEpocas);
            continue;
        }
        if (numeros.size() != 2 + quantasEpocas) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "linha de coeficiente malformada")};
        }
        const double n = numeros[0];
        const double mComSinal = numeros[1];
        const double m = mComSinal < 0 ? -mComSinal : mComSinal;
        if (n < 1 || n > CoeficientesGauss::GrauMaximo || m > n || n != static_cast<int>(n) ||
            m != static_cast<int>(m)) {
            return {std::nullopt, FalhaLinha(caminho, i + 1, "grau ou ordem inválidos")};
        }
        const int ni = static_cast<int>(n);
        const int mi = static_cast<int>(m);
        const bool ehH = mComSinal < 0 || (mi > 0 && !vistosG.insert({ni, mi}).second);
        for (std::size_t k = 0; k < quantasEpocas; ++k) {
            (ehH ? modelo.instantaneos[k].h : modelo.instantaneos[k].g)[static_cast<std::size_t>(ni)]
                                                                       [static_cast<std::size_t>(mi)] =
                numeros[2 + k];
        }
        ++linhasLidas;
    }
    if (modelo.epocas.empty() || linhasLidas == 0) {
        return {std::nullopt, "Arquivo " + caminho + ": nenhum coeficiente encontrado."};
    }
    return {std::move(modelo), {}};
}

}  // namespace ceravel::igrf
