// The built ceravel-lote run on small files: output bytes, standard error and
// exit status.
#include "tests/lote/ApoioLote.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace ceravel::teste {
namespace {

struct Execucao {
    int codigo = -1;
    QByteArray saida, erro;
};

class Executavel : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("coef")));
        EscreveModelo(Caminho("coef"), ModeloSimples());
    }

    QString Caminho(const char* nome) const { return QDir(pasta.path()).filePath(QString::fromUtf8(nome)); }

    void Grava(const char* nome, const QByteArray& bytes) const
    {
        QFile arquivo(Caminho(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        ASSERT_EQ(arquivo.write(bytes), bytes.size());
    }

    QByteArray Le(const char* nome) const
    {
        QFile arquivo(Caminho(nome));
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<missing>");
    }

    // Runs in the temporary folder, never the program's, with the C locale
    // as the system's.
    Execucao Roda(const QStringList& argumentos, const QByteArray& entradaPadrao = {}) const
    {
        QProcess processo;
        processo.setWorkingDirectory(pasta.path());
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        processo.setProcessEnvironment(ambiente);
        processo.start(QStringLiteral(CERAVEL_LOTE_EXECUTAVEL), argumentos);
        if (!processo.waitForStarted(10000))
            return {};
        processo.write(entradaPadrao);
        processo.closeWriteChannel();
        if (!processo.waitForFinished(60000)) {
            processo.kill();
            processo.waitForFinished();
            return {};
        }
        Execucao e;
        e.codigo = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
        e.saida = processo.readAllStandardOutput();
        e.erro = processo.readAllStandardError();
        return e;
    }

    QStringList ComModelo(QStringList argumentos) const
    {
        return QStringList{QStringLiteral("--coeficientes"), Caminho("coef")} + argumentos;
    }

    QTemporaryDir pasta;
};

const QByteArray Entrada =
    "latitude;longitude;data\n"
    "-23.5;-46.625;31/12/2004\n"
    "# o mesmo ponto em graus, minutos e segundos\n"
    "-15 30 0;-47 52 30;01/01/1995\n"
    "-23.5;-96;31/12/2004\n";

TEST_F(Executavel, ArquivoEmWindows1252ComCrLfEVirgula)
{
    Grava("pontos.txt", Entrada);
    const Execucao e = Roda(ComModelo({"--locale", "pt_BR", "pontos.txt", "-o", "campo.csv"}));
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();  // one line refused
    EXPECT_TRUE(e.saida.isEmpty());
    EXPECT_EQ(Le("campo.csv").toStdString(),
              "Linha;Latitude;Longitude;Data;Ano decimal;D (graus);dD (min/ano);I (graus);dI (min/ano);F (nT);"
              "dF (nT/ano);X (nT);dX (nT/ano);Y (nT);dY (nT/ano);Z (nT);dZ (nT/ano);Declina\xE7\xE3o;Mensagem\r\n"
              "2;-23.5;-46.625;31/12/2004;2005;0;0;0;0;25150;10;25150;10;0;0;0;0;0\xBA" "00'00'';\r\n"
              "4;-15 30 0;-47 52 30;01/01/1995;1995,0027397260274;0;0;0;0;25050,027;10;25050,02734375;10;"
              "0;0;0;0;0\xBA" "00'00'';\r\n"
              "5;-23.5;-96;31/12/2004;;;;;;;;;;;;;;;A longitude do territ\xF3rio brasileiro varia de "
              "aproximadamente -30 a -75 graus. Verifique tamb\xE9m o separador de decimais.\r\n");
    EXPECT_TRUE(e.erro.startsWith("ceravel-lote: 3 pontos, 1 com falha, ")) << e.erro.toStdString();
    EXPECT_TRUE(e.erro.endsWith(" s.\n")) << e.erro.toStdString();
}

TEST_F(Executavel, EntradaPadraoParaSaidaPadraoEmUtf8)
{
    const QByteArray entrada = "\xEF\xBB\xBF-23.5;-46.625;31/12/2004\r\n";
    const Execucao e = Roda(ComModelo({"--utf8", "-q"}), entrada);
    EXPECT_EQ(e.codigo, 0) << e.erro.toStdString();
    EXPECT_TRUE(e.erro.isEmpty()) << e.erro.toStdString();
    EXPECT_EQ(e.saida.toStdString(),
              "Linha;Latitude;Longitude;Data;Ano decimal;D (graus);dD (min/ano);I (graus);dI (min/ano);F (nT);"
              "dF (nT/ano);X (nT);dX (nT/ano);Y (nT);dY (nT/ano);Z (nT);dZ (nT/ano);Declina\xC3\xA7\xC3\xA3o;"
              "Mensagem\r\n"
              "1;-23.5;-46.625;31/12/2004;2005;0;0;0;0;25150;10;25150;10;0;0;0;0;0\xC2\xBA" "00'00'';\r\n");
}

TEST_F(Executavel, CoeficientesDaPastaDoPrograma)
{
    Grava("pontos.txt", Entrada);
    const Execucao e = Roda({"-q", "pontos.txt"});
    EXPECT_EQ(e.codigo, 1) << e.erro.toStdString();
    const QList<QByteArray> linhas = e.saida.split('\n');
    ASSERT_GE(linhas.size(), 3);
    EXPECT_TRUE(linhas[1].startsWith("2;-23.5;-46.625;31/12/2004;2005;")) << linhas[1].toStdString();
    EXPECT_EQ(linhas[1].count(';'), 18);
}

TEST_F(Executavel, CoeficientesAusentesOuCurtosAntesDeQualquerPonto)
{
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("vazia")));
    Grava("pontos.txt", Entrada);
    const Execucao ausente = Roda({"--coeficientes", Caminho("vazia"), "pontos.txt", "-o", "campo.csv"});
    EXPECT_EQ(ausente.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(ausente.erro).contains(QStringLiteral("COEF-D2000 não foi encontrado")))
        << ausente.erro.toStdString();
    EXPECT_FALSE(QFile::exists(Caminho("campo.csv")));

    Grava("coef/COEF-I2000", QByteArray(30, '\n').replace("\n", "0\n"));
    const Execucao curto = Roda(ComModelo({"pontos.txt"}));
    EXPECT_EQ(curto.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(curto.erro).contains(QStringLiteral("COEF-I2000 terminou antes do 31º coeficiente")))
        << curto.erro.toStdString();
    EXPECT_TRUE(curto.saida.isEmpty());
}

