// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/ElementosAjustados.h"

namespace ceravel::ajuste {

// Training grid: every degree and every half year over the box and period.
// The held-out grid sits half a step away (PontosValidacao).
inline constexpr double PassoGraus = 1.0;
inline constexpr double PassoAnos = 0.5;

// Width of the margin around Brazil's border that the fit treats as Brazil
// (degrees). Without it, held-out points just inside the border have their
// nearest training points outside it, where the fit is loose.
inline constexpr double MargemBrasilGraus = 0.5;

// The weights and constraints chosen for each element (see the report for
// what they reach, and ConfiguracaoAjuste.cpp for why).
OpcoesAjuste OpcoesEscolhidas(Elemento e);

}  // namespace ceravel::ajuste
