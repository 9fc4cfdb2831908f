// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/ajuste/CurvaCompromisso.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ceravel::ajuste {

// Everything the report says about one element.
struct ResultadoElemento {
    Elemento elemento = Elemento::D;
    OpcoesAjuste opcoes;
    Coeficientes coeficientes;
    Residuos validacao;                      // on the held-out grid
    std::vector<PontoCompromisso> compromisso;  // only for an element that misses a goal
};

struct ResumoGrades {
    std::size_t pontosTreino = 0, pontosTreinoBrasil = 0;
    std::size_t pontosValidacao = 0, pontosValidacaoBrasil = 0;
};

// The accuracy report in Markdown: source, method, the table of held-out
// residuals against the goals, the worst points and the measured trade-off.
std::string RelatorioAjuste(const std::vector<ResultadoElemento>& resultados, const ResumoGrades& grades);

}  // namespace ceravel::ajuste
