// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/GeometriaAgulha.h"

#include "model/ElementosCampo.h"

#include <cmath>

namespace ceravel {

namespace {

// Half the 135 × 135 circle: centres it on the end point.
constexpr double MeioCirculo = 67.5;
// Puts the 255 × 255 "NM" label above and to the left of the end point.
constexpr double DeslocamentoRotulo = 270;

}  // namespace

GeometriaAgulha CalculaAgulha(float D, CentroBussola centro)
{
    // Angle in double with the model's degree factor; the end point is kept in
    // single precision like the window coordinates it becomes. The sine goes
    // to x so that east turns the needle to the right, and y grows downward.
    const double a = static_cast<double>(D) * FatorGrausRadianos;
    GeometriaAgulha g;
    g.x2 = static_cast<float>(centro.x + ComprimentoAgulha * std::sin(a));
    g.y2 = static_cast<float>(centro.y - ComprimentoAgulha * std::cos(a));
    g.circEsquerda = static_cast<float>(g.x2 - MeioCirculo);
    g.circTopo = static_cast<float>(g.y2 - MeioCirculo);
    g.txtEsquerda = static_cast<float>(g.x2 - DeslocamentoRotulo);
    g.txtTopo = static_cast<float>(g.y2 - DeslocamentoRotulo);
    return g;
}

}  // namespace ceravel
