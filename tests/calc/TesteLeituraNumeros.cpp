// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LeituraNumeros.h"
#include "tests/calc/EntradasTeste.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace ceravel::teste {
namespace {

TEST(LeNumeroLocal, LeSoNumerosNoSeparadorDoLocale)
{
    const std::optional<double> nao;
    const std::pair<const char*, std::optional<double>> emTodos[] = {  // "." stands for the locale's separator
        {" \t-23.5 ", -23.5}, {"05", 5.0}, {"+5", 5.0}, {"2E+3", 2000.0}, {".5", 0.5},
        {"0.30000000000000004", 0.30000000000000004},  // beyond 15 digits: still correctly rounded
        {"", nao}, {" ", nao}, {"12abc", nao}, {"1 2", nao}, {"1.2.3", nao},
        {"inf", nao}, {"nan", nao}, {"1e999", nao},
    };
    for (const QLocale& locale : Locales)
        for (const auto& [texto, esperado] : emTodos) {
            SCOPED_TRACE(locale.name().toStdString() + " '" + texto + "'");
            EXPECT_EQ(LeNumeroLocal(NoLocale(texto, locale), locale), esperado);  // bit-exact: nearest double
        }
    const QLocale sueco(QLocale::Swedish, QLocale::Sweden);  // its minus is U+2212
    const std::tuple<QLocale, const char*, std::optional<double>> porLocale[] = {
        {PtBr, "1.000", nao}, {PtBr, "1,000", 1.0}, {PtBr, "1.000,5", nao}, {PtBr, "2,5e3", 2500.0},
        {QLocale::c(), "1.000", 1.0}, {QLocale::c(), "1,000", nao}, {sueco, "-5", -5.0}, {sueco, "\u22125", -5.0},
    };
    for (const auto& [locale, texto, esperado] : porLocale) {
        SCOPED_TRACE(locale.name().toStdString() + " '" + texto + "'");
        EXPECT_EQ(LeNumeroLocal(QString::fromUtf8(texto), locale), esperado);
    }
}

TEST(LeNumeroInicial, LeONumeroDoInicioSoComPonto)
{
    const std::pair<const char*, double> casos[] = {
        {" \t-23.5", -23.5}, {"12abc", 12}, {"-23,5", -23}, {"+5", 5}, {"25e-1", 2.5}, {"2e+", 2},
        {"-.5", -0.5}, {"5.", 5}, {"1.2.3", 1.2}, {"", 0}, {"abc", 0}, {"-", 0}, {"\u0662", 0},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(LeNumeroInicial(QString::fromUtf8(texto)), esperado) << texto;  // bit-exact: nearest double
}

// The readings skip QLocale for the plain typed forms: from 1 to 40 digits (both sides of the 15-digit shortcut),
// either separator, blanks or a stray character, both readings agree with QLocale's.
TEST(LeNumeroLocal, ComoOQLocaleEmTextosAleatorios)
{
    std::mt19937_64 aleatorio(46);
    std::uniform_int_distribution<int> digitos(1, 20), digito(0, 9), qualquer(0, 1000);
    const QString estranhos = QStringLiteral("-.,+e /a");
    for (const QLocale& locale : {QLocale::c(), PtBr, QLocale(QLocale::Swedish), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        QLocale semAgrupamento = locale;
        semAgrupamento.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
        for (int i = 0; i < 5000 && !HasFailure(); ++i) {
            QString texto = i % 4 == 0 ? QStringLiteral("-") : QString();
            for (int parte = 0; parte < (i % 3 ? 2 : 1); ++parte) {
                if (parte == 1)
                    texto += i % 2 ? locale.decimalPoint() : QStringLiteral(".");
                for (int k = digitos(aleatorio); k > 0; --k)
                    texto += QChar(u'0' + digito(aleatorio));
            }
            const bool simples = i % 5 != 0;
            if (!simples)
                texto.insert(qualquer(aleatorio) % (texto.size() + 1), estranhos[qualquer(aleatorio) % estranhos.size()]);
            if (i % 7 == 0)
                texto = u' ' + texto + u'\t';
            SCOPED_TRACE(texto.toStdString() + " in " + locale.name().toStdString());
            bool ok = false;  // bit-exact below: both give the correctly rounded double of the text
            const double geral = semAgrupamento.toDouble(texto.trimmed(), &ok);
            const std::optional<double> rapido = LeNumeroLocal(texto, locale);
            ASSERT_EQ(rapido.has_value(), ok);
            ASSERT_TRUE(!ok || std::bit_cast<std::uint64_t>(*rapido) == std::bit_cast<std::uint64_t>(geral));
            if (simples && locale.language() == QLocale::C) {  // stops at the "/", reads the rest like the C locale
                ASSERT_EQ(std::bit_cast<std::uint64_t>(LeNumeroInicial(texto + QStringLiteral("/06"))),
                          std::bit_cast<std::uint64_t>(QLocale::c().toDouble(texto.trimmed())));
            }
        }
    }
}

}  // namespace
}  // namespace ceravel::teste
