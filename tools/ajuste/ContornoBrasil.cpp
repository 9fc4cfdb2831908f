// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/ContornoBrasil.h"

#include "model/igrf/PalavrasTexto.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ceravel::ajuste {

LeituraContorno LeContorno(const std::string& caminho) {
    const auto linhas = igrf::LinhasArquivo(caminho);
    if (!linhas) {
        return {std::nullopt, "Não foi possível ler o arquivo " + caminho + "."};
    }
    Contorno contorno;
    std::vector<PontoContorno> anel;
    const auto fechaAnel = [&] {
        if (!anel.empty()) {
            contorno.aneis.push_back(std::move(anel));
            anel.clear();
        }
    };
    for (std::size_t i = 0; i < linhas->size(); ++i) {
        const auto palavras = igrf::Palavras((*linhas)[i]);
        if (!palavras.empty() && palavras[0].starts_with('#')) {
            continue;
        }
        if (palavras.empty()) {
            fechaAnel();
            continue;
        }
        const auto lon = palavras.size() == 2 ? igrf::Numero(palavras[0]) : std::nullopt;
        const auto lat = palavras.size() == 2 ? igrf::Numero(palavras[1]) : std::nullopt;
        if (!lon || !lat || *lon < -180 || *lon > 180 || *lat < -90 || *lat > 90) {
            return {std::nullopt, "Arquivo " + caminho + ", linha " + std::to_string(i + 1) +
                                      ": esperados longitude e latitude em graus."};
        }
        anel.push_back({*lon, *lat});
    }
    fechaAnel();
    for (const auto& a : contorno.aneis) {
        if (a.size() < 3) {
            return {std::nullopt, "Arquivo " + caminho + ": anel com menos de três pontos."};
        }
    }
    if (contorno.aneis.empty()) {
        return {std::nullopt, "Arquivo " + caminho + ": nenhum ponto de contorno."};
    }
    return {std::move(contorno), {}};
}

bool DentroDoContorno(const Contorno& contorno, double latitude, double longitude) {
    bool dentro = false;
    for (const auto& anel : contorno.aneis) {
        // Crossings of a ray towards east; the ring closes from last to first.
        for (std::size_t i = 0, j = anel.size() - 1; i < anel.size(); j = i++) {
            const PontoContorno& a = anel[i];
            const PontoContorno& b = anel[j];
            if ((a.latitude > latitude) != (b.latitude > latitude)) {
                const double lonCruza =
                    a.longitude + (latitude - a.latitude) * (b.longitude - a.longitude) / (b.latitude - a.latitude);
                if (longitude < lonCruza) {
                    dentro = !dentro;
                }
            }
        }
    }
    return dentro;
}

double DistanciaAoContorno(const Contorno& contorno, double latitude, double longitude) {
    double menor2 = std::numeric_limits<double>::infinity();
    for (const auto& anel : contorno.aneis) {
        for (std::size_t i = 0, j = anel.size() - 1; i < anel.size(); j = i++) {
            const double ax = anel[j].longitude, ay = anel[j].latitude;
            const double dx = anel[i].longitude - ax, dy = anel[i].latitude - ay;
            const double comprimento2 = dx * dx + dy * dy;
            // Nearest point of the edge: the projection, clamped to its ends.
            double f = comprimento2 > 0 ? ((longitude - ax) * dx + (latitude - ay) * dy) / comprimento2 : 0.0;
            f = std::clamp(f, 0.0, 1.0);
            const double ex = ax + f * dx - longitude, ey = ay + f * dy - latitude;
            menor2 = std::min(menor2, ex * ex + ey * ey);
        }
    }
    return std::sqrt(menor2);
}

}  // namespace ceravel::ajuste
