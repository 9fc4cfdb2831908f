// Every point of a batch gives, bit for bit and text for text, what the
// calculator's Calculate command gives for the same boxes typed by hand.
#include "calc/Calculo.h"
#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"
#include "tests/lote/ApoioLote.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <random>

namespace ceravel::teste {
namespace {

constexpr FormaEntrada GMS = FormaEntrada::GrausMinutosSegundos;
constexpr FormaEntrada DEC = FormaEntrada::GrausDecimais;
const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);

// The calculator's boxes for a line: one decimal box or three boxes per
// coordinate ("." stands for the locale's separator); nullptr is an empty box.
struct Caixas {
    FormaEntrada formaLat;
    std::array<const char*, 3> lat;
    FormaEntrada formaLon;
    std::array<const char*, 3> lon;
    std::array<const char*, 3> data;
};

TextosEntrada Digitado(const Caixas& c, const QLocale& locale)
{
    const auto caixa = [&](const char* texto) { return texto ? NoLocale(texto, locale) : QString(); };
    TextosEntrada e;
    e.formaLatitude = c.formaLat;
    e.formaLongitude = c.formaLon;
    (c.formaLat == DEC ? e.latGraus : e.latG) = caixa(c.lat[0]);
    if (c.formaLat == GMS) {
        e.latM = caixa(c.lat[1]);
        e.latS = caixa(c.lat[2]);
    }
    (c.formaLon == DEC ? e.lonGraus : e.longG) = caixa(c.lon[0]);
    if (c.formaLon == GMS) {
        e.longM = caixa(c.lon[1]);
        e.longS = caixa(c.lon[2]);
    }
    e.dia = caixa(c.data[0]);
    e.mes = caixa(c.data[1]);
    e.ano = caixa(c.data[2]);
    return e;
}

// bit-exact: the batch runs the calculator's own checks and model, so every
// value carries the same bits, signs of zero included.
void ConfereIgual(const lote::ResultadoPonto& lote, const ResultadoCalculo& calculadora)
{
    if (!std::holds_alternative<Calculo>(calculadora)) {
        const QString mensagem = std::holds_alternative<FalhaGuarda>(calculadora)
            ? std::get<FalhaGuarda>(calculadora).mensagem
            : std::get<FalhaModelo>(calculadora).mensagem;
        EXPECT_FALSE(lote.elementos.has_value());
        EXPECT_EQ(lote.mensagem.toStdString(), mensagem.toStdString());
        return;
    }
    const Calculo& calculo = std::get<Calculo>(calculadora);
    ASSERT_TRUE(lote.elementos.has_value()) << lote.mensagem.toStdString();
    const ElementosCampo& a = *lote.elementos;
    const ElementosCampo& b = calculo.elementos;
    for (const auto& [x, y] : {std::pair{a.D, b.D}, {a.I, b.I}, {a.F, b.F}, {a.m, b.m}, {a.n, b.n}, {a.dF, b.dF}})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(x), std::bit_cast<std::uint32_t>(y));
    for (const auto& [x, y] : {std::pair{a.X, b.X}, {a.Y, b.Y}, {a.Z, b.Z}, {a.dX, b.dX}, {a.dY, b.dY},
                               {a.dZ, b.dZ}, {lote.anoDecimal, calculo.pedido.anoDecimal}})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(y));
    EXPECT_EQ(lote.declinacao.toStdString(), calculo.textos.dmin.toStdString());
}

lote::ResultadoPonto PeloLote(const QString& linha, const QLocale& locale)
{
    static const lote::LeituraModelo leitura = lote::CarregaModelo(PastaDados);
    EXPECT_TRUE(leitura.modelo) << leitura.erro.toStdString();
    const lote::EntradaPonto entrada = lote::MontaEntrada(lote::SeparaLinha(linha), locale.decimalPoint());
    EXPECT_TRUE(entrada.mensagem.isEmpty()) << entrada.mensagem.toStdString();
    return lote::CalculaPonto(entrada.textos, *leitura.modelo, locale);
}

struct CasoPonto {
    const char* nome;
    const char* linha;  // "." stands for the locale's separator, as in the boxes
    Caixas caixas;
};

void PrintTo(const CasoPonto& c, std::ostream* os) { *os << c.nome; }

const CasoPonto Casos[] = {
    {"DecimalAmbas", "-23.5;-46.625;15/06/2000", {DEC, {"-23.5"}, DEC, {"-46.625"}, {"15", "06", "2000"}}},
    {"GmsAmbas", "-23 30 0;-47 52 30;29/02/1996", {GMS, {"-23", "30", "0"}, GMS, {"-47", "52", "30"}, {"29", "02", "1996"}}},
    {"GmsEDecimal", " -0 30 12.5 ;\t-48.5;5/6/2000", {GMS, {"-0", "30", "12.5"}, DEC, {"-48.5"}, {"5", "6", "2000"}}},
    {"BrancosNaData", "3.25;-60;1 / 1 / 1995", {DEC, {"3.25"}, DEC, {"-60"}, {"1 ", " 1 ", " 1995"}}},
    {"LimitesDoTerritorio", "-35;-30;31/12/2005", {DEC, {"-35"}, DEC, {"-30"}, {"31", "12", "2005"}}},
    {"AmbasForaLatitudeGmsPrimeiro", "11 0 0;-80;15/06/2000", {GMS, {"11", "0", "0"}, DEC, {"-80"}, {"15", "06", "2000"}}},
    {"MinutosSessenta", "-23 60 0;-46;15/06/2000", {GMS, {"-23", "60", "0"}, DEC, {"-46"}, {"15", "06", "2000"}}},
    {"FevereiroSemBissexto", "-23;-46;29/02/1995", {DEC, {"-23"}, DEC, {"-46"}, {"29", "02", "1995"}}},
    {"AnoComDoisAlgarismos", "-23;-46;15/06/05", {DEC, {"-23"}, DEC, {"-46"}, {"15", "06", "05"}}},
    {"LetrasNaLatitude", "abc;-46;15/06/2000", {DEC, {"abc"}, DEC, {"-46"}, {"15", "06", "2000"}}},
    {"DataVazia", "-23;-46;", {DEC, {"-23"}, DEC, {"-46"}, {}}},
};

