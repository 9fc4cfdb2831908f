// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/TresNortes.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace ceravel {

// A text of a drawing: `ancora` is where its `alinhamento` point goes; it is
// turned `angulo` degrees counterclockwise about that point (screen sense).
struct TextoDesenho {
    QPointF ancora;
    QString texto;
    Qt::Alignment alinhamento = Qt::AlignCenter;
    double angulo = 0;
};

// The three norths as a small symbol in a corner of a drawing (pixels, y
// down): the arrows of DispoeTresNortes from one point, NV with a star, NQ
// with the grid's square-cut tip, NM with a half arrowhead, the convergence
// (inner) and the declination (outer) as arcs, their values under the arrows
// ("γ 0°46'49'' (NQ a leste do NV)"), and the note when angles were widened.
// A white frame keeps the grid out of it.
struct SimboloNortes {
    QRectF moldura;
    QPointF origem;
    QLineF verdadeiro, quadricula, magnetico;  // from `origem` to each tip
    std::vector<QPointF> estrela;              // NV's tip, a closed polygon
    QLineF corteQuadricula;                    // across NQ's tip
    std::vector<QPointF> meiaPonta;            // NM's tip, a closed polygon
    std::vector<QPointF> arcoConvergencia, arcoDeclinacao;  // polylines; empty for a zero angle
    std::vector<TextoDesenho> textos;          // NV, NQ, NM, the γ and D legend, then the note's lines
};

// Its size on the drawing, pixels.
inline constexpr double LarguraSimboloNortes = 190;
inline constexpr double AlturaSimboloNortes = 170;

// The symbol with its frame's top-right corner at `cantoSuperiorDireito`.
SimboloNortes DispoeSimboloNortes(const DiagramaTresNortes& diagrama, QPointF cantoSuperiorDireito);

}  // namespace ceravel
