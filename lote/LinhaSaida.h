// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lote/CalculaPonto.h"
#include "lote/SaidaLote.h"

#include <QString>
#include <QStringView>

namespace ceravel::lote {

// The input texts of a point, as they stand in its line.
// In the UTM form the zone comes first, and latitude and longitude hold E and N.
struct TextosLinha {
    QStringView latitude, longitude, data;
    QStringView zona;
    bool utm = false;
};

// The column names, fields joined by ";". The UTM form names its four input
// fields; either geodesic option adds the SIRGAS 2000 position, γ and k last.
QString CabecalhoSaida(const FormaPosicaoLote& forma = {});
bool EscreveCabecalho(SaidaLote& saida, const FormaPosicaoLote& forma = {});

// One row per point: line number, input texts, decimal year, D, dD, I, dI,
// F, dF, X, dX, Y, dY, Z, dZ, declination text and message. A refused point
// has empty result fields and the message. False when the encoding cannot
// hold the input texts (nothing written) or when writing failed (the
// output's `erro()` says so).
// `geodesicas`: the rows end with the four geodesic fields (empty on a refusal).
bool EscreveLinhaPonto(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos,
                       const ResultadoPonto& resultado, bool geodesicas = false);
bool EscreveLinhaFalha(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos, const QString& mensagem,
                       bool geodesicas = false);

}  // namespace ceravel::lote
