#include "calc/Calculo.h"
#include "model/LeCoeficientes.h"
#include "tests/calc/LocalesTeste.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace ceravel::teste {
namespace {

// Writes a coefficient file of 31 items, all zero but the one given.
void EscreveCoeficientes(const QString& pasta, const char* nome, int k, double valor)
{
    QFile arquivo(QDir(pasta).filePath(QString::fromLatin1(nome)));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 1; i <= 31; ++i)
        arquivo.write(i == k ? QByteArray::number(valor, 'g', 17) + "\r\n" : QByteArray("0\r\n"));
}

// D = x, I = y and F = 1000 t: the model hands back what Calcula passed it.
void EscreveModeloEspelho(const QString& pasta, double fatorF = 1000)
{
    EscreveCoeficientes(pasta, ArquivoDeclinacao, 2, 1);   // c2 · x
    EscreveCoeficientes(pasta, ArquivoInclinacao, 3, 1);   // c3 · y
    EscreveCoeficientes(pasta, ArquivoIntensidade, 4, fatorF);  // c4 · t
}

// Latitude -27.5, longitude -48.5 (x = -12.5, y = 6.5), 15/06/2000.
TextosEntrada EntradaValida(const QLocale& locale)
{
    TextosEntrada e;
    e.formaLatitude = FormaEntrada::GrausDecimais;
    e.formaLongitude = FormaEntrada::GrausDecimais;
    e.latGraus = NoLocale("-27.5", locale);
    e.lonGraus = NoLocale("-48.5", locale);
    e.dia = QStringLiteral("15");
    e.mes = QStringLiteral("06");
    e.ano = QStringLiteral("2000");
    return e;
}

class ComandoCalcular : public testing::TestWithParam<LocaleTeste> {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QTemporaryDir pasta;
};

TEST_P(ComandoCalcular, SucessoLevaXYTAoModeloEOsTextosAPresentacao)
{
    const QLocale& locale = GetParam().locale;
    EscreveModeloEspelho(pasta.path());
    const TextosEntrada entrada = EntradaValida(locale);

    const ResultadoCalculo resultado = Calcula(entrada, locale, pasta.path());

    ASSERT_TRUE(std::holds_alternative<Calculo>(resultado));
    const Calculo& calculo = std::get<Calculo>(resultado);
    // bit-exact: each set has one non-zero term, so the element is that term
    // rounded once to float; x, y and 1000 t are what Calcula passed.
    EXPECT_EQ(calculo.elementos.D, -12.5f);
    EXPECT_EQ(calculo.elementos.I, 6.5f);
    EXPECT_EQ(calculo.elementos.F, static_cast<float>(1000 * 10.456284153005527));
    EXPECT_EQ(calculo.elementos.dF, 1000.0f);
    EXPECT_EQ(calculo.pedido.anoDecimal, 2000.4562841530055);
    EXPECT_EQ(calculo.pedido.latExp, entrada.latGraus);
    EXPECT_EQ(calculo.entrada.latGraus, entrada.latGraus);
    EXPECT_EQ(calculo.entrada.ano, entrada.ano);
    // The texts come from the typed boxes and the decimal year, not from t.
    EXPECT_EQ(calculo.textos.relData, QStringLiteral("15 / 06 / 2000"));
    EXPECT_TRUE(calculo.textos.epoca.startsWith(NoLocale("2000.456284", locale)))
        << calculo.textos.epoca.toStdString();
}

TEST_P(ComandoCalcular, ArquivosRelidosACadaCalculo)
{
    const QLocale& locale = GetParam().locale;
    EscreveModeloEspelho(pasta.path(), 1000);
    const ResultadoCalculo primeiro = Calcula(EntradaValida(locale), locale, pasta.path());
    EscreveModeloEspelho(pasta.path(), 2000);
    const ResultadoCalculo segundo = Calcula(EntradaValida(locale), locale, pasta.path());

    ASSERT_TRUE(std::holds_alternative<Calculo>(primeiro));
    ASSERT_TRUE(std::holds_alternative<Calculo>(segundo));
    // bit-exact: 2000 t is 1000 t doubled, in double and in float alike.
    EXPECT_EQ(std::get<Calculo>(segundo).elementos.F, 2 * std::get<Calculo>(primeiro).elementos.F);
}

TEST_P(ComandoCalcular, ArquivoAusenteEhFalhaDoModeloQueONomeia)
{
    const QLocale& locale = GetParam().locale;
    EscreveModeloEspelho(pasta.path());
    ASSERT_TRUE(QFile::remove(QDir(pasta.path()).filePath(QString::fromLatin1(ArquivoInclinacao))));

    const ResultadoCalculo resultado = Calcula(EntradaValida(locale), locale, pasta.path());

    ASSERT_TRUE(std::holds_alternative<FalhaModelo>(resultado));
    EXPECT_TRUE(std::get<FalhaModelo>(resultado).mensagem.contains(QLatin1String(ArquivoInclinacao)))
        << std::get<FalhaModelo>(resultado).mensagem.toStdString();
}

TEST_P(ComandoCalcular, FalhaDeGuardaNaoAbreArquivo)
{
    const QLocale& locale = GetParam().locale;
    // An empty folder: reading any coefficient file would be a model failure.
    TextosEntrada entrada = EntradaValida(locale);
    entrada.mes = QStringLiteral("13");

    const ResultadoCalculo resultado = Calcula(entrada, locale, pasta.path());

    ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(resultado));
    EXPECT_EQ(std::get<FalhaGuarda>(resultado).mensagem, QStringLiteral("Por favor, corrija o mês."));
    EXPECT_EQ(std::get<FalhaGuarda>(resultado).foco, Campo::Mes);
}

INSTANTIATE_TEST_SUITE_P(Locales, ComandoCalcular, testing::ValuesIn(LocalesTeste()),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
