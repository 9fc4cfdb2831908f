// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"
#include "calc/ValidaUtm.h"

#include <QString>
#include <optional>
#include <vector>

namespace ceravel {

// A deed (memorial descritivo) as the surveyor typed it: the deed's data and
// its perimeter, one segment per row. Every field is kept exactly as typed,
// so nothing is lost however wrong it is; reading and converting it are done
// by LeituraMemorial and ConverteMemorial.

// What the deed's bearings are measured from. Magnético: magnetic north on
// the survey date; Quadrícula: grid north of the UTM plane (SIRGAS 2000, the
// position's own zone), so true = grid + the meridian convergence γ.
enum class ReferenciaMemorial { Magnetico, Verdadeiro, Quadricula };

// The field model that gives the declination: IGRF-14 (1900–2029), or the
// regional model where the user chose it and both dates lie in 1995–2005.
enum class ModeloMemorial { Igrf14, Regional };

// One row of the segments table.
struct SegmentoMemorial {
    QString de;            // "De": vertex the segment starts at (e.g. "M1")
    QString para;          // "Para": vertex it ends at
    QString rumo;          // "Rumo ou azimute", in any notation of LeituraRumo
    QString distancia;     // "Distância (m)", the locale's decimal separator or "."
    QString confrontante;  // optional free text

    bool operator==(const SegmentoMemorial&) const = default;
};

// The position where the declination is evaluated, as its boxes hold it
// (the same boxes and forms as on the main window).
struct PosicaoMemorial {
    FormaEntrada formaLatitude = FormaEntrada::GrausDecimais;
    FormaEntrada formaLongitude = FormaEntrada::GrausDecimais;
    QString latGraus, latG, latM, latS;
    QString lonGraus, longG, longM, longS;
    bool utm = false;  // the UTM boxes instead of latitude and longitude
    TextosUtm posicaoUtm;
    QString datum = QStringLiteral("sirgas2000");  // of either form, the --datum word of the command lines

    bool operator==(const PosicaoMemorial&) const = default;
};

// The deed's data.
struct DadosMemorial {
    QString levantamento;  // survey date: "dd/mm/aaaa", or "aaaa" alone (taken as 1 July)
    QString conversao;     // conversion date, "dd/mm/aaaa"
    ReferenciaMemorial referencia = ReferenciaMemorial::Magnetico;
    PosicaoMemorial posicao;
    ModeloMemorial modelo = ModeloMemorial::Igrf14;

    bool operator==(const DadosMemorial&) const = default;
};

// The "Polígono no terreno" pane as typed: the start vertex (its name, UTM
// or geographic place, datum) and the plane's options. The default value is
// the untouched pane.
struct TextosPoligonoMemorial {
    QString vertice;  // empty: the first segment's "De"
    bool utm = true;
    QString zona, hemisferio = QStringLiteral("S"), leste, norte;
    QString latitude, longitude;
    QString datum = QStringLiteral("sirgas2000");  // the --datum word of the command lines
    QString altitude;
    bool fatorEscala = true;
    bool compensar = false;

    bool operator==(const TextosPoligonoMemorial&) const = default;
};

struct Memorial {
    DadosMemorial dados;
    std::vector<SegmentoMemorial> segmentos;
    TextosPoligonoMemorial poligono;

    bool operator==(const Memorial&) const = default;
};

// ---- Read values (after LeituraMemorial) ----

// A segment whose bearing and distance could be read.
struct SegmentoLido {
    double azimute = 0;    // the deed's bearing as an azimuth in [0°, 360°), in the deed's reference
    double distancia = 0;  // metres, > 0
};

// A converted segment: the bearings as azimuths in [0°, 360°).
struct SegmentoConvertido {
    double azimuteDado = 0;          // as read from the deed
    double verdadeiro = 0;           // true azimuth
    double magneticoConversao = 0;   // magnetic azimuth on the conversion date
    double distancia = 0;            // metres
};

}  // namespace ceravel
