#include "export/EscreveExportacao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ceravel {
namespace {

QByteArray Conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Grava(const QString& caminho, const QByteArray& bytes)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << caminho.toStdString();
    f.write(bytes);
}

// ---------------------------------------------------------------- encoding

struct CasoCodificacao {
    const char* nome;
    QString texto;
    QByteArray bytes;
};

void PrintTo(const CasoCodificacao& c, std::ostream* os) { *os << c.nome; }

class Codificacao : public ::testing::TestWithParam<CasoCodificacao> {};

TEST_P(Codificacao, GivesTheWindows1252Bytes)
{
    const TextoWindows1252 t = CodificaWindows1252(GetParam().texto);
    ASSERT_TRUE(t.valido()) << t.problema.toStdString();
    EXPECT_EQ(t.bytes.toHex(' '), GetParam().bytes.toHex(' '));
}

// 0x80 to 0x9F are where Windows-1252 differs from Latin-1: a Latin-1 or
// UTF-8 writer fails the euro, the quotes and the ligature.
INSTANTIATE_TEST_SUITE_P(
    Textos, Codificacao,
    ::testing::Values(
        CasoCodificacao{"Ascii", QStringLiteral("X;19003.7;;-23.97 nT/ano"),
                        QByteArray("X;19003.7;;-23.97 nT/ano")},
        CasoCodificacao{"AccentedCapital", QStringLiteral("Época"), QByteArray("\xC9poca")},
        CasoCodificacao{"CedillaAndTilde", QStringLiteral("Inclinação"),
                        QByteArray("Inclina\xE7\xE3o")},
        CasoCodificacao{"MasculineOrdinalOfTheDeclination", QStringLiteral("-20º30'00''"),
                        QByteArray("-20\xBA" "30'00''")},
        CasoCodificacao{"DegreeSignOfTheReport", QStringLiteral("-48°30'0''"),
                        QByteArray("-48\xB0" "30'0''")},
        CasoCodificacao{"EuroOnlyInWindows1252", QStringLiteral("€"), QByteArray("\x80")},
        CasoCodificacao{"CurlyQuotesAndLigature", QStringLiteral("“Œ”"), QByteArray("\x93\x8C\x94")},
        CasoCodificacao{"Empty", QString(), QByteArray()}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoRecusado {
    const char* nome;
    QString texto;
    QString caractere;  // the one the message must name
};

void PrintTo(const CasoRecusado& c, std::ostream* os) { *os << c.nome; }

class CodificacaoRecusada : public ::testing::TestWithParam<CasoRecusado> {};

TEST_P(CodificacaoRecusada, NamesTheCharacterInsteadOfReplacingIt)
{
    const TextoWindows1252 t = CodificaWindows1252(GetParam().texto);
    EXPECT_FALSE(t.valido());
    EXPECT_TRUE(t.bytes.isEmpty());
    EXPECT_TRUE(t.problema.contains(u'"' + GetParam().caractere + u'"')) << t.problema.toStdString();
    EXPECT_TRUE(t.problema.contains(QStringLiteral("Windows-1252"))) << t.problema.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Textos, CodificacaoRecusada,
    ::testing::Values(
        CasoRecusado{"Greek", QStringLiteral("Data;5;6;Ω"), QStringLiteral("Ω")},
        // ł has a "best fit" l in some converters; it must not slip through.
        CasoRecusado{"LatinExtendedWithoutBestFit", QStringLiteral("Łódź"), QStringLiteral("Ł")},
        CasoRecusado{"Cjk", QStringLiteral("12日"), QStringLiteral("日")},
        CasoRecusado{"SurrogatePairNamedWhole", QStringLiteral("a😀b"), QStringLiteral("😀")}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------- writing

class Escrita : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString pasta() const { return m_dir.path(); }
    QString caminho(const QString& arquivo) const { return QDir(pasta()).filePath(arquivo); }
    // Everything in the folder, hidden files included, so that a temporary
    // file left behind shows.
    QStringList arquivos() const
    {
        return QDir(pasta()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                       QDir::Name);
    }

    QTemporaryDir m_dir;
};

const QStringList LinhasCurtas{QStringLiteral("Época;2005"), QString(),
                               QStringLiteral("I;-30º7.50';;3.75 '/ano")};

TEST_F(Escrita, WritesEveryLineInWindows1252EndedByCrLf)
{
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasCurtas);
    ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
    EXPECT_EQ(r.arquivo, QStringLiteral("dados-Ceravel.csv"));
    EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv"));
    EXPECT_EQ(Conteudo(caminho(QStringLiteral("dados-Ceravel.csv"))),
              QByteArray("\xC9poca;2005\r\n\r\nI;-30\xBA" "7.50';;3.75 '/ano\r\n"));
    EXPECT_EQ(arquivos(), QStringList{QStringLiteral("dados-Ceravel.csv")}) << "no temporary file left";
}

struct CasoNome {
    const char* nome;
    QString digitado;
    QString arquivo;
};

void PrintTo(const CasoNome& c, std::ostream* os) { *os << c.nome; }

class NomeAceito : public Escrita, public ::testing::WithParamInterface<CasoNome> {};

TEST_P(NomeAceito, IsTheTypedNameFollowedByTheSuffix)
{
    const ResultadoExportacao r = EscreveExportacao(pasta(), GetParam().digitado, LinhasCurtas);
    ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
    EXPECT_EQ(r.arquivo, GetParam().arquivo);
    EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo ") + GetParam().arquivo);
    EXPECT_EQ(arquivos(), QStringList{GetParam().arquivo});
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, NomeAceito,
    ::testing::Values(
        CasoNome{"Plain", QStringLiteral("dados"), QStringLiteral("dados-Ceravel.csv")},
        CasoNome{"SurroundingBlanksKept", QStringLiteral(" dados "), QStringLiteral(" dados -Ceravel.csv")},
        CasoNome{"EmptyName", QString(), QStringLiteral("-Ceravel.csv")},
        CasoNome{"DotsAreNotAPath", QStringLiteral(".."), QStringLiteral("..-Ceravel.csv")},
        // Characters Windows-1252 lacks are fine in a name: it is Unicode.
        CasoNome{"UnicodeName", QStringLiteral("São João Ω ☃"), QStringLiteral("São João Ω ☃-Ceravel.csv")}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Escrita, ReplacesAnEarlierFileOfTheSameNameWithoutAsking)
{
    Grava(caminho(QStringLiteral("dados-Ceravel.csv")), QByteArray(5000, 'v'));
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), {QStringLiteral("novo")});
    ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
    EXPECT_EQ(Conteudo(caminho(QStringLiteral("dados-Ceravel.csv"))), QByteArray("novo\r\n"));
    EXPECT_EQ(arquivos().size(), 1);
}

// Every refusal: no success message, the reason and the file named, and an
// earlier file of that name left exactly as it was.
class Recusa : public Escrita {
protected:
    void SetUp() override
    {
        Escrita::SetUp();
        Grava(caminho(QStringLiteral("dados-Ceravel.csv")), Anterior);
    }
    void confere(const ResultadoExportacao& r, const QString& arquivo, const QString& motivo)
    {
        EXPECT_FALSE(r.gravado);
        EXPECT_EQ(r.arquivo, arquivo);
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"") + arquivo +
                                          QStringLiteral("\": ")))
            << r.mensagem.toStdString();
        EXPECT_TRUE(r.mensagem.contains(motivo)) << r.mensagem.toStdString();
        EXPECT_FALSE(r.mensagem.contains(QStringLiteral("foram salvos")));
        EXPECT_EQ(Conteudo(caminho(QStringLiteral("dados-Ceravel.csv"))), Anterior);
    }
    static inline const QByteArray Anterior = QByteArray("anterior;1\r\n");
};

