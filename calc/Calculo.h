#pragma once

#include "calc/EntradaCalculo.h"
#include "calc/ValidaEntrada.h"
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
};

using ResultadoCalculo = std::variant<FalhaGuarda, FalhaModelo, Calculo>;

// The whole Calculate command without windows: checks, coefficient files read
// afresh from `pastaPrograma`, model run, every result text.
ResultadoCalculo Calcula(const TextosEntrada& entrada, const QLocale& locale,
                         const QString& pastaPrograma);

}  // namespace ceravel
