#include "export/EscreveExportacao.h"
#include "export/LinhasExportacao.h"
#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
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

// The calculation behind the golden files (31/12/2004), its texts made under `locale`.
Calculo CalculoDourado(const QLocale& locale, const QString& latExp, const QString& longExp, float I = -30.125f)
{
    Calculo c;
    c.entrada.dia = QStringLiteral("31"), c.entrada.mes = QStringLiteral("12"), c.entrada.ano = QStringLiteral("2004");
    c.pedido.anoDecimal = 2005.0;
    ElementosCampo& e = c.elementos;
    e.D = -20.5f, e.I = I, e.F = 23456.8f, e.m = -7.5f, e.n = 3.75f, e.dF = -25.5f;
    e.X = 19003.7, e.Y = -7105.2, e.Z = -11772.7, e.dX = -24.13, e.dY = -38.23, e.dZ = 34.93;
    c.textos = FormataResultados(e, c.pedido, c.entrada, locale);
    c.textos.latExp = latExp, c.textos.longExp = longExp;
    return c;
}

// A folder holding a longer earlier export, an empty sub-folder and a folder
// named like an export file.
class Escrita : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile f(caminho());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(1000, 'v')) == 1000);
        f.close();
        ASSERT_TRUE(QDir(pasta()).mkdir(QStringLiteral("sub")) && QDir(pasta()).mkdir(QStringLiteral("pasta-Ceravel.csv")));
        m_inicial = estado();
    }
    QString pasta() const { return m_dir.path(); }
    QString caminho(const QString& digitado = QStringLiteral("dados")) const
    {
        return QDir(pasta()).filePath(digitado + QStringLiteral("-Ceravel.csv"));
    }
    // Every entry, hidden and nested ones included, and the earlier file's bytes.
    QStringList estado() const
    {
        QStringList s{QString::fromLatin1(Conteudo(caminho()))};
        QDirIterator it(pasta(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            s << it.next();
        s.sort();
        return s;
    }
    // A refusal names the file and the reason, and leaves the folder as it was.
    void confereRecusa(const ResultadoExportacao& r, const QString& digitado, const QString& motivo) const
    {
        const QString arquivo = digitado + QStringLiteral("-Ceravel.csv");
        EXPECT_FALSE(r.gravado);
        EXPECT_EQ(r.arquivo, arquivo);
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"%1\": ").arg(arquivo))
                    && r.mensagem.contains(motivo)) << r.mensagem.toStdString();
        EXPECT_EQ(estado(), m_inicial);
    }

    QTemporaryDir m_dir;
    QStringList m_inicial;
};

struct CasoDourado {
    const char* nome;
    const char* locale;
    const char16_t* latExp;
    const char16_t* longExp;
    const char* arquivo;  // in tests/data
};

void PrintTo(const CasoDourado& c, std::ostream* os) { *os << c.nome; }

class ExportacaoDourada : public Escrita, public testing::WithParamInterface<CasoDourado> {};

// Bytes, so the 26 lines, the code page and the CR LF all count; the earlier file is replaced without asking.
TEST_P(ExportacaoDourada, WritesTheGoldenFile)
{
    const CasoDourado& c = GetParam();
    const Calculo calculo = CalculoDourado(QLocale(QString::fromLatin1(c.locale)), QString::fromUtf16(c.latExp),
                                           QString::fromUtf16(c.longExp));
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasExportacao(calculo));
    EXPECT_TRUE(r.gravado);
    EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv"));
    EXPECT_EQ(Conteudo(caminho()), Conteudo(QStringLiteral(CERAVEL_DADOS_TESTE "/") + QString::fromLatin1(c.arquivo)));
    EXPECT_EQ(estado().size(), m_inicial.size()) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, ExportacaoDourada,
    testing::Values(CasoDourado{"FullStopLatitudeDms", "C", u"-27.5861111111111", u"-48.25",
                                "exportacao-ponto-lat-gms-lon-decimal.csv"},
                    CasoDourado{"DecimalCommaLongitudeDms", "pt_BR", u"-27,5", u"-48,5125",
                                "exportacao-virgula-lat-decimal-lon-gms.csv"}),
    [](const auto& info) { return std::string(info.param.nome); });

