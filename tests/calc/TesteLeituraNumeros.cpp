#include "calc/LeituraNumeros.h"
#include "tests/calc/LocalesTeste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace ceravel::teste {
namespace {

// ---- LeNumeroLocal, rows that read alike in every locale ("." stands for the
// locale's separator).

struct CasoLocal {
    const char* nome;
    const char* texto;
    std::optional<double> esperado;  // empty: not a number
};

void PrintTo(const CasoLocal& c, std::ostream* os) { *os << c.nome; }

const CasoLocal CasosLocal[] = {
    {"Inteiro", "12", 12.0},
    {"BrancosEmVolta", "  12 ", 12.0},
    {"TabulacaoEmVolta", "\t12\t", 12.0},
    {"DecimalNegativo", "-23.5", -23.5},
    {"SinalMais", "+5", 5.0},
    {"ZeroAEsquerda", "05", 5.0},
    {"Expoente", "2e3", 2000.0},
    {"ExpoenteMaiusculoComSinal", "2E+3", 2000.0},
    {"SoFracao", ".5", 0.5},
    {"Vazio", "", std::nullopt},
    {"SoBranco", " ", std::nullopt},
    {"Letras", "abc", std::nullopt},
    {"NumeroSeguidoDeLetras", "12abc", std::nullopt},
    {"BrancoNoMeio", "1 2", std::nullopt},
    {"Infinito", "inf", std::nullopt},
    {"NaoNumero", "nan", std::nullopt},
    {"EstouroParaInfinito", "1e999", std::nullopt},
    {"Hexadecimal", "0x10", std::nullopt},
    {"ExpoenteSemDigitos", "1e", std::nullopt},
    {"DoisSeparadores", "1.2.3", std::nullopt},
};

class LeituraLocal : public testing::TestWithParam<std::tuple<CasoLocal, LocaleTeste>> {};

TEST_P(LeituraLocal, LeSoNumerosDoLocale)
{
    const auto& [caso, loc] = GetParam();
    const std::optional<double> lido = LeNumeroLocal(NoLocale(caso.texto, loc.locale), loc.locale);
    ASSERT_EQ(lido.has_value(), caso.esperado.has_value());
    if (caso.esperado) {
        // bit-exact: each value is the double nearest its short decimal text.
        EXPECT_EQ(*lido, *caso.esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraLocal,
                         testing::Combine(testing::ValuesIn(CasosLocal), testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_"
                                 + std::get<1>(info.param).nome;
                         });

// ---- LeNumeroLocal, rows whose answer depends on the locale.

struct CasoSeparador {
    const char* nome;
    QLocale locale;
    const char* texto;  // UTF-8, as typed
    std::optional<double> esperado;
};

void PrintTo(const CasoSeparador& c, std::ostream* os) { *os << c.nome; }

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);

const CasoSeparador CasosSeparador[] = {
    {"BrasilPontoEhAgrupamentoNaoMil", Brasil, "1.000", std::nullopt},
    {"BrasilVirgulaEhDecimal", Brasil, "1,000", 1.0},
    {"BrasilAgrupamentoEDecimal", Brasil, "1.000,5", std::nullopt},
    {"BrasilPontoDecimalRecusado", Brasil, "-23.5", std::nullopt},
    {"BrasilVirgulaComExpoente", Brasil, "2,5e3", 2500.0},
    {"CPontoEhDecimal", QLocale::c(), "1.000", 1.0},
    {"CVirgulaRecusada", QLocale::c(), "-23,5", std::nullopt},
    {"CAgrupamentoRecusado", QLocale::c(), "1,000", std::nullopt},
    {"CAlgarismosArabesRecusados", QLocale::c(), "\u0661\u0662", std::nullopt},
    // Swedish writes minus as U+2212; the keyboard's "-" must still read.
    {"SuecoHifenDoTeclado", QLocale(QLocale::Swedish, QLocale::Sweden), "-5", -5.0},
    {"SuecoSinalMenosProprio", QLocale(QLocale::Swedish, QLocale::Sweden), "\u22125", -5.0},
    {"FrancesAgrupamentoComEspacoFino", QLocale(QLocale::French, QLocale::France), "1\u202f000",
     std::nullopt},
};

class LeituraSeparador : public testing::TestWithParam<CasoSeparador> {};

TEST_P(LeituraSeparador, SoOSeparadorDoLocaleSemAgrupamento)
{
    const CasoSeparador& caso = GetParam();
    const std::optional<double> lido = LeNumeroLocal(QString::fromUtf8(caso.texto), caso.locale);
    ASSERT_EQ(lido.has_value(), caso.esperado.has_value());
    if (caso.esperado) {
        // bit-exact: each value is the double nearest its short decimal text.
        EXPECT_EQ(*lido, *caso.esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraSeparador, testing::ValuesIn(CasosSeparador),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- LeNumeroInicial: the leading number, "." only, 0 when none.

struct CasoInicial {
    const char* nome;
    const char* texto;
    double esperado;
};

void PrintTo(const CasoInicial& c, std::ostream* os) { *os << c.nome; }

const CasoInicial CasosInicial[] = {
    {"Inteiro", "2000", 2000.0},
    {"BrancosAntes", "  2000", 2000.0},
    {"TabulacaoAntes", "\t7", 7.0},
    {"BrancoDepois", "2000 ", 2000.0},
    {"ParaNaLetra", "12abc", 12.0},
    {"ParaNoBranco", "1 2", 1.0},
    {"SemNumero", "abc", 0.0},
    {"Vazio", "", 0.0},
    {"SoSinal", "-", 0.0},
    {"SinalSeparadoDoNumero", "- 5", 0.0},
    {"DecimalComPonto", "-23.5", -23.5},
    {"VirgulaEncerraONumero", "-23,5", -23.0},
    {"VirgulaAntesDoExpoente", "2,0e3", 2.0},
    {"SinalMais", "+5", 5.0},
    {"ZeroAEsquerda", "05", 5.0},
    {"Expoente", "2e3", 2000.0},
    {"ExpoenteMaiusculoComSinal", "2E+3", 2000.0},
    {"ExpoenteNegativo", "25e-1", 2.5},
    {"ExpoenteIncompleto", "2e", 2.0},
    {"ExpoenteSoComSinal", "2e+", 2.0},
    {"SoFracao", ".5", 0.5},
    {"SoFracaoNegativa", "-.5", -0.5},
    {"PontoFinal", "5.", 5.0},
    {"SegundoPontoEncerra", "1.2.3", 1.2},
    {"AlgarismosArabesNaoSaoLidos", "\u0662", 0.0},
};

class LeituraInicial : public testing::TestWithParam<CasoInicial> {};

TEST_P(LeituraInicial, LeONumeroDoInicio)
{
    // bit-exact: each value is the double nearest its short decimal text.
    EXPECT_EQ(LeNumeroInicial(QString::fromUtf8(GetParam().texto)), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraInicial, testing::ValuesIn(CasosInicial),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
