// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of ceravel-lote for a million generated points, input parsing and
// output included (the file system is left out: the input is in memory, the
// output is encoded in full and then dropped). The argument is the number of
// threads (-j): 1, 2 and every core of the machine; wall-clock time. Goal: at
// least 1.8 times the one-thread rate at 2 threads; the UTM form (--entrada
// utm, SIRGAS 2000, with γ and k) at least 200 000 points per second.
//   build/bin/bench_lote --benchmark_filter=MilhaoDePontos
#include "calc/LeituraNumeros.h"
#include "calc/ValidaEntrada.h"
#include "geo/Geodesia.h"
#include "export/Windows1252.h"
#include "lote/LeitorLinhas.h"
#include "lote/NumeroExato.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "model/LeCoeficientes.h"
#include "present/FormataResultados.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <random>
#include <thread>

namespace ceravel::lote {
namespace {

constexpr qint64 Pontos = 1000000;

QString PastaDoExecutavel()
{
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    return QString::fromStdString(exe.parent_path().string());
}

// Output that keeps nothing: the bytes are counted, not stored.
class Descarte : public QIODevice {
public:
    Descarte() { open(QIODevice::WriteOnly); }
    qint64 bytes = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 tamanho) override
    {
        bytes += tamanho;
        return tamanho;
    }
};

enum class Forma { Decimal, GrausMinutosSegundos, Utm };

// Points spread over the whole territory and period, four decimals (about
// ten metres), one date per line; a header line first.
QByteArray GeraEntrada(Forma forma, char separador)
{
    std::mt19937_64 aleatorio(20000615);
    std::uniform_real_distribution<double> lat(-35, 10), lon(-75, -30);
    std::uniform_int_distribution<int> dia(1, 28), mes(1, 12), ano(1995, 2005), minuto(0, 59);
    QByteArray texto = forma == Forma::Utm ? "zona;e;n;data\n" : "latitude;longitude;data\n";
    texto.reserve(40 * Pontos);
    char numero[32];
    const auto decimal = [&](double valor) {
        const auto fim = std::to_chars(numero, numero + sizeof numero, valor, std::chars_format::fixed, 4).ptr;
        for (char* c = numero; c != fim; ++c)
            texto += *c == '.' ? separador : *c;
    };
    for (qint64 i = 0; i < Pontos; ++i) {
        if (forma == Forma::Utm) {
            // The point in its own zone, centimetres.
            const geo::Geografico p{lat(aleatorio), lon(aleatorio)};
            const int zona = geo::ZonaUtm(p.longitude);
            static const QString pasta = PastaDoExecutavel();
            const auto utm = geo::GeodesiaDaThread(pasta).ParaUtm(p, zona, p.latitude < 0);
            const geo::PontoUtm& u = std::get<geo::PontoUtm>(utm);
            texto += QByteArray::number(zona) + (u.sul ? "S;" : "N;");
            const auto fim = std::to_chars(numero, numero + sizeof numero, u.leste, std::chars_format::fixed, 2).ptr;
            for (char* c = numero; c != fim; ++c)
                texto += *c == '.' ? separador : *c;
            texto += ';';
            const auto fimN = std::to_chars(numero, numero + sizeof numero, u.norte, std::chars_format::fixed, 2).ptr;
            for (char* c = numero; c != fimN; ++c)
                texto += *c == '.' ? separador : *c;
        } else if (forma == Forma::Decimal) {
            decimal(lat(aleatorio));
            texto += ';';
            decimal(lon(aleatorio));
        } else {
            texto += QByteArray::number(static_cast<int>(lat(aleatorio))) + ' ' + QByteArray::number(minuto(aleatorio))
                + ' ' + QByteArray::number(minuto(aleatorio)) + ';';
            texto += QByteArray::number(static_cast<int>(lon(aleatorio))) + ' ' + QByteArray::number(minuto(aleatorio))
                + ' ' + QByteArray::number(minuto(aleatorio));
        }
        texto += ';' + QByteArray::number(dia(aleatorio)) + '/' + QByteArray::number(mes(aleatorio)) + '/'
            + QByteArray::number(ano(aleatorio)) + '\n';
    }
    return texto;
}

void MilhaoDePontos(benchmark::State& estado, Forma forma, char separador, const QLocale& locale,
                    CodificacaoSaida codificacao)
{
    const LeituraConjuntos leitura = LeConjuntos(PastaDoExecutavel());
    if (!leitura.conjuntos) {
        estado.SkipWithError(leitura.erro.toStdString().c_str());
        return;
    }
    QByteArray texto = GeraEntrada(forma, separador);
    qint64 bytesSaida = 0;
    for (auto _ : estado) {
        QBuffer entrada(&texto);
        entrada.open(QIODevice::ReadOnly);
        Descarte destino;
        LeitorLinhas leitor(entrada);
        SaidaLote saida(destino, codificacao, locale.decimalPoint());
        OpcoesProcessamento opcoes;
        opcoes.nucleos = static_cast<int>(estado.range(0));
        ModeloLote modelo(*leitura.conjuntos);
        modelo.posicao.utm = forma == Forma::Utm;
        modelo.posicao.pastaGrades = PastaDoExecutavel();
        const ResumoLote resumo = ProcessaLote(leitor, saida, modelo, locale, nullptr, opcoes);
        if (!resumo.erro.isEmpty() || resumo.pontos != Pontos || resumo.falhas != 0) {
            estado.SkipWithError("the generated points did not all go through");
            return;
        }
        bytesSaida = destino.bytes;
    }
    estado.SetItemsProcessed(estado.iterations() * Pontos);
    estado.counters["MB_saida"] = static_cast<double>(bytesSaida) / 1e6;
}

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

void Nucleos(benchmark::internal::Benchmark* b)
{
    const int maquina = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    b->Arg(1)->Arg(2);
    if (maquina > 2)
        b->Arg(maquina);
    b->ArgName("nucleos")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3);
}

