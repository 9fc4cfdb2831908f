// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportaPoligono.h"

#include <QString>

namespace ceravel {

// The polygon's exports take their names from the memorial file
// "X.memorial.json" (empty: none yet): the file each suggests, beside it —
// "X.kml", "X.geojson", "X.dxf", "X-vertices.csv" ("X.csv" is the deed
// table's own export) — and the polygon's name inside them, "X". Without a
// file: "poligono.kml"... and "memorial". Another file of rows gives its
// name without the extension.
QString ArquivoDoPoligono(const QString& caminhoMemorial, FormatoPoligono formato);
QString NomeDoPoligono(const QString& caminhoMemorial);

}  // namespace ceravel
