// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ceravel {

// An angle's size as "0°46'49''": "°" (U+00B0), minutes and seconds of two
// digits, rounded to the second half away from zero; the sign is left out.
QString TextoAnguloGms(double graus);

// Where grid north lies from true north in words, from the meridian
// convergence γ (grid north clockwise from true north): "norte de quadrícula
// 0°46'49'' a leste do norte verdadeiro"; where it rounds to no second,
// "norte de quadrícula sobre o norte verdadeiro".
QString SentidoConvergencia(double convergencia);
// The same for magnetic north from the declination D (east positive).
QString SentidoDeclinacao(double declinacao);

// One north of the diagram: its letters, its real bearing from true north
// and the one it is drawn at (degrees clockwise from straight up).
struct SetaNorte {
    QString rotulo;
    double real = 0, desenhado = 0;
};

// The angle between true north and another north, drawn between the two
// arrows, with its value.
struct AnguloNorte {
    double de = 0, ate = 0;  // drawn bearings of its two arrows
    QString texto;
};

// The three norths as IBGE's sheets print them: true (NV), grid (NQ) and
// magnetic (NM) north as arrows from one point, the convergence and the
// declination marked between them. Angles under `AnguloMinimo` are drawn
// wider, and so is the gap between NQ and NM when they lean the same way, so
// every arrow and label stays apart; `foraDeEscala` then says so, in `nota`.
struct DiagramaTresNortes {
    SetaNorte verdadeiro, quadricula, magnetico;
    AnguloNorte convergencia, declinacao;
    bool foraDeEscala = false;
    QString nota;  // "Ângulos fora de escala, ampliados para a leitura." or empty
};

inline constexpr double AnguloMinimo = 10;  // degrees on the drawing

DiagramaTresNortes DispoeTresNortes(double convergencia, double declinacao);

}  // namespace ceravel
