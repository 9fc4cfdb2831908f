// The whole model run: reading, evaluation, and the numeric failures that
// must come back as a message instead of ending the program.
#include "ArquivosTeste.h"
#include "model/CalculaCampo.h"
#include "model/CalculaElemento.h"
#include "model/LeCoeficientes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>

namespace ceravel {
namespace {

const QString MensagemEstouro =
    "O cálculo do modelo ultrapassou o limite numérico (estouro). Verifique os arquivos de coeficientes.";

// Small sets with a plausible field near the middle of Brazil.
struct Conjuntos {
    Coeficientes D, I, F;
    Conjuntos()
    {
        D.c(1) = -19.5, D.c(2) = 0.05, D.c(4) = -0.13;
        I.c(1) = -25.25, I.c(2) = 1.6, I.c(4) = 0.1;
        F.c(1) = 23500, F.c(3) = 40, F.c(4) = -30;
    }
};

void EscreveConjuntos(const QString& pasta, const Conjuntos& c)
{
    teste::EscreveArquivo(pasta, ArquivoDeclinacao, teste::TextoCoeficientes(c.D));
    teste::EscreveArquivo(pasta, ArquivoInclinacao, teste::TextoCoeficientes(c.I));
    teste::EscreveArquivo(pasta, ArquivoIntensidade, teste::TextoCoeficientes(c.F));
}

bool Iguais(const ElementosCampo& a, const ElementosCampo& b)
{
    return a.D == b.D && a.I == b.I && a.F == b.F && a.X == b.X && a.Y == b.Y && a.Z == b.Z && a.m == b.m
           && a.n == b.n && a.dF == b.dF && a.dX == b.dX && a.dY == b.dY && a.dZ == b.dZ;
}

TEST(CalculaCampo, EstourosViramMensagemSemResultado)
{
    const double acimaDoMaximo = 3.40282350e38;  // past FLT_MAX, yet within half a step of it
    ASSERT_GT(acimaDoMaximo, double(FLT_MAX));
    ASSERT_EQ(static_cast<float>(acimaDoMaximo), FLT_MAX) << "the hardware would round it into range";

    const struct {
        const char* nome;
        std::function<void(Conjuntos&)> altera;
        double x, y, t;
    } casos[] = {
        {"c1 enorme na intensidade", [](Conjuntos& c) { c.F.c(1) = 1e39; }, 0, 0, 0},
        {"c1 enorme e negativo na declinacao", [](Conjuntos& c) { c.D.c(1) = -1e39; }, 0, 0, 0},
        {"grupo logo acima do maior float", [&](Conjuntos& c) { c.D.c(1) = acimaDoMaximo; }, 0, 0, 0},
        {"dois grupos no maior float somam alem dele",
         [](Conjuntos& c) { c.F.c(1) = FLT_MAX, c.F.c(9) = FLT_MAX; }, 1, 1, 1},
        {"produto estoura o double dentro do grupo", [](Conjuntos& c) { c.I.c(8) = 1e308; }, 10, 0, 0},
        {"estouros de sinais opostos dao NaN",
         [](Conjuntos& c) { c.D.c(1) = 1e39, c.D.c(9) = -1e39; }, 1, 1, 1},
        {"so a variacao estoura", [](Conjuntos& c) { c.F.c(10) = 4e38; }, 0, 0, 0.5},
        {"variacao da declinacao em minutos estoura", [](Conjuntos& c) { c.D.c(4) = 1e37; }, 0, 0, 0},
        {"produto F n estoura em precisao simples",
         [](Conjuntos& c) { c.F.c(1) = 1e30, c.I.c(4) = 1e8; }, 0, 0, 0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Conjuntos c;
        caso.altera(c);
        const ResultadoModelo r = CalculaCampo(c.D, c.I, c.F, caso.x, caso.y, caso.t);
        EXPECT_FALSE(r.elementos);
        EXPECT_EQ(r.erro, MensagemEstouro);
    }
}

TEST(CalculaCampo, EntradaNaoFinitaViraMensagem)
{
    const Conjuntos c;
    for (const double ruim : {std::nan(""), HUGE_VAL}) {
        const ResultadoModelo r = CalculaCampo(c.D, c.I, c.F, ruim, 0, 0);
        EXPECT_FALSE(r.elementos);
        EXPECT_EQ(r.erro, "O cálculo do modelo recebeu uma posição ou data inválida (valor não finito).");
    }
}

TEST(CalculaCampo, ArquivosLidosAcadaExecucao)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    Conjuntos c;
    EscreveConjuntos(pasta.path(), c);
    const double x = -0.79, y = 7.12, t = 10.5;

    const ResultadoModelo primeira = CalculaCampo(pasta.path(), x, y, t);
    ASSERT_TRUE(primeira.elementos) << primeira.erro.toStdString();
    EXPECT_TRUE(primeira.erro.isEmpty());
    const ResultadoModelo direta = CalculaCampo(c.D, c.I, c.F, x, y, t);
    ASSERT_TRUE(direta.elementos);
    EXPECT_TRUE(Iguais(*primeira.elementos, *direta.elementos));  // bit-exact: files round-trip every value

    // The declination file changes between two runs: only what depends on D moves.
    c.D.c(1) = -21.5;
    teste::EscreveArquivo(pasta.path(), ArquivoDeclinacao, teste::TextoCoeficientes(c.D, ","));
    const ResultadoModelo segunda = CalculaCampo(pasta.path(), x, y, t);
    ASSERT_TRUE(segunda.elementos);
    EXPECT_EQ(segunda.elementos->D, primeira.elementos->D - 2);  // bit-exact: every sum stays in [16, 32), where a shift by 2 survives each rounding
    EXPECT_EQ(segunda.elementos->F, primeira.elementos->F);
    EXPECT_NE(segunda.elementos->Y, primeira.elementos->Y);

    // Huge coefficients read from a file end in the overflow message, not a result.
    c.F.c(1) = 1e39;
    teste::EscreveArquivo(pasta.path(), ArquivoIntensidade, teste::TextoCoeficientes(c.F));
    const ResultadoModelo estouro = CalculaCampo(pasta.path(), x, y, t);
    EXPECT_FALSE(estouro.elementos);
    EXPECT_EQ(estouro.erro, MensagemEstouro);
}

TEST(CalculaCampo, PrimeiraFalhaDeLeituraVoltaSemMudanca)
{
    const struct {
        const char* nome;
        bool escreveD, escreveI, escreveF;
        QByteArray conteudoI;
        const char* culpado;
    } casos[] = {
        {"nenhum arquivo", false, false, false, "", ArquivoDeclinacao},
        {"inclinacao curta, intensidade ausente", true, true, false, "1,2,3", ArquivoInclinacao},
        {"so falta a intensidade", true, false, true, "", ArquivoInclinacao},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir pasta;
        ASSERT_TRUE(pasta.isValid());
        const Conjuntos c;
        if (caso.escreveD)
            teste::EscreveArquivo(pasta.path(), ArquivoDeclinacao, teste::TextoCoeficientes(c.D));
        if (caso.escreveI)
            teste::EscreveArquivo(pasta.path(), ArquivoInclinacao, caso.conteudoI);
        if (caso.escreveF)
            teste::EscreveArquivo(pasta.path(), ArquivoIntensidade, teste::TextoCoeficientes(c.F));
        const ResultadoModelo r = CalculaCampo(pasta.path(), 0, 0, 10);
        EXPECT_FALSE(r.elementos);
        EXPECT_EQ(r.erro, LeCoeficientes(pasta.path(), caso.culpado).erro);
        EXPECT_TRUE(r.erro.contains(caso.culpado));
    }
}

TEST(CalculaCampo, ArquivosDoProjetoDaoResultadoFinito)
{
    // Brasilia, mid-2000.
    const ResultadoModelo r = CalculaCampo(CERAVEL_DADOS_PROJETO, -15.79 + 15, -47.88 + 55, 10.5);
    ASSERT_TRUE(r.elementos) << r.erro.toStdString();
    EXPECT_TRUE(std::isfinite(r.elementos->X) && std::isfinite(r.elementos->dZ));
}

}  // namespace
}  // namespace ceravel
