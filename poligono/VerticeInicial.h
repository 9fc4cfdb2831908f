// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ValidaEntrada.h"
#include "calc/ValidaUtm.h"
#include "geo/Geodesia.h"
#include "poligono/Poligonal.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

namespace ceravel {

// The start vertex as typed: its name and its place, in UTM (zone, hemisphere,
// E, N) or in decimal degrees, in the datum chosen beside it.
struct TextosVerticeInicial {
    QString nome;  // empty: the first segment's "De"
    bool utm = true;
    TextosUtm posicaoUtm;
    QString latitude, longitude;
};

// The start vertex in SIRGAS 2000: on the plane of its zone (the typed zone
// for a UTM point, the point's own for a geographic one) and geographic, with
// the transformation that brought it from its datum.
struct VerticeInicial {
    QString nome;
    int zona = 0;
    bool sul = true;
    PontoEN plano;
    PontoGeografico geografico;
    geo::Operacao operacao;
};

// The checks of the UTM boxes (GuardasUtm) or of the two numbers (the
// locale's form), then those of the datum (GuardasGeodesicas); a point of
// another datum reaches the SIRGAS 2000 plane through its geographic coordinates.
std::variant<FalhaGuarda, VerticeInicial> ChecaVerticeInicial(const TextosVerticeInicial& textos, geo::Datum datum,
                                                             const QLocale& locale, geo::Geodesia& geodesia);

// The command line's form: "VERTICE;E;N;ZONA" (the zone with its hemisphere
// letter, "23S") or "VERTICE;LAT;LON". Empty when it has neither 3 nor 4 fields.
std::optional<TextosVerticeInicial> DivideVerticeInicial(const QString& texto);

}  // namespace ceravel
