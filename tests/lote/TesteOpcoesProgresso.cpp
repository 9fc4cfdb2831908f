// The command line, the locale option and the progress bar.
#include "lote/OpcoesLote.h"
#include "lote/Progresso.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

// The options as one text: entrada|saida|coeficientes|locale|utf8|silencioso|ajuda, or the message.
std::string Interpretadas(const QStringList& argumentos)
{
    const lote::OpcoesLote o = lote::InterpretaArgumentos(argumentos);
    if (!o.erro.isEmpty())
        return o.erro.toStdString();
    const QStringList campos{o.entrada, o.saida, o.coeficientes, o.locale,
                             o.codificacao == lote::CodificacaoSaida::Utf8 ? "utf8" : "",
                             o.silencioso ? "q" : "", o.ajuda ? "h" : ""};
    return campos.join(u'|').toStdString();
}

TEST(Opcoes, Interpretadas)
{
    EXPECT_EQ(Interpretadas({}), "||||||");
    EXPECT_EQ(Interpretadas({"-"}), "-||||||");
    EXPECT_EQ(Interpretadas({"--locale", "pt_BR", "-o", "campo.csv", "--utf8", "--coeficientes", "/dados", "-q", "p.txt"}),
              "p.txt|campo.csv|/dados|pt_BR|utf8|q|");
    EXPECT_EQ(Interpretadas({"--saida=campo.csv", "--locale=C", "p.txt"}), "p.txt|campo.csv||C|||");
    EXPECT_EQ(Interpretadas({"-o", "-", "p.txt"}), "p.txt||||||");
    EXPECT_EQ(Interpretadas({"--", "-p.txt"}), "-p.txt||||||");
    EXPECT_EQ(Interpretadas({"-h"}), "||||||h");
    EXPECT_EQ(Interpretadas({"--help"}), "||||||h");
    EXPECT_EQ(Interpretadas({"--rapido"}), "opção desconhecida: --rapido");
    EXPECT_EQ(Interpretadas({"p.txt", "-o"}), "a opção -o precisa de um valor.");
    EXPECT_EQ(Interpretadas({"--locale="}), "a opção --locale precisa de um valor.");
    EXPECT_EQ(Interpretadas({"--utf8=sim"}), "a opção --utf8 não aceita valor.");
    EXPECT_EQ(Interpretadas({"a.txt", "b.txt"}), "só um arquivo de entrada é aceito (foram dados 2).");
}

TEST(Opcoes, LocalePeloNome)
{
    EXPECT_EQ(lote::LocaleDoNome(QStringLiteral("pt_BR"))->decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(lote::LocaleDoNome(QStringLiteral("C"))->decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(lote::LocaleDoNome(QString())->name(), QLocale::system().name());
    EXPECT_FALSE(lote::LocaleDoNome(QStringLiteral("klingon")).has_value());
}

TEST(Progresso, Barra)
{
    EXPECT_EQ(lote::Progresso::Barra(1000, 0, 0).toStdString(), "[..............................]   0%  0 pontos");
    EXPECT_EQ(lote::Progresso::Barra(1000, 500, 12345).toStdString(),
              "[###############...............]  50%  12345 pontos");
    EXPECT_EQ(lote::Progresso::Barra(1000, 1000, 99).toStdString(), "[##############################] 100%  99 pontos");
    EXPECT_EQ(lote::Progresso::Barra(-1, 5000, 250000).toStdString(), "250000 pontos");  // a pipe: size unknown
}

TEST(Progresso, SoParaEntradaGrande)
{
    QByteArray escrito;
    const auto escreve = [&](const QByteArray& b) { escrito += b; };
    lote::Progresso pequeno(1000, escreve);
    lote::Progresso pipeCurto(-1, escreve);
    for (qint64 p = 1; p <= 50000; ++p) {
        pequeno.atualiza(p / 50, p);
        pipeCurto.atualiza(p * 20, p);
    }
    pequeno.termina();
    pipeCurto.termina();
    EXPECT_TRUE(escrito.isEmpty());

    lote::Progresso grande(lote::Progresso::BytesGrande, escreve);
    grande.atualiza(0, 4096);
    EXPECT_TRUE(escrito.startsWith("\r[")) << escrito.toStdString();
    grande.termina();
    EXPECT_TRUE(escrito.endsWith("\r\x1b[K"));  // the line is left clean for the summary
}

}  // namespace
}  // namespace ceravel::teste
