// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AvaliaAjuste.h"

#include <vector>

namespace ceravel::ajuste {

// One fit of the trade-off between the box's worst case and Brazil: the box
// constraint's margin (times the box goal; 0 for no box constraint) and what
// the held-out points show.
struct PontoCompromisso {
    double margemCaixa = 0;
    Residuos residuos;
};

// Refits the element with each box margin in turn, all else as in `base`.
std::vector<PontoCompromisso> CurvaCompromisso(const std::vector<Amostra>& treino,
                                               const std::vector<Amostra>& validacao, Elemento e,
                                               const OpcoesAjuste& base, const std::vector<double>& margensCaixa);

}  // namespace ceravel::ajuste
