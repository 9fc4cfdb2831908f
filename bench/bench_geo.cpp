// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the coordinates core. Goal: one UTM point to SIRGAS 2000 geographic
// with its γ and k in 20 µs or less once the thread's PROJ objects exist; the
// same from SAD69 through IBGE's grid, for comparison.
#include "geo/Geodesia.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>

namespace {

QString PastaDoExecutavel()
{
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    return QString::fromStdString(exe.parent_path().string());
}

void UtmComFatores(benchmark::State& estado, ceravel::geo::Datum datum)
{
    using namespace ceravel::geo;
    Geodesia& g = GeodesiaDaThread(PastaDoExecutavel());
    double leste = 192848.93;
    for (auto _ : estado) {
        leste += 0.001;  // a new point each time
        const auto geo = g.UtmParaGeografico(datum, {23, true, leste, 8252943.25});
        const auto* p = std::get_if<Geografico>(&geo);
        const auto sirgas = p ? g.ParaSirgas(datum, *p) : decltype(g.ParaSirgas(datum, {})){};
        const auto* s = std::get_if<PosicaoSirgas>(&sirgas);
        if (!s) {
            estado.SkipWithError("conversão recusada");
            break;
        }
        benchmark::DoNotOptimize(g.Fatores(s->ponto, 23, true));
    }
}
BENCHMARK_CAPTURE(UtmComFatores, sirgas2000, ceravel::geo::Datum::Sirgas2000);
BENCHMARK_CAPTURE(UtmComFatores, sad69, ceravel::geo::Datum::Sad69);

}  // namespace

BENCHMARK_MAIN();
