// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ajuste/ContornoBrasil.h"
#include "model/igrf/LeModeloIgrf.h"

#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace ceravel::teste {

inline const std::string pastaDados = CERAVEL_DADOS_PROJETO;

// The shipped IGRF-14 table and border, read once for the whole run.
inline const igrf::LeituraModelo& Igrf14() {
    static const auto leitura = igrf::LeTabelaIgrf(pastaDados + "/igrf14coeffs.txt");
    return leitura;
}

inline const ajuste::LeituraContorno& BrasilEntregue() {
    static const auto leitura = ajuste::LeContorno(pastaDados + "/brasil-contorno.txt");
    return leitura;
}

// Writes `conteudo` byte for byte into a file in `pasta`; returns its path.
inline std::string Grava(const QTemporaryDir& pasta, const std::string& conteudo) {
    const std::string caminho = pasta.filePath("arquivo.txt").toStdString();
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
    return caminho;
}

}  // namespace ceravel::teste
