// SPDX-License-Identifier: GPL-3.0-or-later
// The program as run: its command line and progress bar, and the built
// ceravel-lote on small files (output bytes, standard error, exit status).
#include "calc/AnoDecimal.h"
#include "calc/CalculoIgrf.h"
#include "lote/LinhaSaida.h"
#include "lote/OpcoesLote.h"
#include "lote/Progresso.h"
#include "model/Igrf14.h"
#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace ceravel::teste {
namespace {

// The options as entrada|saida|coeficientes|locale|codificacao|silencioso|ajuda|modelo, or the message.
TEST(Opcoes, Interpretadas)
{
    const std::pair<QStringList, const char*> casos[] = {
        {{"--saida=campo.csv", "--locale=C", "--coeficientes", "/dados", "-"}, "-|campo.csv|/dados|C||||"},
        {{"-o", "-", "--utf8", "-q", "-h", "--", "-p.txt"}, "-p.txt||||utf8|q|h|"},
        {{"p.txt", "-o"}, "a opção -o precisa de um valor."},
        {{"--locale="}, "a opção --locale precisa de um valor."},
        {{"--utf8=sim"}, "a opção --utf8 não aceita valor."},
        {{"--utf8", "--codificacao=Windows1252"}, "||||windows1252|||"},
        {{"--codificacao", "UTF8", "--modelo", "IGRF14"}, "||||utf8|||igrf14"},
        {{"--codificacao", "latin1"}, "codificação desconhecida: latin1 (use utf8 ou windows1252)."},
        {{"a.txt", "b.txt"}, "só um arquivo de entrada é aceito (foram dados 2)."},
        {{"--modelo=igrf14", "--modelo=Regional"}, "|||||||"},
        {{"--modelo", "wmm"}, "modelo desconhecido: wmm (use regional ou igrf14)."},
        {{"--modelo"}, "a opção --modelo precisa de um valor."},
    };
    for (const auto& [argumentos, esperado] : casos) {
        const lote::OpcoesLote o = lote::InterpretaArgumentos(argumentos);
        const QStringList campos{o.entrada, o.saida, o.coeficientes, o.locale,
                                 !o.codificacao                                    ? ""
                                 : *o.codificacao == lote::CodificacaoSaida::Utf8 ? "utf8"
                                                                                   : "windows1252",
                                 o.silencioso ? "q" : "", o.ajuda ? "h" : "",
                                 o.modelo == lote::ModeloCampo::Igrf14 ? "igrf14" : ""};
        EXPECT_EQ((o.erro.isEmpty() ? campos.join(u'|') : o.erro).toStdString(), esperado);
    }
    // QLocale falls back to C for unknown names: only C itself may give it.
    EXPECT_EQ(lote::LocaleDoNome(QStringLiteral("C"))->decimalPoint(), QStringLiteral("."));
}

TEST(Progresso, BarraSoParaEntradaGrande)
{
    EXPECT_EQ(lote::Progresso::Barra(1000, 500, 12345).toStdString(),
              "[###############...............]  50%  12345 pontos");
    EXPECT_EQ(lote::Progresso::Barra(-1, 5000, 250000).toStdString(), "250000 pontos");  // a pipe: size unknown
    QByteArray escrito;
    const auto escreve = [&](const QByteArray& b) { escrito += b; };
    lote::Progresso pequeno(1000, escreve), pipeCurto(-1, escreve);
    for (qint64 p = 1; p <= 50000; ++p) {
        pequeno.atualiza(p / 50, p);
        pipeCurto.atualiza(p * 20, p);
    }
    pequeno.termina();
    pipeCurto.termina();
    EXPECT_TRUE(escrito.isEmpty());
    lote::Progresso grande(lote::Progresso::BytesGrande, escreve);
    grande.atualiza(0, 4096);
    grande.termina();
    EXPECT_EQ(escrito.toStdString(), "\r[..............................]   0%  4096 pontos\r\x1b[K");  // left clean
}

struct Execucao {
    int codigo = -1;
    QByteArray saida, erro;
};

// A temporary folder with pontos.txt and, in coef/, a model known by hand:
// D = I = 0 and F = 25000 + 10 t nT, so X = F and dF = dX = 10 nT/ano.
class Executavel : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(pasta.path()).mkpath(QStringLiteral("coef")));
        const QByteArray zeros = QByteArray("0\r\n").repeated(31);  // only the first 31 items count
        Grava("coef/COEF-D2000", zeros);
        Grava("coef/COEF-I2000", zeros);
        Grava("coef/COEF-F2000", "25000\r\n0\r\n0\r\n10\r\n" + zeros);
        Grava("pontos.txt", "# pontos de teste\n\n"
                            "latitude;longitude;data\n"
                            "-23.5;-46.625;31/12/2004\r\n"
                            "-15 30 0;-47 52 30;01/01/1995\n"
                            "-23.5;-96;31/12/2004");
    }

    QString Caminho(const char* nome) const { return QDir(pasta.path()).filePath(QString::fromUtf8(nome)); }

    void Grava(const char* nome, const QByteArray& bytes) const
    {
        QFile arquivo(Caminho(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly) && arquivo.write(bytes) == bytes.size()) << nome;
    }

    QByteArray Le(const char* nome) const
    {
        QFile arquivo(Caminho(nome));
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<ausente>");
    }

    // In the temporary folder, never the program's.
    Execucao Roda(const QStringList& argumentos, const QByteArray& entradaPadrao = {}) const
    {
        QProcess processo;
        processo.setWorkingDirectory(pasta.path());
        processo.start(QStringLiteral(CERAVEL_LOTE_EXECUTAVEL), argumentos);
        processo.write(entradaPadrao);
        processo.closeWriteChannel();
        if (!processo.waitForFinished(60000))
            return {};  // the process is killed with its QProcess
        return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
                processo.readAllStandardOutput(), processo.readAllStandardError()};
    }

    QTemporaryDir pasta;
};

