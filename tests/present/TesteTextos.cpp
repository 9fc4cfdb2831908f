// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/FormataResultados.h"
#include "present/Formatacao.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace ceravel {
namespace {

using Texto = std::function<QString(const QLocale&)>;

Texto Numero(double v, Padrao p) { return [=](const QLocale& l) { return FormataPadrao(v, p, l); }; }
Texto Geral(double v) { return [=](const QLocale& l) { return TextoNumeroGeral(v, l); }; }
Texto Angulo(QString (*f)(float, const QLocale&), float v) { return [=](const QLocale& l) { return f(v, l); }; }
Texto Inclinacao(float I) { return [=](const QLocale& l) { return TextoGrausInclinacao(I, l) + u'|' + TextoMinutosInclinacao(I, l); }; }

struct Caso {
    const char* nome;
    const char* locale;  // "C": full stop; "pt_BR": comma, digits grouped by default
    Texto texto;
    const char16_t* esperado;
};

// Ties are judged on the exact binary value: 0.125 is a true half, 0.015 lies
// just below one although 0.015 * 100 computes to exactly 1.5.
// Angle rows: -7°32'11'' and -7'47'' as floats give 10 and 46 seconds in double.
const Caso Casos[] = {
    {"TieAwayFromZero", "C", Numero(0.125, Padrao::DuasDecimais), u"0.13"},
    {"NegativeTieAwayFromZero", "C", Numero(-2.5, Padrao::Inteiro), u"-3"},
    {"BinaryBelowTie", "C", Numero(0.015, Padrao::DuasDecimais), u"0.01"},
    {"CarryAddsAWholeDigit", "C", Numero(99.995, Padrao::DuasDecimais), u"100.00"},
    {"NoGroupingComma", "pt_BR", Numero(-1234567.891, Padrao::UmaDecimal), u"-1234567,9"},
    {"HugeNoExponent", "C", Numero(1e20, Padrao::Inteiro), u"100000000000000000000"},
    {"NegativeRoundingToZeroKeepsSign", "C", Numero(-0.003, Padrao::DuasDecimais), u"-0.00"},
    {"NegativeZeroHasNoSign", "C", Numero(-0.0, Padrao::DuasDecimais), u"0.00"},
    {"TwoDigitsPads", "C", Numero(7, Padrao::DoisDigitos), u"07"},
    {"TwoDigitsRoundsThenPads", "C", Numero(9.5, Padrao::DoisDigitos), u"10"},
    {"FiveDecimalsRounds", "C", Numero(2000.0 + 167.0 / 366.0, Padrao::CincoDecimais), u"2000.45628"},
    {"FiveDecimalsPadsComma", "pt_BR", Numero(2000.5, Padrao::CincoDecimais), u"2000,50000"},
    {"GeneralFifteenDigitsComma", "pt_BR", Geral(2000.0 + 167.0 / 366.0), u"2000,45628415301"},
    {"GeneralNegativeFifteenDigits", "C", Geral(-75.99972222222222), u"-75.9997222222222"},
    {"GeneralTrailingZerosDropped", "C", Geral(2000.5), u"2000.5"},
    {"GeneralWholeHasNoSeparator", "pt_BR", Geral(2005), u"2005"},
    {"GeneralSmallNoExponent", "C", Geral(0.00001), u"0.00001"},
    {"GeneralCarryAtFifteenDigits", "C", Geral(999999999999999.5), u"1000000000000000"},
    {"GeneralNegativeZero", "pt_BR", Geral(-0.0), u"0"},
    {"DeclinationZero", "C", Angulo(TextoDeclinacao, 0.0f), u"0\u00BA00'00''"},
    {"DeclinationAboveMinusOneKeepsSign", "C", Angulo(TextoDeclinacao, -0.5f), u"-0\u00BA30'00''"},
    {"DeclinationSecondsTruncated", "C", Angulo(TextoDeclinacao, -(21.0f + 30.999f / 60.0f)), u"-21\u00BA30'59''"},
    {"DeclinationNeverSixtySeconds", "C", Angulo(TextoDeclinacao, 0.99999994f), u"0\u00BA59'59''"},
    {"DeclinationSplitInFloat", "C", Angulo(TextoDeclinacao, -7.53638887f), u"-7\u00BA32'11''"},
    {"VariationSecondsPadded", "C", Angulo(TextoVariacaoDeclinacao, -6.125f), u"-6'07''/ano"},
    {"VariationTenSecondsTruncatedNotPadded", "C", Angulo(TextoVariacaoDeclinacao, 4.175f), u"4'10''/ano"},
    {"VariationAboveMinusOneKeepsSign", "C", Angulo(TextoVariacaoDeclinacao, -0.5f), u"-0'30''/ano"},
    {"VariationSplitInFloat", "C", Angulo(TextoVariacaoDeclinacao, -7.7833333f), u"-7'47''/ano"},
    {"InclinationComma", "pt_BR", Inclinacao(-30.125f), u"-30|7,50"},
    {"InclinationAboveMinusOneKeepsSign", "C", Inclinacao(-0.5f), u"-0|30.00"},
    {"InclinationMinutesRounded", "pt_BR", Inclinacao(10.2f), u"10|12,00"},
    // Minutes rounding to 60 stay beside the truncated degrees, never carried.
    {"InclinationMinutesNotCarried", "C", Inclinacao(-20.99995f), u"-20|60.00"},
};

TEST(Textos, AreExact)
{
    for (const Caso& c : Casos)
        EXPECT_EQ(c.texto(QLocale(QString::fromLatin1(c.locale))), QString::fromUtf16(c.esperado)) << c.nome;
}

}  // namespace
}  // namespace ceravel