// The one-field inclination keeps the sign of an angle between -1 and 0.
TEST(LinhasExportacao, InclinationAboveMinusOneKeepsSign)
{
    const Calculo c = CalculoDourado(QLocale::c(), QStringLiteral("-27.5"), QStringLiteral("-48.25"), -0.5f);
    EXPECT_EQ(LinhasExportacao(c).at(25), QString::fromUtf16(u"I;-0\u00BA30.00';;3.75 '/ano"));
}

struct CasoEscrita {
    const char* nome;
    QString subpasta;  // appended to the program folder
    QString digitado;
    QString linha;
    QString motivo;  // empty: written
};

void PrintTo(const CasoEscrita& c, std::ostream* os) { *os << c.nome; }

class EscreveExportacaoTeste : public Escrita, public testing::WithParamInterface<CasoEscrita> {};

TEST_P(EscreveExportacaoTeste, WritesOrRefuses)
{
    const CasoEscrita& c = GetParam();
    const ResultadoExportacao r = EscreveExportacao(pasta() + c.subpasta, c.digitado, {c.linha});
    if (!c.motivo.isEmpty())
        return confereRecusa(r, c.digitado, c.motivo);
    EXPECT_TRUE(r.gravado) << r.mensagem.toStdString();
    // Windows-1252, not Latin-1: 0x80 to 0x9F hold the euro, quotes and ligature.
    EXPECT_EQ(Conteudo(caminho(c.digitado)), QByteArray("\xB0\x80\x93\x8C\x94\r\n"));
}

const QString Cp1252 = QStringLiteral("°€“Œ”");
const QString Pasta = QStringLiteral("pasta do programa");

INSTANTIATE_TEST_SUITE_P(
    Casos, EscreveExportacaoTeste,
    testing::Values(
        CasoEscrita{"BlanksKeptInName", {}, QStringLiteral(" dados "), Cp1252, {}},
        CasoEscrita{"EmptyName", {}, QString(), Cp1252, {}},
        CasoEscrita{"DotsAreNotAPath", {}, QStringLiteral(".."), Cp1252, {}},
        CasoEscrita{"SlashRefused", {}, QStringLiteral("sub/dados"), Cp1252, Pasta},
        CasoEscrita{"BackslashRefused", {}, QStringLiteral("sub\\dados"), Cp1252, Pasta},
        CasoEscrita{"NulThatWouldCutTheName", {}, QStringLiteral("da") + QChar(u'\0') + QStringLiteral("dos"), Cp1252,
                    QStringLiteral("não aceita esse nome")},
        CasoEscrita{"LineBreakInAField", {}, QStringLiteral("dados"), QStringLiteral("5\r\n;6"), QStringLiteral("quebra de linha")},
        CasoEscrita{"CharacterOutsideTheCodePage", {}, QStringLiteral("dados"), QStringLiteral("Łódź"),
                    QStringLiteral("o texto \"Łódź\" tem o caractere \"Ł\", que a codificação Windows-1252 não "
                                   "representa.")},
        CasoEscrita{"MissingFolder", QStringLiteral("/sumiu"), QStringLiteral("dados"), Cp1252, QStringLiteral("não foi encontrada")},
        CasoEscrita{"FolderOfThatName", {}, QStringLiteral("pasta"), Cp1252, QStringLiteral("já existe uma pasta")}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Escrita, ReadOnlyFolderRefused)
{
    ASSERT_EQ(::chmod(QFile::encodeName(pasta()).constData(), 0555), 0);
    const bool raiz = ::geteuid() == 0;  // permissions do not stop root, so root gives its rights up meanwhile
    ASSERT_TRUE(!raiz || ::seteuid(65534) == 0);
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), {Cp1252});
    ASSERT_TRUE(!raiz || ::seteuid(0) == 0);
    ::chmod(QFile::encodeName(pasta()).constData(), 0700);
    confereRecusa(r, QStringLiteral("dados"), QStringLiteral("permissão negada"));
}

// The write fails once the file exists, as on a full disk: the earlier file must survive.
TEST_F(Escrita, WriteFailingHalfWayRefused)
{
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit anterior{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
    rlimit pequeno = anterior;
    pequeno.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), {QString(100, u'x')});
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    confereRecusa(r, QStringLiteral("dados"), QStringLiteral("tamanho máximo"));
}

