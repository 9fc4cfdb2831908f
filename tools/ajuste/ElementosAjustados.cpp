// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/ElementosAjustados.h"

#include "model/LeCoeficientes.h"

namespace ceravel::ajuste {

const DescricaoElemento& Descricao(Elemento e) {
    static const DescricaoElemento descricoes[] = {
        {ArquivoDeclinacao, "D", 60.0, "'", {1.0, 3.0, 30.0, 0.3}},
        {ArquivoInclinacao, "I", 60.0, "'", {5.0, 12.0, 120.0, 0.7}},
        {ArquivoIntensidade, "F", 1.0, "nT", {10.0, 25.0, 200.0, 2.0}},
    };
    return descricoes[static_cast<int>(e)];
}

double Valor(const igrf::ElementosIgrf& campo, Elemento e) {
    switch (e) {
    case Elemento::D: return campo.D;
    case Elemento::I: return campo.I;
    case Elemento::F: return campo.F;
    }
    return 0;
}

double Taxa(const igrf::ElementosIgrf& campo, Elemento e) {
    switch (e) {
    case Elemento::D: return campo.dD;
    case Elemento::I: return campo.dI;
    case Elemento::F: return campo.dF;
    }
    return 0;
}

}  // namespace ceravel::ajuste
