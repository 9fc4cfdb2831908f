// SPDX-License-Identifier: GPL-3.0-or-later
// The program's IGRF-14: the table read once and kept, the refusals of a missing or altered table, its period.
#include "model/Igrf14.h"
#include "model/igrf/CalculaIgrf.h"
#include "tests/model/TabelaIgrfTeste.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace ceravel {
namespace {

std::string TabelaEntregue()
{
    std::ifstream arquivo(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

// `texto` with its first `de` replaced by `para` (std::out_of_range if there is none).
std::string Substitui(std::string texto, const std::string& de, const std::string& para)
{
    return texto.replace(texto.find(de), de.size(), para);
}

// Tables that read yet are not the whole of IGRF-14 are refused naming the file, not giving a subtly wrong field.
TEST(CarregaIgrf14, TabelaAlteradaEhRecusadaComONomeDoArquivo)
{
    const std::string entregue = TabelaEntregue();
    const struct {
        const char* nome;
        std::string conteudo;
        const char* trecho;  // part of the message
    } casos[] = {
        {"linha de grau 13 apagada", Substitui(entregue, "h 13 13", "# h 13 13"), "parece alterado"},
        // Still increasing, so only the check of the epochs themselves refuses it.
        {"primeira epoca em 1901", Substitui(entregue, " 1900.0 ", " 1901.0 "), "parece alterado"},
        {"colunas deslocadas", Substitui(entregue, "g  1  0 -31543", "g  1  0 4500"), "parece alterado"},
    };
    for (const auto& [nome, conteudo, trecho] : casos) {
        SCOPED_TRACE(nome);
        QTemporaryDir pasta;
        teste::Grava(pasta, conteudo, ArquivoIgrf14);
        const LeituraIgrf14 l = CarregaIgrf14(pasta.path());
        EXPECT_FALSE(l.modelo);
        EXPECT_TRUE(l.erro.contains(pasta.filePath(ArquivoIgrf14)) && l.erro.contains(QString::fromUtf8(trecho)))
            << l.erro.toStdString();
    }
}

// From 01/01/1900 to 31/12/2029 (decimal year 2030.0), nothing outside or at no number. The evaluator that keeps
// the last date's coefficients, asked the same rows back and forth, gives the same bits; without rates, the same field.
TEST(CampoIgrf14, PeriodoDe1900A2030NoNivelDoMar)
{
    const auto& tabela = teste::Igrf14();
    ASSERT_TRUE(tabela.modelo) << tabela.erro;
    const struct {
        double latitude, longitude, ano;
        bool responde;
    } casos[] = {{-15.8, -47.9, 1900.0, true},     {-15.8, -47.9, 1899.999, false}, {0.04, -51.07, 2030.0, true},
                 {0.04, -51.07, 2030.0001, false}, {-33.7, -53.4, 1978.3, true},    {std::nan(""), -47.9, 2000, false}};
    AvaliadorIgrf14 avaliador(*tabela.modelo);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ano);
        const auto e = CampoIgrf14(*tabela.modelo, c.latitude, c.longitude, c.ano);
        ASSERT_EQ(e.has_value(), c.responde);
        const auto semTaxas = avaliador.campo(c.latitude, c.longitude, c.ano, false);
        const auto guardado = avaliador.campo(c.latitude, c.longitude, c.ano);
        ASSERT_EQ(guardado.has_value(), c.responde);
        if (!e)
            continue;
        EXPECT_EQ(semTaxas->dD, 0);
        for (const auto& [a, b] : {std::pair{e->D, guardado->D}, {e->dD, guardado->dD}, {e->F, guardado->F},
                                   {e->dZ, guardado->dZ}, {e->I, semTaxas->I}, {e->Z, semTaxas->Z}})
            EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b));
    }
}

}  // namespace
}  // namespace ceravel
