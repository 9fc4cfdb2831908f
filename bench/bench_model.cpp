// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one model run. Goals: a whole regional run, three file reads
// included, under 50 µs; one IGRF-14 evaluation with its rates under 5 µs at
// changing dates, under 1 µs at one date.
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>

namespace {

// The coefficient files are copied beside every executable by the build.
QString PastaDoExecutavel()
{
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    return QString::fromStdString(exe.parent_path().string());
}

// Brasilia in mid-2000.
constexpr double X = -15.79 + 15, Y = -47.88 + 55, T = 10.5;

void ExecucaoCompleta(benchmark::State& estado)
{
    const QString pasta = PastaDoExecutavel();
    for (auto _ : estado) {
        ceravel::ResultadoModelo r = ceravel::CalculaCampo(pasta, X, Y, T);
        if (!r.elementos) {
            estado.SkipWithError(r.erro.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(ExecucaoCompleta);

void SoAvaliacao(benchmark::State& estado)
{
    const QString pasta = PastaDoExecutavel();
    const auto d = ceravel::LeCoeficientes(pasta, ceravel::ArquivoDeclinacao);
    const auto i = ceravel::LeCoeficientes(pasta, ceravel::ArquivoInclinacao);
    const auto f = ceravel::LeCoeficientes(pasta, ceravel::ArquivoIntensidade);
    if (!d.coeficientes || !i.coeficientes || !f.coeficientes) {
        estado.SkipWithError("coefficient files missing beside the benchmark");
        return;
    }
    double x = X;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(x);
        ceravel::ResultadoModelo r = ceravel::CalculaCampo(*d.coeficientes, *i.coeficientes, *f.coeficientes, x, Y, T);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(SoAvaliacao);

void LeituraDeUmArquivo(benchmark::State& estado)
{
    const QString pasta = PastaDoExecutavel();
    const QString nome = QString::fromLatin1(ceravel::ArquivoIntensidade);
    for (auto _ : estado) {
        auto lido = ceravel::LeCoeficientes(pasta, nome);
        benchmark::DoNotOptimize(lido);
    }
}
BENCHMARK(LeituraDeUmArquivo);

// IGRF-14 with rates at points over Brazil and dates across 1900–2030, the
// table read once beforehand as the program keeps it.
void AvaliacaoIgrf14(benchmark::State& estado)
{
    const ceravel::LeituraIgrf14 leitura = ceravel::CarregaIgrf14(PastaDoExecutavel());
    if (!leitura.modelo) {
        estado.SkipWithError(leitura.erro.toStdString().c_str());
        return;
    }
    double lat = -30, lon = -70, ano = 1900;
    for (auto _ : estado) {
        auto e = ceravel::CampoIgrf14(*leitura.modelo, lat, lon, ano);
        benchmark::DoNotOptimize(e);
        lat = lat > 5 ? -30 : lat + 0.37;
        lon = lon > -35 ? -70 : lon + 0.53;
        ano = ano > 2029 ? 1900 : ano + 0.71;
    }
}
BENCHMARK(AvaliacaoIgrf14);

// The same points on one date, as a map, a chart's year or a batch file of
// one survey asks them: the coefficients are interpolated once. Goal: 1 µs.
void AvaliacaoIgrf14MesmaData(benchmark::State& estado)
{
    const ceravel::LeituraIgrf14 leitura = ceravel::CarregaIgrf14(PastaDoExecutavel());
    if (!leitura.modelo) {
        estado.SkipWithError(leitura.erro.toStdString().c_str());
        return;
    }
    ceravel::AvaliadorIgrf14 avaliador(*leitura.modelo);
    double lat = -30, lon = -70;
    for (auto _ : estado) {
        auto e = avaliador.campo(lat, lon, 2026.5);
        benchmark::DoNotOptimize(e);
        lat = lat > 5 ? -30 : lat + 0.37;
        lon = lon > -35 ? -70 : lon + 0.53;
    }
}
BENCHMARK(AvaliacaoIgrf14MesmaData);

}  // namespace

BENCHMARK_MAIN();
