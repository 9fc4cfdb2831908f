// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/igrf/CampoGeocentrico.h"

#include <algorithm>
#include <cmath>

namespace ceravel::igrf {

namespace {

constexpr int N = CoeficientesGauss::GrauMaximo;
using Tabela = std::array<std::array<double, N + 1>, N + 1>;

// The recursions' square roots and divisors, which depend on n and m only,
// computed once: sqrt((2n-1)/2n) for the sectors, and for the others
// sqrt((n-1)² - m²) and 1 / sqrt(n² - m²).
struct ConstantesLegendre {
    double setor[N + 1]{};
    Tabela b{}, inversoD{};
    ConstantesLegendre() {
        for (int n = 1; n <= N; ++n) {
            setor[n] = n == 1 ? 1.0 : std::sqrt((2.0 * n - 1.0) / (2.0 * n));
            for (int m = 0; m < n; ++m) {
                b[n][m] = n >= m + 2 ? std::sqrt(static_cast<double>((n - 1) * (n - 1) - m * m)) : 0.0;
                inversoD[n][m] = 1.0 / std::sqrt(static_cast<double>(n * n - m * m));
            }
        }
    }
};

// Schmidt semi-normalised associated Legendre functions P[n][m](cos θ) and
// their derivatives with respect to θ, by the usual stable recursions:
// the sectoral P[n][n] from P[n-1][n-1], the others upwards in n. Only
// m <= n is written.
void Legendre(double cosT, double senT, Tabela& p, Tabela& dp) {
    static const ConstantesLegendre k;
    p[0][0] = 1;
    dp[0][0] = 0;
    for (int n = 1; n <= N; ++n) {
        p[n][n] = k.setor[n] * senT * p[n - 1][n - 1];
        dp[n][n] = k.setor[n] * (cosT * p[n - 1][n - 1] + senT * dp[n - 1][n - 1]);
    }
    for (int m = 0; m < N; ++m) {
        // The first step has no P[n-2][m].
        const double a1 = 2.0 * m + 1.0;
        p[m + 1][m] = a1 * cosT * p[m][m] * k.inversoD[m + 1][m];
        dp[m + 1][m] = a1 * (cosT * dp[m][m] - senT * p[m][m]) * k.inversoD[m + 1][m];
        for (int n = m + 2; n <= N; ++n) {
            const double a = 2.0 * n - 1.0;
            p[n][m] = (a * cosT * p[n - 1][m] - k.b[n][m] * p[n - 2][m]) * k.inversoD[n][m];
            dp[n][m] = (a * (cosT * dp[n - 1][m] - senT * p[n - 1][m]) - k.b[n][m] * dp[n - 2][m]) * k.inversoD[n][m];
        }
    }
}

// One coefficient set's sums: B = -grad V, V = a Σ (a/r)^(n+1) Σ (g cos mφ + h sin mφ) P.
VetorCampo Soma(const CoeficientesGauss& q, const Tabela& p, const Tabela& dp, const double* cosM,
                const double* senM, double razao, double senT) {
    double br = 0;
    double bt = 0;
    double bp = 0;
    double potencia = razao * razao;  // (a/r)^(n+2), from n = 0
    for (int n = 1; n <= N; ++n) {
        potencia *= razao;
        double somaR = 0;
        double somaT = 0;
        double somaP = 0;
        for (int m = 0; m <= n; ++m) {
            const double gc = q.g[n][m] * cosM[m] + q.h[n][m] * senM[m];
            const double gs = q.g[n][m] * senM[m] - q.h[n][m] * cosM[m];
            somaR += gc * p[n][m];
            somaT += gc * dp[n][m];
            somaP += m * gs * p[n][m];
        }
        br += (n + 1) * potencia * somaR;
        bt -= potencia * somaT;
        bp += potencia * somaP;
    }
    return {-bt, bp / senT, -br};
}

}  // namespace

CampoNoParalelo::CampoNoParalelo(double raioKm, double cosColatitude, double senColatitude)
    : m_razao(RaioReferenciaKm / raioKm),
      // At a pole the east component divides by sin θ: a tiny sin θ gives the
      // limit along the requested meridian, as the reference routine does.
      m_senT(std::max(senColatitude, 1e-10)) {
    Legendre(cosColatitude, m_senT, m_p, m_dp);
}

CampoETaxa CampoNoParalelo::em(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double cosLongitude,
                               double senLongitude) const {
    // cos mφ and sin mφ by the angle-sum rule from cos φ and sin φ instead of
    // 26 more calls; the rounding this adds (a few units in the last place at
    // m = 13) is far below the model's own precision.
    double cosM[N + 1];
    double senM[N + 1];
    cosM[0] = 1;
    senM[0] = 0;
    cosM[1] = cosLongitude;
    senM[1] = senLongitude;
    for (int m = 2; m <= N; ++m) {
        cosM[m] = cosM[m - 1] * cosLongitude - senM[m - 1] * senLongitude;
        senM[m] = senM[m - 1] * cosLongitude + cosM[m - 1] * senLongitude;
    }
    CampoETaxa r;
    r.campo = Soma(c, m_p, m_dp, cosM, senM, m_razao, m_senT);
    if (taxa)
        r.taxa = Soma(*taxa, m_p, m_dp, cosM, senM, m_razao, m_senT);
    return r;
}

CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double raioKm,
                                 double cosColatitude, double senColatitude, double cosLongitude,
                                 double senLongitude) {
    return CampoNoParalelo(raioKm, cosColatitude, senColatitude).em(c, taxa, cosLongitude, senLongitude);
}

CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss* taxa, double raioKm,
                                 double colatitudeRad, double longitudeRad) {
    return CampoGeocentricoETaxa(c, taxa, raioKm, std::cos(colatitudeRad), std::sin(colatitudeRad),
                                 std::cos(longitudeRad), std::sin(longitudeRad));
}

VetorCampo CampoGeocentrico(const CoeficientesGauss& c, double raioKm, double colatitudeRad,
                            double longitudeRad) {
    return CampoGeocentricoETaxa(c, nullptr, raioKm, colatitudeRad, longitudeRad).campo;
}

}  // namespace ceravel::igrf
