// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// One row's result: converted, or why its bearing or distance is unreadable.
struct ResultadoSegmento {
    std::optional<SegmentoConvertido> convertido;
    QString motivo;
};

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
};

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

}  // namespace ceravel
