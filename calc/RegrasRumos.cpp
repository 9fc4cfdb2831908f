// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RegrasRumos.h"

#include <cmath>

namespace ceravel {

long long SegundosArredondados(double angulo)
{
    return std::llround(angulo * 3600.0);  // llround: halves away from zero
}

long long ReduzAzimute(long long segundos)
{
    const long long r = segundos % SegundosNoCirculo;
    return r < 0 ? r + SegundosNoCirculo : r;
}

long long AzimuteDeRumo(long long angulo, Quadrante quadrante)
{
    constexpr long long Meia = SegundosNoCirculo / 2;
    switch (quadrante) {
    case Quadrante::N:
    case Quadrante::NE: return ReduzAzimute(angulo);
    case Quadrante::L:
    case Quadrante::SE: return ReduzAzimute(Meia - angulo);
    case Quadrante::S:
    case Quadrante::SO: return ReduzAzimute(Meia + angulo);
    case Quadrante::O:
    case Quadrante::NO: return ReduzAzimute(SegundosNoCirculo - angulo);
    }
    return 0;
}

RumoSegundos RumoDeSegundos(long long segundosAzimute)
{
    constexpr long long Q = SegundosNoCirculo / 4;
    const long long s = segundosAzimute;
    if (s == 0)
        return {0, Quadrante::N};
    if (s < Q)
        return {s, Quadrante::NE};
    if (s == Q)
        return {Q, Quadrante::L};
    if (s < 2 * Q)
        return {2 * Q - s, Quadrante::SE};
    if (s == 2 * Q)
        return {0, Quadrante::S};
    if (s < 3 * Q)
        return {s - 2 * Q, Quadrante::SO};
    if (s == 3 * Q)
        return {Q, Quadrante::O};
    return {4 * Q - s, Quadrante::NO};
}

RumosConvertidos ConverteRumo(long long azimute, ReferenciaRumo referencia, long long declinacaoLevantamento,
                              long long declinacaoConversao)
{
    // true = magnetic then + D(survey); magnetic now = true - D(conversion).
    const long long verdadeiro =
        referencia == ReferenciaRumo::Verdadeiro ? azimute : ReduzAzimute(azimute + declinacaoLevantamento);
    return {azimute, verdadeiro, ReduzAzimute(verdadeiro - declinacaoConversao), std::nullopt};
}

GrausMinutosSegundos SeparaSegundos(long long segundos)
{
    const bool negativo = segundos < 0;
    const long long absoluto = negativo ? -segundos : segundos;
    return {negativo, absoluto / 3600, static_cast<int>(absoluto / 60 % 60), static_cast<int>(absoluto % 60)};
}

}  // namespace ceravel
