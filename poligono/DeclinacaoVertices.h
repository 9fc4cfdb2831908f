// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/PoligonoMemorial.h"

#include <QLocale>
#include <QString>

#include <variant>

namespace ceravel {

// The converted deed as the polygon leaves it, and the polygon.
struct MemorialNoTerreno {
    ConversaoMemorial conversao;
    PoligonoMemorial poligono;
};

// The polygon of the converted deed (CalculaPoligonoMemorial), then the
// declinations (and a grid deed's γ) at each segment's start vertex, from the
// SIRGAS 2000 coordinates of that traverse. A deed whose distances sum to more
// than PerimetroDeclinacaoVertice is converted again with them, row by row,
// and traversed again; that second result is kept, with no further round.
// A shorter deed keeps its conversion and traverse, with the vertices' values
// beside them for the summary.
std::variant<FalhaGuarda, MemorialNoTerreno> CalculaMemorialNoTerreno(const ConversaoMemorial& conversao,
                                                                      const PedidoPoligono& pedido,
                                                                      const QLocale& locale,
                                                                      const QString& pastaPrograma);

}  // namespace ceravel