// Root ignores permissions, so a read-only folder is made so for every user
// by giving root's rights up meanwhile; /proc refuses new files to anyone.
class SemDireitosDeRaiz {
public:
    SemDireitosDeRaiz() : m_raiz(::geteuid() == 0) { m_ok = !m_raiz || ::seteuid(65534) == 0; }
    ~SemDireitosDeRaiz()
    {
        if (m_raiz && m_ok)
            (void)!::seteuid(0);
    }
    bool ok() const { return m_ok; }

private:
    bool m_raiz, m_ok;
};

struct CasoGravavel {
    const char* nome;
    std::function<QString(const QString&)> pasta;  // from a fresh writable folder
    mode_t modo;                                   // given to the fresh folder
    bool gravavel;
};
void PrintTo(const CasoGravavel& c, std::ostream* os) { *os << c.nome; }

class PastaGravavelTeste : public testing::TestWithParam<CasoGravavel> {};

TEST_P(PastaGravavelTeste, TriesCreatingAFile)
{
    const CasoGravavel& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), c.modo), 0);
    bool gravavel = false;
    {
        SemDireitosDeRaiz semRaiz;
        ASSERT_TRUE(semRaiz.ok());
        gravavel = PastaGravavel(c.pasta(dir.path()));
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(gravavel, c.gravavel);
    // The trial file does not stay behind.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pastas, PastaGravavelTeste,
    testing::Values(CasoGravavel{"WritableForAnyone", [](const QString& p) { return p; }, 0777, true},
                    CasoGravavel{"ReadOnly", [](const QString& p) { return p; }, 0555, false},
                    CasoGravavel{"Missing", [](const QString& p) { return p + "/sumiu"; }, 0777, false},
                    CasoGravavel{"ProcRefusesEvenRoot", [](const QString&) { return QStringLiteral("/proc"); }, 0777,
                                 false}),
    [](const auto& info) { return std::string(info.param.nome); });

// The Export command's folder: the program's when writable, else the documents folder.
struct CasoDestino {
    const char* nome;
    bool programaGravavel;
    std::function<QString(const QString&)> documentos;  // from a fresh home folder
    QString digitado;
    QString linha;
    bool nosDocumentos;   // written into the documents folder (else beside the program, or nowhere)
    QString motivo;       // empty: written
};
void PrintTo(const CasoDestino& c, std::ostream* os) { *os << c.nome; }

class ExportaArquivoTeste : public Escrita, public testing::WithParamInterface<CasoDestino> {};

const auto DocumentosNovos = [](const QString& casa) { return casa + QStringLiteral("/Documentos"); };

