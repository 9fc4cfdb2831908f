// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/ModeloIgrf.h"

#include <algorithm>

namespace ceravel::igrf {

namespace {

// a + (b - a) * f and (b - a) / passo for every coefficient.
CoeficientesNoAno Interpola(const CoeficientesGauss& a, const CoeficientesGauss& b, double f,
                            double passo) {
    CoeficientesNoAno r;
    for (int n = 0; n <= CoeficientesGauss::GrauMaximo; ++n) {
        for (int m = 0; m <= n; ++m) {
            r.taxa.g[n][m] = (b.g[n][m] - a.g[n][m]) / passo;
            r.taxa.h[n][m] = (b.h[n][m] - a.h[n][m]) / passo;
            r.valor.g[n][m] = a.g[n][m] + (b.g[n][m] - a.g[n][m]) * f;
            r.valor.h[n][m] = a.h[n][m] + (b.h[n][m] - a.h[n][m]) * f;
        }
    }
    return r;
}

CoeficientesNoAno Extrapola(const CoeficientesGauss& a, const CoeficientesGauss& taxa, double anos) {
    CoeficientesNoAno r;
    r.taxa = taxa;
    for (int n = 0; n <= CoeficientesGauss::GrauMaximo; ++n) {
        for (int m = 0; m <= n; ++m) {
            r.valor.g[n][m] = a.g[n][m] + taxa.g[n][m] * anos;
            r.valor.h[n][m] = a.h[n][m] + taxa.h[n][m] * anos;
        }
    }
    return r;
}

}  // namespace

std::optional<CoeficientesNoAno> CoeficientesEm(const ModeloIgrf& modelo, double ano) {
    const auto& e = modelo.epocas;
    if (e.empty() || modelo.instantaneos.size() != e.size() || !(ano >= e.front())) {
        return std::nullopt;
    }
    if (ano >= e.back()) {
        if (!modelo.variacaoFinal) {
            return std::nullopt;
        }
        return Extrapola(modelo.instantaneos.back(), *modelo.variacaoFinal, ano - e.back());
    }
    // Last epoch not after `ano`: the interval [e[i], e[i+1]) holds it.
    const auto depois = std::upper_bound(e.begin(), e.end(), ano);
    const auto i = static_cast<std::size_t>(depois - e.begin()) - 1;
    const double passo = e[i + 1] - e[i];
    return Interpola(modelo.instantaneos[i], modelo.instantaneos[i + 1], (ano - e[i]) / passo, passo);
}

const CoeficientesNoAno* InterpoladorIgrf::em(double ano) {
    if (ano == m_ano) {
        return m_existe ? &m_coeficientes : nullptr;
    }
    m_ano = ano;
    m_existe = false;
    const auto& e = m_modelo->epocas;
    const auto& q = m_modelo->instantaneos;
    if (e.empty() || q.size() != e.size() || !(ano >= e.front())) {
        return nullptr;
    }
    const bool final = ano >= e.back();
    if (final && !m_modelo->variacaoFinal) {
        return nullptr;
    }
    const auto i = final ? static_cast<long>(e.size()) - 1
                         : static_cast<long>(std::upper_bound(e.begin(), e.end(), ano) - e.begin()) - 1;
    const auto k = static_cast<std::size_t>(i);
    const double passo = final ? 0 : e[k + 1] - e[k];
    m_intervalos.resize(e.size());
    Intervalo& intervalo = m_intervalos[k];
    if (!intervalo.pronto) {
        intervalo.pronto = true;
        for (int n = 0; n <= CoeficientesGauss::GrauMaximo; ++n) {
            for (int m = 0; m <= n; ++m) {
                if (final) {
                    intervalo.taxa.g[n][m] = m_modelo->variacaoFinal->g[n][m];
                    intervalo.taxa.h[n][m] = m_modelo->variacaoFinal->h[n][m];
                } else {
                    intervalo.diferenca.g[n][m] = q[k + 1].g[n][m] - q[k].g[n][m];
                    intervalo.diferenca.h[n][m] = q[k + 1].h[n][m] - q[k].h[n][m];
                    intervalo.taxa.g[n][m] = intervalo.diferenca.g[n][m] / passo;
                    intervalo.taxa.h[n][m] = intervalo.diferenca.h[n][m] / passo;
                }
            }
        }
    }
    if (i != m_intervalo) {
        m_intervalo = i;
        m_coeficientes.taxa = intervalo.taxa;
    }
    // The same operations as Interpola and Extrapola, in the same order.
    const CoeficientesGauss& a = q[k];
    const CoeficientesGauss& fator = final ? intervalo.taxa : intervalo.diferenca;
    const double f = final ? ano - e.back() : (ano - e[k]) / passo;
    for (int n = 0; n <= CoeficientesGauss::GrauMaximo; ++n) {
        for (int m = 0; m <= n; ++m) {
            m_coeficientes.valor.g[n][m] = a.g[n][m] + fator.g[n][m] * f;
            m_coeficientes.valor.h[n][m] = a.h[n][m] + fator.h[n][m] * f;
        }
    }
    m_existe = true;
    return &m_coeficientes;
}

}  // namespace ceravel::igrf
