// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"
#include "calc/ModeloCalculo.h"
#include "calc/ValidaEntrada.h"
#include "model/Coeficientes.h"
#include "model/ElementosCampo.h"
#include "present/TextosResultado.h"

#include <QLocale>
#include <QString>
#include <variant>

namespace ceravel {

// A model failure (coefficient file missing or short, numeric overflow):
// Portuguese message naming the file or the problem.
struct FalhaModelo {
    QString mensagem;
};

// Everything one successful press of "Calcular" produces.
struct Calculo {
    TextosEntrada entrada;      // the boxes as typed for this calculation
    PedidoValidado pedido;
    ElementosCampo elementos;
    TextosResultado textos;
    ModeloCalculo modelo = ModeloCalculo::Regional;
};

using ResultadoCalculo = std::variant<FalhaGuarda, FalhaModelo, Calculo>;

// The whole Calculate command without windows: checks, coefficient files read
// afresh from `pastaPrograma`, model run, every result text. Under IGRF-14
// the dates run from 1900 to 2029 and the table is read once per process.
ResultadoCalculo Calcula(const TextosEntrada& entrada, const QLocale& locale,
                         const QString& pastaPrograma, ModeloCalculo modelo = ModeloCalculo::Regional);

// A position and date that passed the checks, and the field the model gives there.
struct CampoCalculado {
    PedidoValidado pedido;
    ElementosCampo elementos;
};

using ResultadoCampo = std::variant<FalhaGuarda, FalhaModelo, CampoCalculado>;

// The same checks and model run on sets already read, without the result
// texts: the batch program reads the sets once and writes only the
// declination text; forming every text of a Calculo would take most of its
// time per point.
ResultadoCampo CalculaSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                const ConjuntosCoeficientes& conjuntos);

}  // namespace ceravel
