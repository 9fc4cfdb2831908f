#include "calc/AnoDecimal.h"

#include <gtest/gtest.h>

#include <string>

namespace ceravel::teste {
namespace {

// ---- Leap years and month lengths.

struct CasoBissexto {
    const char* nome;
    double ano;  // double: AnoEquivalente takes typed years of any size
    bool bissexto;
};

void PrintTo(const CasoBissexto& c, std::ostream* os) { *os << c.nome; }

const CasoBissexto CasosBissexto[] = {
    {"Comum1995", 1995, false},
    {"Bissexto1996", 1996, true},
    {"SeculoDivisivelPor400_2000", 2000, true},
    {"Bissexto2004", 2004, true},
    {"Comum2005", 2005, false},
    {"SeculoNaoDivisivelPor400_1900", 1900, false},
    {"SeculoNaoDivisivelPor400_2100", 2100, false},
    {"SeculoDivisivelPor400_2400", 2400, true},
    {"Zero", 0, true},
    {"NegativoBissexto", -4, true},
    {"NegativoComum", -1, false},
    {"AlemDoIntDivisivelPor400", 4000000000.0, true},
    {"AlemDoIntSeculoComum", 4000000100.0, false},
    {"AlemDoIntBissexto", 4000000004.0, true},
    {"AlemDoIntComum", 4000000001.0, false},
    {"EnormeNegativoSeculoComum", -4000000100.0, false},
    {"EnormeDivisivelPor400", 4e20, true},
};

class Bissexto : public testing::TestWithParam<CasoBissexto> {};

TEST_P(Bissexto, RegraGregoriana)
{
    const CasoBissexto& caso = GetParam();
    const int anoCiclo = AnoEquivalente(caso.ano);
    EXPECT_EQ(AnoBissexto(anoCiclo), caso.bissexto);
    EXPECT_EQ(DiasNoAno(anoCiclo), caso.bissexto ? 366 : 365);
    EXPECT_EQ(DiasNoMes(2, anoCiclo), caso.bissexto ? 29 : 28);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Bissexto, testing::ValuesIn(CasosBissexto),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(DiasNoMes, MesesDeTrintaETrintaEUmDiasEForaDoAno)
{
    const int trintaEUm[] = {1, 3, 5, 7, 8, 10, 12};
    const int trinta[] = {4, 6, 9, 11};
    for (int mes : trintaEUm)
        EXPECT_EQ(DiasNoMes(mes, 1995), 31) << "mes " << mes;
    for (int mes : trinta)
        EXPECT_EQ(DiasNoMes(mes, 1996), 30) << "mes " << mes;
    EXPECT_EQ(DiasNoMes(0, 2000), 0);
    EXPECT_EQ(DiasNoMes(13, 2000), 0);
    EXPECT_EQ(DiasNoMes(-1, 2000), 0);
}

// ---- Days of the months before each month, as tabulated for common and
// leap years, seen through the decimal year of the first of the month.

TEST(AnoDecimal, DiasDosMesesAnteriores)
{
    const int comum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int bissexto[] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    for (int mes = 1; mes <= 12; ++mes) {
        // bit-exact: the same operations on the same values, C taken from the table.
        EXPECT_EQ(AnoDecimal(1, mes, 2001), (comum[mes - 1] + 1.0) / 365 + 2001) << "mes " << mes;
        EXPECT_EQ(AnoDecimal(1, mes, 2004), (bissexto[mes - 1] + 1.0) / 366 + 2004) << "mes " << mes;
    }
}

// ---- Worked values of the decimal year and t.

struct CasoAnoDecimal {
    const char* nome;
    double dia, mes, ano;
    double anoDecimal;
    double t;
};

void PrintTo(const CasoAnoDecimal& c, std::ostream* os) { *os << c.nome; }

const CasoAnoDecimal CasosAnoDecimal[] = {
    {"PrimeiroDeJaneiro1995", 1, 1, 1995, 1995.0027397260274, 5.002739726027357},
    {"PrimeiroDeJaneiro2000", 1, 1, 2000, 2000.0027322404371, 10.002732240437126},
    {"QuinzeDeJunho2000", 15, 6, 2000, 2000.4562841530055, 10.456284153005527},
    {"VinteENoveDeFevereiro1996", 29, 2, 1996, 1996.1639344262296, 6.163934426229616},
    {"UltimoDiaDe2004EhExatamente2005", 31, 12, 2004, 2005.0, 15.0},
    {"UltimoDiaDe2005EhExatamente2006", 31, 12, 2005, 2006.0, 16.0},
    {"UltimoDiaDeAnoComum", 31, 12, 1995, 1996.0, 6.0},
};

class ValorAnoDecimal : public testing::TestWithParam<CasoAnoDecimal> {};

TEST_P(ValorAnoDecimal, FracaoMaisAno)
{
    const CasoAnoDecimal& caso = GetParam();
    const double anoDecimal = AnoDecimal(caso.dia, caso.mes, caso.ano);
    // bit-exact: the reference values were computed with the same double
    // operations, fraction first, then the year.
    EXPECT_EQ(anoDecimal, caso.anoDecimal);
    EXPECT_EQ(anoDecimal - 1990, caso.t);
}

INSTANTIATE_TEST_SUITE_P(Tabela, ValorAnoDecimal, testing::ValuesIn(CasosAnoDecimal),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
