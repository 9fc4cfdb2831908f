// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/AvaliaAjuste.h"

#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"

#include <algorithm>
#include <cmath>

namespace ceravel::ajuste {

Residuos AvaliaAjuste(const std::vector<Amostra>& pontos, Elemento e, const Coeficientes& c) {
    const double fator = Descricao(e).paraRelatorio;
    Residuos r;
    double somaValor = 0;
    double somaTaxa = 0;
    for (const Amostra& a : pontos) {
        const double x = a.ponto.latitude + 15.0;
        const double y = a.ponto.longitude + 55.0;
        const double t = a.ponto.ano - 1990.0;
        const double dv = std::fabs((static_cast<double>(CalculaElemento(x, y, c, t)) - Valor(a.igrf, e)) * fator);
        const double dt = std::fabs((static_cast<double>(CalculaVariacao(x, y, c, t)) - Taxa(a.igrf, e)) * fator);
        ++r.pontosCaixa;
        if (dv >= r.maxCaixa) {
            r.maxCaixa = dv;
            r.piorCaixa = a.ponto;
        }
        r.maxTaxaCaixa = std::max(r.maxTaxaCaixa, dt);
        if (a.noBrasil) {
            ++r.pontosBrasil;
            somaValor += dv * dv;
            somaTaxa += dt * dt;
            if (dv >= r.maxBrasil) {
                r.maxBrasil = dv;
                r.piorBrasil = a.ponto;
            }
            r.maxTaxaBrasil = std::max(r.maxTaxaBrasil, dt);
        }
    }
    if (r.pontosBrasil > 0) {
        r.rmsBrasil = std::sqrt(somaValor / static_cast<double>(r.pontosBrasil));
        r.rmsTaxaBrasil = std::sqrt(somaTaxa / static_cast<double>(r.pontosBrasil));
    }
    return r;
}

bool AtingeMetas(const Residuos& r, Elemento e) {
    const Metas& m = Descricao(e).metas;
    return r.rmsBrasil <= m.rmsBrasil && r.maxBrasil <= m.maxBrasil && r.maxCaixa <= m.maxCaixa &&
           r.rmsTaxaBrasil <= m.rmsTaxaBrasil;
}

}  // namespace ceravel::ajuste