BENCHMARK_CAPTURE(MilhaoDePontos, DecimalPontoC, Forma::Decimal, '.', QLocale::c(), CodificacaoSaida::Windows1252)
    ->Apply(Nucleos);
BENCHMARK_CAPTURE(MilhaoDePontos, DecimalVirgulaPtBr, Forma::Decimal, ',', PtBr, CodificacaoSaida::Windows1252)
    ->Apply(Nucleos);
BENCHMARK_CAPTURE(MilhaoDePontos, DecimalPontoPtBr, Forma::Decimal, '.', PtBr, CodificacaoSaida::Windows1252)
    ->Apply(Nucleos);
BENCHMARK_CAPTURE(MilhaoDePontos, DecimalPontoUtf8, Forma::Decimal, '.', QLocale::c(), CodificacaoSaida::Utf8)
    ->Apply(Nucleos);
BENCHMARK_CAPTURE(MilhaoDePontos, UtmVirgulaPtBr, Forma::Utm, ',', PtBr, CodificacaoSaida::Windows1252)
    ->Apply(Nucleos);
BENCHMARK_CAPTURE(MilhaoDePontos, GrausMinutosSegundosC, Forma::GrausMinutosSegundos, '.', QLocale::c(),
                  CodificacaoSaida::Windows1252)
    ->Apply(Nucleos);

// ---- the core pieces each point goes through

void LeituraLocalDecimal(benchmark::State& estado)
{
    const QString texto = QStringLiteral("-23,5833");
    for (auto _ : estado)
        benchmark::DoNotOptimize(LeNumeroLocal(texto, PtBr));
}
BENCHMARK(LeituraLocalDecimal);

void LeituraInicialAno(benchmark::State& estado)
{
    const QString texto = QStringLiteral("2000");
    for (auto _ : estado)
        benchmark::DoNotOptimize(LeNumeroInicial(texto));
}
BENCHMARK(LeituraInicialAno);

void ChecagensDeUmPonto(benchmark::State& estado)
{
    TextosEntrada e;
    e.formaLatitude = e.formaLongitude = FormaEntrada::GrausDecimais;
    e.latGraus = QStringLiteral("-23.5833");
    e.lonGraus = QStringLiteral("-46.6250");
    e.dia = QStringLiteral("15");
    e.mes = QStringLiteral("6");
    e.ano = QStringLiteral("2000");
    for (auto _ : estado)
        benchmark::DoNotOptimize(ValidaEntrada(e, QLocale::c()));
}
BENCHMARK(ChecagensDeUmPonto);

void TextoDaDeclinacao(benchmark::State& estado)
{
    float D = -21.1234f;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(D);
        benchmark::DoNotOptimize(TextoDeclinacao(D, QLocale::c()));
    }
}
BENCHMARK(TextoDaDeclinacao);

// The thirteen numbers of one point: the decimal year and six components in
// double, six angles and intensities in float.
void NumerosDeUmPonto(benchmark::State& estado)
{
    double duplos[] = {2000.4535519125684, 17654.123456789012, -6123.4567890123456, -9876.54321098765,
                       12.345678901234567, -3.4567890123456789, 25.678901234567891};
    float simples[] = {-21.1234f, -3.56789f, -30.98765f, 4.56789f, 23456.1797f, -45.6789f};
    char linha[32 * lote::TamanhoNumeroExato];
    for (auto _ : estado) {
        benchmark::DoNotOptimize(duplos);
        benchmark::DoNotOptimize(simples);
        char* fim = linha;
        for (const double d : duplos)
            fim = lote::EscreveNumeroExato(fim, d, ",");
        for (const float f : simples)
            fim = lote::EscreveNumeroExato(fim, f, ",");
        benchmark::DoNotOptimize(fim);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(NumerosDeUmPonto);

void CodificacaoDeUmaLinha(benchmark::State& estado)
{
    const QString linha = QStringLiteral("-21º07'30'';Por favor, corrija o mês.");
    QByteArray destino;
    destino.reserve(1024);
    for (auto _ : estado) {
        destino.resize(0);
        benchmark::DoNotOptimize(AcrescentaWindows1252(destino, linha));
    }
}
BENCHMARK(CodificacaoDeUmaLinha);

}  // namespace
}  // namespace ceravel::lote

BENCHMARK_MAIN();
