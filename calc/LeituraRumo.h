// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// A bearing as deeds write it, read into an azimuth:
//  - azimuths: "87°41'06"", "87 41 06", "87,685" (the locale's decimal separator);
//  - rumos, the quadrant after or before the angle or around it: "45°30' NE",
//    "NE 45°30'", "N 45°30' E", "S 12°15' O", "S 12°15' W";
//  - L or E for east, O or W for west, any case; "º" or "°" after the degrees,
//    "'", "′" or "’" after the minutes, """, "''", "″" or "”" after the seconds;
//    missing minutes or seconds are 0;
//  - a cardinal direction alone: N, S, L/E, O/W.
// Only the last number may have decimals. Azimuths lie in [0°, 360°), rumos
// in [0°, 90°] ("0° NO" is 0°, "90° NO" is 270°).
struct LeituraRumo {
    std::optional<double> azimute;  // in [0°, 360°); empty when refused
    QString motivo;                 // why it was refused, a Portuguese sentence
    bool rumo = false;              // given as a rumo (or a cardinal direction)
};

LeituraRumo LeRumo(const QString& texto, const QLocale& locale);

// A distance in metres: a number in the locale's form, optionally followed by
// "m"; positive and finite. Empty with the reason in `motivo` otherwise.
std::optional<double> LeDistancia(const QString& texto, const QLocale& locale, QString& motivo);

}  // namespace ceravel
