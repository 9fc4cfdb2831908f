#include "model/igrf/CampoGeocentrico.h"

#include <algorithm>
#include <cmath>

namespace ceravel::igrf {

namespace {

constexpr int N = CoeficientesGauss::GrauMaximo;
using Tabela = std::array<std::array<double, N + 1>, N + 1>;

// Schmidt semi-normalised associated Legendre functions P[n][m](cos θ) and
// their derivatives with respect to θ, by the usual stable recursions:
// the sectoral P[n][n] from P[n-1][n-1], the others upwards in n.
void Legendre(double cosT, double senT, Tabela& p, Tabela& dp) {
    p = {};
    dp = {};
    p[0][0] = 1;
    for (int n = 1; n <= N; ++n) {
        // P[1][1] = sin θ; beyond it each sector gains sqrt((2n-1)/2n) sin θ.
        const double k = n == 1 ? 1.0 : std::sqrt((2.0 * n - 1.0) / (2.0 * n));
        p[n][n] = k * senT * p[n - 1][n - 1];
        dp[n][n] = k * (cosT * p[n - 1][n - 1] + senT * dp[n - 1][n - 1]);
    }
    for (int m = 0; m <= N; ++m) {
        for (int n = m + 1; n <= N; ++n) {
            const double a = 2.0 * n - 1.0;
            const double b = n >= m + 2 ? std::sqrt(static_cast<double>((n - 1) * (n - 1) - m * m)) : 0.0;
            const double d = std::sqrt(static_cast<double>(n * n - m * m));
            const double p2 = n >= m + 2 ? p[n - 2][m] : 0.0;
            const double dp2 = n >= m + 2 ? dp[n - 2][m] : 0.0;
            p[n][m] = (a * cosT * p[n - 1][m] - b * p2) / d;
            dp[n][m] = (a * (cosT * dp[n - 1][m] - senT * p[n - 1][m]) - b * dp2) / d;
        }
    }
}

}  // namespace

CampoETaxa CampoGeocentricoETaxa(const CoeficientesGauss& c, const CoeficientesGauss& taxa, double raioKm,
                                 double colatitudeRad, double longitudeRad) {
    const double cosT = std::cos(colatitudeRad);
    // At a pole the east component divides by sin θ: a tiny sin θ gives the
    // limit along the requested meridian, as the reference routine does.
    const double senT = std::max(std::sin(colatitudeRad), 1e-10);
    Tabela p;
    Tabela dp;
    Legendre(cosT, senT, p, dp);

    double cosM[N + 1];
    double senM[N + 1];
    for (int m = 0; m <= N; ++m) {
        cosM[m] = std::cos(m * longitudeRad);
        senM[m] = std::sin(m * longitudeRad);
    }

    // V = a Σ (a/r)^(n+1) Σ (g cos mφ + h sin mφ) P; B = -grad V. The same
    // sums for both coefficient sets, each in its own accumulators.
    const CoeficientesGauss* conjuntos[] = {&c, &taxa};
    VetorCampo vetores[2];
    const double razao = RaioReferenciaKm / raioKm;
    for (int k = 0; k < 2; ++k) {
        const CoeficientesGauss& q = *conjuntos[k];
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
        bp /= senT;
        vetores[k] = {-bt, bp, -br};
    }
    return {vetores[0], vetores[1]};
}

VetorCampo CampoGeocentrico(const CoeficientesGauss& c, double raioKm, double colatitudeRad,
                            double longitudeRad) {
    static const CoeficientesGauss nenhum{};
    return CampoGeocentricoETaxa(c, nenhum, raioKm, colatitudeRad, longitudeRad).campo;
}

}  // namespace ceravel::igrf
