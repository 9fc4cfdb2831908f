// SPDX-License-Identifier: GPL-3.0-or-later
// Goal: a 1000-vertex deed traversed, closed, its areas computed (plane and
// ellipsoid) and its drawing built in at most 100 ms; one of 20 km converted,
// traversed, given the declination at each start vertex and converted and
// traversed again, also in at most 100 ms.
#include "poligono/DeclinacaoVertices.h"
#include "poligono/PlanoSirgas.h"
#include "poligono/Poligonal.h"
#include "present/DesenhoPoligono.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>

using namespace ceravel;

namespace {

// The data files, the IBGE grids among them, are copied beside every executable.
QString PastaDoExecutavel()
{
    return QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

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

// γ, k and the geographic coordinates as cheap smooth functions of the plane
// point: the traverse's own cost.
PlanoUtm Plano()
{
    return {[](PontoEN p) { return 0.78 + 4e-6 * (p.E - 192000); },
            [](PontoEN p) { return 1.0002 + 1e-9 * (p.E - 192000); },
            [](PontoEN p) { return PontoGeografico{-15.8 + (p.N - 8252000) / 110600, -47.9 + (p.E - 192000) / 107100}; }};
}

void Completo(benchmark::State& estado, const PlanoUtm& plano)
{
    const auto segmentos = Memorial();
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
void BM_PoligonoCompleto(benchmark::State& estado)
{
    Completo(estado, Plano());
}
BENCHMARK(BM_PoligonoCompleto)->Unit(benchmark::kMillisecond);

// The same through PROJ (SIRGAS 2000 / UTM 23S), as the window and ceravel-memorial run it.
void BM_PoligonoCompletoProj(benchmark::State& estado)
{
    geo::Geodesia& g = geo::GeodesiaDaThread(PastaDoExecutavel());
    Completo(estado, PlanoSirgas(g, 23, true));
}
BENCHMARK(BM_PoligonoCompletoProj)->Unit(benchmark::kMillisecond);

// A magnetic deed of 1000 sides of 20 m (20 km) through ConverteMemorial and
// CalculaMemorialNoTerreno, IGRF-14 at 2000 start-vertex evaluations.
void BM_DeclinacaoVertices(benchmark::State& estado)
{
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    ceravel::Memorial m;
    m.dados.levantamento = QStringLiteral("1960");
    m.dados.conversao = QStringLiteral("07/12/2026");
    m.dados.posicao.latGraus = QStringLiteral("-15,78");
    m.dados.posicao.lonGraus = QStringLiteral("-47,87");
    for (int i = 0; i < 1000; ++i)
        m.segmentos.push_back({QStringLiteral("M%1").arg(i + 1), QStringLiteral("M%1").arg((i + 1) % 1000 + 1),
                               locale.toString(std::fmod(0.36 * i + 90, 360), 'f', 4), QStringLiteral("20"), {}});
    PedidoPoligono pedido;
    pedido.inicio.posicaoUtm = {QStringLiteral("23"), QStringLiteral("S"), QStringLiteral("192848,93"),
                                QStringLiteral("8252943,25")};
    for (auto _ : estado) {
        const auto c = ConverteMemorial(m, locale, PastaDoExecutavel());
        const auto r = CalculaMemorialNoTerreno(std::get<ConversaoMemorial>(c), pedido, locale, PastaDoExecutavel());
        if (!std::get<MemorialNoTerreno>(r).conversao.porVertice)
            estado.SkipWithError("não converteu nos vértices");
    }
}
BENCHMARK(BM_DeclinacaoVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
