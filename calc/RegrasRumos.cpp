#include "calc/RegrasRumos.h"

#include <cmath>

namespace ceravel {

double ReduzAzimute(double azimute)
{
    double r = std::fmod(azimute, 360.0);  // exact, sign of `azimute`
    if (r < 0)
        r += 360.0;  // may round up to 360 for a tiny negative remainder
    if (r >= 360.0)
        r -= 360.0;
    return r == 0 ? 0.0 : r;  // no -0
}

double AzimuteDeRumo(double angulo, Quadrante quadrante)
{
    switch (quadrante) {
    case Quadrante::NE: return ReduzAzimute(angulo);
    case Quadrante::SE: return ReduzAzimute(180.0 - angulo);
    case Quadrante::SO: return ReduzAzimute(180.0 + angulo);
    case Quadrante::NO: return ReduzAzimute(360.0 - angulo);
    }
    return 0;
}

Rumo RumoDeAzimute(double azimute)
{
    // Comparisons rather than floor(az / 90): the quotient can round up to the
    // next quadrant just below a boundary.
    const double az = ReduzAzimute(azimute);
    if (az < 90.0)
        return {az, Quadrante::NE};
    if (az < 180.0)
        return {180.0 - az, Quadrante::SE};
    if (az < 270.0)
        return {az - 180.0, Quadrante::SO};
    return {360.0 - az, Quadrante::NO};
}

RumosConvertidos ConverteRumo(double azimute, ReferenciaRumo referencia, double declinacaoLevantamento,
                              double declinacaoConversao)
{
    if (referencia == ReferenciaRumo::Verdadeiro) {
        const double verdadeiro = ReduzAzimute(azimute);
        return {verdadeiro, ReduzAzimute(verdadeiro - declinacaoConversao)};
    }
    // magnetic now = true - Dconv = magnetic then - (Dconv - Dlev). The change
    // of declination is formed first, so equal dates give back the given
    // bearing to the bit.
    const double variacao = declinacaoConversao - declinacaoLevantamento;
    return {ReduzAzimute(azimute + declinacaoLevantamento), ReduzAzimute(azimute - variacao)};
}

long long SegundosArredondados(double angulo)
{
    return std::llround(angulo * 3600.0);  // llround: halves away from zero
}

long long SegundosAzimute(double azimute)
{
    return SegundosArredondados(ReduzAzimute(azimute)) % SegundosNoCirculo;
}

RumoSegundos RumoDeSegundos(long long segundosAzimute)
{
    constexpr long long Q = 90LL * 3600;
    const long long s = segundosAzimute;
    if (s < Q)
        return {s, Quadrante::NE};
    if (s < 2 * Q)
        return {2 * Q - s, Quadrante::SE};
    if (s < 3 * Q)
        return {s - 2 * Q, Quadrante::SO};
    return {4 * Q - s, Quadrante::NO};
}

GrausMinutosSegundos SeparaSegundos(long long segundos)
{
    const bool negativo = segundos < 0;
    const long long absoluto = negativo ? -segundos : segundos;
    return {negativo, absoluto / 3600, static_cast<int>(absoluto / 60 % 60), static_cast<int>(absoluto % 60)};
}

}  // namespace ceravel
