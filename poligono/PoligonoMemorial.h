// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/ConverteMemorial.h"
#include "poligono/Poligonal.h"
#include "poligono/VerticeInicial.h"

#include <QString>

#include <variant>
#include <vector>

namespace ceravel {

// The converted deed's sides for the traverse: each row's "De", "Para", true
// azimuth and distance. The traverse needs every side: a row that was not
// converted gives the message naming it (rows counted from 1).
std::variant<QString, std::vector<SegmentoPoligonal>> LadosDoMemorial(const ConversaoMemorial& conversao);

// What the surveyor asks of the polygon beside the deed.
struct PedidoPoligono {
    TextosVerticeInicial inicio;
    geo::Datum datum = geo::Datum::Sirgas2000;
    bool fatorEscala = true;
    std::optional<double> altitude;  // metres; empty: no elevation factor
    bool compensar = false;
};

struct PoligonoMemorial {
    VerticeInicial inicio;
    ResultadoPoligonal poligonal;
};

// The start vertex checked and brought to the SIRGAS 2000 plane of its zone,
// then the converted deed traversed on that plane through PROJ.
std::variant<FalhaGuarda, PoligonoMemorial> CalculaPoligonoMemorial(const ConversaoMemorial& conversao,
                                                                    const PedidoPoligono& pedido,
                                                                    const QLocale& locale, geo::Geodesia& geodesia);

}  // namespace ceravel