class Equivalencia : public testing::TestWithParam<std::tuple<CasoPonto, LocaleTeste>> {};

TEST_P(Equivalencia, MesmosBitsEMesmosTextos)
{
    const auto& [caso, loc] = GetParam();
    ConfereIgual(PeloLote(NoLocale(caso.linha, loc.locale), loc.locale),
                 Calcula(Digitado(caso.caixas, loc.locale), loc.locale, PastaDados));
}

INSTANTIATE_TEST_SUITE_P(Tabela, Equivalencia,
                         testing::Combine(testing::ValuesIn(Casos), testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_" + std::get<1>(info.param).nome;
                         });

// A full stop in a coordinate reads as the locale's separator; dates keep theirs.
TEST(SeparadorDecimal, PontoValeComoOSeparadorDoLocale)
{
    const QLocale ptBr(QLocale::Portuguese, QLocale::Brazil);
    const QLocale c = QLocale::c();  // the boxes below are literal
    const std::tuple<QLocale, const char*, Caixas> casos[] = {
        {ptBr, "-23.5;-46 0 0.25;15/06/2000", {DEC, {"-23,5"}, GMS, {"-46", "0", "0,25"}, {"15", "06", "2000"}}},
        {ptBr, "-23.5;-75.5;15/06/2000", {DEC, {"-23,5"}, DEC, {"-75,5"}, {"15", "06", "2000"}}},
        {ptBr, "-1.023,5;-46;15/06/2000", {DEC, {"-1,023,5"}, DEC, {"-46"}, {"15", "06", "2000"}}},
        {ptBr, "-23.5;-46;1.5/06/2000", {DEC, {"-23,5"}, DEC, {"-46"}, {"1.5", "06", "2000"}}},
        {c, "-23,5;-46;15/06/2000", {DEC, {"-23,5"}, DEC, {"-46"}, {"15", "06", "2000"}}},
    };
    for (const auto& [locale, linha, caixas] : casos) {
        SCOPED_TRACE(linha);
        ConfereIgual(PeloLote(QString::fromUtf8(linha), locale), Calcula(Digitado(caixas, c), locale, PastaDados));
    }
}

class Varredura : public testing::TestWithParam<LocaleTeste> {};

// Random positions a little beyond every bound, both entry forms, dates
// beyond the period and the calendar: some points pass, many are refused.
TEST_P(Varredura, MilPontosAleatorios)
{
    const QLocale& locale = GetParam().locale;
    std::mt19937 aleatorio(1995);
    std::uniform_real_distribution<double> lat(-36, 11), lon(-76, -29);
    std::uniform_int_distribution<int> dia(0, 32), mes(0, 13), ano(1994, 2006), minuto(0, 60), forma(0, 1);
    for (int i = 0; i < 1000 && !HasFailure(); ++i) {
        Caixas caixas{};
        std::string textos[9];
        std::string linha;
        for (int c = 0; c < 2; ++c) {
            const double valor = c == 0 ? lat(aleatorio) : lon(aleatorio);
            const bool gms = forma(aleatorio) == 1;
            auto& destino = c == 0 ? caixas.lat : caixas.lon;
            (c == 0 ? caixas.formaLat : caixas.formaLon) = gms ? GMS : DEC;
            textos[3 * c] = gms ? std::to_string(static_cast<int>(valor)) : std::to_string(valor);
            textos[3 * c + 1] = std::to_string(minuto(aleatorio));
            textos[3 * c + 2] = std::to_string(minuto(aleatorio)) + ".25";
            for (int k = 0; k < (gms ? 3 : 1); ++k) {
                destino[k] = textos[3 * c + k].c_str();
                linha += textos[3 * c + k] + (k + 1 < (gms ? 3 : 1) ? " " : ";");
            }
        }
        textos[6] = std::to_string(dia(aleatorio));
        textos[7] = std::to_string(mes(aleatorio));
        textos[8] = std::to_string(ano(aleatorio));
        caixas.data = {textos[6].c_str(), textos[7].c_str(), textos[8].c_str()};
        linha += textos[6] + "/" + textos[7] + "/" + textos[8];
        SCOPED_TRACE(linha);
        ConfereIgual(PeloLote(NoLocale(linha.c_str(), locale), locale),
                     Calcula(Digitado(caixas, locale), locale, PastaDados));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, Varredura, testing::ValuesIn(LocalesTeste()),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
