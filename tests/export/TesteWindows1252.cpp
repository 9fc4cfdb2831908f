// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 both ways: the bytes each character becomes, the first one the
// code page lacks, and the program's text files read back.
#include "export/Windows1252.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ceravel {
namespace {

struct CasoCodificacao {
    const char* nome;
    QString texto;
    QByteArray bytes;   // empty when refused
    QString recusado;   // the character named when refused
};

void PrintTo(const CasoCodificacao& c, std::ostream* os) { *os << c.nome; }

class Codificacao : public testing::TestWithParam<CasoCodificacao> {};

// Appended behind earlier bytes, which a refusal leaves as they were.
TEST_P(Codificacao, WritesEveryCharacterOrNamesTheFirstItLacks)
{
    const CasoCodificacao& c = GetParam();
    QByteArray destino("x;");
    EXPECT_EQ(AcrescentaWindows1252(destino, c.texto), c.recusado.isEmpty());
    EXPECT_EQ(destino, "x;" + c.bytes);
    EXPECT_EQ(PrimeiroNaoRepresentavel(c.texto), c.recusado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Codificacao,
    testing::Values(
        CasoCodificacao{"Latin1RangeByteForByte", QStringLiteral("Aé º\u00FF"), "A\xE9 \xBA\xFF", {}},
        // 0x80 to 0x9F hold the euro, quotes and ligature, not Latin-1's controls.
        CasoCodificacao{"NotLatin1From0x80To0x9F", QStringLiteral("°€“Œ”"), "\xB0\x80\x93\x8C\x94", {}},
        CasoCodificacao{"ControlWithoutAByte", QStringLiteral("a\u0080"), {}, QStringLiteral("\u0080")},
        // Ł has a "best fit" l in some converters: it must be named, not replaced.
        CasoCodificacao{"NoBestFit", QStringLiteral("Łódź"), {}, QStringLiteral("Ł")},
        CasoCodificacao{"SurrogatePairNamedWhole", QStringLiteral("a€😀Ł"), {}, QStringLiteral("😀")}),
    [](const auto& info) { return std::string(info.param.nome); });

// The five bytes the code page leaves undefined read as the controls of the same number, as Windows reads them.
TEST(Decodificacao, EveryByteIsACharacter)
{
    DecodificadorWindows1252 decodificador;
    EXPECT_EQ(decodificador.decodifica("Observa\xE7\xE3o \x93" "dado\x94 \x80 \x81\x8D\x8F\x90\x9D"),
              QStringLiteral("Observação “dado” € \u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(decodificador.decodifica("21\xBA"), QStringLiteral("21º"));  // the same decoder again
}

// On screen a line ends in "\n"; a lone CR is text.
TEST(Decodificacao, ProgramFileLinesEndInLineFeed)
{
    EXPECT_EQ(TextoArquivoWindows1252("Declina\xE7\xE3o\r\n\r\nfim\r"), QStringLiteral("Declinação\n\nfim\r"));
}

}  // namespace
}  // namespace ceravel
