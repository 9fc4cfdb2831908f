// SPDX-License-Identifier: GPL-3.0-or-later
// "Ferramentas" → "Modelo": the choice kept between runs, what a change does
// to the shown results, and the main window computing with IGRF-14.
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"

#include <QDir>

namespace ceravel::teste {
namespace {

const QString FaixaRegional = QStringLiteral("Modelo regional para datas de 1995 a 2005");
const QString FaixaIgrf = QStringLiteral("Modelo IGRF-14 (IAGA) para datas de 1900 a 2029");

class Modelo : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        copiaIgrf();
    }
};

// A fresh profile, a remembered choice, and settings that cannot be used.
TEST_F(Modelo, EscolhaLembradaEntreExecucoes)
{
    const QString configuracao = perfil.filePath(QStringLiteral("Ceravel/Ceravel.ini"));
    const struct {
        const char* nome;
        std::function<void()> prepara;
        bool igrf;
    } casos[] = {
        {"perfil novo", [] {}, false},
        {"IGRF-14 escolhido", [&] { aciona("MAModeloIgrf"); }, true},
        {"continua na execução seguinte", [] {}, true},
        {"valor desconhecido", [&] {
             QFile f(configuracao);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("[General]\nmodelo=IGRF-14\n") > 0);
         }, false},
        {"arquivo ilegível", [&] { QFile::remove(configuracao); QDir().mkpath(configuracao); }, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        c.prepara();
        usaLocale(QLocale::c());  // the windows as a new run builds them
        EXPECT_EQ(main().modelo() == ModeloCalculo::Igrf14, c.igrf);
        EXPECT_EQ(controle<QAction>(main(), "MAModeloIgrf").isChecked(), c.igrf);
        EXPECT_EQ(texto(main(), "Label11"), c.igrf ? FaixaIgrf : FaixaRegional);
    }
}

// Like "Limpar Dados" for the results, but what was typed stays.
TEST_F(Modelo, TrocarEscondeResultadosEMantemEntradas)
{
    const char* const resultados[] = {"MAImp", "MAExp", "MAMapa", "MAVariacao"};
    const struct {
        const char* acao;
        bool mostrados;  // after choosing it over a shown calculation
    } casos[] = {{"MAModeloIgrf", false}, {"MAModeloIgrf", true}, {"MAModeloRegional", false}};
    preenche("1", "7", "2000", {"-15", "0", "0"}, {"-55", "0", "0"});
    for (const auto& c : casos) {
        SCOPED_TRACE(c.acao);
        clica(main(), "BtCalcular");
        ASSERT_TRUE(main().ultimoCalculo());
        aciona(c.acao);
        EXPECT_EQ(visivel(main(), "FD"), c.mostrados);
        EXPECT_EQ(main().ultimoCalculo().has_value(), c.mostrados);
        for (const char* a : resultados)
            EXPECT_EQ(habilitado(a), c.mostrados) << a;
        EXPECT_EQ(texto(main(), "Dia") + texto(main(), "LatG") + texto(main(), "LongG"), "1-15-55");
    }
}

// The main window computes with IGRF-14 the typed point and date (its bounds
// and the refusal are the core's, tests/calc), each number in the locale's form.
TEST_F(Modelo, JanelaPrincipalCalculaComIgrf14)
{
    aciona("MAModeloIgrf");
    usaLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    preenche("15", "6", "1957", {"-23", "30", "0"}, {"-46", "37", "30"});
    clica(main(), "BtCalcular");
    ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.todas();
    const auto e = CampoIgrf14(*CarregaIgrf14(pasta.path()).modelo, -23.5, -46.625, AnoDecimal(15, 6, 1957));
    ASSERT_TRUE(e);
    EXPECT_NEAR(locale.toDouble(texto(dcomp(), "CF")), e->F, 0.051);
    EXPECT_NEAR(locale.toDouble(texto(dcomp(), "CZ")), e->Z, 0.051);
    EXPECT_EQ(texto(relatorio(), "Label11"), FaixaIgrf);
    EXPECT_TRUE(dcomp().windowTitle().contains(QStringLiteral("IGRF-14")));
}

}  // namespace
}  // namespace ceravel::teste