TEST_F(Recusa, TextWindows1252CannotHold)
{
    QStringList linhas = LinhasCurtas;
    linhas << QStringLiteral("Data;5;6;2ΩΩ0");
    confere(EscreveExportacao(pasta(), QStringLiteral("dados"), linhas), QStringLiteral("dados-Ceravel.csv"),
            QStringLiteral("\"Ω\""));
    EXPECT_EQ(arquivos().size(), 1);
}

TEST_F(Recusa, LineBreakInsideAField)
{
    confere(EscreveExportacao(pasta(), QStringLiteral("dados"), {QStringLiteral("Data;5\r\n;6;2000")}),
            QStringLiteral("dados-Ceravel.csv"), QStringLiteral("quebra de linha"));
}

struct CasoSeparador {
    const char* nome;
    QString digitado;
};

void PrintTo(const CasoSeparador& c, std::ostream* os) { *os << c.nome; }

class RecusaSeparador : public Recusa, public ::testing::WithParamInterface<CasoSeparador> {};

TEST_P(RecusaSeparador, KeepsTheFileInTheProgramFolder)
{
    QDir(pasta()).mkdir(QStringLiteral("sub"));
    const QString digitado = GetParam().digitado;
    confere(EscreveExportacao(pasta(), digitado, LinhasCurtas), digitado + QStringLiteral("-Ceravel.csv"),
            QStringLiteral("pasta do programa"));
    EXPECT_EQ(arquivos(), (QStringList{QStringLiteral("dados-Ceravel.csv"), QStringLiteral("sub")}));
    EXPECT_TRUE(QDir(pasta() + QStringLiteral("/sub")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Nomes, RecusaSeparador,
    ::testing::Values(CasoSeparador{"SubFolder", QStringLiteral("sub/dados")},
                      CasoSeparador{"ParentFolder", QStringLiteral("../dados")},
                      CasoSeparador{"AbsolutePath", QStringLiteral("/tmp/dados")},
                      CasoSeparador{"Backslash", QStringLiteral("sub\\dados")},
                      CasoSeparador{"TrailingSlash", QStringLiteral("dados/")}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Recusa, NulCharacterThatWouldCutTheName)
{
    const QString digitado = QStringLiteral("da") + QChar(u'\0') + QStringLiteral("dos");
    confere(EscreveExportacao(pasta(), digitado, LinhasCurtas), digitado + QStringLiteral("-Ceravel.csv"),
            QStringLiteral("não aceita esse nome"));
    EXPECT_EQ(arquivos().size(), 1);
}

TEST_F(Recusa, NameLongerThanTheFileSystemAllows)
{
    const QString digitado(300, u'a');
    confere(EscreveExportacao(pasta(), digitado, LinhasCurtas), digitado + QStringLiteral("-Ceravel.csv"),
            QStringLiteral("longo demais"));
    EXPECT_EQ(arquivos().size(), 1) << "no temporary file left";
}

TEST_F(Recusa, FolderHoldingAFolderOfThatName)
{
    QDir(pasta()).mkdir(QStringLiteral("pasta-Ceravel.csv"));
    confere(EscreveExportacao(pasta(), QStringLiteral("pasta"), LinhasCurtas),
            QStringLiteral("pasta-Ceravel.csv"), QStringLiteral("já existe uma pasta"));
}

TEST_F(Recusa, MissingProgramFolder)
{
    confere(EscreveExportacao(pasta() + QStringLiteral("/sumiu"), QStringLiteral("dados"), LinhasCurtas),
            QStringLiteral("dados-Ceravel.csv"), QStringLiteral("não foi encontrada"));
}

TEST_F(Recusa, ReadOnlyFolder)
{
    ASSERT_EQ(::chmod(QFile::encodeName(pasta()).constData(), 0555), 0);
    // Permissions do not stop root, so root gives up its rights meanwhile.
    const bool raiz = ::geteuid() == 0;
    if (raiz) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasCurtas);
    if (raiz) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    ::chmod(QFile::encodeName(pasta()).constData(), 0700);
    confere(r, QStringLiteral("dados-Ceravel.csv"), QStringLiteral("permissão negada"));
    EXPECT_EQ(arquivos().size(), 1);
}

// The write fails after the file was created: the process may not write more
// than a few bytes per file, as when the disk fills up.
TEST_F(Recusa, WriteFailingHalfWay)
{
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit anterior{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
    rlimit pequeno = anterior;
    pequeno.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasCurtas);
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    confere(r, QStringLiteral("dados-Ceravel.csv"), QStringLiteral("tamanho máximo"));
    EXPECT_EQ(arquivos().size(), 1) << "no temporary file left";
}

}  // namespace
}  // namespace ceravel
