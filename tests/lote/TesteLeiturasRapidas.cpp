// The shortcuts the batch relies on in the core give exactly what the general
// ways give: number readings against QLocale, whole numbers in the patterns,
// and the Windows-1252 shortcut against the converter, character by character.
#include "calc/LeituraNumeros.h"
#include "export/EscreveExportacao.h"
#include "present/Formatacao.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include <bit>
#include <cstdint>
#include <random>

namespace ceravel::teste {
namespace {

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

// bit-exact: both readings give the correctly rounded double of the text.
void ConfereLeitura(const QString& texto, QLocale locale)
{
    const std::optional<double> rapido = LeNumeroLocal(texto, locale);
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double geral = locale.toDouble(texto.trimmed(), &ok);
    ASSERT_EQ(rapido.has_value(), ok) << texto.toStdString() << " in " << locale.name().toStdString();
    if (ok) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*rapido), std::bit_cast<std::uint64_t>(geral)) << texto.toStdString();
    }
}

TEST(Leitura, ComoOQLocaleEmQuatroLocales)
{
    const char* textos[] = {"0", "-0", "007", "-23.5", " -46.625 ", "3.14159265358979323846", "1.", ".5", "1.2.3",
                            "--1", "-", "12a", "1e5", "+4.5", "0.000000000000000000000001", "123456789012345678901"};
    for (const QLocale& locale : {QLocale::c(), PtBr, QLocale(QLocale::Swedish), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        for (const char* texto : textos) {
            ConfereLeitura(QString::fromLatin1(texto).replace(u'.', locale.decimalPoint()), locale);
            ConfereLeitura(QString::fromLatin1(texto), locale);
        }
    }
}

// From 1 to 40 digits, with and without decimals: both sides of the 15-digit shortcut.
TEST(Leitura, NumerosAleatoriosDeTodosOsTamanhos)
{
    std::mt19937_64 aleatorio(46);
    std::uniform_int_distribution<int> digitos(1, 20), digito(0, 9);
    for (int i = 0; i < 20000; ++i) {
        QString texto = i % 4 == 0 ? QStringLiteral("-") : QString();
        for (int parte = 0; parte < (i % 3 ? 2 : 1); ++parte) {
            if (parte == 1)
                texto += u'.';
            for (int k = digitos(aleatorio); k > 0; --k)
                texto += QChar(u'0' + digito(aleatorio));
        }
        ConfereLeitura(texto, QLocale::c());
        ConfereLeitura(QString(texto).replace(u'.', u','), PtBr);
        // The leading-number reading stops at the "/" and reads the rest like the C locale.
        ASSERT_EQ(std::bit_cast<std::uint64_t>(LeNumeroInicial(texto + QStringLiteral("/06"))),
                  std::bit_cast<std::uint64_t>(QLocale::c().toDouble(texto)))
            << texto.toStdString();
    }
}

TEST(Padroes, NumerosInteiros)
{
    EXPECT_EQ(FormataPadrao(0, Padrao::Inteiro, PtBr), QStringLiteral("0"));
    EXPECT_EQ(FormataPadrao(-0.0, Padrao::DoisDigitos, PtBr), QStringLiteral("00"));
    EXPECT_EQ(FormataPadrao(7, Padrao::DoisDigitos, PtBr), QStringLiteral("07"));
    EXPECT_EQ(FormataPadrao(-5, Padrao::DoisDigitos, PtBr), QStringLiteral("-05"));
    EXPECT_EQ(FormataPadrao(-21, Padrao::DuasDecimais, PtBr), QStringLiteral("-21,00"));
    EXPECT_EQ(FormataPadrao(2005, Padrao::CincoDecimais, QLocale::c()), QStringLiteral("2005.00000"));
    EXPECT_EQ(FormataPadrao(9007199254740991, Padrao::Inteiro, PtBr), QStringLiteral("9007199254740991"));
    EXPECT_EQ(FormataPadrao(9007199254740992, Padrao::UmaDecimal, PtBr), QStringLiteral("9007199254740992,0"));
}

// Every character of the basic plane: accepted and written exactly as the converter does.
TEST(Windows1252, CadaCaractereComoOConversor)
{
    for (char32_t codigo = 0; codigo <= 0xFFFF; ++codigo) {
        if (codigo >= 0xD800 && codigo <= 0xDFFF)
            continue;
        const QChar caractere(static_cast<char16_t>(codigo));
        QStringEncoder conversor("windows-1252", QStringEncoder::Flag::Stateless);
        const QByteArray esperado = conversor.encode(QStringView(&caractere, 1));
        QByteArray obtido("x");
        const bool aceito = AcrescentaWindows1252(obtido, QStringView(&caractere, 1));
        ASSERT_EQ(aceito, !conversor.hasError()) << std::hex << static_cast<unsigned>(codigo);
        ASSERT_EQ(obtido, aceito ? "x" + esperado : QByteArray("x")) << std::hex << static_cast<unsigned>(codigo);
    }
}

}  // namespace
}  // namespace ceravel::teste
