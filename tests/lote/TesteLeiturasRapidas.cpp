// The shortcuts the batch relies on in the core give exactly what the general
// ways give: number readings against QLocale, whole-number patterns, and the
// Windows-1252 shortcut against the converter, character by character.
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

const QLocale Locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil), QLocale(QLocale::Swedish),
                           QLocale(QLocale::Arabic, QLocale::Egypt)};

// The general reading: QLocale, digit grouping refused, finite values only.
std::optional<double> PeloQLocale(const QString& texto, QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double valor = locale.toDouble(texto.trimmed(), &ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

void ConfereLeitura(const QString& texto, const QLocale& locale)
{
    const std::optional<double> rapido = LeNumeroLocal(texto, locale);
    const std::optional<double> geral = PeloQLocale(texto, locale);
    ASSERT_EQ(rapido.has_value(), geral.has_value()) << texto.toStdString() << " in " << locale.name().toStdString();
    if (rapido) {
        // bit-exact: both are the correctly rounded double of the text.
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*rapido), std::bit_cast<std::uint64_t>(*geral))
            << texto.toStdString() << " in " << locale.name().toStdString();
    }
}

TEST(LeituraLocal, FormasSimplesComoOQLocale)
{
    const char* textos[] = {"0", "-0", "00", "007", "5", "-23", "2000", "15", "06", "-23.5", "-46.625", "0.1",
                            "-0.0", "3.14159265358979323846", "123456789012345678901234567890", "  -7.25 ",
                            "1.", ".5", "-.5", "1.2.3", "--1", "-", "", "12a", "1e5", "+4.5",
                            "999999999999999.9", "0.000000000000000000000001"};
    for (const QLocale& locale : Locales) {
        for (const char* texto : textos) {
            const QString t = QString::fromLatin1(texto).replace(u'.', locale.decimalPoint());
            ConfereLeitura(t, locale);
            ConfereLeitura(QString::fromLatin1(texto), locale);  // the full stop as typed
        }
    }
}

TEST(LeituraLocal, NumerosAleatoriosDeTodosOsTamanhos)
{
    std::mt19937_64 aleatorio(46);
    std::uniform_int_distribution<int> digitos(1, 20), digito(0, 9), sinal(0, 3);
    for (int i = 0; i < 20000; ++i) {
        QString texto = sinal(aleatorio) == 0 ? QStringLiteral("-") : QString();
        const int inteiros = digitos(aleatorio);
        for (int k = 0; k < inteiros; ++k)
            texto += QChar(u'0' + digito(aleatorio));
        if (i % 3 != 0) {
            texto += u'.';
            const int decimais = digitos(aleatorio);
            for (int k = 0; k < decimais; ++k)
                texto += QChar(u'0' + digito(aleatorio));
        }
        for (const QLocale& locale : {Locales[0], Locales[1]})
            ConfereLeitura(QString(texto).replace(u'.', locale.decimalPoint()), locale);
        // The leading-number reading of the same text: the C locale's reading of the whole.
        bool ok = false;
        const double geral = QLocale::c().toDouble(texto, &ok);
        ASSERT_TRUE(ok);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(LeNumeroInicial(texto + QStringLiteral("/06"))),
                  std::bit_cast<std::uint64_t>(geral))
            << texto.toStdString();
    }
}

// ---- whole numbers in the patterns

struct CasoInteiro {
    const char* nome;
    double valor;
    Padrao padrao;
    const char* texto;  // "." stands for the locale's separator
};

void PrintTo(const CasoInteiro& c, std::ostream* os) { *os << c.nome; }

class PadraoInteiro : public testing::TestWithParam<CasoInteiro> {};

TEST_P(PadraoInteiro, MesmoTextoDaExpansaoExata)
{
    for (const QLocale& locale : {Locales[0], Locales[1]}) {
        const QString esperado = QString::fromLatin1(GetParam().texto).replace(u'.', locale.decimalPoint());
        EXPECT_EQ(FormataPadrao(GetParam().valor, GetParam().padrao, locale), esperado) << locale.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, PadraoInteiro,
    testing::Values(CasoInteiro{"Zero", 0, Padrao::Inteiro, "0"},
                    CasoInteiro{"ZeroNegativoSemSinal", -0.0, Padrao::DoisDigitos, "00"},
                    CasoInteiro{"DoisDigitos", 7, Padrao::DoisDigitos, "07"},
                    CasoInteiro{"DoisDigitosJaCheio", 59, Padrao::DoisDigitos, "59"},
                    CasoInteiro{"NegativoDoisDigitos", -5, Padrao::DoisDigitos, "-05"},
                    CasoInteiro{"NegativoComDecimais", -21, Padrao::DuasDecimais, "-21.00"},
                    CasoInteiro{"CincoDecimais", 2005, Padrao::CincoDecimais, "2005.00000"},
                    CasoInteiro{"UmaDecimalGrande", 123456789012345, Padrao::UmaDecimal, "123456789012345.0"},
                    CasoInteiro{"UltimoInteiroExatoPeloAtalho", 9007199254740991, Padrao::Inteiro, "9007199254740991"},
                    CasoInteiro{"AlemDoAtalho", 9007199254740992, Padrao::Inteiro, "9007199254740992"},
                    CasoInteiro{"MeioArredondaParaLonge", -0.5, Padrao::Inteiro, "-1"}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- Windows-1252

// Every character of the basic plane: the shortcut accepts and writes exactly
// what the converter does.
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
        if (aceito)
            ASSERT_EQ(obtido, "x" + esperado) << std::hex << static_cast<unsigned>(codigo);
        else
            ASSERT_EQ(obtido, "x") << std::hex << static_cast<unsigned>(codigo);
    }
}

}  // namespace
}  // namespace ceravel::teste
