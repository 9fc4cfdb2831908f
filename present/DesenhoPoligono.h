// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/Poligonal.h"
#include "present/SimboloNortes.h"

#include <QLineF>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace ceravel {

// The deed drawn to scale, in the pixels of a canvas of the given size (y
// down, north up): plain geometry and texts that a widget, a printer or an
// image paints as they are.
struct DesenhoPoligono {
    double pixelsPorMetro = 0;
    bool fechado = false;
    std::vector<QPointF> vertices;       // the polygon (closed back to the first when `fechado`) or the line
    std::vector<TextoDesenho> nomes;     // one per vertex, outside the figure
    std::vector<TextoDesenho> rotulos;   // true bearing and distance along each side long enough to hold them
    QPointF inicial;                     // the start vertex, to be marked
    std::optional<QLineF> lacuna;        // from the traverse's return to the start vertex, when it does not close
    std::vector<QLineF> grade;           // UTM lines at round metres
    std::vector<TextoDesenho> rotulosGrade;
    QLineF barraEscala;                  // its length is a round number of metres
    std::vector<QLineF> divisoesBarra;   // ticks at its ends and middle
    TextoDesenho textoEscala;
    std::optional<SimboloNortes> nortes;  // top right, when the declination is known
};

// Fits the traverse (every vertex and the return point) into `tamanho` with a
// margin for the texts. `segmentos` gives the labels; `rotulosSegmentos`, when
// not empty, replaces them (one per segment, e.g. the window's converted texts).
// With the declination D (degrees east, on the conversion date), the three
// norths at the start vertex go in the top right corner, γ from the traverse,
// and the figure keeps clear of them (on a canvas too small for both, they are left out).
DesenhoPoligono CalculaDesenhoPoligono(const ResultadoPoligonal& poligonal,
                                       const std::vector<SegmentoPoligonal>& segmentos, QSizeF tamanho,
                                       const QLocale& locale, const std::vector<QString>& rotulosSegmentos = {},
                                       std::optional<double> declinacao = {});

// A round length (1, 2 or 5 × 10ⁿ) no longer than `maximo`, > 0.
double ComprimentoRedondo(double maximo);

}  // namespace ceravel
