// SPDX-License-Identifier: GPL-3.0-or-later
// The program as run: its command line and progress bar, and the built ceravel-lote on small files (output
// bytes, standard error, exit status, Ctrl-C, the same file on any number of threads).
#include "lote/LinhaSaida.h"
#include "lote/OpcoesLote.h"
#include "lote/Progresso.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ceravel::teste {
namespace {

// The options as entrada|saida|coeficientes|locale|codificacao|q|h|modelo|forma|datum|nucleos, or the message.
TEST(Opcoes, Interpretadas)
{
    const std::pair<QStringList, const char*> casos[] = {
        {{"--saida=campo.csv", "--locale=C", "--coeficientes", "/dados", "-"}, "-|campo.csv|/dados|C|||||||0"},
        {{"-o", "-", "--utf8", "-q", "-h", "--", "-p.txt"}, "-p.txt||||utf8|q|h||||0"},
        {{"p.txt", "-o"}, "a opção -o precisa de um valor."},
        {{"--locale="}, "a opção --locale precisa de um valor."},
        {{"--utf8=sim"}, "a opção --utf8 não aceita valor."},
        {{"--utf8", "--codificacao=Windows1252"}, "||||windows1252||||||0"},
        {{"--codificacao", "UTF8", "--modelo", "IGRF14"}, "||||utf8|||igrf14|||0"},
        {{"--codificacao", "latin1"}, "codificação desconhecida: latin1 (use utf8 ou windows1252)."},
        {{"--modelo=igrf14", "--modelo=Regional"}, "||||||||||0"},
        {{"--entrada", "utm", "--datum=sad69", "-j", "1"}, "||||||||utm|sad69|1"},
        {{"--entrada=geograficas", "-j", "0"}, "a opção -j precisa de um número inteiro de 1 a 256."},
    };
    for (const auto& [argumentos, esperado] : casos) {
        const lote::OpcoesLote o = lote::InterpretaArgumentos(argumentos);
        const char* codificacao = !o.codificacao                                    ? ""
                                  : *o.codificacao == lote::CodificacaoSaida::Utf8 ? "utf8"
                                                                                    : "windows1252";
        const QStringList campos{o.entrada, o.saida, o.coeficientes, o.locale, codificacao, o.silencioso ? "q" : "",
                                 o.ajuda ? "h" : "", o.modelo == lote::ModeloCampo::Igrf14 ? "igrf14" : "",
                                 o.entradaUtm ? "utm" : "", o.datum ? geo::Dados(*o.datum).opcao : "",
                                 QString::number(o.nucleos)};
        EXPECT_EQ((o.erro.isEmpty() ? campos.join(u'|') : o.erro).toStdString(), esperado);
    }
}

// The bar only for a large input (by its size, or by its points through a pipe), erased at the end.
TEST(Progresso, BarraSoParaEntradaGrande)
{
    EXPECT_EQ(lote::Progresso::Barra(1000, 500, 12345).toStdString(),
              "[###############...............]  50%  12345 pontos");
    EXPECT_EQ(lote::Progresso::Barra(-1, 5000, 250000).toStdString(), "250000 pontos");
    QByteArray escrito;
    for (const qint64 total : {qint64{1000}, qint64{-1}, lote::Progresso::BytesGrande}) {
        lote::Progresso progresso(total, [&](const QByteArray& b) { escrito += b; });
        for (qint64 p = 4096; p <= 50000; p += 4096)
            progresso.atualiza(p * 20, p);
        progresso.termina();
    }
    EXPECT_EQ(escrito.toStdString(), "\r[..............................]   1%  4096 pontos\r\x1b[K");
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
        Grava("pontos.txt", Pontos);
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
    // A bash command line in the temporary folder, never the program's; `lote` runs the program.
    Execucao Roda(const QString& comando, const QByteArray& entradaPadrao = {}) const
    {
        QProcess processo;
        processo.setWorkingDirectory(pasta.path());
        processo.start("bash", {"-c", "lote() { \"$0\" \"$@\"; }; " + comando, CERAVEL_LOTE_EXECUTAVEL});
        processo.write(entradaPadrao);
        processo.closeWriteChannel();
        if (!processo.waitForFinished(60000))
            return {};  // the process is killed with its QProcess
        return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
                processo.readAllStandardOutput(), processo.readAllStandardError()};
    }

