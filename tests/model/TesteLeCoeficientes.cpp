// Reading coefficient files laid out in every way a user's editor may leave them.
#include "ArquivosTeste.h"
#include "model/LeCoeficientes.h"

#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <vector>

namespace ceravel {
namespace {

// The items as written in the files, and the values the compiler reads from
// the same spellings: the reader must agree with it to the bit.
const std::vector<QByteArray> Itens = {
    "-18.25", "0.05",   "-0.3", "+2.5E+2", ".5",   "7.",      "0",        "-0.0",   "1e-3",  "123456789.123456789",
    "-4E2",   "3.4e38", "1e-400", "0.1",   "-0.2", "0.30000000000000004", "25", "-1", "2.5e-7", "99999",
    "-0.000123", "1.7976931348623157e308", "6", "7", "8", "9", "10", "11", "12", "13", "-31.5",
};
const double Valores[31] = {
    -18.25, 0.05, -0.3, +2.5E+2, .5,  7.,  0,  -0.0, 1e-3, 123456789.123456789,
    -4E2,   3.4e38, 0.0 /* too small for a double: read as zero */, 0.1, -0.2, 0.30000000000000004, 25, -1, 2.5e-7, 99999,
    -0.000123, 1.7976931348623157e308, 6, 7, 8, 9, 10, 11, 12, 13, -31.5,
};

QByteArray Junta(const char* separador, int de = 0, int ate = 31)
{
    QByteArray texto;
    for (int i = de; i < ate; ++i)
        texto += (i > de ? QByteArray(separador) : QByteArray()) + Itens[std::size_t(i)];
    return texto;
}

void ConfereValores(const LeituraCoeficientes& lido)
{
    ASSERT_TRUE(lido.coeficientes) << lido.erro.toStdString();
    EXPECT_TRUE(lido.erro.isEmpty());
    for (int k = 1; k <= 31; ++k)
        EXPECT_EQ(lido.coeficientes->c(k), Valores[k - 1]) << "c" << k;  // bit-exact: correctly rounded parse
}

TEST(LeCoeficientes, DisposicoesDoArquivo)
{
    const struct {
        const char* nome;
        QByteArray conteudo;
    } casos[] = {
        {"um por linha", Junta("\n") + "\n"},
        {"um por linha com CR LF", Junta("\r\n") + "\r\n"},
        {"todos numa linha separados por virgulas", Junta(",") + "\r\n"},
        {"exatamente 31 sem quebra final", Junta("\n")},
        {"misto: linhas, virgulas, brancos, linhas vazias", Junta("\r\n", 0, 10) + "\r\n\r\n, " + Junta(", ", 10, 20)
                                                                 + ",,\n\t" + Junta(" ", 20, 31) + ",\n"},
        {"mais de 31 itens com lixo depois do 31o", Junta("\n") + "\n32\nfim do arquivo: não é número; 1e999\n"},
        {"lixo colado ao separador depois do 31o", Junta(",") + ",inf,nan"},
        {"marca de ordem de bytes UTF-8 no inicio", "\xEF\xBB\xBF" + Junta("\n")},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir pasta;
        ASSERT_TRUE(pasta.isValid());
        teste::EscreveArquivo(pasta.path(), "COEF-I2000", caso.conteudo);
        ConfereValores(LeCoeficientes(pasta.path(), "COEF-I2000"));
    }
}

TEST(LeCoeficientes, FalhasNomeiamArquivoEMotivo)
{
    const struct {
        const char* nome;
        QByteArray conteudo;
        QString mensagem;
    } casos[] = {
        {"30 itens", Junta("\n", 0, 30) + "\n",
         "O arquivo de coeficientes COEF-F2000 terminou antes do 31º coeficiente: contém apenas 30 itens."},
        {"1 item", "23500.0\r\n", "O arquivo de coeficientes COEF-F2000 terminou antes do 31º coeficiente: contém apenas 1 item."},
        {"vazio", "", "O arquivo de coeficientes COEF-F2000 está vazio: são necessários 31 coeficientes."},
        {"so separadores", "\r\n,, \r\n", "O arquivo de coeficientes COEF-F2000 está vazio: são necessários 31 coeficientes."},
        {"palavra no item 5", Junta("\n", 0, 4) + "\nabc\n" + Junta("\n", 5, 31),
         "O item 5 do arquivo de coeficientes COEF-F2000 não é um número válido: \"abc\"."},
        {"virgula decimal vira dois itens e ponto-e-virgula nao separa", "1,5\n2;3\n",
         "O item 3 do arquivo de coeficientes COEF-F2000 não é um número válido: \"2;3\"."},
        {"inf", "1\ninf\n", "O item 2 do arquivo de coeficientes COEF-F2000 não é um número válido: \"inf\"."},
        {"nan", "NaN", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"NaN\"."},
        {"hexadecimal", "0x1A", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"0x1A\"."},
        {"expoente sem digitos", "1e+", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"1e+\"."},
        {"dois pontos", "1.2.3", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"1.2.3\"."},
        {"so o sinal", "-", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"-\"."},
        {"item comprido encurtado", "0.123456789012345678901234x",
         "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"0.123456789012345678…\"."},
        {"acento em Latin-1", "declina\xE7\xE3o", "O item 1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"declinação\"."},
        {"alem do maior double", "1\n-1e309\n",
         "O item 2 do arquivo de coeficientes COEF-F2000 está fora do limite numérico: \"-1e309\"."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QTemporaryDir pasta;
        ASSERT_TRUE(pasta.isValid());
        teste::EscreveArquivo(pasta.path(), "COEF-F2000", caso.conteudo);
        const LeituraCoeficientes lido = LeCoeficientes(pasta.path(), "COEF-F2000");
        EXPECT_FALSE(lido.coeficientes);
        EXPECT_EQ(lido.erro, caso.mensagem);
    }
}

TEST(LeCoeficientes, ArquivoAusenteOuIlegivel)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString pastaVisivel = QDir::toNativeSeparators(pasta.path());

    const LeituraCoeficientes ausente = LeCoeficientes(pasta.path(), "COEF-D2000");
    EXPECT_FALSE(ausente.coeficientes);
    EXPECT_EQ(ausente.erro, "O arquivo de coeficientes COEF-D2000 não foi encontrado na pasta do programa ("
                                + pastaVisivel + ").");

    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir(pasta.path()).mkdir("COEF-D2000"));
    const LeituraCoeficientes pastaNoLugar = LeCoeficientes(pasta.path(), "COEF-D2000");
    EXPECT_FALSE(pastaNoLugar.coeficientes);
    EXPECT_EQ(pastaNoLugar.erro, "O arquivo de coeficientes COEF-D2000 não pôde ser lido na pasta do programa ("
                                     + pastaVisivel + ").");
}

// The reader must not depend on the user's regional settings. Rather than
// changing this process's locale, the test runs itself again in a child
// process whose environment is Brazilian Portuguese, as a user's would be.
TEST(LeCoeficientes, PontoDecimalSobConfiguracaoRegionalBrasileira)
{
    if (qEnvironmentVariableIsSet("CERAVEL_TESTE_PT_BR")) {
        // The child adopts its environment's locale as the application does at start-up.
        std::setlocale(LC_ALL, "");
        ASSERT_EQ(QLocale().decimalPoint(), ",");
        QTemporaryDir pasta;
        ASSERT_TRUE(pasta.isValid());
        teste::EscreveArquivo(pasta.path(), "COEF-D2000", Junta("\r\n"));
        ConfereValores(LeCoeficientes(pasta.path(), "COEF-D2000"));
        return;
    }
    QProcess filho;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("CERAVEL_TESTE_PT_BR", "1");
    ambiente.insert("LC_ALL", "pt_BR.UTF-8");
    ambiente.insert("LANG", "pt_BR.UTF-8");
    filho.setProcessEnvironment(ambiente);
    filho.setProcessChannelMode(QProcess::MergedChannels);
    filho.start(QFileInfo("/proc/self/exe").symLinkTarget(),
                {"--gtest_filter=LeCoeficientes.PontoDecimalSobConfiguracaoRegionalBrasileira"});
    ASSERT_TRUE(filho.waitForFinished(60000));
    EXPECT_EQ(filho.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(filho.exitCode(), 0) << filho.readAll().toStdString();
}

}  // namespace
}  // namespace ceravel
