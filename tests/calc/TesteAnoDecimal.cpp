// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AnoDecimal.h"

#include <cmath>
#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

TEST(AnoDecimal, DiasDosMesesAnteriores)
{
    const int comum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int bissexto[] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    for (int mes = 1; mes <= 12; ++mes) {
        // bit-exact: the same operations on the same values, C taken from the table
        EXPECT_EQ(AnoDecimal(1, mes, 2001), (comum[mes - 1] + 1.0) / 365 + 2001) << mes;
        EXPECT_EQ(AnoDecimal(1, mes, 2004), (bissexto[mes - 1] + 1.0) / 366 + 2004) << mes;
    }
}

TEST(AnoDecimal, ValoresCalculados)
{
    const struct { double dia, mes, ano, anoDecimal; } casos[] = {
        {1, 1, 1995, 1995.0027397260274}, {15, 6, 2000, 2000.4562841530055}, {31, 12, 2004, 2005.0},
    };
    // bit-exact: worked out with the same double operations, fraction first, then the year
    for (const auto& c : casos)
        EXPECT_EQ(AnoDecimal(c.dia, c.mes, c.ano), c.anoDecimal) << c.dia << "/" << c.mes << "/" << c.ano;
}

// The same place in the 400-year cycle as the exact remainder, on both sides of the int range (another method).
TEST(AnoDecimal, AnoEquivalenteNoCiclo)
{
    for (const double ano : {2000.0, 1900.0, -4.0, -2000.5, 2147483647.0, 2147483648.0, -2147483649.0, 1e15, 1e300}) {
        EXPECT_EQ(AnoEquivalente(ano), static_cast<int>(std::fmod(ano, 400.0))) << ano;
    }
    EXPECT_EQ(DiasNoMes(2, AnoEquivalente(2147484000.0)), 29);  // 2147484000 = 400 × 5368710
    EXPECT_EQ(DiasNoMes(2, AnoEquivalente(2147483900.0)), 28);  // a century year, not a 400th
}

}  // namespace
}  // namespace ceravel::teste
