#pragma once

#include "calc/ConversaoRumos.h"

namespace ceravel {

// Plain rules of bearings, on azimuths in degrees from true or magnetic north,
// clockwise. No checks: the callers pass values that passed the guards.

// The same direction in [0°, 360°); -0 becomes +0.
double ReduzAzimute(double azimute);

// An angle 0–90 measured from north (NE, NO) or south (SE, SO) towards east
// (NE, SE) or west (SO, NO).
struct Rumo {
    double angulo = 0;
    Quadrante quadrante = Quadrante::NE;
};

// The azimuth of a rumo, in [0°, 360°) ("0° NO" is 0°, "90° NO" is 270°).
double AzimuteDeRumo(double angulo, Quadrante quadrante);
// The rumo of an azimuth, after reducing it: [0,90) NE, [90,180) SE,
// [180,270) SO, [270,360) NO, so 90° is "90° SE" and 180° is "0° SO".
Rumo RumoDeAzimute(double azimute);

// The true azimuth and the magnetic azimuth on the conversion date of a
// bearing given as `referencia` (magnetic means magnetic on the survey date),
// with the declinations D (degrees east) on both dates.
RumosConvertidos ConverteRumo(double azimute, ReferenciaRumo referencia, double declinacaoLevantamento,
                              double declinacaoConversao);

// ---- Display in whole seconds of arc: rounded once, then integer arithmetic.

inline constexpr long long SegundosNoCirculo = 360LL * 3600;

// angulo × 3600 rounded to whole seconds, half away from zero. For angles of
// at most a few thousand degrees (every bearing and declination).
long long SegundosArredondados(double angulo);
// An azimuth in whole seconds within [0, 360°): one that rounds to 360°00'00''
// is 0.
long long SegundosAzimute(double azimute);

// A rumo in whole seconds, from an azimuth in whole seconds in [0, 360°):
// quadrant boundaries as in RumoDeAzimute.
struct RumoSegundos {
    long long angulo = 0;
    Quadrante quadrante = Quadrante::NE;
};
RumoSegundos RumoDeSegundos(long long segundosAzimute);

// Degrees, minutes (0–59) and seconds (0–59) of a whole number of seconds.
struct GrausMinutosSegundos {
    bool negativo = false;
    long long graus = 0;
    int minutos = 0, segundos = 0;
};
GrausMinutosSegundos SeparaSegundos(long long segundos);

}  // namespace ceravel