TEST_P(ExportaArquivoTeste, BesideTheProgramOrInTheDocumentsFolder)
{
    const CasoDestino& c = GetParam();
    QTemporaryDir casa;
    ASSERT_TRUE(casa.isValid());
    const QString documentos = c.documentos(casa.path());
    // A program folder that truly refuses a new file unless the case wants it writable.
    const QString programa = c.programaGravavel ? pasta() : QStringLiteral("/proc");
    const ResultadoExportacao r =
        ExportaArquivo(programa, c.digitado, {c.linha}, DestinoExportacao{PastaGravavel, [&] { return documentos; }});

    const QString arquivo = c.digitado + QStringLiteral("-Ceravel.csv");
    const QString destino = c.programaGravavel     ? caminho(c.digitado)
                            : documentos.isEmpty() ? arquivo
                                                   : QDir(documentos).filePath(arquivo);
    const QString nomeMensagem = c.programaGravavel ? arquivo : QDir::toNativeSeparators(destino);
    EXPECT_EQ(r.arquivo, arquivo);
    if (!c.motivo.isEmpty()) {
        EXPECT_FALSE(r.gravado);
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"%1\": ").arg(nomeMensagem)) &&
                    r.mensagem.contains(c.motivo))
            << r.mensagem.toStdString();
        EXPECT_EQ(estado(), m_inicial);
        EXPECT_FALSE(QFileInfo(destino).isFile());
        return;
    }
    ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
    EXPECT_EQ(r.caminho, destino);
    EXPECT_EQ(Conteudo(destino), QByteArray("\xB0\x80\x93\x8C\x94\r\n"));
    if (c.nosDocumentos) {
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo %1\n\nA pasta do programa não permite "
                                             "gravação; por isso o arquivo foi salvo na pasta de documentos.")
                                  .arg(nomeMensagem));
        EXPECT_EQ(estado(), m_inicial);
    } else {
        // As before: the name alone, and the documents folder not even created.
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo ") + arquivo);
        EXPECT_FALSE(QFileInfo::exists(documentos));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ExportaArquivoTeste,
    testing::Values(
        CasoDestino{"WritableProgramFolderAsBefore", true, DocumentosNovos, QStringLiteral("dados"), Cp1252, false, {}},
        CasoDestino{"ReadOnlyIntoMissingDocumentsFolder", false, DocumentosNovos, QStringLiteral("dados"), Cp1252, true,
                    {}},
        CasoDestino{"ReadOnlyIntoNestedMissingDocumentsFolder", false,
                    [](const QString& casa) { return casa + QStringLiteral("/a/b/Documentos"); },
                    QStringLiteral(" dados "), Cp1252, true, {}},
        CasoDestino{"ReadOnlySlashStillRefused", false, DocumentosNovos, QStringLiteral("sub/dados"), Cp1252, false,
                    QStringLiteral("salvo sempre na pasta de documentos")},
        CasoDestino{"ReadOnlyCodePageStillRefused", false, DocumentosNovos, QStringLiteral("dados"),
                    QStringLiteral("Łódź"), false, QStringLiteral("Windows-1252 não representa")},
        CasoDestino{"ReadOnlyFolderOfThatNameInDocuments", false,
                    [](const QString& casa) {
                        QDir(casa).mkpath(QStringLiteral("Documentos/dados-Ceravel.csv"));
                        return DocumentosNovos(casa);
                    },
                    QStringLiteral("dados"), Cp1252, false, QStringLiteral("já existe uma pasta")},
        CasoDestino{"ReadOnlyDocumentsCannotBeCreated", false,
                    [](const QString&) { return QStringLiteral("/proc/Documentos"); }, QStringLiteral("dados"), Cp1252,
                    false, QStringLiteral("não foi possível criar a pasta de documentos \"/proc/Documentos\"")},
        CasoDestino{"ReadOnlyNoDocumentsFolder", false, [](const QString&) { return QString(); },
                    QStringLiteral("dados"), Cp1252, false,
                    QStringLiteral("a pasta de documentos do usuário não foi encontrada")}),
    [](const auto& info) { return std::string(info.param.nome); });

// The window's defaults: the writability tried for real on a read-only
// folder, and the documents folder from QStandardPaths under a temporary home.
TEST_F(Escrita, ReadOnlyProgramFolderExportsIntoTheDocumentsFolderOfTheHome)
{
    QTemporaryDir casa;
    ASSERT_TRUE(casa.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(casa.path()).constData(), 0777), 0);
    const QByteArray casaAnterior = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(casa.path()));
    QStandardPaths::setTestModeEnabled(true);  // ignores the user's own user-dirs.dirs
    ASSERT_EQ(::chmod(QFile::encodeName(pasta()).constData(), 0555), 0);
    ResultadoExportacao r;
    {
        SemDireitosDeRaiz semRaiz;
        ASSERT_TRUE(semRaiz.ok());
        r = ExportaArquivo(pasta(), QStringLiteral("dados"), {Cp1252});
    }
    ::chmod(QFile::encodeName(pasta()).constData(), 0700);
    QStandardPaths::setTestModeEnabled(false);
    qputenv("HOME", casaAnterior);

    const QString destino = casa.filePath(QStringLiteral("Documents/dados-Ceravel.csv"));
    EXPECT_TRUE(r.gravado) << r.mensagem.toStdString();
    EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Os dados foram salvos no arquivo ") + destino + u'\n'))
        << r.mensagem.toStdString();
    EXPECT_EQ(Conteudo(destino), QByteArray("\xB0\x80\x93\x8C\x94\r\n"));
    EXPECT_EQ(estado(), m_inicial);
}

}  // namespace
}  // namespace ceravel
