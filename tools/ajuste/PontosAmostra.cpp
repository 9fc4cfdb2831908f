// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/PontosAmostra.h"

#include <cmath>

namespace ceravel::ajuste {

namespace {

// inicio, inicio + passo, ... up to fim, computed from the index so that no
// rounding accumulates; fim is included when the step divides the range.
std::vector<double> Passos(double inicio, double fim, double passo) {
    std::vector<double> valores;
    const auto quantos = static_cast<long>(std::floor((fim - inicio) / passo + 1e-9));
    for (long i = 0; i <= quantos; ++i) {
        valores.push_back(inicio + static_cast<double>(i) * passo);
    }
    return valores;
}

// Both ends, and the midpoints of the training steps between them.
std::vector<double> Intercalados(double inicio, double fim, double passo) {
    std::vector<double> valores{inicio};
    for (const double v : Passos(inicio + passo / 2, fim - passo / 2, passo)) {
        valores.push_back(v);
    }
    valores.push_back(fim);
    return valores;
}

bool NoPasso(double valor, double inicio, double passo) {
    const double k = (valor - inicio) / passo;
    return std::fabs(k - std::round(k)) < 1e-9;
}

}  // namespace

std::vector<PontoAmostra> PontosTreino(double passoGraus, double passoAnos) {
    std::vector<PontoAmostra> pontos;
    for (const double lat : Passos(LatitudeMinima, LatitudeMaxima, passoGraus)) {
        for (const double lon : Passos(LongitudeMinima, LongitudeMaxima, passoGraus)) {
            for (const double ano : Passos(AnoInicial, AnoFinal, passoAnos)) {
                pontos.push_back({lat, lon, ano});
            }
        }
    }
    return pontos;
}

std::vector<PontoAmostra> PontosValidacao(double passoGraus, double passoAnos) {
    std::vector<PontoAmostra> pontos;
    for (const double lat : Intercalados(LatitudeMinima, LatitudeMaxima, passoGraus)) {
        for (const double lon : Intercalados(LongitudeMinima, LongitudeMaxima, passoGraus)) {
            for (const double ano : Intercalados(AnoInicial, AnoFinal, passoAnos)) {
                const bool deTreino = NoPasso(lat, LatitudeMinima, passoGraus) &&
                                      NoPasso(lon, LongitudeMinima, passoGraus) &&
                                      NoPasso(ano, AnoInicial, passoAnos);
                if (!deTreino) {
                    pontos.push_back({lat, lon, ano});
                }
            }
        }
    }
    return pontos;
}

}  // namespace ceravel::ajuste
