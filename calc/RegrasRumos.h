// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ConversaoRumos.h"

namespace ceravel {

// Plain rules of bearings, on angles in whole seconds of arc: every angle is
// rounded once to the second, half away from zero, and all that follows is
// integer arithmetic, so that the sums on screen check exactly. Azimuths run
// from true or magnetic north, clockwise. No checks: the callers pass values
// that passed the guards.

inline constexpr long long SegundosNoCirculo = 360LL * 3600;

// angulo (degrees) × 3600 rounded to whole seconds, half away from zero. For
// angles of at most a few thousand degrees (every bearing and declination).
long long SegundosArredondados(double angulo);

// The same direction in [0, 360°).
long long ReduzAzimute(long long segundos);

// The azimuth of a rumo of `angulo` seconds (0–90°) with its letters: "0° NO"
// is 0, "90° NO" is 270°; N and S take 0, L and O 90° (the guards see to it).
long long AzimuteDeRumo(long long angulo, Quadrante quadrante);

// The rumo of an azimuth in [0, 360°): an exact cardinal direction with its
// own letter (0 "0° N", 90° "90° L", 180° "0° S", 270° "90° O"), any other
// with its quadrant.
struct RumoSegundos {
    long long angulo = 0;
    Quadrante quadrante = Quadrante::N;
};
RumoSegundos RumoDeSegundos(long long segundosAzimute);

// The true azimuth and the magnetic azimuth on the conversion date of a
// bearing given as `referencia` (magnetic means magnetic on the survey date),
// with the declinations (east positive) on both dates as shown.
RumosConvertidos ConverteRumo(long long azimute, ReferenciaRumo referencia, long long declinacaoLevantamento,
                              long long declinacaoConversao);

// Degrees, minutes (0–59) and seconds (0–59) of a whole number of seconds.
struct GrausMinutosSegundos {
    bool negativo = false;
    long long graus = 0;
    int minutos = 0, segundos = 0;
};
GrausMinutosSegundos SeparaSegundos(long long segundos);

}  // namespace ceravel
