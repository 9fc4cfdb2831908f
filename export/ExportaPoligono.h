// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/Poligonal.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace ceravel {

// The vertices of a traversed deed as the exports write them.
struct VerticeExportado {
    QString nome;
    PontoEN plano;                          // UTM, metres
    std::optional<PontoGeografico> geograficas; // SIRGAS 2000, degrees
};

struct PoligonoExportado {
    QString nome;       // the deed's name: the document's and the polygon's
    int zona = 0;       // UTM zone of the plane coordinates
    bool sul = true;    // its hemisphere
    bool fechado = false;
    std::vector<VerticeExportado> vertices;  // a closed deed's first vertex is not repeated
};

// The vertices of a traverse: compensated coordinates where the compass rule
// gave them, else as traversed.
PoligonoExportado PoligonoParaExportar(const ResultadoPoligonal& poligonal, const QString& nome, int zona, bool sul);

// KML 2.2: the polygon (a line for an open deed) and a folder with one
// placemark per vertex, its name, and its UTM and geographic coordinates.
QByteArray ConteudoKml(const PoligonoExportado& p);
// GeoJSON (RFC 7946): a FeatureCollection of the polygon (exterior ring
// counterclockwise, closed) or line and one point per vertex, positions as
// [longitude, latitude] with at most 8 decimals (about a millimetre).
QByteArray ConteudoGeoJson(const PoligonoExportado& p);
// DXF (AutoCAD R12, ASCII): the closed polyline in UTM metres on layer
// POLIGONO, a point per vertex on VERTICES and its name on NOMES.
QByteArray ConteudoDxf(const PoligonoExportado& p);
// The vertices for stake-out: "Vértice;E (m);N (m);Latitude SIRGAS 2000;Longitude
// SIRGAS 2000", numbers with the locale's decimal separator and no grouping;
// UTF-8 with a byte-order mark (so a spreadsheet reads the names' accents) and CR LF.
QByteArray ConteudoCsvVertices(const PoligonoExportado& p, const QLocale& locale);

enum class FormatoPoligono { Kml, GeoJson, Dxf, Csv };

// Writes the file atomically. Empty: written; else the Portuguese message.
// KML and GeoJSON need every vertex's geographic coordinates.
QString ExportaPoligono(FormatoPoligono formato, const QString& caminho, const PoligonoExportado& p,
                        const QLocale& locale);

}  // namespace ceravel
