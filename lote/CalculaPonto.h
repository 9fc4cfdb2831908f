// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"
#include "model/Coeficientes.h"
#include "model/ElementosCampo.h"
#include "model/igrf/ElementosIgrf.h"
#include "model/igrf/ModeloIgrf.h"
#include "geo/Datum.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel::lote {

// The model a batch runs: the regional polynomial (the calculator's, dates
// 1995–2005) or IGRF-14 (dates 1900–2029). Read once for the whole batch.
// How the lines give the position: latitude; longitude; date (the
// calculator's) or, with --entrada utm, zone and hemisphere; E; N; date; and
// the datum of either (--datum). Either option adds the SIRGAS 2000 position,
// γ and k to the rows; the grids are looked for in `pastaGrades`.
struct FormaPosicaoLote {
    bool utm = false;
    std::optional<geo::Datum> datum;
    QString pastaGrades;
    bool colunasGeodesicas() const { return utm || datum; }
};

struct ModeloLote {
    ModeloLote(const ConjuntosCoeficientes& c) : regional(&c) {}
    ModeloLote(const igrf::ModeloIgrf& m) : igrf(&m) {}
    const ConjuntosCoeficientes* regional = nullptr;
    const igrf::ModeloIgrf* igrf = nullptr;
    FormaPosicaoLote posicao;
};

// The position in SIRGAS 2000 and the UTM factors there: in the given zone for
// UTM input, in the point's own zone for geographic input.
struct ResultadoGeodesico {
    double latitude = 0, longitude = 0;  // SIRGAS 2000, decimal degrees
    double convergencia = 0;             // γ, degrees, grid north clockwise from true north
    double escala = 1;                   // k
};

// What one point gives: the field of one of the models with its decimal year
// and declination text, or the calculator's message.
struct ResultadoPonto {
    std::optional<ElementosCampo> elementos;      // regional model
    std::optional<igrf::ElementosIgrf> igrf;      // IGRF-14
    double anoDecimal = 0;  // year + elapsed fraction, the given day counted
    QString declinacao;     // as the calculator shows it, e.g. -21º07'30''
    QString mensagem;       // why the point was refused (empty on success)
    std::optional<ResultadoGeodesico> geodesico;  // with --entrada utm or --datum

    bool calculado() const { return elementos || igrf; }
    void recusa(const QString& motivo)
    {
        elementos.reset();
        igrf.reset();
        geodesico.reset();
        anoDecimal = 0;
        mensagem = motivo;
    }
};

// The calculator's checks, model run and declination text for one point,
// with the model read once for the whole batch instead of on every press.
// For IGRF-14 the checks accept dates from 1900 to 2029 instead.
ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ModeloLote& modelo, const QLocale& locale);
// The same into `resultado`, whose strings keep their room from point to point.
void CalculaPonto(const TextosEntrada& entrada, const ModeloLote& modelo, const QLocale& locale,
                  ResultadoPonto& resultado);

}  // namespace ceravel::lote
