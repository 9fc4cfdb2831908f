// SPDX-License-Identifier: GPL-3.0-or-later
// The export: golden files, refusals that name file and reason and leave the
// folder as it was, the documents folder when the program's is not writable.
#include "export/EscreveExportacao.h"
#include "export/LinhasExportacao.h"
#include "export/Windows1252.h"
#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <optional>
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

void Modo(const QString& caminho, mode_t modo) { ::chmod(QFile::encodeName(caminho).constData(), modo); }

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

// Windows-1252, not Latin-1: 0x80 to 0x9F hold the euro, quotes and ligature.
const QString Cp1252 = QStringLiteral("°€“Œ”");
const QByteArray Cp1252Bytes("\xB0\x80\x93\x8C\x94\r\n");

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
    void confereRecusa(const ResultadoExportacao& r, const QString& nome, const QString& motivo) const
    {
        EXPECT_FALSE(r.gravado);
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"%1\": ").arg(nome))
                    && r.mensagem.contains(motivo)) << r.mensagem.toStdString();
        EXPECT_EQ(estado(), m_inicial);
    }

    QTemporaryDir m_dir;
    QStringList m_inicial;
};

// Bytes, so the 26 lines, the code page and the CR LF all count; the earlier
// file is replaced without asking. The calculation of 31/12/2004.
TEST_F(Escrita, WritesTheGoldenFiles)
{
    const std::tuple<const char*, QString, QString, const char*> casos[] = {
        {"C", "-27.5861111111111", "-48.25", "exportacao-ponto-lat-gms-lon-decimal.csv"},
        {"pt_BR", "-27,5", "-48,5125", "exportacao-virgula-lat-decimal-lon-gms.csv"}};
    for (const auto& [locale, latExp, longExp, arquivo] : casos) {
        SCOPED_TRACE(arquivo);
        Calculo c;
        c.entrada.dia = QStringLiteral("31"), c.entrada.mes = QStringLiteral("12"), c.entrada.ano = QStringLiteral("2004");
        c.pedido.anoDecimal = 2005.0;
        ElementosCampo& e = c.elementos;
        e.D = -20.5f, e.I = -30.125f, e.F = 23456.8f, e.m = -7.5f, e.n = 3.75f, e.dF = -25.5f;
        e.X = 19003.7, e.Y = -7105.2, e.Z = -11772.7, e.dX = -24.13, e.dY = -38.23, e.dZ = 34.93;
        c.textos = FormataResultados(e, c.pedido, c.entrada, QLocale(QString::fromLatin1(locale)));
        c.textos.latExp = latExp, c.textos.longExp = longExp;
        const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasExportacao(c));
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv"));
        EXPECT_EQ(Conteudo(caminho()), Conteudo(QStringLiteral(CERAVEL_DADOS_TESTE "/") + QString::fromLatin1(arquivo)));
        EXPECT_EQ(estado().size(), m_inicial.size()) << "no temporary file left";
    }
}

// In the program's folder: the name as typed, or a refusal; a read-only
// folder and a write failing half-way (the file size limit, as a full disk).
TEST_F(Escrita, WritesOrRefusesInTheProgramFolder)
{
    const QString pastaPrograma = QStringLiteral("pasta do programa");
    const struct {
        QString subpasta, digitado, linha, motivo;  // motivo empty: written
        mode_t modo = 0777;  // of the program folder, during the call
        rlim_t limite = RLIM_INFINITY;
    } casos[] = {
        {{}, " dados ", Cp1252, {}},
        {{}, "sub/dados", Cp1252, pastaPrograma},
        {{}, QStringLiteral("da") + QChar(u'\0') + QStringLiteral("dos"), Cp1252, "não aceita esse nome"},
        {{}, "dados", "5\r;6", "quebra de linha"},
        {{}, "dados", "Łódź", "o texto \"Łódź\" tem o caractere \"Ł\", que a codificação Windows-1252 não representa."},
        {"/sumiu", "dados", Cp1252, "não foi encontrada"},
        {{}, "pasta", Cp1252, "já existe uma pasta"},
        {{}, "dados", Cp1252, "permissão negada para gravar na pasta do programa", 0555},
        {{}, "dados", QString(100, u'x'), "tamanho máximo", 0777, 8},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.digitado.toStdString() + " " + c.linha.toStdString());
        Modo(pasta(), c.modo);
        const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
        rlimit anterior{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
        rlimit limite = anterior;
        limite.rlim_cur = c.limite;
        ResultadoExportacao r;
        {
            SemDireitosDeRaiz semRaiz;
            ASSERT_TRUE(semRaiz.ok() && ::setrlimit(RLIMIT_FSIZE, &limite) == 0);
            r = EscreveExportacao(pasta() + c.subpasta, c.digitado, {c.linha});
            ::setrlimit(RLIMIT_FSIZE, &anterior);
        }
        std::signal(SIGXFSZ, sinalAnterior);
        Modo(pasta(), 0700);
        EXPECT_EQ(r.arquivo, c.digitado + QStringLiteral("-Ceravel.csv"));
        if (!c.motivo.isEmpty()) {
            confereRecusa(r, r.arquivo, c.motivo);
            continue;
        }
        EXPECT_TRUE(r.gravado) << r.mensagem.toStdString();
        EXPECT_EQ(Conteudo(caminho(c.digitado)), Cp1252Bytes);
        QFile::remove(caminho(c.digitado));
    }
}