// For 01/01/1995, t = 5.002739726027357 and F is the float 25050.02734375,
// whose shortest text is 25050.027; X = F in double.
TEST_F(Executavel, ArquivoEmWindows1252ComCrLfEVirgula)
{
    const Execucao e = Roda({"--coeficientes", "coef", "--locale", "pt_BR", "pontos.txt", "-o", "campo.csv"});
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();  // one line refused
    EXPECT_EQ(Le("campo.csv").toStdString(),
              (lote::CabecalhoSaida().toLatin1() + "\r\n"
               "4;-23.5;-46.625;31/12/2004;2005;0;0;0;0;25150;10;25150;10;0;0;0;0;0\xBA" "00'00'';\r\n"
               "5;-15 30 0;-47 52 30;01/01/1995;1995,0027397260274;0;0;0;0;25050,027;10;25050,02734375;10;"
               "0;0;0;0;0\xBA" "00'00'';\r\n"
               "6;-23.5;-96;31/12/2004;;;;;;;;;;;;;;;A longitude do territ\xF3rio brasileiro varia de "
               "aproximadamente -30 a -75 graus. Verifique tamb\xE9m o separador de decimais.\r\n")
                  .toStdString());
    EXPECT_TRUE(e.erro.startsWith("ceravel-lote: 3 pontos, 1 com falha, ") && e.erro.endsWith(" s.\n"))
        << e.erro.toStdString();
}

// Standard input to standard output in UTF-8, the coefficients from the
// program's folder; a date the regional model refuses points to IGRF-14.
TEST_F(Executavel, EntradaPadraoEmUtf8ComOsCoeficientesDoPrograma)
{
    const Execucao e = Roda({"--utf8", "-q"}, "\xEF\xBB\xBF-23.5;-46.625;31/12/2004\n-23.5;-46.625;1/1/1950\n");
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();
    EXPECT_TRUE(e.erro.isEmpty()) << e.erro.toStdString();
    const QList<QByteArray> linhas = e.saida.split('\n');
    ASSERT_EQ(linhas.size(), 4) << e.saida.toStdString();
    EXPECT_TRUE(linhas[2].endsWith("Com --modelo igrf14, datas de 1900 a 2029 são aceitas.\r")) << linhas[2].toStdString();
    EXPECT_EQ(linhas[0], (lote::CabecalhoSaida() + u'\r').toUtf8());
    EXPECT_TRUE(linhas[1].startsWith("1;-23.5;-46.625;31/12/2004;2005;") && linhas[1].contains("\xC2\xBA")
                && linhas[1].endsWith("'';\r"))
        << linhas[1].toStdString();
}

