// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <cmath>

namespace ceravel {

// Window geometry is laid out in twips (1/1440 inch); the screen has 15 twips
// per pixel at 96 dpi, and Qt scales logical pixels on high-DPI screens.
inline constexpr double TwipsPorPixel = 15.0;

inline int Px(double twips) { return static_cast<int>(std::lround(twips / TwipsPorPixel)); }
inline double PxF(double twips) { return twips / TwipsPorPixel; }
inline QPointF PontoPx(double x, double y) { return {PxF(x), PxF(y)}; }
inline QRect RetPx(double esquerda, double topo, double largura, double altura)
{
    return QRect(Px(esquerda), Px(topo), Px(largura), Px(altura));
}

}  // namespace ceravel
