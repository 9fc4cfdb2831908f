// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Calculo.h"
#include "calc/ModeloCalculo.h"
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
    for (const QLocale& locale : Locales)
        for (const char* graus : {"0", "+0", "-0", "-0.0"}) {
            const TextosEntrada entrada = Entrada(GMS, DEC, {{LatG, graus}, {LatM, "2"}, {LatS, "20"}}, locale);
            const ResultadoCalculo r = Calcula(entrada, locale, QStringLiteral(CERAVEL_DADOS_PROJETO));
            ASSERT_TRUE(std::holds_alternative<Calculo>(r)) << graus;
            const QString latExp = NoLocale(graus[0] == '-' ? "-0.0388888888888889" : "0.0388888888888889", locale);
            EXPECT_EQ(std::get<Calculo>(r).textos.latExp, latExp) << graus;
            EXPECT_TRUE(LinhasExportacao(std::get<Calculo>(r)).contains("Latitude;" + latExp)) << graus;
        }
}

// The model kept in the settings: only "igrf14" chooses IGRF-14; nothing, or a damaged or foreign value, is
// the regional model; each choice reads back as itself.
TEST(ModeloCalculo, ConfiguracaoLidaDeVolta)
{
    using enum ModeloCalculo;
    const std::pair<const char*, ModeloCalculo> casos[] = {{"igrf14", Igrf14}, {"", Regional}, {"IGRF14 ", Regional}};
    for (const auto& [texto, modelo] : casos)
        EXPECT_EQ(ModeloDaConfiguracao(QString::fromLatin1(texto)), modelo) << texto;
    for (const ModeloCalculo m : {Regional, Igrf14})
        EXPECT_EQ(ModeloDaConfiguracao(TextoConfiguracaoModelo(m)), m);
}

}  // namespace
}  // namespace ceravel::teste