// The encoding follows the destination unless asked for: UTF-8 into a
// terminal (here one `script` opens), Windows-1252 into files and pipes.
TEST_F(Executavel, CodificacaoPeloDestino)
{
    EXPECT_EQ(lote::CodificacaoEscolhida(std::nullopt, false), lote::CodificacaoSaida::Windows1252);
    EXPECT_EQ(lote::CodificacaoEscolhida(lote::CodificacaoSaida::Utf8, false), lote::CodificacaoSaida::Utf8);
    const std::tuple<QString, QByteArray, QByteArray> casos[] = {
        {"", "0\xC2\xBA" "00'00''", "0\xBA" "00'00''"},
        {"--codificacao windows1252", "0\xBA" "00'00''", "0\xC2\xBA" "00'00''"}};
    for (const auto& [opcao, presente, ausente] : casos) {
        QProcess terminal;
        terminal.setWorkingDirectory(pasta.path());
        terminal.start("script", {"-qec", "'" CERAVEL_LOTE_EXECUTAVEL "' -q --coeficientes coef pontos.txt " + opcao,
                                  "/dev/null"});
        ASSERT_TRUE(terminal.waitForFinished(60000));
        const QByteArray saida = terminal.readAllStandardOutput();
        EXPECT_TRUE(saida.contains(presente) && !saida.contains(ausente)) << opcao.toStdString() << saida.toStdString();
    }
}

// With --modelo igrf14 every row holds, bit for bit, what the core's IGRF-14
// gives at the point (shortest exact texts read back to the same double),
// dates from 1900 to 2029 pass and the others are refused with their message.
TEST_F(Executavel, Igrf14IgualAoDoNucleo)
{
    const LeituraIgrf14 tabela = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
    ASSERT_TRUE(tabela.modelo) << tabela.erro.toStdString();
    const struct {
        double lat, lon, dia, mes, ano;
    } pontos[] = {{-15.79, -47.88, 1, 1, 1900}, {-33.7, -53.4, 29, 2, 1996}, {-3.1, -60, 31, 12, 2029}};
    QByteArray entrada;
    for (const auto& p : pontos)
        entrada += QString::asprintf("%g;%g;%g/%g/%g\n", p.lat, p.lon, p.dia, p.mes, p.ano).toLatin1();
    entrada += "-15.79;-47.88;31/12/1899\n-15.79;-47.88;01/01/2030\n";
    const Execucao e = Roda({"--modelo", "igrf14", "--utf8", "-q"}, entrada);
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();
    const QList<QByteArray> linhas = e.saida.split('\n');
    ASSERT_EQ(linhas.size(), 7) << e.saida.toStdString();
    for (std::size_t i = 0; i < std::size(pontos); ++i) {
        const auto& p = pontos[i];
        SCOPED_TRACE(p.ano);
        const QList<QByteArray> campos = linhas[static_cast<qsizetype>(i) + 1].trimmed().split(';');
        ASSERT_EQ(campos.size(), 19);
        const double ano = AnoDecimal(p.dia, p.mes, p.ano);
        const auto c = CampoIgrf14(*tabela.modelo, p.lat, p.lon, ano);
        ASSERT_TRUE(c);
        const double esperados[] = {ano, c->D, c->dD * 60, c->I, c->dI * 60, c->F, c->dF,
                                    c->X, c->dX, c->Y, c->dY, c->Z, c->dZ};
        for (std::size_t k = 0; k < std::size(esperados); ++k)
            EXPECT_EQ(campos[static_cast<qsizetype>(k) + 4].toDouble(), esperados[k]) << "coluna " << k + 5;
        EXPECT_EQ(QString::fromUtf8(campos[17]), TextoDeclinacao(static_cast<float>(c->D), QLocale::c()));
    }
    for (const qsizetype i : {4, 5})
        EXPECT_TRUE(linhas[i].trimmed().endsWith(MensagemPeriodoIgrf14().toUtf8())) << linhas[i].toStdString();
}

