// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"
#include "calc/EntradaCalculo.h"
#include "calc/ValidaEntrada.h"
#include "calc/ValidaUtm.h"
#include "geo/Datum.h"
#include "geo/Geodesia.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <variant>

namespace ceravel {

// How the bearing is given: an azimuth from north, clockwise, 0 ≤ az < 360;
// or a rumo, an angle 0–90 from north or south towards east or west.
enum class TipoRumo { Azimute, Rumo };
// A rumo's letters, clockwise from north: the four quadrants and the exact
// cardinal directions between them (N and S with 0°, L and O with 90°).
enum class Quadrante { N, NE, L, SE, S, SO, O, NO };
// Whether the given bearing is magnetic (on the survey date), true, or a grid
// bearing (UTM, in the given zone or the point's own).
enum class ReferenciaRumo { Magnetico, Verdadeiro, Quadricula };
// How the position is given: latitude and longitude, or UTM.
enum class FormaPosicao { Geograficas, Utm };

// The boxes of the "Conversão de Rumos" window exactly as typed. The position
// boxes are named as on the main window; the bearing's angle has the same
// two entry forms as a coordinate.
struct TextosConversao {
    QString latGraus, latG, latM, latS;
    QString lonGraus, longG, longM, longS;
    FormaEntrada formaLatitude = FormaEntrada::GrausMinutosSegundos;
    FormaEntrada formaLongitude = FormaEntrada::GrausMinutosSegundos;
    QString diaLev, mesLev, anoLev;     // "Data do levantamento"
    QString diaConv, mesConv, anoConv;  // "Data da conversão"
    // The bearing is optional: every box of its active form empty means none.
    TipoRumo tipo = TipoRumo::Azimute;
    FormaEntrada formaAngulo = FormaEntrada::GrausMinutosSegundos;
    QString angGraus, angG, angM, angS;
    Quadrante quadrante = Quadrante::NE;  // rumo only
    ReferenciaRumo referencia = ReferenciaRumo::Magnetico;
    FormaPosicao formaPosicao = FormaPosicao::Geograficas;
    TextosUtm utm;
    geo::Datum datum = geo::Datum::Sirgas2000;  // of either form

    // Results belong to the boxes exactly as they were converted.
    bool operator==(const TextosConversao&) const = default;
};

// The declination the IGRF gives at one date, and the regional model's where
// the date lies in its period.
struct DeclinacaoNaData {
    double anoDecimal = 0;
    double D = 0;   // degrees east of true north
    double dD = 0;  // degrees per year
    std::optional<float> regional;  // regional model's D (degrees), 1995–2005 only
    // Why the regional model gave no D for a date in 1995–2005 (its
    // coefficient files): the conversion goes on, the text says "indisponível".
    QString erroRegional;
};

// The bearings of one conversion, as azimuths in whole seconds of arc in
// [0°, 360°).
struct RumosConvertidos {
    long long informado = 0;           // the given bearing
    long long verdadeiro = 0;          // true azimuth
    long long magneticoConversao = 0;  // magnetic azimuth on the conversion date
    std::optional<long long> quadricula;  // grid azimuth (true minus the convergence as shown)
};

// Where the point lies in SIRGAS 2000 and on the UTM grid.
struct GeodesiaConversao {
    PosicaoGeodesica posicao;          // in the given datum and in SIRGAS 2000
    geo::PontoUtm utmProprio;          // SIRGAS 2000 UTM, in the point's own zone
    std::optional<geo::PontoUtm> utmDado;  // in the given zone, where that is another
    geo::PontoUtm grade;               // the zone whose grid bearings count: the given one, else the point's
    geo::FatoresUtm fatores;           // γ and k there
};

// Every text the window shows after a conversion, named after its label.
struct TextosResultadoConversao {
    QString decLev, varLev;     // declination and its annual variation, survey date
    QString decConv, varConv;   // the same on the conversion date
    QString difDec;             // change of declination, conversion minus survey date
    QString azVerd, rumoVerd;   // true bearing as azimuth and as rumo (empty without a bearing)
    QString azMagConv, rumoMagConv;  // magnetic bearing on the conversion date
    QString regLev, regConv;    // regional model's declination (empty outside 1995–2005)
    QString nota;               // how a survey date given as a year only was taken (else empty)
    QString modelo;             // the line naming the model, its accuracy and the rounding
    QString azQuad, rumoQuad;   // grid bearing (empty without a bearing or a grid)
    // The position and grid: SIRGAS 2000 geographic, UTM in the point's own
    // zone and in the given one, γ as an angle and in words, k, the datum's
    // transformation; all empty where PROJ gave nothing.
    QString posicaoSirgas, utmProprio, utmDado, convergencia, sentidoConvergencia, escala, transformacao;
};

// Everything one successful press of "Converter" produces.
struct Conversao {
    TextosConversao entrada;
    double latitude = 0, longitude = 0;  // decimal degrees
    ValoresData dataLevantamento, dataConversao;  // the dates converted
    bool levantamentoSoAno = false;  // the survey date was given as a year only
    DeclinacaoNaData levantamento, conversao;
    std::optional<RumosConvertidos> rumos;  // empty when no bearing was given
    std::optional<GeodesiaConversao> geodesia;  // empty only for SIRGAS 2000 latitude and longitude without PROJ
    TextosResultadoConversao textos;
};

using ResultadoConversao = std::variant<FalhaGuarda, FalhaModelo, Conversao>;

// The whole conversion without windows: the checks in order (position as on
// the main window, survey date, conversion date, bearing), the IGRF-14 table
// read once from `pastaPrograma` and kept, the regional coefficient files read
// afresh where a date lies in 1995–2005, every result text.
ResultadoConversao CalculaConversao(const TextosConversao& entrada, const QLocale& locale,
                                    const QString& pastaPrograma);

}  // namespace ceravel
