// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AnoDecimal.h"

#include <algorithm>
#include <cmath>

namespace ceravel {

bool AnoBissexto(int ano)
{
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int DiasNoMes(int mes, int ano)
{
    switch (mes) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 2:
        return AnoBissexto(ano) ? 29 : 28;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return 0;
    }
}

int DiasNoAno(int ano)
{
    return AnoBissexto(ano) ? 366 : 365;
}

int AnoEquivalente(double ano)
{
    // 4, 100 and 400 all divide 400. Any year that fits an int takes the
    // integer remainder; beyond, fmod (exact, but far slower) does the same.
    if (std::fabs(ano) < 2147483648.0)
        return static_cast<int>(ano) % 400;
    return static_cast<int>(std::fmod(ano, 400.0));
}

double AnoDecimal(double dia, double mes, double ano)
{
    const int anoCiclo = AnoEquivalente(ano);
    const int mesInteiro = static_cast<int>(std::clamp(mes, 1.0, 12.0));
    int diasAntes = 0;  // days of the months before the given one
    for (int m = 1; m < mesInteiro; ++m)
        diasAntes += DiasNoMes(m, anoCiclo);
    // The fraction first, then the year: the order fixes the last bit.
    const double fracao = (diasAntes + dia) / DiasNoAno(anoCiclo);
    return fracao + ano;
}

}  // namespace ceravel
