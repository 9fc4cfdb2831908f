#include "present/Formatacao.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ceravel {
namespace {

struct CasoPadrao {
    const char* nome;
    const char* locale;  // "C" has the full stop, "pt_BR" the comma
    double valor;
    Padrao padrao;
    const char16_t* esperado;
};

void PrintTo(const CasoPadrao& c, std::ostream* os) { *os << c.nome; }

class FormataPadraoTeste : public testing::TestWithParam<CasoPadrao> {};

TEST_P(FormataPadraoTeste, GivesTheText)
{
    const CasoPadrao& c = GetParam();
    EXPECT_EQ(FormataPadrao(c.valor, c.padrao, QLocale(QString::fromLatin1(c.locale))),
              QString::fromUtf16(c.esperado));
}

// Ties are judged on the exact binary value: 0.125, 2.5 and 0.5 are exact
// halves and go away from zero (not to even); 2.675, 1.005, 0.015 and
// 0.000155 are stored just below the half and go down, even though the value
// times the power of ten, computed in double, is exactly the half for the
// last two.
// 99.995 is stored just above the half.
const CasoPadrao CasosPadrao[] = {
    {"TieAwayFromZeroTwoDecimals", "C", 0.125, Padrao::DuasDecimais, u"0.13"},
    {"TieAwayFromZeroWhole", "C", 2.5, Padrao::Inteiro, u"3"},
    {"NegativeTieAwayFromZeroWhole", "C", -2.5, Padrao::Inteiro, u"-3"},
    {"HalfRoundsToOne", "C", 0.5, Padrao::Inteiro, u"1"},
    {"BinaryBelowTieRoundsDown", "C", 2.675, Padrao::DuasDecimais, u"2.67"},
    {"BinaryBelowTieOneThousandth", "C", 1.005, Padrao::DuasDecimais, u"1.00"},
    {"BelowTieThoughScaledProductIsHalf", "C", 0.015, Padrao::DuasDecimais, u"0.01"},
    {"BinaryAboveTieCarriesIntoWholePart", "C", 99.995, Padrao::DuasDecimais, u"100.00"},
    {"CarryAddsAWholeDigit", "C", 999.5, Padrao::Inteiro, u"1000"},
    {"CarryIntoWholePartOneDecimal", "C", 9.96, Padrao::UmaDecimal, u"10.0"},
    {"NegativeTwoDecimals", "C", -1.234, Padrao::DuasDecimais, u"-1.23"},
    {"NegativeTwoDecimalsComma", "pt_BR", -1.234, Padrao::DuasDecimais, u"-1,23"},
    {"IntensityNoGrouping", "C", 23456.74, Padrao::UmaDecimal, u"23456.7"},
    {"IntensityNoGroupingComma", "pt_BR", 23456.74, Padrao::UmaDecimal, u"23456,7"},
    {"MillionsNoGroupingComma", "pt_BR", -1234567.891, Padrao::UmaDecimal, u"-1234567,9"},
    {"HugeValueNoExponent", "C", 1e20, Padrao::Inteiro, u"100000000000000000000"},
    {"NegativeRoundingToZeroKeepsSign", "C", -0.003, Padrao::DuasDecimais, u"-0.00"},
    {"NegativeRoundingToZeroKeepsSignWhole", "C", -0.4, Padrao::Inteiro, u"-0"},
    {"NegativeZeroHasNoSign", "C", -0.0, Padrao::DuasDecimais, u"0.00"},
    {"TwoDigitsPadsBelowTen", "C", 7, Padrao::DoisDigitos, u"07"},
    {"TwoDigitsZero", "C", 0, Padrao::DoisDigitos, u"00"},
    {"TwoDigitsRoundsThenPads", "C", 9.5, Padrao::DoisDigitos, u"10"},
    {"TwoDigitsNoTruncationAbove99", "C", 123, Padrao::DoisDigitos, u"123"},
    {"FiveDecimalsPadsComma", "pt_BR", 2000.5, Padrao::CincoDecimais, u"2000,50000"},
    {"FiveDecimalsRounds", "C", 2000.0 + 167.0 / 366.0, Padrao::CincoDecimais, u"2000.45628"},
    {"FiveDecimalsSmallAboveTie", "C", 0.000005, Padrao::CincoDecimais, u"0.00001"},
    {"FiveDecimalsSmallBelowTie", "C", 0.000155, Padrao::CincoDecimais, u"0.00015"},
};

INSTANTIATE_TEST_SUITE_P(Padroes, FormataPadraoTeste, testing::ValuesIn(CasosPadrao),
                         [](const auto& info) { return std::string(info.param.nome); });

struct CasoGeral {
    const char* nome;
    const char* locale;
    double valor;
    const char16_t* esperado;
};

void PrintTo(const CasoGeral& c, std::ostream* os) { *os << c.nome; }

class TextoNumeroGeralTeste : public testing::TestWithParam<CasoGeral> {};

TEST_P(TextoNumeroGeralTeste, GivesTheText)
{
    const CasoGeral& c = GetParam();
    EXPECT_EQ(TextoNumeroGeral(c.valor, QLocale(QString::fromLatin1(c.locale))),
              QString::fromUtf16(c.esperado));
}

const CasoGeral CasosGeral[] = {
    {"DecimalYearFifteenDigits", "C", 2000.0 + 167.0 / 366.0, u"2000.45628415301"},
    {"DecimalYearFifteenDigitsComma", "pt_BR", 2000.0 + 167.0 / 366.0, u"2000,45628415301"},
    {"FirstOfJanuary", "C", 1995.0 + 1.0 / 365.0, u"1995.00273972603"},
    {"TrailingZerosDropped", "C", 2000.5, u"2000.5"},
    {"TrailingZerosDroppedComma", "pt_BR", 2000.5, u"2000,5"},
    {"WholeNumberHasNoSeparator", "pt_BR", 2005.0, u"2005"},
    {"NegativeCoordinate", "C", -47.875, u"-47.875"},
    {"LongRepeatingCoordinate", "C", -75.99972222222222, u"-75.9997222222222"},
    {"BinaryNoiseBeyondFifteenDigitsDropped", "C", 0.1, u"0.1"},
    {"TieAtFifteenDigitsCarries", "C", 999999999999999.5, u"1000000000000000"},
    {"SmallValueNoExponent", "C", 0.00001, u"0.00001"},
    {"NoGroupingComma", "pt_BR", 1234567.25, u"1234567,25"},
    {"Zero", "C", 0.0, u"0"},
    {"NegativeZero", "pt_BR", -0.0, u"0"},
};

INSTANTIATE_TEST_SUITE_P(Geral, TextoNumeroGeralTeste, testing::ValuesIn(CasosGeral),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel
