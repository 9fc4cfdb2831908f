// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/PlanoSirgas.h"

#include <cmath>
#include <limits>
#include <memory>

namespace ceravel {

namespace {

struct Ponto {
    bool valido = false;
    PontoEN plano;
    PontoGeografico geografico;
    geo::FatoresUtm fatores;
};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class Cache {
public:
    Cache(geo::Geodesia& g, int zona, bool sul) : geodesia_(g), zona_(zona), sul_(sul) {}

    const Ponto& Em(PontoEN p)
    {
        if (ultimo_.valido && ultimo_.plano.E == p.E && ultimo_.plano.N == p.N)
            return ultimo_;
        ultimo_ = {true, p, {NaN, NaN}, {NaN, NaN}};
        const auto g = geodesia_.UtmParaGeografico(geo::Datum::Sirgas2000, {zona_, sul_, p.E, p.N});
        if (const auto* geografico = std::get_if<geo::Geografico>(&g)) {
            ultimo_.geografico = {geografico->latitude, geografico->longitude};
            const auto f = geodesia_.Fatores(*geografico, zona_, sul_);
            if (const auto* fatores = std::get_if<geo::FatoresUtm>(&f))
                ultimo_.fatores = *fatores;
        }
        return ultimo_;
    }

private:
    geo::Geodesia& geodesia_;
    int zona_;
    bool sul_;
    Ponto ultimo_;
};

}  // namespace

PlanoUtm PlanoSirgas(geo::Geodesia& geodesia, int zona, bool sul)
{
    const auto cache = std::make_shared<Cache>(geodesia, zona, sul);
    return {[cache](PontoEN p) { return cache->Em(p).fatores.convergencia; },
            [cache](PontoEN p) { return cache->Em(p).fatores.escala; },
            [cache](PontoEN p) { return cache->Em(p).geografico; }};
}

}  // namespace ceravel
