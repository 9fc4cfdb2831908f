// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/Poligonal.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace ceravel {

// How the plane was reached, for the texts that name the factors.
struct DescricaoPlano {
    int zona = 0;
    bool sul = true;
    bool fatorEscala = true;
    std::optional<double> altitude;  // metres
    bool compensado = false;
};

// Numbers of these texts: fixed decimals, the locale's separator, no grouping, "-".
QString NumeroFixo(double valor, int decimais, const QLocale& locale);

// The columns the traverse adds to each segment's row: its end vertex's E and
// N (3 decimals), latitude and longitude (SIRGAS 2000, 9 decimals), γ at its
// start in decimal degrees; with the compass rule, the end vertex's corrected E and N.
QStringList TitulosPoligono(bool compensado);
std::vector<QStringList> ColunasPoligono(const ResultadoPoligonal& r, const QLocale& locale);

// The vertices' table: name, E, N (3 decimals), latitude and longitude
// (SIRGAS 2000, 9 decimals, empty without them) and, with the compass rule,
// the corrected E and N.
QStringList TitulosVertices(bool compensado);
std::vector<QStringList> LinhasVertices(const ResultadoPoligonal& r, const QLocale& locale);

// The summary under the table, caption and value: perimeter, plane and
// ellipsoidal areas, misclosure, its azimuth and the relative precision for a
// closed deed (the length alone for an open one), and the factors used.
std::vector<std::pair<QString, QString>> ResumoPoligono(const ResultadoPoligonal& r, const DescricaoPlano& plano,
                                                        const QLocale& locale);

}  // namespace ceravel
