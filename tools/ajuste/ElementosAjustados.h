// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/igrf/ElementosIgrf.h"

#include <array>

namespace ceravel::ajuste {

// The three elements the regional model carries, one coefficient file each.
enum class Elemento { D, I, F };
inline constexpr std::array<Elemento, 3> TodosElementos{Elemento::D, Elemento::I, Elemento::F};

// Accuracy goals in the report's units (minutes of arc for D and I, nT for
// F; the same per year for the rates): RMS and worst case over Brazil, worst
// case over the whole box; for the rates the RMS over Brazil.
struct Metas {
    double rmsBrasil;
    double maxBrasil;
    double maxCaixa;
    double rmsTaxaBrasil;
};

struct DescricaoElemento {
    const char* arquivo;   // coefficient file name
    const char* simbolo;   // "D", "I", "F"
    double paraRelatorio;  // model unit (degrees, nT) to report unit (', nT)
    const char* unidade;   // report unit
    Metas metas;
};

const DescricaoElemento& Descricao(Elemento e);

// The element's value in the model's unit (degrees or nT) and its annual rate.
double Valor(const igrf::ElementosIgrf& campo, Elemento e);
double Taxa(const igrf::ElementosIgrf& campo, Elemento e);

}  // namespace ceravel::ajuste
