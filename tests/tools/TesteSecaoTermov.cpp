// SPDX-License-Identifier: GPL-3.0-or-later
// The help text's model section: its Portuguese table, merged into Termov.txt (Windows-1252, CR LF).
#include "tools/ajuste/SecaoTermov.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ceravel::ajuste {
namespace {

const std::vector<std::string> secao{TituloSecaoModelo, "", "Linha com acentuação: ç, ã, é."};
const std::string tituloBytes = "9. ORIGEM E PRECIS\xC3O DO MODELO REGIONAL\r\n";
const std::string secaoBytes = tituloBytes + "\r\nLinha com acentua\xE7\xE3o: \xE7, \xE3, \xE9.\r\n";

// "\x93" and "\x94" are Windows-1252 curly quotes: bytes the merge must not touch.
TEST(SecaoTermov, MergeKeepsTheGeneralTextAndOneBlankLineBeforeTheSection) {
    const struct {
        const char* nome;
        std::string antes, depois;
    } casos[] = {
        {"AppendedAfterText", "GERAL\r\n\x93texto\x94\r\n", "GERAL\r\n\x93texto\x94\r\n\r\n" + secaoBytes},
        {"MissingFinalLineEndIsAdded", "GERAL", "GERAL\r\n\r\n" + secaoBytes},
        {"ExtraBlankLinesCollapse", "GERAL\r\n\r\n\r\n\r\n", "GERAL\r\n\r\n" + secaoBytes},
        {"EmptyFileGetsTheSectionAlone", "", secaoBytes},
        {"OldSectionIsReplacedToTheEnd", "GERAL\r\n\r\n" + tituloBytes + "\r\nvelho\r\n", "GERAL\r\n\r\n" + secaoBytes},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(AtualizaTermov(caso.antes, secao), caso.depois) << caso.nome;
}

TEST(SecaoTermov, CharactersWindows1252CannotHoldAreRefused) {
    EXPECT_FALSE(AtualizaTermov("", {"seta → aqui"}) || AtualizaTermov("", {"controle \u0085"}));  // C1 control
    const auto secao = AtualizaTermov("", {"travessão — grau ° e ordinal ª"});
    ASSERT_TRUE(secao);
    EXPECT_NE(secao->find("\x97 grau \xB0 e ordinal \xAA"), std::string::npos);  // U+2014 is 0x97
}

TEST(SecaoTermov, AccuracyTableUsesTheDecimalCommaAndAlignedColumns) {
    const auto resultado = [](Elemento e, double rms, double maxB, double maxC, double taxa) {
        ResultadoElemento r;
        r.elemento = e, r.validacao.rmsBrasil = rms, r.validacao.maxBrasil = maxB;
        r.validacao.maxCaixa = maxC, r.validacao.rmsTaxaBrasil = taxa;
        return r;
    };
    const auto linhas = SecaoModelo({resultado(Elemento::D, 0.59, 2.49, 28.51, 0.289),
                                     resultado(Elemento::I, 5.336, 11.74, 118.91, 0.672),
                                     resultado(Elemento::F, 6.124, 21.63, 190.09, 1.668)});
    for (const char* esperada : {"Brasil, média (RMS)      0,6'       5,3'       6 nT",
                                 "Região toda, máxima     28,5'     118,9'     190 nT",
                                 "inclinação 0,67'/ano; intensidade total 1,7 nT/ano."})
        EXPECT_NE(std::find(linhas.begin(), linhas.end(), esperada), linhas.end()) << esperada;
    // Every line fits the help text's 64 columns and converts to Windows-1252.
    for (const auto& l : linhas)
        EXPECT_LE(std::count_if(l.begin(), l.end(), [](char c) { return (c & 0xC0) != 0x80; }), 64) << l;
    EXPECT_TRUE(AtualizaTermov("", linhas));
}

// The shipped help: CR LF only, and the model section once, which ceravel-ajuste replaces to the end.
TEST(SecaoTermov, ShippedHelpTextIsCrLfWithOneModelSection) {
    std::ifstream arquivo(std::string(CERAVEL_DADOS_PROJETO) + "/Termov.txt", std::ios::binary);
    const std::string termov(std::istreambuf_iterator<char>(arquivo), {});
    for (auto lf = termov.find('\n'); lf != std::string::npos; lf = termov.find('\n', lf + 1))
        ASSERT_TRUE(lf > 0 && termov[lf - 1] == '\r') << "bare LF at byte " << lf;
    const auto posicao = termov.find(tituloBytes);
    ASSERT_NE(posicao, std::string::npos);
    EXPECT_EQ(termov.find(tituloBytes, posicao + 1), std::string::npos);
}

}  // namespace
}  // namespace ceravel::ajuste
