// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/Geodesia.h"
#include "memorial/Memorial.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace ceravel {

// Why the deed's data cannot be converted: the message, and the objectName of
// the box that gets the focus ("Levantamento", "Conversao" or a position box).
struct FalhaMemorial {
    QString mensagem;
    QString caixa;
};

// The declination at one date, and the value every bearing uses: the
// declination as shown, in whole seconds of arc (east positive), so the
// sums on screen check.
struct DeclinacaoMemorial {
    double anoDecimal = 0;
    double D = 0;   // degrees east
    double dD = 0;  // degrees per year
    long long segundos = 0;
};

// The declinations at both dates and a grid deed's γ at one place, in whole
// seconds as shown.
struct ValoresVertice {
    long long levantamento = 0, conversao = 0, convergencia = 0;
};

// One row's result: converted, or why its bearing or distance is unreadable.
struct ResultadoSegmento {
    std::optional<SegmentoConvertido> convertido;
    QString motivo;
    // The values at the row's start vertex, once the polygon gave its place.
    std::optional<ValoresVertice> vertice;
};

// Beyond this perimeter (the deed's distances summed, metres) each row takes
// the declination at its start vertex instead of the position's.
inline constexpr double PerimetroDeclinacaoVertice = 10000;

struct ConversaoMemorial {
    Memorial memorial;                   // the deed as converted
    double latitude = 0, longitude = 0;  // decimal degrees
    bool levantamentoSoAno = false;      // the survey date was a year alone, taken as 1 July
    ModeloMemorial modelo = ModeloMemorial::Igrf14;  // the model used
    QString avisoModelo;                 // why the chosen regional model was not used, if so
    DeclinacaoMemorial levantamento, conversao;
    // A grid deed's meridian convergence at the position (degrees, grid north
    // clockwise from true north, SIRGAS 2000 / UTM in the position's own zone)
    // and the value the bearings use, in whole seconds as shown.
    std::optional<double> convergencia;
    long long convergenciaSegundos = 0;
    int zona = 0;
    std::vector<ResultadoSegmento> segmentos;  // one per row, in order
    // Once the polygon is traversed: its perimeter (the deed's distances
    // summed), and whether every row was converted with its start vertex's
    // values (perimeter over PerimetroDeclinacaoVertice) rather than the position's.
    std::optional<double> perimetro;
    bool porVertice = false;
};

// The values a row was converted with: its start vertex's or the position's.
ValoresVertice ValoresUsados(const ConversaoMemorial& conversao, const ResultadoSegmento& segmento);

using ResultadoMemorial = std::variant<FalhaMemorial, ConversaoMemorial>;

// The deed's data checked in the window's order (position, survey date,
// conversion date; dates from 1900 to 2029), the declination at both dates
// from IGRF-14 (read once from `pastaPrograma`) or the regional model (read
// afresh, when chosen and both dates lie in 1995–2005), then every row:
// true azimuth = deed's magnetic azimuth + D(survey), magnetic azimuth on the
// conversion date = true azimuth − D(conversion), all in whole seconds from
// the declinations as shown. A true deed keeps its bearings as true; a grid
// deed's true azimuth = grid azimuth + γ as shown (PROJ, through geo/).
ResultadoMemorial ConverteMemorial(const Memorial& memorial, const QLocale& locale, const QString& pastaPrograma);

// The same model, dates and grid zone evaluated at each converted row's start
// vertex (`partidas[i]` for row i, SIRGAS 2000), kept in the rows' `vertice`.
// With `reconverte`, every row is converted again with its own values (whole
// seconds as shown) and `porVertice` is set. Empty, or why the model failed there.
std::optional<FalhaMemorial> ConverteNosVertices(ConversaoMemorial& conversao,
                                                 const std::vector<geo::Geografico>& partidas, bool reconverte,
                                                 const QString& pastaPrograma);

}  // namespace ceravel
