// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>

namespace ceravel::geo {

// The geodetic datums of Brazilian surveys. The field models work in SIRGAS
// 2000 (which differs from WGS84 by far less than they resolve); the older
// datums reach it through IBGE's transformation grids.
enum class Datum { Sirgas2000, Sad69, Sad6996, CorregoAlegre7072, CorregoAlegre61 };

struct DadosDatum {
    Datum datum;
    const char* nome;          // as the user reads it: "Córrego Alegre 1970-72"
    const char* opcao;         // ceravel-lote's --datum word
    int epsgGeografico;        // its geographic CRS
    const char* grade;         // IBGE grid to SIRGAS 2000, beside the programs; nullptr for SIRGAS 2000
};

// Every datum, SIRGAS 2000 first.
std::span<const DadosDatum> Datums();
const DadosDatum& Dados(Datum datum);

// The EPSG code of the datum's UTM projection in `zona` (18–25) and hemisphere;
// 0 where the datum has none (its area does not reach that zone).
int EpsgUtm(Datum datum, int zona, bool sul);

// The UTM zone (1–60) whose 6° band holds `longitude` (degrees, east positive).
int ZonaUtm(double longitude);
// Its central meridian, degrees.
double MeridianoCentral(int zona);

}  // namespace ceravel::geo
