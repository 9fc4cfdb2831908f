// SPDX-License-Identifier: GPL-3.0-or-later
// Goal: a 1000-vertex deed traversed, closed, its areas computed (plane and
// ellipsoid) and its drawing built in at most 100 ms.
#include "poligono/Poligonal.h"
#include "present/DesenhoPoligono.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace ceravel;

namespace {

// A 1000-sided figure about 3 km across, its sides wobbling in length.
std::vector<SegmentoPoligonal> Memorial()
{
    constexpr int n = 1000;
    std::vector<SegmentoPoligonal> s;
    for (int i = 0; i < n; ++i)
        s.push_back({QStringLiteral("M%1").arg(i + 1), QStringLiteral("M%1").arg((i + 1) % n + 1),
                     std::fmod(360.0 * i / n + 90, 360), 9.42 + std::sin(i * 0.37)});
    return s;
}

// γ, k and the geographic coordinates as smooth functions of the plane point,
// as cheap as PROJ's after its first call would be dear; the traverse's own cost is measured.
PlanoUtm Plano()
{
    return {[](PontoPlano p) { return 0.78 + 4e-6 * (p.E - 192000); },
            [](PontoPlano p) { return 1.0002 + 1e-9 * (p.E - 192000); },
            [](PontoPlano p) { return PontoGeografico{-15.8 + (p.N - 8252000) / 110600, -47.9 + (p.E - 192000) / 107100}; }};
}

void BM_PoligonoCompleto(benchmark::State& estado)
{
    const auto segmentos = Memorial();
    const PlanoUtm plano = Plano();
    OpcoesPoligonal o;
    o.inicio = {192000, 8252000};
    o.altitudeMedia = 1100;
    o.compensar = true;
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    for (auto _ : estado) {
        const ResultadoPoligonal r = CalculaPoligonal(segmentos, plano, o);
        const DesenhoPoligono d = CalculaDesenhoPoligono(r, segmentos, QSizeF(1200, 900), locale);
        benchmark::DoNotOptimize(r.areas->elipsoidal);
        benchmark::DoNotOptimize(d.rotulos.data());
    }
}
BENCHMARK(BM_PoligonoCompleto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
