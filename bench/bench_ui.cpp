// SPDX-License-Identifier: GPL-3.0-or-later
// Goals: start-up to Main shown under 150 ms; one "Calcular" press, with Main,
// DComp and Relatorio all filled, under 2 ms; one "Converter" press of the
// bearing window, with a bearing and the regional cross-check, under 2 ms.
// Run headless:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_ui
#include "ui/ConversaoRumos.h"
#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Mensageiro.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace {

using namespace ceravel;

class MensageiroMudo : public Mensageiro {
public:
    void informa(const QString& texto) override { throw std::runtime_error(texto.toStdString()); }
};

// Construction of the windows' owner and Main, shown, until its first paint.
void Inicio(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    for (auto _ : estado) {
        Janelas janelas(QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro, [] {});
        janelas.main().show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(janelas.main().isVisible());
        estado.PauseTiming();
        janelas.descarrega(Janela::Main);
        QCoreApplication::processEvents();
        estado.ResumeTiming();
    }
}

// The very first start, with fonts and styles still to be loaded.
BENCHMARK(Inicio)->Name("InicioAteMainVisivel/primeira")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Inicio)->Name("InicioAteMainVisivel")->Unit(benchmark::kMillisecond);

// One press: checks, three coefficient files read, model, every text written
// into Main, DComp and Relatorio, both needles placed.
void Calcular(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    Janelas janelas(QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro, [] {});
    Main& main = janelas.main();
    main.show();
    const std::pair<const char*, const char*> entradas[] = {
        {"Dia", "5"}, {"Mes", "6"}, {"Ano", "2000"}, {"LatG", "-23"}, {"LatM", "32"}, {"LatS", "51"},
        {"LongG", "-46"}, {"LongM", "38"}, {"LongS", "10"}};
    for (const auto& [nome, texto] : entradas)
        main.findChild<QLineEdit*>(QString::fromLatin1(nome))->setText(QString::fromLatin1(texto));
    auto* botao = main.findChild<QPushButton*>(QStringLiteral("BtCalcular"));
    for (auto _ : estado) {
        botao->click();
        benchmark::DoNotOptimize(main.findChild<QLabel*>(QStringLiteral("DMIN3"))->text());
    }
    if (!janelas.existe(Janela::DComp) || !janelas.existe(Janela::Relatorio))
        estado.SkipWithError("DComp and Relatorio were not filled");
}
BENCHMARK(Calcular)->Name("CalcularFimAFim")->Unit(benchmark::kMicrosecond);

// One press of "Converter": checks, IGRF-14 at both dates (the table already
// kept from the first press), the regional files read afresh for the 1998
// survey date, the bearings, every text and the rows shown or hidden.
void Converter(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    ConversaoRumos janela(QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro, nullptr);
    janela.show();
    const std::pair<const char*, const char*> entradas[] = {
        {"LatG", "-23"},    {"LatM", "32"},     {"LatS", "51"},     {"LongG", "-46"}, {"LongM", "38"},
        {"LongS", "10"},    {"DiaLev", "12"},   {"MesLev", "3"},    {"AnoLev", "1998"}, {"DiaConv", "7"},
        {"MesConv", "12"},  {"AnoConv", "2026"}, {"AngG", "123"},   {"AngM", "30"},   {"AngS", "0"}};
    for (const auto& [nome, texto] : entradas)
        janela.findChild<QLineEdit*>(QString::fromLatin1(nome))->setText(QString::fromLatin1(texto));
    auto* botao = janela.findChild<QPushButton*>(QStringLiteral("BtConverter"));
    for (auto _ : estado) {
        botao->click();
        benchmark::DoNotOptimize(janela.findChild<QLabel*>(QStringLiteral("AzMagConv"))->text());
    }
    if (janela.findChild<QLabel*>(QStringLiteral("RegLev"))->text().isEmpty())
        estado.SkipWithError("the regional cross-check was not shown");
}
BENCHMARK(Converter)->Name("ConverterFimAFim")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
