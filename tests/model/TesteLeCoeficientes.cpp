// SPDX-License-Identifier: GPL-3.0-or-later
// Coefficient files as an editor may leave them; the message naming the file and reason when one is unusable.
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>

namespace ceravel {
namespace {

// Every spelling the reader takes, and the value the compiler reads from it.
const QByteArray Itens[31] = {"-18.25", "+2.5E+2", ".5", "7.", "-0.0", "1e-3", "123456789.123456789", "1e-400",
                              "0.30000000000000004", "1.7976931348623157e308", "-4E2", "12", "13", "14", "15", "16",
                              "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "-31.5"};
const std::array<double, 31> Valores = {-18.25, 2.5E+2, .5, 7., -0.0, 1e-3, 123456789.123456789, 0 /* below doubles */,
                                        0.30000000000000004, 1.7976931348623157e308, -4E2, 12, 13, 14, 15, 16, 17,
                                        18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, -31.5};

QByteArray Junta(const char* separador, int de = 0, int ate = 31)
{
    return QByteArrayList(Itens + de, Itens + ate).join(separador);
}

void Escreve(const QTemporaryDir& pasta, const char* nome, const QByteArray& conteudo)
{
    QFile arquivo(pasta.filePath(nome));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly) && arquivo.write(conteudo) == conteudo.size()) << nome;
}

LeituraCoeficientes Le(const QByteArray& conteudo)
{
    QTemporaryDir pasta;
    Escreve(pasta, "COEF-F2000", conteudo);
    return LeCoeficientes(pasta.path(), "COEF-F2000");
}

void ConfereValores(const LeituraCoeficientes& lido)
{
    ASSERT_TRUE(lido.coeficientes) << lido.erro.toStdString();
    EXPECT_EQ(lido.coeficientes->valores, Valores);  // bit-exact: correctly rounded parse
}

TEST(LeCoeficientes, DisposicoesDoArquivo)
{
    const std::pair<const char*, QByteArray> casos[] = {
        {"um por linha, CR LF", Junta("\r\n") + "\r\n"},
        {"separados por virgulas, sem quebra final", Junta(",")},
        {"linhas vazias, virgulas seguidas, brancos", Junta("\n\n", 0, 10) + ",, " + Junta(",\t", 10, 31) + ",\n"},
        {"mais de 31: o resto nunca e lido", Junta(",") + ",não é número,32\n1e999\n"},
        {"marca de ordem de bytes UTF-8", "\xEF\xBB\xBF" + Junta("\n")},
    };
    for (const auto& [nome, conteudo] : casos) {
        SCOPED_TRACE(nome);
        ConfereValores(Le(conteudo));
    }
}

TEST(LeCoeficientes, FalhasNomeiamArquivoEMotivo)
{
    const QString curto = "O arquivo de coeficientes COEF-F2000 terminou antes do 31º coeficiente: contém apenas %1.";
    const QString item = "O item %1 do arquivo de coeficientes COEF-F2000 não é um número válido: \"%2\".";
    const std::pair<QByteArray, QString> casos[] = {
        {Junta("\n", 0, 30) + "\n", curto.arg("30 itens")},
        {"\r\n,, \r\n", "O arquivo de coeficientes COEF-F2000 está vazio: são necessários 31 coeficientes."},
        {Junta("\n", 0, 4) + "\nabc\n" + Junta("\n", 5, 31), item.arg(5).arg("abc")},
        {"1,5\n2;3\n", item.arg(3).arg("2;3")},  // a decimal comma splits the number; ";" separates nothing
        {"declina\xE7\xE3o", item.arg(1).arg("declinação")},  // Latin-1
        {"1\n-1e309\n", "O item 2 do arquivo de coeficientes COEF-F2000 está fora do limite numérico: \"-1e309\"."},
        // Only printable characters are quoted, the others by their code; long items are cut.
        {QByteArray("1\n2\0" "3\n", 6), item.arg(2).arg("2<U+0000>3")},
        {"\xC3\xA7\xC3\xA3o" + QByteArray(30, 'x'), item.arg(1).arg("ção" + QString(17, 'x') + "…")},  // cut by character
    };
    for (const auto& [conteudo, mensagem] : casos) {
        SCOPED_TRACE(conteudo.toStdString());
        const LeituraCoeficientes lido = Le(conteudo);
        EXPECT_FALSE(lido.coeficientes);
        EXPECT_EQ(lido.erro, mensagem);
    }
}

TEST(CalculaCampo, PrimeiroArquivoQueFalhaSemResultado)
{
    // D, I and F are read in that order, all before evaluating: the files after the failing one are missing.
    QTemporaryDir pasta;
    const QString naPasta = " na pasta do programa (" + QDir::toNativeSeparators(pasta.path()) + ").";
    const auto erro = [&] {
        const ResultadoModelo r = CalculaCampo(pasta.path(), 0, 0, 10);
        return r.elementos ? QStringLiteral("(resultado)") : r.erro;
    };
    EXPECT_EQ(erro(), "O arquivo de coeficientes COEF-D2000 não foi encontrado" + naPasta);
    Escreve(pasta, ArquivoDeclinacao, Junta("\n"));
    Escreve(pasta, ArquivoInclinacao, "1,2,3");
    EXPECT_EQ(erro(), "O arquivo de coeficientes COEF-I2000 terminou antes do 31º coeficiente: contém apenas 3 itens.");
    Escreve(pasta, ArquivoInclinacao, Junta("\n"));
    ASSERT_TRUE(QDir(pasta.path()).mkdir(ArquivoIntensidade));  // a folder cannot be read as the file
    EXPECT_EQ(erro(), "O arquivo de coeficientes COEF-F2000 não pôde ser lido" + naPasta);
}

// Runs again in a child whose environment is Brazilian, rather than changing this process's locale.
TEST(LeCoeficientes, PontoDecimalSobConfiguracaoBrasileira)
{
    if (qEnvironmentVariableIsSet("CERAVEL_TESTE_PT_BR")) {
        std::setlocale(LC_ALL, "");  // as the application does at start-up
        ASSERT_EQ(QLocale().decimalPoint(), ",");
        return ConfereValores(Le(Junta("\r\n")));
    }
    QProcess filho;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("CERAVEL_TESTE_PT_BR", "1");
    ambiente.insert("LC_ALL", "pt_BR.UTF-8");
    filho.setProcessEnvironment(ambiente);
    filho.start(QFileInfo("/proc/self/exe").symLinkTarget(),
                {"--gtest_filter=LeCoeficientes.PontoDecimalSobConfiguracaoBrasileira"});
    ASSERT_TRUE(filho.waitForFinished(60000));
    EXPECT_EQ(filho.exitCode(), 0) << filho.readAllStandardOutput().toStdString();
}

}  // namespace
}  // namespace ceravel
