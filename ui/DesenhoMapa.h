// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "present/ContornosMapa.h"
#include "present/CoresMapa.h"
#include "present/MapaCampo.h"

#include <QImage>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace ceravel {

// Nodes of the map's grid: every quarter of a degree over the 45° box.
inline constexpr int ColunasGradeMapa = 181, LinhasGradeMapa = 181;

// The borders the map draws; either may be missing, with the reason.
struct FronteirasMapa {
    std::optional<ContornoMapa> brasil, vizinhos;
    QString erro;
};

// Reads brasil-contorno.txt and vizinhos-contorno.txt from the program's folder.
FronteirasMapa LeFronteirasMapa(const QString& pastaPrograma);

// What one calculation and one element look like on the map, built once and
// drawn at any size.
struct CenaMapa {
    ElementoMapa elemento = ElementoMapa::Declinacao;
    GradeValores grade;
    double minimo = 0, maximo = 0, intervalo = 1;
    std::vector<double> niveis;
    std::vector<std::vector<Isolinha>> linhas;  // one list per level
    EscalaCores escala{true, -1, 1};
    QImage sombreado;                           // one pixel per node, north up
    // The calculated point, its value and the texts of the legend.
    double latitude = 0, longitude = 0, valorPonto = 0;
    QString data, epoca;
    // IGRF-14 is no fit: the same shading everywhere, its own legend.
    bool igrf = false;
};

// Grid, levels, isolines and shading of `elemento` at time t (decimal year - 1990).
CenaMapa MontaCenaMapa(const ConjuntosCoeficientes& conjuntos, ElementoMapa elemento, double t);
// The same under IGRF-14 at a decimal year.
CenaMapa MontaCenaMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double ano);

// Draws the whole map (frame, shading, graticule, borders, isolines and their
// labels, the point, the legend) inside `area`, in logical pixels: sizes and
// fonts are pixels, so the same drawing scales onto a printer or a PDF page.
void DesenhaMapa(QPainter& p, const QRectF& area, const CenaMapa& cena, const FronteirasMapa& fronteiras,
                 const QLocale& locale);

// The part of `area` the box is fitted into (the legend takes the rest).
QRectF AreaGeograficaMapa(const QRectF& area);

// The marker's fill, a colour neither colour map has.
inline const QColor CorMarcadorMapa(0, 128, 0);

}  // namespace ceravel
