// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ConversaoRumos.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// Angles as the windows added beyond the calculator write and read them, and
// everything they copy: "°" (U+00B0), minutes and seconds of two digits, whole
// seconds (rounded once, half away from zero, by the caller); rumos with their
// letters. The specified windows keep their own forms ("º").

// "-21°56'08''", "45°00'00''".
QString TextoGms(long long segundos, const QLocale& locale);
// Decimal degrees, at most six decimals (under 0.002''), trailing zeros
// dropped, the locale's separator, no grouping: "45,504167", "-23,5".
QString TextoGrausDecimais(double graus, const QLocale& locale);

// "NE", ..., and the cardinal letters "N", "L", "S", "O".
QString TextoQuadrante(Quadrante quadrante);
// Letters as written in a deed, any case, blanks around; nothing if none of
// the eight.
std::optional<Quadrante> LeQuadrante(const QString& letras);
// The rumo of an azimuth in whole seconds in [0, 360°): "35°20'10'' NO",
// "90°00'00'' L", "0°00'00'' S".
QString TextoRumo(long long segundosAzimute, const QLocale& locale);

// One angle's degrees, minutes and seconds boxes.
struct TextosGms {
    QString graus, minutos, segundos;
    bool operator==(const TextosGms&) const = default;
};
// What the G and GMS buttons of these windows make of a valid value when they
// switch its entry form: 45°30'15'' ↔ "45,504167". Degrees whole, the sign
// typed with them ("-0 30 0" is -0.5), empty minutes and seconds 0, each below
// 60; decimals to whole seconds. Nothing for a value that does not read.
std::optional<QString> GmsParaDecimal(const TextosGms& gms, const QLocale& locale);
std::optional<TextosGms> DecimalParaGms(const QString& decimal, const QLocale& locale);

}  // namespace ceravel
