// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/CurvaCompromisso.h"

#include <limits>

namespace ceravel::ajuste {

std::vector<PontoCompromisso> CurvaCompromisso(const std::vector<Amostra>& treino,
                                               const std::vector<Amostra>& validacao, Elemento e,
                                               const OpcoesAjuste& base, const std::vector<double>& margensCaixa) {
    std::vector<PontoCompromisso> curva;
    for (const double margem : margensCaixa) {
        OpcoesAjuste o = base;
        o.margemCaixa = margem > 0 ? margem : std::numeric_limits<double>::infinity();
        curva.push_back({margem, AvaliaAjuste(validacao, e, AjustaElemento(treino, e, o))});
    }
    return curva;
}

}  // namespace ceravel::ajuste
