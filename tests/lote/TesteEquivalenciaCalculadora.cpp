// Every point of a batch gives, bit for bit and text for text, what the
// calculator's Calculate command gives for the same boxes typed by hand.
#include "calc/Calculo.h"
#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"
#include "tests/lote/ApoioLote.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

namespace ceravel::teste {
namespace {

constexpr FormaEntrada GMS = FormaEntrada::GrausMinutosSegundos;
constexpr FormaEntrada DEC = FormaEntrada::GrausDecimais;

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);

// What the calculator's boxes hold for a line: a coordinate is one decimal
// box or three boxes of degrees, minutes and seconds.
struct Caixas {
    FormaEntrada formaLat;
    const char* lat[3];  // decimal: lat[0]
    FormaEntrada formaLon;
    const char* lon[3];
    const char* dia;
    const char* mes;
    const char* ano;
};

TextosEntrada Digitado(const Caixas& c, const QLocale& locale)
{
    TextosEntrada e;
    e.formaLatitude = c.formaLat;
    e.formaLongitude = c.formaLon;
    const auto caixa = [&](const char* texto) { return texto ? NoLocale(texto, locale) : QString(); };
    if (c.formaLat == DEC) {
        e.latGraus = caixa(c.lat[0]);
    } else {
        e.latG = caixa(c.lat[0]);
        e.latM = caixa(c.lat[1]);
        e.latS = caixa(c.lat[2]);
    }
    if (c.formaLon == DEC) {
        e.lonGraus = caixa(c.lon[0]);
    } else {
        e.longG = caixa(c.lon[0]);
        e.longM = caixa(c.lon[1]);
        e.longS = caixa(c.lon[2]);
    }
    e.dia = caixa(c.dia);
    e.mes = caixa(c.mes);
    e.ano = caixa(c.ano);
    return e;
}

template <typename T>
auto Bits(T valor)
{
    if constexpr (sizeof(T) == 4)
        return std::bit_cast<std::uint32_t>(valor);
    else
        return std::bit_cast<std::uint64_t>(valor);
}

// bit-exact: the batch runs the calculator's own checks and model, so every
// value must carry the same bits, signs of zero included.
void ConfereIgual(const lote::ResultadoPonto& lote, const ResultadoCalculo& calculadora, const std::string& onde)
{
    SCOPED_TRACE(onde);
    if (const auto* falha = std::get_if<FalhaGuarda>(&calculadora)) {
        EXPECT_FALSE(lote.elementos.has_value());
        EXPECT_EQ(lote.mensagem.toStdString(), falha->mensagem.toStdString());
        return;
    }
    if (const auto* falha = std::get_if<FalhaModelo>(&calculadora)) {
        EXPECT_FALSE(lote.elementos.has_value());
        EXPECT_EQ(lote.mensagem.toStdString(), falha->mensagem.toStdString());
        return;
    }
    const Calculo& calculo = std::get<Calculo>(calculadora);
    ASSERT_TRUE(lote.elementos.has_value()) << lote.mensagem.toStdString();
    const ElementosCampo& a = *lote.elementos;
    const ElementosCampo& b = calculo.elementos;
    EXPECT_EQ(Bits(a.D), Bits(b.D));
    EXPECT_EQ(Bits(a.I), Bits(b.I));
    EXPECT_EQ(Bits(a.F), Bits(b.F));
    EXPECT_EQ(Bits(a.m), Bits(b.m));
    EXPECT_EQ(Bits(a.n), Bits(b.n));
    EXPECT_EQ(Bits(a.dF), Bits(b.dF));
    EXPECT_EQ(Bits(a.X), Bits(b.X));
    EXPECT_EQ(Bits(a.Y), Bits(b.Y));
    EXPECT_EQ(Bits(a.Z), Bits(b.Z));
    EXPECT_EQ(Bits(a.dX), Bits(b.dX));
    EXPECT_EQ(Bits(a.dY), Bits(b.dY));
    EXPECT_EQ(Bits(a.dZ), Bits(b.dZ));
    EXPECT_EQ(Bits(lote.anoDecimal), Bits(calculo.pedido.anoDecimal));
    EXPECT_EQ(lote.declinacao.toStdString(), calculo.textos.dmin.toStdString());
    EXPECT_TRUE(lote.mensagem.isEmpty());
}

lote::ResultadoPonto PeloLote(const QString& linha, const lote::ModeloLote& modelo, const QLocale& locale)
{
    const lote::LinhaSeparada separada = lote::SeparaLinha(linha);
    EXPECT_EQ(separada.tipo, lote::LinhaSeparada::Tipo::Ponto) << linha.toStdString();
    const lote::EntradaPonto entrada = lote::MontaEntrada(separada, locale.decimalPoint());
    EXPECT_TRUE(entrada.mensagem.isEmpty()) << entrada.mensagem.toStdString();
    return lote::CalculaPonto(entrada.textos, modelo, locale);
}

struct CasoPonto {
    const char* nome;
    const char* linha;  // "." stands for the locale's separator, as in the boxes
    Caixas caixas;
};

void PrintTo(const CasoPonto& c, std::ostream* os) { *os << c.nome; }

const CasoPonto Casos[] = {
    {"DecimalAmbas", "-23.5;-46.625;15/06/2000", {DEC, {"-23.5"}, DEC, {"-46.625"}, "15", "06", "2000"}},
    {"GmsAmbas", "-23 30 0;-47 52 30;15/06/2000", {GMS, {"-23", "30", "0"}, GMS, {"-47", "52", "30"}, "15", "06", "2000"}},
    {"GmsLatitudeDecimalLongitude", "-27 35 10;-48.5;5/6/2000",
     {GMS, {"-27", "35", "10"}, DEC, {"-48.5"}, "5", "6", "2000"}},
    {"DecimalLatitudeGmsLongitude", "3.25;-60 0 59.5;29/02/1996",
     {DEC, {"3.25"}, GMS, {"-60", "0", "59.5"}, "29", "02", "1996"}},
    {"BrancosEmVoltaDosCampos", "  -10.125 ;\t-40.5 ; 01/01/1995 ",
     {DEC, {"-10.125"}, DEC, {"-40.5"}, "01", "01", "1995"}},
    {"BrancosDentroDaData", "-10;-40;1 / 1 / 1995", {DEC, {"-10"}, DEC, {"-40"}, "1 ", " 1 ", " 1995"}},
    {"LimitesDoTerritorio", "-35;-75;31/12/2005", {DEC, {"-35"}, DEC, {"-75"}, "31", "12", "2005"}},
    {"OutrosLimites", "10;-30;01/01/1995", {DEC, {"10"}, DEC, {"-30"}, "01", "01", "1995"}},
    {"GmsAlemDoLimitePorMinutos", "-35 30 0;-75 59 59;1/1/2000",
     {GMS, {"-35", "30", "0"}, GMS, {"-75", "59", "59"}, "1", "1", "2000"}},
    {"ZeroNegativoEmGms", "-0 30 0;-45 0 0;1/7/2003", {GMS, {"-0", "30", "0"}, GMS, {"-45", "0", "0"}, "1", "7", "2003"}},
    {"SinalMaisEExpoente", "+5e-1;-4.5e1;1/7/2003", {DEC, {"+5e-1"}, DEC, {"-4.5e1"}, "1", "7", "2003"}},
    {"LatitudeForaDaFaixa", "-35.5;-46;15/06/2000", {DEC, {"-35.5"}, DEC, {"-46"}, "15", "06", "2000"}},
    {"LongitudeForaDaFaixa", "-23;-29.9;15/06/2000", {DEC, {"-23"}, DEC, {"-29.9"}, "15", "06", "2000"}},
    {"AmbasForaLatitudeGmsPrimeiro", "11 0 0;-80;15/06/2000", {GMS, {"11", "0", "0"}, DEC, {"-80"}, "15", "06", "2000"}},
    {"AmbasForaLongitudePrimeiro", "11;-80;15/06/2000", {DEC, {"11"}, DEC, {"-80"}, "15", "06", "2000"}},
    {"MinutosSessenta", "-23 60 0;-46 0 0;15/06/2000", {GMS, {"-23", "60", "0"}, GMS, {"-46", "0", "0"}, "15", "06", "2000"}},
    {"SegundosFracionadosDemais", "-23 0 59.5;-46;15/06/2000", {GMS, {"-23", "0", "59.5"}, DEC, {"-46"}, "15", "06", "2000"}},
    {"DiaZero", "-23;-46;0/05/2000", {DEC, {"-23"}, DEC, {"-46"}, "0", "05", "2000"}},
    {"MesTreze", "-23;-46;15/13/2000", {DEC, {"-23"}, DEC, {"-46"}, "15", "13", "2000"}},
    {"VinteENoveDeFevereiroSemBissexto", "-23;-46;29/02/1995", {DEC, {"-23"}, DEC, {"-46"}, "29", "02", "1995"}},
    {"TrintaEUmDeAbril", "-23;-46;31/04/2000", {DEC, {"-23"}, DEC, {"-46"}, "31", "04", "2000"}},
    {"AnoComDoisAlgarismos", "-23;-46;15/06/05", {DEC, {"-23"}, DEC, {"-46"}, "15", "06", "05"}},
    {"AnoForaDoPeriodo", "-23;-46;01/01/2006", {DEC, {"-23"}, DEC, {"-46"}, "01", "01", "2006"}},
    {"DiaFracionado", "-23;-46;1.5/01/2000", {DEC, {"-23"}, DEC, {"-46"}, "1.5", "01", "2000"}},
    {"LetrasNaLatitude", "abc;-46;15/06/2000", {DEC, {"abc"}, DEC, {"-46"}, "15", "06", "2000"}},
    {"LetrasNoAno", "-23;-46;15/06/2OOO", {DEC, {"-23"}, DEC, {"-46"}, "15", "06", "2OOO"}},
    {"DataVazia", "-23;-46;", {DEC, {"-23"}, DEC, {"-46"}, nullptr, nullptr, nullptr}},
    {"LongitudeVazia", "-23;;15/06/2000", {DEC, {"-23"}, DEC, {nullptr}, "15", "06", "2000"}},
    {"DiaVazioNaData", "-23;-46;/06/2000", {DEC, {"-23"}, DEC, {"-46"}, "", "06", "2000"}},
    {"SoLatitude", "-23", {DEC, {"-23"}, DEC, {nullptr}, nullptr, nullptr, nullptr}},
};

class EquivalenciaCalculadora : public testing::TestWithParam<std::tuple<CasoPonto, LocaleTeste>> {};

TEST_P(EquivalenciaCalculadora, MesmosBitsEMesmosTextos)
{
    const auto& [caso, loc] = GetParam();
    const lote::LeituraModelo leitura = lote::CarregaModelo(PastaDados);
    ASSERT_TRUE(leitura.modelo) << leitura.erro.toStdString();

    const lote::ResultadoPonto pelaLote = PeloLote(NoLocale(caso.linha, loc.locale), *leitura.modelo, loc.locale);
    const ResultadoCalculo pelaCalculadora = Calcula(Digitado(caso.caixas, loc.locale), loc.locale, PastaDados);
    ConfereIgual(pelaLote, pelaCalculadora, caso.nome);
}

INSTANTIATE_TEST_SUITE_P(Tabela, EquivalenciaCalculadora,
                         testing::Combine(testing::ValuesIn(Casos), testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_" + std::get<1>(info.param).nome;
                         });

// ---- the full stop always read, whatever the locale

struct CasoSeparador {
    const char* nome;
    QLocale locale;
    const char* linha;  // literal
    Caixas caixas;      // literal, as a user of the locale types them
};

void PrintTo(const CasoSeparador& c, std::ostream* os) { *os << c.nome; }

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

class SeparadorDecimal : public testing::TestWithParam<CasoSeparador> {};

TEST_P(SeparadorDecimal, PontoValeComoOSeparadorDoLocale)
{
    const CasoSeparador& caso = GetParam();
    const lote::LeituraModelo leitura = lote::CarregaModelo(PastaDados);
    ASSERT_TRUE(leitura.modelo) << leitura.erro.toStdString();
    const QLocale c = QLocale::c();  // the boxes are literal: no separator conversion
    const lote::ResultadoPonto pelaLote = PeloLote(QString::fromUtf8(caso.linha), *leitura.modelo, caso.locale);
    ConfereIgual(pelaLote, Calcula(Digitado(caso.caixas, c), caso.locale, PastaDados), caso.nome);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, SeparadorDecimal,
    testing::Values(
        CasoSeparador{"PontoEmPtBr", PtBr, "-23.5;-46.625;15/06/2000",
                      {DEC, {"-23,5"}, DEC, {"-46,625"}, "15", "06", "2000"}},
        CasoSeparador{"PontoNosSegundosEmPtBr", PtBr, "-23 30 12.5;-46 0 0.25;15/06/2000",
                      {GMS, {"-23", "30", "12,5"}, GMS, {"-46", "0", "0,25"}, "15", "06", "2000"}},
        CasoSeparador{"VirgulaEmPtBr", PtBr, "-23,5;-46,625;15/06/2000",
                      {DEC, {"-23,5"}, DEC, {"-46,625"}, "15", "06", "2000"}},
        CasoSeparador{"PontoEVirgulaJuntosEmPtBr", PtBr, "-1.023,5;-46;15/06/2000",
                      {DEC, {"-1,023,5"}, DEC, {"-46"}, "15", "06", "2000"}},
        CasoSeparador{"PontoForaDaFaixaEmPtBr", PtBr, "-23.5;-75.5;15/06/2000",
                      {DEC, {"-23,5"}, DEC, {"-75,5"}, "15", "06", "2000"}},
        CasoSeparador{"DataComPontoNaoEConvertida", PtBr, "-23.5;-46;1.5/06/2000",
                      {DEC, {"-23,5"}, DEC, {"-46"}, "1.5", "06", "2000"}},
        CasoSeparador{"VirgulaEmCNaoELida", QLocale::c(), "-23,5;-46;15/06/2000",
                      {DEC, {"-23,5"}, DEC, {"-46"}, "15", "06", "2000"}}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- many positions and dates over the whole territory and period

class VarreduraAleatoria : public testing::TestWithParam<LocaleTeste> {};

TEST_P(VarreduraAleatoria, MilPontosIguaisAosDaCalculadora)
{
    const QLocale& locale = GetParam().locale;
    const lote::LeituraModelo leitura = lote::CarregaModelo(PastaDados);
    ASSERT_TRUE(leitura.modelo) << leitura.erro.toStdString();

    std::mt19937 aleatorio(1995);
    // A little beyond every bound, so that some points are refused.
    std::uniform_real_distribution<double> lat(-36, 11), lon(-76, -29);
    std::uniform_int_distribution<int> dia(0, 32), mes(0, 13), ano(1994, 2006), minuto(0, 60), forma(0, 1);
    for (int i = 0; i < 1000; ++i) {
        Caixas caixas{};
        std::string textos[6];
        QString linha;
        for (int c = 0; c < 2; ++c) {
            const double valor = c == 0 ? lat(aleatorio) : lon(aleatorio);
            const bool gms = forma(aleatorio) == 1;
            if (gms) {
                textos[3 * c] = std::to_string(static_cast<int>(valor));
                textos[3 * c + 1] = std::to_string(minuto(aleatorio));
                textos[3 * c + 2] = std::to_string(minuto(aleatorio)) + ".25";
            } else {
                textos[3 * c] = QByteArray::number(valor, 'f', 6).toStdString();
            }
            const char** destino = c == 0 ? caixas.lat : caixas.lon;
            (c == 0 ? caixas.formaLat : caixas.formaLon) = gms ? GMS : DEC;
            for (int k = 0; k < (gms ? 3 : 1); ++k) {
                destino[k] = textos[3 * c + k].c_str();
                linha += QString::fromStdString(textos[3 * c + k]) + (k + 1 < (gms ? 3 : 1) ? " " : "");
            }
            linha += u';';
        }
        const std::string d = std::to_string(dia(aleatorio)), m = std::to_string(mes(aleatorio)),
                          a = std::to_string(ano(aleatorio));
        caixas.dia = d.c_str();
        caixas.mes = m.c_str();
        caixas.ano = a.c_str();
        linha += QString::fromStdString(d + "/" + m + "/" + a);

        const lote::ResultadoPonto pelaLote = PeloLote(NoLocale(linha.toUtf8().constData(), locale), *leitura.modelo, locale);
        ConfereIgual(pelaLote, Calcula(Digitado(caixas, locale), locale, PastaDados), linha.toStdString());
        if (HasFailure())
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, VarreduraAleatoria, testing::ValuesIn(LocalesTeste()),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
