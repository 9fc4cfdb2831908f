// The help window with its Windows-1252 file, and the About window.
#include "AmbienteJanelas.h"

#include "ui/Main.h"
#include "ui/TextoWindows1252.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

namespace ceravel::teste {
namespace {

struct Decodificacao {
    const char* caso;
    QByteArray bytes;
    QString texto;
};
void PrintTo(const Decodificacao& p, std::ostream* os) { *os << p.caso; }

class Windows1252 : public ::testing::TestWithParam<Decodificacao> {};

TEST_P(Windows1252, DecodesTheCodePageAndCrLf)
{
    EXPECT_EQ(DecodificaWindows1252(GetParam().bytes), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, Windows1252,
    ::testing::Values(
        Decodificacao{"Empty", QByteArray(), QString()},
        Decodificacao{"PortugueseAccents", QByteArray("Informa\xE7\xF5" "es, m\xEAs, \xC2ngulo"),
                      QStringLiteral("Informações, mês, Ângulo")},
        // 0x80-0x9F differ from Latin-1: the euro sign, curly quotes, the dash.
        Decodificacao{"Windows1252OnlyCharacters", QByteArray("\x80 \x93" "aspas\x94 \x96"),
                      QStringLiteral("€ “aspas” –")},
        Decodificacao{"MasculineOrdinalAndDegreeSign", QByteArray("-21\xBA" "07' e 10\xB0"),
                      QStringLiteral("-21º07' e 10°")},
        Decodificacao{"CrLfBecomesOneLineEnd", QByteArray("linha 1\r\nlinha 2\r\n"),
                      QStringLiteral("linha 1\nlinha 2\n")}),
    [](const auto& info) { return std::string(info.param.caso); });

// "&Informações Gerais Termov...": each row lays out the help file (or removes it).
struct ArquivoAjuda {
    const char* caso;
    std::optional<QByteArray> conteudo;  // empty optional: no file
    std::optional<QString> textoNaJanela;  // empty optional: the window does not open
    bool diretorio = false;                // a folder named Termov.txt: cannot be read
};
void PrintTo(const ArquivoAjuda& p, std::ostream* os) { *os << p.caso; }

class Ajuda : public AmbienteJanelas, public ::testing::WithParamInterface<ArquivoAjuda> {};

TEST_P(Ajuda, ShowsTheFileOrSaysWhyNot)
{
    const ArquivoAjuda& a = GetParam();
    const QString caminho = pasta.filePath(QStringLiteral("Termov.txt"));
    QFile::remove(caminho);
    if (a.diretorio) {
        ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("Termov.txt")));
    }
    if (a.conteudo) {
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(*a.conteudo);
    }

    std::optional<QString> visto;
    const int modais = comModal([&] { aciona(QStringLiteral("MAInf")); },
                                [&](QWidget& janela) {
                                    EXPECT_EQ(janela.objectName(), QStringLiteral("Help"));
                                    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Help"));
                                    EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
                                    EXPECT_TRUE(janelas->existe(Janela::Help));
                                    visto = texto(janela, QStringLiteral("Acordo"));
                                    janela.close();
                                });

    EXPECT_EQ(visto, a.textoNaJanela);
    EXPECT_EQ(modais, a.textoNaJanela ? 1 : 0);
    if (a.textoNaJanela) {
        EXPECT_TRUE(mensageiro.mensagens.isEmpty());
    } else {
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(mensageiro.mensagens[0].contains(QStringLiteral("Termov.txt")));
    }
    // Closed means unloaded: the next opening reads the file again.
    EXPECT_FALSE(janelas->existe(Janela::Help));
    EXPECT_TRUE(main().isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, Ajuda,
    ::testing::Values(
        ArquivoAjuda{"EmptyFileGivesAnEmptyBox", QByteArray(), QString()},
        ArquivoAjuda{"Windows1252WithCrLf", QByteArray("Declina\xE7\xE3o\r\nem graus\r\n"),
                     QStringLiteral("Declinação\nem graus\n")},
        ArquivoAjuda{"MissingFileGivesAMessage", std::nullopt, std::nullopt},
        ArquivoAjuda{"UnreadableFileGivesAMessage", std::nullopt, std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.caso); });

using AjudaSobre = AmbienteJanelas;

TEST_F(AjudaSobre, HelpReadsTheFileAgainOnEveryOpening)
{
    const QString caminho = pasta.filePath(QStringLiteral("Termov.txt"));
    QStringList vistos;
    for (const char* conteudo : {"primeira", "segunda"}) {
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
        f.close();
        comModal([&] { aciona(QStringLiteral("MAInf")); }, [&](QWidget& janela) {
            vistos << texto(janela, QStringLiteral("Acordo"));
            janela.close();
        });
    }
    EXPECT_EQ(vistos, QStringList({"primeira", "segunda"}));
}

TEST_F(AjudaSobre, SobreShowsTheVersionTextsTheSameEveryTime)
{
    QList<QStringList> vistos;
    for (int vez = 0; vez < 2; ++vez) {
        const int modais = comModal([&] { aciona(QStringLiteral("MASobre")); }, [&](QWidget& janela) {
            EXPECT_EQ(janela.objectName(), QStringLiteral("Sobre"));
            EXPECT_EQ(janela.windowTitle(), QStringLiteral("Sobre o Ceravel"));
            EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(texto(janela, QStringLiteral("Label1")), QStringLiteral("Ceravel - versão 2.0"));
            EXPECT_EQ(texto(janela, QStringLiteral("Label2")), QStringLiteral("Informações Gerais"));
            EXPECT_EQ(texto(janela, QStringLiteral("Label4")), QStringLiteral("Versão: 2.0.4 - 08/07/2003"));
            EXPECT_FALSE(texto(janela, QStringLiteral("lblDescription")).isEmpty());
            EXPECT_FALSE(texto(janela, QStringLiteral("lblDevelopment")).isEmpty());
            QStringList textos;
            for (QLabel* r : janela.findChildren<QLabel*>())
                textos << r->objectName() + u'=' + r->text();
            vistos << textos;
            janela.close();
        });
        EXPECT_EQ(modais, 1);
        EXPECT_FALSE(janelas->existe(Janela::Sobre));
    }
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[0], vistos[1]);
}

}  // namespace
}  // namespace ceravel::teste