// Export's folder: the program's when writable (as before: the name alone in
// the message, no documents folder created), else the documents folder,
// created when missing, named in full in the message.
TEST_F(Escrita, BesideTheProgramOrInTheDocumentsFolder)
{
    const auto documentosNovos = [](const QString& casa) { return casa + QStringLiteral("/Documentos"); };
    const struct {
        bool programaGravavel;
        std::function<QString(const QString&)> documentos;  // from a fresh home folder
        QString digitado, linha, motivo;                    // motivo empty: written
        bool semRaiz = false;                               // the call without root's rights
    } casos[] = {
        {true, documentosNovos, "outro", Cp1252, {}},
        {false, [](const QString& casa) { return casa + QStringLiteral("/a/Documentos"); }, " dados ", Cp1252, {}},
        {false,
         [&](const QString& casa) {  // exists, and refuses the write
             QDir(casa).mkdir(QStringLiteral("Documentos"));
             Modo(casa, 0755), Modo(documentosNovos(casa), 0555);
             return documentosNovos(casa);
         },
         "dados", Cp1252, "permissão negada para gravar na pasta de documentos", true},
        {false, [](const QString&) { return QStringLiteral("/proc/Documentos"); }, "dados", Cp1252,
         "não foi possível criar a pasta de documentos \"/proc/Documentos\""},
        {false, [](const QString&) { return QString(); }, "dados", Cp1252,
         "a pasta de documentos do usuário não foi encontrada"},
    };
    for (const auto& c : casos) {
        QTemporaryDir casa;
        const QString documentos = c.documentos(casa.path());
        SCOPED_TRACE(documentos.toStdString() + " " + c.digitado.toStdString() + " " + c.motivo.toStdString());
        const QString programa = c.programaGravavel ? pasta() : QStringLiteral("/proc");
        ResultadoExportacao r;
        {
            std::optional<SemDireitosDeRaiz> semRaiz;
            if (c.semRaiz) {
                ASSERT_TRUE(semRaiz.emplace().ok());
            }
            r = ExportaArquivo(programa, c.digitado, {c.linha}, DestinoExportacao{PastaGravavel, [&] { return documentos; }});
        }
        const QString arquivo = c.digitado + QStringLiteral("-Ceravel.csv");
        const QString destino = c.programaGravavel     ? caminho(c.digitado)
                                : documentos.isEmpty() ? arquivo
                                                       : QDir(documentos).filePath(arquivo);
        const QString nome = c.programaGravavel ? arquivo : QDir::toNativeSeparators(destino);
        EXPECT_EQ(r.arquivo, arquivo);
        if (!c.motivo.isEmpty()) {
            confereRecusa(r, nome, c.motivo);
            EXPECT_FALSE(QFileInfo(destino).isFile());
            continue;
        }
        ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
        EXPECT_EQ(r.caminho, destino);
        EXPECT_EQ(Conteudo(destino), Cp1252Bytes);
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo ") + nome
                                  + (c.programaGravavel ? QString()
                                                        : QStringLiteral("\n\nA pasta do programa não permite gravação; "
                                                                         "por isso o arquivo foi salvo na pasta de documentos.")));
        EXPECT_EQ(QFileInfo::exists(documentos), !c.programaGravavel);
        QFile::remove(caminho(QStringLiteral("outro")));
        if (!c.programaGravavel) {
            EXPECT_EQ(estado(), m_inicial);
        }
    }
}

struct CasoCodificacao {
    const char* nome;
    QString texto;
    QByteArray bytes;   // empty when refused
    QString recusado;   // the character named when refused
};

class Codificacao : public testing::TestWithParam<CasoCodificacao> {};

// Appended behind earlier bytes, which a refusal leaves as they were.
TEST_P(Codificacao, WritesEveryCharacterOrNamesTheFirstItLacks)
{
    const CasoCodificacao& c = GetParam();
    QByteArray destino("x;");
    EXPECT_EQ(AcrescentaWindows1252(destino, c.texto), c.recusado.isEmpty());
    EXPECT_EQ(destino, "x;" + c.bytes);
    EXPECT_EQ(PrimeiroNaoRepresentavel(c.texto), c.recusado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Codificacao,
    testing::Values(
        CasoCodificacao{"Latin1RangeByteForByte", QStringLiteral("Aé º\u00FF"), "A\xE9 \xBA\xFF", {}},
        // 0x80 to 0x9F hold the euro, quotes and ligature, not Latin-1's controls.
        CasoCodificacao{"NotLatin1From0x80To0x9F", QStringLiteral("°€“Œ”"), "\xB0\x80\x93\x8C\x94", {}},
        CasoCodificacao{"ControlWithoutAByte", QStringLiteral("a\u0080"), {}, QStringLiteral("\u0080")},
        // Ł has a "best fit" l in some converters: it must be named, not replaced.
        CasoCodificacao{"NoBestFit", QStringLiteral("Łódź"), {}, QStringLiteral("Ł")},
        CasoCodificacao{"SurrogatePairNamedWhole", QStringLiteral("a€😀Ł"), {}, QStringLiteral("😀")}),
    [](const auto& info) { return std::string(info.param.nome); });

// The five bytes the code page leaves undefined read as the controls of the same number, as Windows reads them.
TEST(Decodificacao, EveryByteIsACharacter)
{
    DecodificadorWindows1252 decodificador;
    EXPECT_EQ(decodificador.decodifica("Observa\xE7\xE3o \x93" "dado\x94 \x80 \x81\x8D\x8F\x90\x9D"),
              QStringLiteral("Observação “dado” € \u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(decodificador.decodifica("21\xBA"), QStringLiteral("21º"));  // the same decoder again
    // On screen a line ends in "\n"; a lone CR is text.
    EXPECT_EQ(TextoArquivoWindows1252("Declina\xE7\xE3o\r\n\r\nfim\r"), QStringLiteral("Declinação\n\nfim\r"));
}

}  // namespace
}  // namespace ceravel
