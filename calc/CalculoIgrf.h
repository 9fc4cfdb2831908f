// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"
#include "calc/EntradaCalculo.h"
#include "calc/ValidaEntrada.h"
#include "model/Igrf14.h"
#include "model/igrf/ElementosIgrf.h"
#include "model/igrf/ModeloIgrf.h"

#include <QLocale>
#include <variant>

namespace ceravel {

// A position and date that passed the checks, and the IGRF-14 field there at
// sea level: D, I in degrees, their rates in degrees per year, the
// intensities in nT and nT per year.
struct CampoIgrfCalculado {
    PedidoValidado pedido;
    igrf::ElementosIgrf elementos;
};

using ResultadoCampoIgrf = std::variant<FalhaGuarda, CampoIgrfCalculado>;

// "O modelo IGRF-14 é válido somente para datas entre 1900 e 2029."
const QString& MensagemPeriodoIgrf14();

// The Calculate command's checks, in their order and with their messages,
// but for IGRF-14's period (dates from 1900 to 2029), then IGRF-14 at the
// position and decimal year.
ResultadoCampoIgrf CalculaIgrfSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                        const igrf::ModeloIgrf& modelo);
// The same through an evaluator that keeps the last date's coefficients.
ResultadoCampoIgrf CalculaIgrfSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                        AvaliadorIgrf14& avaliador);

}  // namespace ceravel
