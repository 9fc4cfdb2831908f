// SPDX-License-Identifier: GPL-3.0-or-later
// Goal: a 1000-segment memorial converted and shown (conversion, every text
// of the results table, the table filled and painted) in at most 100 ms; and
// the core's part alone, conversion and texts.
// Run headless:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_memorial
#include "memorial/ConverteMemorial.h"
#include "memorial/TabelaMemorial.h"
#include "ui/AviventacaoMemorial.h"
#include "ui/Mensageiro.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <stdexcept>

namespace {

using namespace ceravel;

class MensageiroMudo : public Mensageiro {
public:
    void informa(const QString& texto) override { throw std::runtime_error(texto.toStdString()); }
};

Memorial MilSegmentos()
{
    const char* rumos[] = {"45°30' NE", "S 12°15' O", "87°41'06\"", "N 10° L", "10 NO", "200,5", "S", "12 30 45"};
    Memorial m;
    m.dados.levantamento = QStringLiteral("1987");
    m.dados.conversao = QStringLiteral("07/12/2026");
    m.dados.posicao.latGraus = QStringLiteral("-23,5");
    m.dados.posicao.lonGraus = QStringLiteral("-46,625");
    for (int i = 0; i < 1000; ++i)
        m.segmentos.push_back({QStringLiteral("M%1").arg(i + 1), QStringLiteral("M%1").arg(i + 2),
                               QString::fromUtf8(rumos[i % 8]), QStringLiteral("%1,25").arg(10 + i % 90),
                               QStringLiteral("Confrontante %1").arg(i % 7)});
    return m;
}

void ConverteETextos(benchmark::State& estado)
{
    const Memorial m = MilSegmentos();
    const QLocale pt(QStringLiteral("pt_BR"));
    for (auto _ : estado) {
        const ResultadoMemorial r = ConverteMemorial(m, pt, QCoreApplication::applicationDirPath());
        benchmark::DoNotOptimize(TabelaResultados(std::get<ConversaoMemorial>(r), pt).linhas.size());
    }
}
BENCHMARK(ConverteETextos)->Name("MilSegmentosConvertidos/nucleo")->Unit(benchmark::kMillisecond);

void ConverteEMostra(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    AviventacaoMemorial janela(QCoreApplication::applicationDirPath(), QLocale(QStringLiteral("pt_BR")), mensageiro,
                               nullptr);
    janela.defineMemorial(MilSegmentos());
    janela.show();
    QCoreApplication::processEvents();
    auto* resultados = janela.findChild<QTableWidget*>(QStringLiteral("Resultados"));
    for (auto _ : estado) {
        janela.converter();
        resultados->repaint();
        benchmark::DoNotOptimize(resultados->rowCount());
    }
}
BENCHMARK(ConverteEMostra)->Name("MilSegmentosConvertidosEMostrados")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
