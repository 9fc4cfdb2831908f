// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/EscreveCoeficientes.h"

#include <charconv>
#include <fstream>

namespace ceravel::ajuste {

std::string TextoCoeficientes(const Coeficientes& c) {
    std::string texto;
    for (const double v : c.valores) {
        char numero[32];
        const auto fim = std::to_chars(numero, numero + sizeof numero, v).ptr;
        texto.append(numero, fim).append("\n");
    }
    return texto;
}

std::string EscreveCoeficientes(const std::string& caminho, const Coeficientes& c) {
    std::ofstream arquivo(caminho, std::ios::binary | std::ios::trunc);
    const std::string texto = TextoCoeficientes(c);
    arquivo.write(texto.data(), static_cast<std::streamsize>(texto.size()));
    arquivo.close();
    if (!arquivo) {
        return "Não foi possível gravar o arquivo " + caminho + ".";
    }
    return {};
}

}  // namespace ceravel::ajuste
