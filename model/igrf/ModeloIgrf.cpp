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

}  // namespace ceravel::igrf
