#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ceravel {
namespace {

struct CasoAngulo {
    const char* nome;
    const char* locale;
    float valor;
    const char16_t* esperado;
};

void PrintTo(const CasoAngulo& c, std::ostream* os) { *os << c.nome; }

QLocale Locale(const CasoAngulo& c) { return QLocale(QString::fromLatin1(c.locale)); }

std::string Nome(const testing::TestParamInfo<CasoAngulo>& info) { return info.param.nome; }

class TextoDeclinacaoTeste : public testing::TestWithParam<CasoAngulo> {};

TEST_P(TextoDeclinacaoTeste, GivesTheText)
{
    EXPECT_EQ(TextoDeclinacao(GetParam().valor, Locale(GetParam())), QString::fromUtf16(GetParam().esperado));
}

// The degree mark is U+00BA. The split runs in float: -7°32'11'' stored as a
// float gives 11 seconds in float arithmetic but 10 in double, and -7°33'21''
// gives 20 in float (21 in double).
const CasoAngulo CasosDeclinacao[] = {
    {"NegativeWithSeconds", "C", -21.125f, u"-21\u00BA07'30''"},
    {"PositiveWholeMinutes", "C", 15.25f, u"15\u00BA15'00''"},
    {"NegativeHalfDegree", "C", -20.5f, u"-20\u00BA30'00''"},
    {"NegativeWholeDegrees", "C", -20.0f, u"-20\u00BA00'00''"},
    {"Zero", "C", 0.0f, u"0\u00BA00'00''"},
    {"BetweenMinusOneAndZeroKeepsSign", "C", -0.5f, u"-0\u00BA30'00''"},
    {"BetweenZeroAndOne", "C", 0.5f, u"0\u00BA30'00''"},
    {"SecondsTruncatedNotRounded", "C", -(21.0f + 30.999f / 60.0f), u"-21\u00BA30'59''"},
    {"JustBelowOneDegreeNeverSixtySeconds", "C", 0.99999994f, u"0\u00BA59'59''"},
    {"FloatSplitKeepsEleventhSecond", "C", -7.53638887f, u"-7\u00BA32'11''"},
    {"FloatSplitLosesASecond", "C", -7.55583334f, u"-7\u00BA33'20''"},
    {"NoSeparatorUnderComma", "pt_BR", -21.125f, u"-21\u00BA07'30''"},
};

INSTANTIATE_TEST_SUITE_P(Declinacao, TextoDeclinacaoTeste, testing::ValuesIn(CasosDeclinacao), Nome);

class TextoVariacaoDeclinacaoTeste : public testing::TestWithParam<CasoAngulo> {};

TEST_P(TextoVariacaoDeclinacaoTeste, GivesTheText)
{
    EXPECT_EQ(TextoVariacaoDeclinacao(GetParam().valor, Locale(GetParam())),
              QString::fromUtf16(GetParam().esperado));
}

// -7'47'' stored as a float gives 47 seconds in float arithmetic, 46 in double.
const CasoAngulo CasosVariacao[] = {
    {"HalfMinute", "C", -7.5f, u"-7'30''/ano"},
    {"SecondsBelowTenPadded", "C", -6.125f, u"-6'07''/ano"},
    {"WholeMinutes", "C", -5.0f, u"-5'00''/ano"},
    {"TenSecondsNotPadded", "C", 4.175f, u"4'10''/ano"},
    {"SecondsTruncatedNotRounded", "C", 2.195f, u"2'11''/ano"},
    {"FloatSplit", "C", -7.7833333f, u"-7'47''/ano"},
    {"BetweenMinusOneAndZeroKeepsSign", "C", -0.5f, u"-0'30''/ano"},
    {"BetweenZeroAndOne", "C", 0.25f, u"0'15''/ano"},
    {"Zero", "C", 0.0f, u"0'00''/ano"},
    {"NoSeparatorUnderComma", "pt_BR", -7.5f, u"-7'30''/ano"},
};

INSTANTIATE_TEST_SUITE_P(VariacaoDeclinacao, TextoVariacaoDeclinacaoTeste, testing::ValuesIn(CasosVariacao),
                         Nome);

struct CasoInclinacao {
    const char* nome;
    const char* locale;
    float I;
    const char16_t* graus;
    const char16_t* minutos;
};

void PrintTo(const CasoInclinacao& c, std::ostream* os) { *os << c.nome; }

class TextosInclinacaoTeste : public testing::TestWithParam<CasoInclinacao> {};

TEST_P(TextosInclinacaoTeste, GivesDegreesAndMinutes)
{
    const CasoInclinacao& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    EXPECT_EQ(TextoGrausInclinacao(c.I, locale), QString::fromUtf16(c.graus));
    EXPECT_EQ(TextoMinutosInclinacao(c.I, locale), QString::fromUtf16(c.minutos));
}

// Minutes are rounded, never carried into the degrees, which stay truncated.
const CasoInclinacao CasosInclinacao[] = {
    {"Negative", "C", -30.125f, u"-30", u"7.50"},
    {"NegativeComma", "pt_BR", -30.125f, u"-30", u"7,50"},
    {"Positive", "C", 4.75f, u"4", u"45.00"},
    {"BetweenMinusOneAndZeroKeepsSign", "C", -0.5f, u"-0", u"30.00"},
    {"BetweenZeroAndOne", "C", 0.5f, u"0", u"30.00"},
    {"WholeDegrees", "C", -12.0f, u"-12", u"0.00"},
    {"MinutesRoundedNotTruncated", "pt_BR", 10.2f, u"10", u"12,00"},
    {"MinutesJustBelowRoundingToSixty", "C", -20.9999f, u"-20", u"59.99"},
    {"MinutesRoundingToSixtyStayBesideTruncatedDegrees", "C", -20.99995f, u"-20", u"60.00"},
    {"MinutesRoundingToSixtyPositive", "pt_BR", 4.99995f, u"4", u"60,00"},
    {"MinutesRoundingToSixtyKeepMinusZero", "C", -0.99995f, u"-0", u"60.00"},
};

INSTANTIATE_TEST_SUITE_P(Inclinacao, TextosInclinacaoTeste, testing::ValuesIn(CasosInclinacao),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel
