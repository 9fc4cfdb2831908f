// The model section of the help text: its Portuguese table and how it is
// merged into Termov.txt (Windows-1252, CR LF) without touching the rest.
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
// The same lines as Windows-1252 bytes with CR LF.
const std::string secaoBytes =
    "7. ORIGEM E PRECIS\xC3O DO MODELO\r\n\r\nLinha com acentua\xE7\xE3o: \xE7, \xE3, \xE9.\r\n";

struct CasoMescla {
    const char* nome;
    std::string antes;
    std::string depois;
};

class MesclaTermov : public ::testing::TestWithParam<CasoMescla> {};

TEST_P(MesclaTermov, KeepsTheGeneralTextAndOneBlankLineBeforeTheSection) {
    const auto resultado = AtualizaTermov(GetParam().antes, secao);
    ASSERT_TRUE(resultado);
    EXPECT_EQ(*resultado, GetParam().depois);
}

// "\x93" and "\x94" are Windows-1252 curly quotes: bytes the merge must not touch.
INSTANTIATE_TEST_SUITE_P(
    SecaoTermov, MesclaTermov,
    ::testing::Values(
        CasoMescla{"AppendedAfterText", "GERAL\r\n\x93texto\x94\r\n", "GERAL\r\n\x93texto\x94\r\n\r\n" + secaoBytes},
        CasoMescla{"MissingFinalLineEndIsAdded", "GERAL", "GERAL\r\n\r\n" + secaoBytes},
        CasoMescla{"ExtraBlankLinesCollapse", "GERAL\r\n\r\n\r\n\r\n", "GERAL\r\n\r\n" + secaoBytes},
        CasoMescla{"EmptyFileGetsTheSectionAlone", "", secaoBytes},
        CasoMescla{"OldSectionIsReplacedToTheEnd",
                   "GERAL\r\n\r\n7. ORIGEM E PRECIS\xC3O DO MODELO\r\n\r\nvelho\r\nmais velho\r\n",
                   "GERAL\r\n\r\n" + secaoBytes}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(SecaoTermov, MergingTwiceChangesNothing) {
    const auto uma = AtualizaTermov("GERAL\r\n", secao);
    ASSERT_TRUE(uma);
    EXPECT_EQ(AtualizaTermov(*uma, secao), uma);
}

TEST(SecaoTermov, CharactersWindows1252CannotHoldAsLatin1AreRefused) {
    EXPECT_FALSE(AtualizaTermov("", {"travessão — aqui"}));  // U+2014
    EXPECT_FALSE(AtualizaTermov("", {"controle \u0085"}));    // C1 control
    EXPECT_TRUE(AtualizaTermov("", {"grau ° e ordinal ª"}));
}

ResultadoElemento Resultado(Elemento e, double rms, double maxB, double maxC, double taxa) {
    ResultadoElemento r;
    r.elemento = e;
    r.validacao.rmsBrasil = rms;
    r.validacao.maxBrasil = maxB;
    r.validacao.maxCaixa = maxC;
    r.validacao.rmsTaxaBrasil = taxa;
    return r;
}

TEST(SecaoTermov, AccuracyTableUsesTheDecimalCommaAndAlignedColumns) {
    const auto linhas = SecaoModelo({Resultado(Elemento::D, 0.59, 2.49, 28.51, 0.289),
                                     Resultado(Elemento::I, 5.336, 11.74, 118.91, 0.672),
                                     Resultado(Elemento::F, 6.124, 21.63, 190.09, 1.668)});
    ASSERT_FALSE(linhas.empty());
    EXPECT_EQ(linhas.front(), TituloSecaoModelo);
    const auto tem = [&](const std::string& trecho) {
        return std::any_of(linhas.begin(), linhas.end(),
                           [&](const std::string& l) { return l.find(trecho) != std::string::npos; });
    };
    EXPECT_TRUE(tem("                            D          I          F"));
    EXPECT_TRUE(tem("Brasil, média (RMS)      0,6'       5,3'       6 nT"));
    EXPECT_TRUE(tem("Brasil, máxima           2,5'      11,7'      22 nT"));
    EXPECT_TRUE(tem("Região toda, máxima     28,5'     118,9'     190 nT"));
    EXPECT_TRUE(tem("declinação 0,29'/ano"));
    EXPECT_TRUE(tem("inclinação 0,67'/ano; intensidade total 1,7 nT/ano."));
    EXPECT_TRUE(tem("CC BY 4.0"));
    // Every line fits the help text's 64 columns and converts to Windows-1252.
    for (const auto& l : linhas) {
        EXPECT_LE(std::count_if(l.begin(), l.end(), [](char c) { return (c & 0xC0) != 0x80; }), 64) << l;
    }
    EXPECT_TRUE(AtualizaTermov("", linhas));
}

TEST(SecaoTermov, ShippedHelpTextEndsWithTheModelSectionInCrLf) {
    std::ifstream arquivo(std::string(CERAVEL_DADOS_PROJETO) + "/Termov.txt", std::ios::binary);
    const std::string termov(std::istreambuf_iterator<char>(arquivo), {});
    ASSERT_FALSE(termov.empty());
    for (std::size_t i = 0; i < termov.size(); ++i) {
        if (termov[i] == '\n') {
            ASSERT_TRUE(i > 0 && termov[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    const std::string titulo = "7. ORIGEM E PRECIS\xC3O DO MODELO\r\n";
    const auto posicao = termov.find(titulo);
    ASSERT_NE(posicao, std::string::npos);
    EXPECT_EQ(termov.find(titulo, posicao + 1), std::string::npos) << "one section only";
    EXPECT_TRUE(termov.ends_with("(dom\xEDnio p\xFA" "blico).\r\n"));
}

}  // namespace
}  // namespace ceravel::ajuste