    static constexpr const char* Pontos = "# pontos de teste\n\nlatitude;longitude;data\n-23.5;-46.625;31/12/2004\r\n"
                                          "-15 30 0;-47 52 30;01/01/1995\n-23.5;-96;31/12/2004";
    QTemporaryDir pasta;
};

// For 01/01/1995, t = 5.002739726027357 and F is the float 25050.02734375,
// whose shortest text is 25050.027; X = F in double.
TEST_F(Executavel, ArquivoEmWindows1252ComCrLfEVirgula)
{
    const Execucao e = Roda("lote --coeficientes coef --locale pt_BR pontos.txt -o campo.csv");
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

// Each run's status, standard output and standard error (regular expressions over UTF-8; null: nothing).
// Nothing calculated (an error, Ctrl-C) is status 2 with the reason on standard error (the help, status 0, on
// standard output), the output file neither created nor touched, no temporary file left.
TEST_F(Executavel, StatusSaidaEErro)
{
    Grava("campo.csv", "resultado anterior\r\n");
    Grava("menos.txt", "\xE2\x88\x92" "23,5;\xE2\x88\x92" "46,625;31/12/2004\n");
    Grava("muitos.txt", QByteArray("-23.5;-46.625;31/12/2004\n").repeated(100000));  // rows beyond the 1 MiB buffer
    const struct {
        const char* comando;
        QByteArray entrada;
        int codigo;
        const char *saida, *erro;
    } casos[] = {
        // Standard input with a UTF-8 mark, the program's coefficients; a date the regional model refuses
        // points to IGRF-14.
        {"lote --utf8 -q", "\xEF\xBB\xBF-23.5;-46.625;31/12/2004\n-23.5;-46.625;1/1/1950\n", 1,
         "^Linha;Latitude;.*\r\n1;-23\\.5;-46\\.625;31/12/2004;2005;.*º\\d\\d'\\d\\d'';\r\n"
         "2;.*Com --modelo igrf14, datas de 1900 a 2029 são aceitas\\.\r\n$", nullptr},
        {"lote --modelo igrf14 --utf8 --locale C -q", "-15.79;-47.88;1/1/1900\n-15.79;-47.88;1/1/2030\n", 1,
         "\r\n1;-15\\.79;-47\\.88;1/1/1900;1900\\.0027397260274;-?\\d.*'';\r\n"
         "2;.*;O modelo IGRF-14 é válido somente para datas entre 1900 e 2029\\.\r\n$", nullptr},
        // Córrego Alegre 1961 through IBGE's grid beside the program, not in the coefficients' folder.
        {"lote --coeficientes coef --entrada geograficas --datum corrego-alegre-1961 --locale C -q",
         "-25.43;-49.27;15/06/2000\n", 0,
         ";;-25\\.43037779\\d*;-49\\.27055541\\d*;-0\\.742834\\d*;0\\.99997353\\d*\r\n$", nullptr},
        // UTF-8 into a terminal (one `script` opens), Windows-1252 into files and pipes.
        {"script -qec \"'$0' -q --coeficientes coef pontos.txt\" /dev/null", {}, 1, "0º00'00''", nullptr},
        // A named output that is no regular file (a FIFO) is written directly: a file renamed over it
        // would replace it (and the FIFO's reader would wait in vain).
        {"mkfifo fila; timeout 20 cat fila & lote --coeficientes coef -q pontos.txt -o fila; s=$?; wait; "
         "test -p fila && echo FIFO; exit $s", {}, 1, "^Linha;.*\r\n4;-23\\.5;.*\r\n5;.*\r\n6;.*\r\nFIFO\n$", nullptr},
        // Standard output closed early (| head): the write error, never a death by SIGPIPE (status 141).
        {"lote --coeficientes coef -q muitos.txt | head -c 100 >/dev/null; exit ${PIPESTATUS[0]}", {}, 2, nullptr,
         "^ceravel-lote: não foi possível gravar a saída: quem lia a saída a fechou antes do fim\\.\n$"},
        {"lote --coeficientes sumiu pontos.txt -o novo.csv", {}, 2, nullptr,
         "COEF-D2000 não foi encontrado na pasta sumiu\\."},  // the folder given, not the program's
        {"lote --coeficientes coef nao-existe.txt -o campo.csv", {}, 2, nullptr,
         "não foi possível abrir nao-existe\\.txt: o arquivo ou a pasta não existe"},
        {"lote --locale klingon", {}, 2, nullptr, "localidade desconhecida: klingon"},
        {"lote --help", {}, 0, "^Uso: ceravel-lote \\[opções\\] \\[ENTRADA\\]", nullptr},
        // Computed under a locale whose minus is U+2212, but its texts cannot be written: a failure.
        {"lote --coeficientes coef --locale sv_SE menos.txt -o menos.csv", {}, 1, nullptr,
         "^ceravel-lote: 1 ponto, 1 com falha"},
        // Ctrl-C once the program catches SIGINT, its input held open (so it is still working), then closed.
        {"mkfifo entrada; \"$0\" -j 2 -o campo.csv <entrada & p=$!; exec 3>entrada; cat pontos.txt >&3; "
         "until (( 0x$(sed -n 's/SigCgt:\\s*//p' /proc/$p/status) & 2 )); do sleep 0.01; done; kill -INT $p; "
         "exec 3>&-; wait $p",
         {}, 2, nullptr, "^ceravel-lote: interrompido antes do fim\\. O arquivo campo\\.csv não foi alterado\\.\n$"},
    };
    for (const auto& c : casos) {
        const Execucao e = Roda(QString::fromUtf8(c.comando), c.entrada);
        SCOPED_TRACE(c.comando + ("\n" + e.saida + e.erro).toStdString());
        EXPECT_EQ(e.codigo, c.codigo);
        for (const auto& [texto, padrao] : {std::pair{e.saida, c.saida}, {e.erro, c.erro}})
            EXPECT_TRUE(padrao ? QString::fromUtf8(texto).contains(QRegularExpression(QString::fromUtf8(padrao)))
                               : texto.isEmpty()) << padrao;
    }
    EXPECT_EQ(Le("campo.csv"), "resultado anterior\r\n");
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u' ').toStdString(),
              "campo.csv entrada fila menos.csv menos.txt muitos.txt pontos.txt");
}

// -j N gives the file, summary (less its time) and status of -j 1, replacing a longer file already there
// (written in place, its old bytes would stay). Many copies of pontos.txt: several blocks.
TEST_F(Executavel, MesmoArquivoResumoEStatusComVariosNucleos)
{
    Grava("muitos.txt", QByteArray(Pontos).append('\n').repeated(2000));
    Grava("varios.csv", QByteArray(1 << 20, 'v'));
    const auto roda = [&](const char* nucleos, const char* saida) {
        const Execucao e = Roda(QStringLiteral("lote --coeficientes coef --locale pt_BR -j %1 muitos.txt -o %2")
                                    .arg(QLatin1StringView(nucleos), QLatin1StringView(saida)));
        return std::tuple{e.codigo, e.erro.left(e.erro.indexOf("falha") + 5), Le(saida)};  // the time taken differs
    };
    const auto um = roda("1", "um.csv");
    EXPECT_EQ(std::get<0>(um), 1);
    EXPECT_EQ(std::get<1>(um).toStdString(), "ceravel-lote: 7999 pontos, 3999 com falha");
    EXPECT_TRUE(roda("3", "varios.csv") == um);
}

}  // namespace
}  // namespace ceravel::teste
