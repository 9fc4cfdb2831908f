// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LeituraNumeros.h"
#include "tests/calc/EntradasTeste.h"

#include <gtest/gtest.h>


namespace ceravel::teste {
namespace {

TEST(LeNumeroLocal, LeSoNumerosNoSeparadorDoLocale)
{
    const std::optional<double> nao;
    const std::pair<const char*, std::optional<double>> emTodos[] = {  // "." stands for the locale's separator
        {" \t-23.5 ", -23.5}, {"+5", 5.0}, {"2E+3", 2000.0}, {".5", 0.5},
        {"0.30000000000000004", 0.30000000000000004},  // beyond 15 digits: still correctly rounded
        {" ", nao}, {"12abc", nao}, {"1 2", nao}, {"1.2.3", nao}, {"inf", nao}, {"1e999", nao},
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
        {" \t-23.5", -23.5}, {"12abc", 12}, {"-23,5", -23}, {"25e-1", 2.5}, {"2e+", 2},
        {"-.5", -0.5}, {"1.2.3", 1.2}, {"abc", 0}, {"-", 0}, {"\u0662", 0},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(LeNumeroInicial(QString::fromUtf8(texto)), esperado) << texto;  // bit-exact: nearest double
}

}  // namespace
}  // namespace ceravel::teste
