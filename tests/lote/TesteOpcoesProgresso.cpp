// The command line, the locale option and the progress bar.
#include "lote/OpcoesLote.h"
#include "lote/Progresso.h"

#include <gtest/gtest.h>

#include <QThread>

namespace ceravel::teste {
namespace {

using lote::CodificacaoSaida;
using lote::OpcoesLote;

struct CasoOpcoes {
    const char* nome;
    QStringList argumentos;
    const char* erro;  // start of the message; nullptr: accepted
    QString entrada = {}, saida = {}, coeficientes = {}, locale = {};
    CodificacaoSaida codificacao = CodificacaoSaida::Windows1252;
    bool silencioso = false, ajuda = false;
};

void PrintTo(const CasoOpcoes& c, std::ostream* os) { *os << c.nome; }

class Opcoes : public testing::TestWithParam<CasoOpcoes> {};

TEST_P(Opcoes, Interpretadas)
{
    const CasoOpcoes& caso = GetParam();
    const OpcoesLote o = lote::InterpretaArgumentos(caso.argumentos);
    if (caso.erro) {
        EXPECT_TRUE(o.erro.startsWith(QString::fromUtf8(caso.erro))) << o.erro.toStdString();
        return;
    }
    ASSERT_TRUE(o.erro.isEmpty()) << o.erro.toStdString();
    EXPECT_EQ(o.entrada, caso.entrada);
    EXPECT_EQ(o.saida, caso.saida);
    EXPECT_EQ(o.coeficientes, caso.coeficientes);
    EXPECT_EQ(o.locale, caso.locale);
    EXPECT_EQ(o.codificacao, caso.codificacao);
    EXPECT_EQ(o.silencioso, caso.silencioso);
    EXPECT_EQ(o.ajuda, caso.ajuda);
}

const auto U = CodificacaoSaida::Utf8;

INSTANTIATE_TEST_SUITE_P(
    Tabela, Opcoes,
    testing::Values(
        CasoOpcoes{"Nenhuma", {}, nullptr},
        CasoOpcoes{"SoEntrada", {"pontos.txt"}, nullptr, "pontos.txt"},
        CasoOpcoes{"EntradaPadrao", {"-"}, nullptr, "-"},
        CasoOpcoes{"Todas", {"--locale", "pt_BR", "-o", "campo.csv", "--utf8", "--coeficientes", "/dados", "-q", "p.txt"},
                   nullptr, "p.txt", "campo.csv", "/dados", "pt_BR", U, true},
        CasoOpcoes{"ComIgual", {"--saida=campo.csv", "--locale=C", "p.txt"}, nullptr, "p.txt", "campo.csv", {}, "C"},
        CasoOpcoes{"SaidaPadraoComHifen", {"-o", "-", "p.txt"}, nullptr, "p.txt"},
        CasoOpcoes{"ArquivoQueComecaComHifenDepoisDeDoisHifens", {"--", "-p.txt"}, nullptr, "-p.txt"},
        CasoOpcoes{"AjudaEmPortugues", {"--ajuda"}, nullptr, {}, {}, {}, {}, CodificacaoSaida::Windows1252, false, true},
        CasoOpcoes{"AjudaCurta", {"-h"}, nullptr, {}, {}, {}, {}, CodificacaoSaida::Windows1252, false, true},
        CasoOpcoes{"OpcaoDesconhecida", {"--rapido"}, "opção desconhecida: --rapido"},
        CasoOpcoes{"FaltaValor", {"p.txt", "-o"}, "a opção -o precisa de um valor"},
        CasoOpcoes{"ValorVazio", {"--locale="}, "a opção --locale precisa de um valor"},
        CasoOpcoes{"ValorOndeNaoCabe", {"--utf8=sim"}, "a opção --utf8 não aceita valor"},
        CasoOpcoes{"DuasEntradas", {"a.txt", "b.txt"}, "só um arquivo de entrada é aceito"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Locale, PeloNome)
{
    EXPECT_EQ(lote::LocaleDoNome(QStringLiteral("pt_BR"))->decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(lote::LocaleDoNome(QStringLiteral("C"))->decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(lote::LocaleDoNome(QString())->name(), QLocale::system().name());
    EXPECT_FALSE(lote::LocaleDoNome(QStringLiteral("klingon")).has_value());
}

TEST(Ajuda, EmPortuguesComExemplo)
{
    const QString ajuda = lote::TextoAjuda(QStringLiteral("pt_BR"));
    EXPECT_TRUE(ajuda.startsWith(QStringLiteral("Uso: ceravel-lote")));
    EXPECT_TRUE(ajuda.contains(QStringLiteral("Exemplo")));
    EXPECT_TRUE(ajuda.contains(QStringLiteral("ceravel-lote --locale pt_BR pontos.txt -o campo.csv")));
    EXPECT_TRUE(ajuda.contains(QStringLiteral("agora pt_BR")));
    for (const char* opcao : {"--saida", "--utf8", "--locale", "--coeficientes", "--silencioso", "--ajuda"})
        EXPECT_TRUE(ajuda.contains(QString::fromLatin1(opcao))) << opcao;
}

// ---- progress

struct CasoBarra {
    const char* nome;
    qint64 total, lidos, pontos;
    const char* barra;
};

void PrintTo(const CasoBarra& c, std::ostream* os) { *os << c.nome; }

class Barra : public testing::TestWithParam<CasoBarra> {};

TEST_P(Barra, Texto)
{
    const CasoBarra& c = GetParam();
    EXPECT_EQ(lote::Progresso::Barra(c.total, c.lidos, c.pontos).toStdString(), c.barra);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Barra,
    testing::Values(CasoBarra{"Inicio", 1000, 0, 0, "[..............................]   0%  0 pontos"},
                    CasoBarra{"Metade", 1000, 500, 12345, "[###############...............]  50%  12345 pontos"},
                    CasoBarra{"Fim", 1000, 1000, 99, "[##############################] 100%  99 pontos"},
                    CasoBarra{"TamanhoDesconhecido", -1, 5000, 250000, "250000 pontos"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Progresso, SoParaEntradaGrande)
{
    QByteArray escrito;
    lote::Progresso pequeno(1000, [&](const QByteArray& b) { escrito += b; });
    for (qint64 p = 1; p <= 100000; ++p)
        pequeno.atualiza(p * 10, p);
    pequeno.termina();
    EXPECT_TRUE(escrito.isEmpty());

    lote::Progresso grande(lote::Progresso::BytesGrande, [&](const QByteArray& b) { escrito += b; });
    grande.atualiza(0, 4096);
    EXPECT_TRUE(escrito.startsWith("\r[")) << escrito.toStdString();
    grande.termina();
    EXPECT_TRUE(escrito.endsWith("\r\x1b[K"));
}

TEST(Progresso, PipeGrandeMostraSoAContagem)
{
    QByteArray escrito;
    lote::Progresso semTamanho(-1, [&](const QByteArray& b) { escrito += b; });
    semTamanho.atualiza(0, 4096);
    EXPECT_TRUE(escrito.isEmpty());
    semTamanho.atualiza(0, lote::Progresso::PontosGrande / 4096 * 4096 + 4096);
    EXPECT_TRUE(escrito.startsWith("\r")) << escrito.toStdString();
    EXPECT_TRUE(escrito.endsWith(" pontos"));
}

TEST(Progresso, NoMaximoCincoVezesPorSegundo)
{
    int desenhos = 0;
    lote::Progresso p(lote::Progresso::BytesGrande, [&](const QByteArray&) { ++desenhos; });
    for (qint64 pontos = 4096; pontos <= 4096 * 100; pontos += 4096)
        p.atualiza(pontos, pontos);
    EXPECT_EQ(desenhos, 1);
    QThread::msleep(250);
    p.atualiza(0, 4096 * 101);
    EXPECT_EQ(desenhos, 2);
}

}  // namespace
}  // namespace ceravel::teste
