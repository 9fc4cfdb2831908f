// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/AmostrasIgrf.h"

#include "model/igrf/CalculaIgrf.h"

#include <map>
#include <utility>

namespace ceravel::ajuste {

std::optional<std::vector<Amostra>> AmostraIgrf(const igrf::ModeloIgrf& modelo, const Contorno& brasil,
                                                const std::vector<PontoAmostra>& pontos, double margemGraus) {
    // The grids repeat every position once per date: place it once.
    struct Lugar {
        bool dentro, perto;
    };
    std::map<std::pair<double, double>, Lugar> lugares;
    std::vector<Amostra> amostras;
    amostras.reserve(pontos.size());
    for (const PontoAmostra& p : pontos) {
        const auto campo = igrf::CalculaIgrf(modelo, p.latitude, p.longitude, 0.0, p.ano);
        if (!campo) {
            return std::nullopt;
        }
        const auto chave = std::pair{p.latitude, p.longitude};
        auto it = lugares.find(chave);
        if (it == lugares.end()) {
            const bool dentro = DentroDoContorno(brasil, p.latitude, p.longitude);
            const bool perto = dentro || DistanciaAoContorno(brasil, p.latitude, p.longitude) <= margemGraus;
            it = lugares.emplace(chave, Lugar{dentro, perto}).first;
        }
        amostras.push_back({p, it->second.dentro, it->second.perto, *campo});
    }
    return amostras;
}

}  // namespace ceravel::ajuste
