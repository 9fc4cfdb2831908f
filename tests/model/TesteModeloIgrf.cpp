// SPDX-License-Identifier: GPL-3.0-or-later
// The IGRF table reader and the model's time dependence, on small tables whose answers are known by hand.
#include "model/igrf/LeModeloIgrf.h"
#include "tests/model/TabelaIgrfTeste.h"
#include "model/igrf/ModeloIgrf.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ceravel::igrf {
namespace {

using teste::Grava;

const std::string cabecalho = "g/h n m 2000.0 2005.0 2010.0 2010-15\n";
const std::string tabelaPequena = "# comment\nc/s deg ord IGRF IGRF IGRF SV\n" + cabecalho +
                                  "g  1  0 -100 -90 -70 3\n";

TEST(LeTabelaIgrf, BadTablesAreRefusedNamingFileAndLine) {
    QTemporaryDir pasta;
    const struct {
        std::string conteudo;
        const char* motivo;  // the message after "Arquivo <path>"
    } casos[] = {
        {"g 1 0 -100 -90 -70 2\n", ", linha 1: coeficiente antes do cabeçalho g/h."},
        {cabecalho + "g 1 0 -100 -90 -70\n", ", linha 2: linha de coeficiente malformada."},
        {cabecalho + "g 14 0 1 2 3 4\n", ", linha 2: grau ou ordem inválidos."},
        {cabecalho + "h 1 0 1 2 3 4\n", ", linha 2: grau ou ordem inválidos."},
        {cabecalho + "g 1 0 1 x 3 4\n", ", linha 2: valor não numérico."},
        {"g/h n m 2000.0 2000.0 2005-10\n", ", linha 1: época inválida no cabeçalho."},  // not increasing
        {"# nothing\n", ": nenhum coeficiente encontrado."},
    };
    for (const auto& [conteudo, motivo] : casos) {
        const std::string caminho = Grava(pasta, conteudo);
        const auto leitura = LeTabelaIgrf(caminho);
        EXPECT_FALSE(leitura.modelo) << conteudo;
        EXPECT_EQ(leitura.erro, "Arquivo " + caminho + motivo);
    }
    EXPECT_EQ(LeTabelaIgrf("/nonexistent/igrf.txt").erro, "Não foi possível ler o arquivo /nonexistent/igrf.txt.");
}

// Between epochs the interval that starts at or before the date; after the last, its final secular
// variation. The interpolator that keeps the last interval, asked the same dates in turn, gives the same.
TEST(ModeloIgrf, CoefficientsFollowTheIntervalThatHoldsTheDate) {
    QTemporaryDir pasta;
    const auto modelo = LeTabelaIgrf(Grava(pasta, tabelaPequena)).modelo;
    ASSERT_TRUE(modelo);
    const struct {
        double ano;
        std::optional<double> g10, dg10;
    } casos[] = {
        {1999.9, {}, {}},  // before the first epoch: none
        {2000.0, -100, 2}, {2002.5, -95, 2}, {2005.0, -90, 4} /* an epoch: the rate of the interval it opens */,
        {2010.0, -70, 3},  {2012.5, -62.5, 3}, {2003.75, -92.5, 2} /* back to the first */, {2007.5, -80, 4},
        {2007.5, -80, 4},
    };
    InterpoladorIgrf interpolador(*modelo);
    for (const auto& caso : casos) {
        const auto c = CoeficientesEm(*modelo, caso.ano);
        const CoeficientesNoAno* guardado = interpolador.em(caso.ano);
        ASSERT_EQ(c.has_value(), caso.g10.has_value()) << caso.ano;
        ASSERT_EQ(guardado != nullptr, caso.g10.has_value()) << caso.ano;
        for (const CoeficientesNoAno* k : {c ? &*c : nullptr, guardado})  // bit-exact: small integers, halves
            EXPECT_TRUE(!k || (k->valor.g[1][0] == *caso.g10 && k->taxa.g[1][0] == *caso.dg10)) << caso.ano;
    }
    ModeloIgrf semVariacao = *modelo;
    semVariacao.variacaoFinal.reset();
    EXPECT_TRUE(CoeficientesEm(semVariacao, 2009.9));
    EXPECT_FALSE(CoeficientesEm(semVariacao, 2010.0));
}

}  // namespace
}  // namespace ceravel::igrf
