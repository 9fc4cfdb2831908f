// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/Datum.h"

#include <cmath>

namespace ceravel::geo {

namespace {

const DadosDatum Tabela[] = {
    {Datum::Sirgas2000, "SIRGAS 2000", "sirgas2000", 4674, nullptr},
    {Datum::Sad69, "SAD69", "sad69", 4618, "br_ibge_SAD69_003.tif"},
    {Datum::Sad6996, "SAD69(96)", "sad69-96", 5527, "br_ibge_SAD96_003.tif"},
    {Datum::CorregoAlegre7072, "Córrego Alegre 1970-72", "corrego-alegre-1970", 4225, "br_ibge_CA7072_003.tif"},
    {Datum::CorregoAlegre61, "Córrego Alegre 1961", "corrego-alegre-1961", 5524, "br_ibge_CA61_003.tif"},
};

// Codes of zones 18 to 25, 0 where the datum has none.
struct CodigosZonas {
    int sul[8];
    int norte[8];
};

const CodigosZonas& Codigos(Datum datum)
{
    static const CodigosZonas sirgas{{31978, 31979, 31980, 31981, 31982, 31983, 31984, 31985},
                                     {31972, 31973, 31974, 31975, 31976, 6210, 6211, 0}};
    static const CodigosZonas sad69{{29188, 29189, 29190, 29191, 29192, 29193, 29194, 29195},
                                    {29168, 29169, 29170, 29171, 29172, 0, 0, 0}};
    static const CodigosZonas sad96{{5875, 5876, 5877, 5531, 5858, 5533, 5534, 5535}, {}};
    static const CodigosZonas ca7072{{0, 0, 0, 22521, 22522, 22523, 22524, 22525}, {}};
    static const CodigosZonas ca61{{0, 0, 0, 5536, 5537, 5538, 5539, 0}, {}};
    switch (datum) {
    case Datum::Sirgas2000: return sirgas;
    case Datum::Sad69: return sad69;
    case Datum::Sad6996: return sad96;
    case Datum::CorregoAlegre7072: return ca7072;
    case Datum::CorregoAlegre61: break;
    }
    return ca61;
}

}  // namespace

std::span<const DadosDatum> Datums() { return Tabela; }

const DadosDatum& Dados(Datum datum)
{
    for (const DadosDatum& d : Tabela)
        if (d.datum == datum)
            return d;
    return Tabela[0];
}

int EpsgUtm(Datum datum, int zona, bool sul)
{
    if (zona < 18 || zona > 25)
        return 0;
    const CodigosZonas& c = Codigos(datum);
    return sul ? c.sul[zona - 18] : c.norte[zona - 18];
}

int ZonaUtm(double longitude)
{
    const int zona = static_cast<int>(std::floor((longitude + 180) / 6)) + 1;
    return zona < 1 ? 1 : zona > 60 ? 60 : zona;
}

double MeridianoCentral(int zona) { return zona * 6.0 - 183.0; }

}  // namespace ceravel::geo
