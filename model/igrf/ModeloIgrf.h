// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace ceravel::igrf {

// Schmidt semi-normalised Gauss coefficients of one main-field snapshot, in nT
// (or nT per year for a secular-variation set), up to degree 13. Unused
// entries (m > n, or degrees beyond the model's own) stay zero.
struct CoeficientesGauss {
    static constexpr int GrauMaximo = 13;

    std::array<std::array<double, GrauMaximo + 1>, GrauMaximo + 1> g{};  // g[n][m]
    std::array<std::array<double, GrauMaximo + 1>, GrauMaximo + 1> h{};  // h[n][m]
};

// A series of snapshots at increasing epochs (decimal years), linear in time
// between consecutive epochs, and optionally a secular variation that carries
// the last snapshot forward.
struct ModeloIgrf {
    std::vector<double> epocas;
    std::vector<CoeficientesGauss> instantaneos;  // one per epoch
    std::optional<CoeficientesGauss> variacaoFinal;  // nT/yr after the last epoch
};

// The coefficients at one instant and their rate of change there (nT/yr).
struct CoeficientesNoAno {
    CoeficientesGauss valor;
    CoeficientesGauss taxa;
};

// Coefficients at decimal year `ano`. Between two epochs the interval that
// starts at or before `ano` is used, so at an epoch itself the rate is that of
// the following five years. After the last epoch the final secular variation
// extrapolates. Empty before the first epoch, and from the last one on when
// the model has no final variation.
std::optional<CoeficientesNoAno> CoeficientesEm(const ModeloIgrf& modelo, double ano);

// CoeficientesEm for a run of dates, bit for bit: the last date's
// coefficients are kept, and so are the differences and rates of every
// interval used, so another date costs one multiply-add per coefficient.
// The model must outlive it and not change.
class InterpoladorIgrf {
public:
    explicit InterpoladorIgrf(const ModeloIgrf& modelo) : m_modelo(&modelo) {}
    // Null where CoeficientesEm gives none.
    const CoeficientesNoAno* em(double ano);
    const ModeloIgrf& modelo() const { return *m_modelo; }

private:
    const ModeloIgrf* m_modelo;
    double m_ano = -1;        // the date of m_coeficientes (no model starts before year 0)
    bool m_existe = false;
    struct Intervalo {
        bool pronto = false;
        CoeficientesGauss diferenca;  // b - a (unused for the final variation)
        CoeficientesGauss taxa;
    };
    std::vector<Intervalo> m_intervalos;  // by the epoch that starts it; the last: the final variation
    long m_intervalo = -1;                // the one m_coeficientes.taxa holds
    CoeficientesNoAno m_coeficientes;
};

}  // namespace ceravel::igrf
