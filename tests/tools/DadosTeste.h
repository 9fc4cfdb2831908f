// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/model/TabelaIgrfTeste.h"
#include "tools/ajuste/ContornoBrasil.h"

namespace ceravel::teste {

inline const std::string pastaDados = CERAVEL_DADOS_PROJETO;

// The shipped border, read once for the whole run (the IGRF-14 table: Igrf14()).
inline const ajuste::LeituraContorno& BrasilEntregue() {
    static const auto leitura = ajuste::LeContorno(pastaDados + "/brasil-contorno.txt");
    return leitura;
}

}  // namespace ceravel::teste
