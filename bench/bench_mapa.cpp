// SPDX-License-Identifier: GPL-3.0-or-later
// Goals: one element's map at the window's default size (coefficient files
// read, 181 x 181 grid, isolines, shading, everything drawn) under 50 ms, also
// under IGRF-14 for each new year; the hover readout under 1 ms; the secular
// variation chart (130 years of IGRF-14, the regional curve, drawn) under
// 30 ms. Run headless:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_mapa
#include "calc/Calculo.h"
#include "model/LeCoeficientes.h"
#include "ui/DesenhoMapa.h"
#include "ui/MapaCampo.h"
#include "ui/Mensageiro.h"
#include "ui/VariacaoSecular.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <stdexcept>

namespace {

using namespace ceravel;

class MensageiroMudo : public Mensageiro {
public:
    void informa(const QString& texto) override { throw std::runtime_error(texto.toStdString()); }
};

Calculo UmCalculo()
{
    TextosEntrada e;
    e.dia = QStringLiteral("1");
    e.mes = QStringLiteral("7");
    e.ano = QStringLiteral("2000");
    e.latGraus = QStringLiteral("-15.5");
    e.lonGraus = QStringLiteral("-47.9");
    e.formaLatitude = e.formaLongitude = FormaEntrada::GrausDecimais;
    ResultadoCalculo r = Calcula(e, QLocale::c(), QCoreApplication::applicationDirPath());
    if (!std::holds_alternative<Calculo>(r))
        throw std::runtime_error("calculation refused");
    return std::get<Calculo>(r);
}

// The map widget's size when the window opens at its default size.
QSize TamanhoPadrao(const Calculo& calculo, Mensageiro& mensageiro)
{
    MapaCampo janela(calculo, QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro);
    janela.show();
    QCoreApplication::processEvents();
    return janela.findChild<QWidget*>(QStringLiteral("AreaMapa"))->size();
}

void MapaCompleto(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    const Calculo calculo = UmCalculo();
    const QString pasta = QCoreApplication::applicationDirPath();
    const FronteirasMapa fronteiras = LeFronteirasMapa(pasta);
    const QSize tamanho = TamanhoPadrao(calculo, mensageiro);
    const auto elemento = static_cast<ElementoMapa>(estado.range(0));
    QImage imagem(tamanho, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : estado) {
        const LeituraConjuntos leitura = LeConjuntos(pasta);
        CenaMapa cena = MontaCenaMapa(*leitura.conjuntos, elemento, calculo.pedido.t);
        cena.latitude = calculo.pedido.latitude;
        cena.longitude = calculo.pedido.longitude;
        QPainter p(&imagem);
        DesenhaMapa(p, QRectF(QPointF(), tamanho), cena, fronteiras, QLocale::c());
        p.end();
        benchmark::DoNotOptimize(imagem.constBits());
    }
    estado.SetLabel(QStringLiteral("%1x%2").arg(tamanho.width()).arg(tamanho.height()).toStdString());
}
BENCHMARK(MapaCompleto)->Name("MapaCompleto/D")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(MapaCompleto)->Name("MapaCompleto/I")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MapaCompleto)->Name("MapaCompleto/F")->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(MapaCompleto)->Name("MapaCompleto/dD")->Arg(3)->Unit(benchmark::kMillisecond);

// Under IGRF-14, a new year at every step (the year box's case: no
// coefficients can be kept from the step before).
void MapaIgrf(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    const Calculo calculo = UmCalculo();
    const QString pasta = QCoreApplication::applicationDirPath();
    const FronteirasMapa fronteiras = LeFronteirasMapa(pasta);
    const QSize tamanho = TamanhoPadrao(calculo, mensageiro);
    const auto elemento = static_cast<ElementoMapa>(estado.range(0));
    AvaliadorIgrf14 igrf(*CarregaIgrf14(pasta).modelo);
    QImage imagem(tamanho, QImage::Format_ARGB32_Premultiplied);
    int ano = 1900;
    for (auto _ : estado) {
        CenaMapa cena = MontaCenaMapa(igrf, elemento, ano + 0.5);
        cena.latitude = calculo.pedido.latitude;
        cena.longitude = calculo.pedido.longitude;
        QPainter p(&imagem);
        DesenhaMapa(p, QRectF(QPointF(), tamanho), cena, fronteiras, QLocale::c());
        p.end();
        benchmark::DoNotOptimize(imagem.constBits());
        ano = ano == 2029 ? 1900 : ano + 1;
    }
}
BENCHMARK(MapaIgrf)->Name("MapaIgrf/D")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(MapaIgrf)->Name("MapaIgrf/dD")->Arg(3)->Unit(benchmark::kMillisecond);

// The secular variation window opened and its chart drawn at its default size.
void GraficoVariacaoSecular(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    const Calculo calculo = UmCalculo();
    for (auto _ : estado) {
        VariacaoSecular janela(calculo, QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro);
        QWidget* grafico = janela.findChild<QWidget*>(QStringLiteral("Grafico"));
        grafico->resize(900, 560);
        QImage imagem(grafico->size(), QImage::Format_ARGB32_Premultiplied);
        grafico->render(&imagem);
        benchmark::DoNotOptimize(imagem.constBits());
    }
}
BENCHMARK(GraficoVariacaoSecular)->Unit(benchmark::kMillisecond);

// The readout at points across the map (value, texts, inside Brazil or not).
void Leitura(benchmark::State& estado)
{
    MensageiroMudo mensageiro;
    const Calculo calculo = UmCalculo();
    MapaCampo janela(calculo, QCoreApplication::applicationDirPath(), QLocale::c(), mensageiro);
    janela.show();
    QCoreApplication::processEvents();
    const QRectF caixa = janela.projecao().caixa();
    int k = 0;
    for (auto _ : estado) {
        const QPointF p(caixa.left() + (k * 37 % 997) / 997.0 * caixa.width(),
                        caixa.top() + (k * 53 % 991) / 991.0 * caixa.height());
        benchmark::DoNotOptimize(janela.leituraEm(p));
        ++k;
    }
}
BENCHMARK(Leitura)->Name("LeituraSobOCursor")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
