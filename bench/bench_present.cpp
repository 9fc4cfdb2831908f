// SPDX-License-Identifier: GPL-3.0-or-later
// Text production for one calculation: every result text, both needles and
// the 26 export lines, under a full-stop and a decimal-comma locale.
#include "export/LinhasExportacao.h"
#include "present/FormataResultados.h"

#include <benchmark/benchmark.h>

namespace ceravel {
namespace {

Calculo UmCalculo()
{
    Calculo c;
    c.entrada.dia = QStringLiteral("5");
    c.entrada.mes = QStringLiteral("6");
    c.entrada.ano = QStringLiteral("2000");
    c.entrada.latG = QStringLiteral("-27");
    c.entrada.latM = QStringLiteral("35");
    c.entrada.latS = QStringLiteral("10");
    c.entrada.formaLongitude = FormaEntrada::GrausDecimais;
    c.entrada.lonGraus = QStringLiteral("-48.5");
    c.pedido.anoDecimal = 2000.0 + 157.0 / 366.0;
    c.pedido.latitude = -27.0 - 35.0 / 60 - 10.0 / 3600;
    c.pedido.longitude = -48.5;
    c.elementos = {-21.125f, -30.125f, 23456.74f, 18820.04, -7283.96, -11768.25,
                   -7.5f, -1.234f, -25.5f, 3.004, -10.125, 12.0};
    return c;
}

void TextosDeUmResultado(benchmark::State& state, const QLocale& locale)
{
    Calculo c = UmCalculo();
    for (auto _ : state) {
        c.textos = FormataResultados(c.elementos, c.pedido, c.entrada, locale);
        QStringList linhas = LinhasExportacao(c);
        benchmark::DoNotOptimize(linhas);
    }
}

void BM_TextosPontoDecimal(benchmark::State& state) { TextosDeUmResultado(state, QLocale::c()); }
void BM_TextosVirgulaDecimal(benchmark::State& state) { TextosDeUmResultado(state, QLocale(QStringLiteral("pt_BR"))); }

BENCHMARK(BM_TextosPontoDecimal);
BENCHMARK(BM_TextosVirgulaDecimal);

}  // namespace
}  // namespace ceravel

BENCHMARK_MAIN();