TEST_F(Executavel, FalhaNaoTocaNoArquivoDeSaidaExistente)
{
    Grava("campo.csv", "resultado anterior\r\n");
    Grava("utf16.txt", QByteArray("\xFF\xFE-\0" "2\0" "3\0", 8));
    const Execucao e = Roda(ComModelo({"utf16.txt", "-o", "campo.csv"}));
    EXPECT_EQ(e.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(e.erro).contains(QStringLiteral("UTF-16"))) << e.erro.toStdString();
    EXPECT_EQ(Le("campo.csv"), "resultado anterior\r\n");
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files).size(), 2);  // no temporary file left behind
}

TEST_F(Executavel, AjudaEErrosDeUso)
{
    const Execucao ajuda = Roda({"--ajuda"});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_TRUE(ajuda.saida.startsWith("Uso: ceravel-lote")) << ajuda.saida.toStdString();
    EXPECT_TRUE(ajuda.saida.contains("Exemplo"));

    const Execucao errada = Roda({"--rapido"});
    EXPECT_EQ(errada.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(errada.erro).contains(QStringLiteral("opção desconhecida: --rapido")))
        << errada.erro.toStdString();
    EXPECT_TRUE(errada.saida.isEmpty());

    const Execucao inexistente = Roda(ComModelo({"nao-existe.txt"}));
    EXPECT_EQ(inexistente.codigo, 2);
    EXPECT_TRUE(QString::fromUtf8(inexistente.erro)
                    .contains(QStringLiteral("não foi possível abrir nao-existe.txt: o arquivo ou a pasta não existe")))
        << inexistente.erro.toStdString();
}

}  // namespace
}  // namespace ceravel::teste
