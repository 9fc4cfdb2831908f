// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ceravel {

// Degree-to-radian factor of the model: pi written to eleven decimals, on purpose
// not the exact pi/180. The components and the needle are defined with this
// factor, so every result depends on it to the last bit.
inline constexpr double FatorGrausRadianos = 3.14159265359 / 180.0;

// Result of one model run. Angles in degrees, intensities in nT; the angular
// variations m and n in minutes of arc per year, the others in nT per year.
// X points to geographic north, Y east, Z down.
struct ElementosCampo {
    float D = 0;   // declination, degrees east of geographic north
    float I = 0;   // inclination, degrees below the horizontal
    float F = 0;   // total intensity, nT
    double X = 0;  // north component, nT
    double Y = 0;  // east component, nT
    double Z = 0;  // vertical (down) component, nT
    float m = 0;   // annual variation of D, minutes of arc per year
    float n = 0;   // annual variation of I, minutes of arc per year
    float dF = 0;  // annual variation of F, nT per year
    double dX = 0;
    double dY = 0;
    double dZ = 0;
};

}  // namespace ceravel
