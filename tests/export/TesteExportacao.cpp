#include "export/EscreveExportacao.h"
#include "export/LinhasExportacao.h"
#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
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

}  // namespace
}  // namespace ceravel
