#pragma once

#include "lote/CalculaPonto.h"
#include "lote/SaidaLote.h"

#include <QString>
#include <QStringView>

namespace ceravel::lote {

// The input texts of a point, as they stand in its line.
struct TextosLinha {
    QStringView latitude, longitude, data;
};

// The column names, fields joined by ";".
QString CabecalhoSaida();
bool EscreveCabecalho(SaidaLote& saida);

// One row per point: line number, input texts, decimal year, D, dD, I, dI,
// F, dF, X, dX, Y, dY, Z, dZ, declination text and message. A refused point
// has empty result fields and the message. False when the encoding cannot
// hold the input texts (nothing written) or when writing failed (the
// output's `erro()` says so).
bool EscreveLinhaPonto(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos,
                       const ResultadoPonto& resultado);
bool EscreveLinhaFalha(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos, const QString& mensagem);

}  // namespace ceravel::lote
