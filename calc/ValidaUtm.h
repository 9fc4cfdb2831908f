// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ValidaEntrada.h"
#include "geo/Geodesia.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// A UTM position's boxes exactly as typed.
struct TextosUtm {
    QString zona, hemisferio, leste, norte;
    bool operator==(const TextosUtm&) const = default;
};

// Zone 18–25, hemisphere S or N (either case), E 100 000–900 000 m and
// N 0–10 000 000 m, in that order, each refusal with its own message and the
// focus on its box; E and N are read under `locale`.
Guarda GuardasUtm(const TextosUtm& utm, const QLocale& locale, geo::PontoUtm& ponto);

// A position that passed its boxes' checks, in its datum and in SIRGAS 2000.
struct PosicaoGeodesica {
    geo::Geografico noDatum;
    geo::PosicaoSirgas sirgas;
};

// The checks that need PROJ, in order: a UTM point (when given) to its datum's
// geographic coordinates, that point inside the territory's box (latitude −35
// to +10, longitude −75 to −30), then the datum's area and the shift to SIRGAS
// 2000 with a grid. The focus goes to the zone or E box for the position's
// faults and to the datum's choice for the datum's.
Guarda GuardasGeodesicas(geo::Geodesia& geodesia, geo::Datum datum, const std::optional<geo::PontoUtm>& utm,
                         const geo::Geografico& geografico, const QLocale& locale, PosicaoGeodesica& posicao);

// The position boxes of `entrada` set to the SIRGAS 2000 point in decimal
// degrees (13 decimals, the locale's separator), so the calculator's checks
// and models run on it: the window and the batch feed the models alike.
void PoePosicaoDecimal(const geo::Geografico& sirgas, const QLocale& locale, TextosEntrada& entrada);

}  // namespace ceravel
