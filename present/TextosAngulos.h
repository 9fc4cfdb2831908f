// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace ceravel {

// Angles of the windows added to the calculator, in whole seconds of arc:
// "°" (U+00B0), minutes and seconds always two digits ("45°00'00''").

// Any angle (a declination): "-21°05'09''".
QString TextoGrausMinutosSegundos(long long segundos, const QLocale& locale);
// An azimuth in [0, 360°) as seconds: "87°41'06''".
QString TextoAzimuteSegundos(long long segundosAzimute, const QLocale& locale);
// The rumo of the same azimuth: "45°30'00'' NE"; an exact cardinal
// direction as its letter alone, "N", "L", "S" or "O".
QString TextoRumoSegundos(long long segundosAzimute, const QLocale& locale);

}  // namespace ceravel