// A named output that exists and is not a regular file (a FIFO, /dev/stdout
// into a pipe) is written directly: a file renamed over it would replace it.
TEST_F(Executavel, SaidaQueNaoEArquivoComumEscritaDiretamente)
{
    const QByteArray fifo = QFile::encodeName(Caminho("fila"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // A reader that gives up if the program never opens the FIFO (as when a file was renamed over it).
    QProcess leitor;
    leitor.start(QStringLiteral("timeout"), {QStringLiteral("20"), QStringLiteral("cat"), Caminho("fila")});
    ASSERT_TRUE(leitor.waitForStarted());
    const Execucao e = Roda({"--coeficientes", "coef", "-q", "pontos.txt", "-o", "fila"});
    ASSERT_TRUE(leitor.waitForFinished(30000));
    const QByteArray recebido = leitor.readAllStandardOutput();
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();
    EXPECT_TRUE(recebido.startsWith(lote::CabecalhoSaida().toLatin1() + "\r\n4;-23.5;")) << recebido.toStdString();
    EXPECT_EQ(recebido.count('\n'), 4);
    struct stat info {};
    ASSERT_EQ(::lstat(fifo.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::System).size(), 2);  // no temporary file left

    const Execucao padrao = Roda({"--coeficientes", "coef", "-q", "pontos.txt", "-o", "/dev/stdout"});
    EXPECT_EQ(padrao.codigo, 1) << padrao.erro.toStdString();
    EXPECT_EQ(padrao.saida, recebido);
}

// Standard output closed early (a pipe into head): the write error's message
// and status 2, never a death by SIGPIPE or a hang.
TEST_F(Executavel, SaidaFechadaAntesDoFim)
{
    Grava("muitos.txt", QByteArray("-23.5;-46.625;31/12/2004\n").repeated(100000));  // rows beyond the 1 MiB buffer
    QProcess shell;
    shell.setWorkingDirectory(pasta.path());
    shell.start(QStringLiteral("bash"),
                {"-c", "\"$0\" --coeficientes coef -q muitos.txt 2>erro.txt | head -c 100 >/dev/null; "
                       "exit ${PIPESTATUS[0]}",
                 QStringLiteral(CERAVEL_LOTE_EXECUTAVEL)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 2);  // 141 would be a death by SIGPIPE
    EXPECT_EQ(Le("erro.txt").toStdString(),
              "ceravel-lote: não foi possível gravar a saída: quem lia a saída a fechou antes do fim.\n");
}

// Nothing calculated: exit status 2, the reason on standard error (the help,
// status 0, on standard output), no output file created or touched, none left
// behind; a point computed but unwritable counts as a failure (status 1).
TEST_F(Executavel, NenhumPonto)
{
    Grava("campo.csv", "resultado anterior\r\n");
    Grava("utf16.txt", QByteArray("\xFF\xFE-\0" "2\0" "3\0", 8));
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("curta")));
    Grava("curta/COEF-D2000", QByteArray("0\n").repeated(31));
    Grava("curta/COEF-I2000", QByteArray("0\n").repeated(30));
    Grava("menos.txt", "\xE2\x88\x92" "23,5;\xE2\x88\x92" "46,625;31/12/2004\n");
    const std::tuple<QStringList, int, QString> casos[] = {
        {{"--coeficientes", "sumiu", "pontos.txt", "-o", "novo.csv"}, 2,
         QStringLiteral("COEF-D2000 não foi encontrado na pasta sumiu.")},  // the folder given, not the program's
        {{"--coeficientes", "curta", "pontos.txt"}, 2, QStringLiteral("COEF-I2000 terminou antes do 31º coeficiente")},
        {{"--coeficientes", "coef", "utf16.txt", "-o", "campo.csv"}, 2, QStringLiteral("UTF-16")},
        {{"--coeficientes", "coef", "nao-existe.txt", "-o", "campo.csv"}, 2,
         QStringLiteral("não foi possível abrir nao-existe.txt: o arquivo ou a pasta não existe")},
        {{"--modelo", "igrf14", "--coeficientes", "sumiu", "pontos.txt"}, 2,
         QStringLiteral("Não foi possível ler o arquivo")},
        {{"--rapido"}, 2, QStringLiteral("opção desconhecida: --rapido")},
        {{"--locale", "klingon"}, 2, QStringLiteral("localidade desconhecida: klingon")},
        {{"--help"}, 0, QStringLiteral("Uso: ceravel-lote [opções] [ENTRADA]")},
        // Computed under a locale whose minus is U+2212, but its texts cannot be written: a failure.
        {{"--coeficientes", "coef", "--locale", "sv_SE", "menos.txt", "-o", "menos.csv"}, 1,
         QStringLiteral("1 ponto, 1 com falha")},
    };
    for (const auto& [argumentos, codigo, mensagem] : casos) {
        const Execucao e = Roda(argumentos);
        EXPECT_EQ(e.codigo, codigo) << mensagem.toStdString();
        EXPECT_TRUE(QString::fromUtf8(codigo ? e.erro : e.saida).contains(mensagem))
            << (e.erro + e.saida).toStdString();
        EXPECT_TRUE((codigo ? e.saida : e.erro).isEmpty());
    }
    EXPECT_FALSE(QFile::exists(Caminho("novo.csv")));
    EXPECT_EQ(Le("campo.csv"), "resultado anterior\r\n");
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files).size(), 5);  // and menos.txt, menos.csv
}

}  // namespace
}  // namespace ceravel::teste
