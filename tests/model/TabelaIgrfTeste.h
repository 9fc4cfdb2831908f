// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Igrf14.h"

#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace ceravel::teste {

// The shipped IGRF-14 table, through the program's own loader.
struct TabelaIgrf {
    const igrf::ModeloIgrf* modelo = nullptr;
    std::string erro;
};

inline const TabelaIgrf& Igrf14() {
    static const TabelaIgrf tabela = [] {
        const LeituraIgrf14 l = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
        return TabelaIgrf{l.modelo, l.erro.toStdString()};
    }();
    return tabela;
}

// Writes `conteudo` byte for byte into `nome` in `pasta`; returns its path.
inline std::string Grava(const QTemporaryDir& pasta, const std::string& conteudo, const char* nome = "arquivo.txt") {
    const std::string caminho = pasta.filePath(QString::fromLatin1(nome)).toStdString();
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
    return caminho;
}

}  // namespace ceravel::teste
