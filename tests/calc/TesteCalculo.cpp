// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Calculo.h"
#include "export/LinhasExportacao.h"
#include "tests/calc/EntradasTeste.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

TEST(Calcula, GuardasArquivosModeloETextos)
{
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(locale.name().toStdString());
        QTemporaryDir pasta;
        TextosEntrada entrada = Entrada(DEC, DEC, {{LatGraus, "-27.5"}, {LonGraus, "-48.5"}, {Mes, "13"}}, locale);
        // A failed guard ends the command before any file is looked for: the folder is empty.
        ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(Calcula(entrada, locale, pasta.path())));
        entrada.mes = "06";
        const ResultadoCalculo semArquivos = Calcula(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<FalhaModelo>(semArquivos));
        EXPECT_TRUE(std::get<FalhaModelo>(semArquivos).mensagem.contains(ArquivoDeclinacao));

        ASSERT_TRUE(EscreveModeloEspelho(pasta, 1000));
        const ResultadoCalculo primeiro = Calcula(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<Calculo>(primeiro));
        const Calculo& c = std::get<Calculo>(primeiro);
        EXPECT_EQ(c.elementos.D, -12.5f);  // bit-exact: each element is its one term rounded once to float
        EXPECT_EQ(c.elementos.I, 6.5f);
        EXPECT_EQ(c.elementos.F, static_cast<float>(1000 * 10.456284153005527));
        EXPECT_EQ(c.textos.relData, "15 / 06 / 2000");  // the boxes as typed
        EXPECT_TRUE(c.textos.epoca.startsWith(NoLocale("2000.456284", locale))) << c.textos.epoca.toStdString();

        ASSERT_TRUE(EscreveModeloEspelho(pasta, 2000));  // read again on the next press
        const ResultadoCalculo segundo = Calcula(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<Calculo>(segundo));
        EXPECT_EQ(std::get<Calculo>(segundo).elementos.F, 2 * c.elementos.F);  // bit-exact: doubling is exact
    }
}

// A latitude between 0° and 1° typed in degrees, minutes and seconds keeps the
// hemisphere of its sign all the way to LatExp and the export file.
TEST(Calcula, LatitudeComZeroGrausChegaAExportacaoComOSinalDigitado)
{
    const QString pastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);
    const std::pair<const char*, const char*> casos[] = {
        {"0", "0.0388888888888889"}, {"+0", "0.0388888888888889"}, {"-0", "-0.0388888888888889"},
        {"-0.0", "-0.0388888888888889"}};
    for (const QLocale& locale : Locales)
        for (const auto& [graus, latExp] : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + graus);
            const TextosEntrada entrada = Entrada(GMS, DEC, {{LatG, graus}, {LatM, "2"}, {LatS, "20"}}, locale);
            const ResultadoCalculo r = Calcula(entrada, locale, pastaDados);
            ASSERT_TRUE(std::holds_alternative<Calculo>(r));
            const Calculo& c = std::get<Calculo>(r);
            EXPECT_EQ(c.textos.latExp, NoLocale(latExp, locale));
            EXPECT_TRUE(LinhasExportacao(c).contains(QStringLiteral("Latitude;") + NoLocale(latExp, locale)));
        }
}

}  // namespace
}  // namespace ceravel::teste
