// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ModeloCalculo.h"
#include "present/TextosResultado.h"

class QWidget;

namespace ceravel {

class Janelas;

// Writes the texts of one successful calculation into Main, DComp and
// Relatorio, creating the two hidden windows if needed, places both needles and
// shows the results, always in the same order.
void Apresenta(const TextosResultado& textos, Janelas& janelas, ModeloCalculo modelo = ModeloCalculo::Regional);

// The model's line of the banner ("Label11") in a window that has one.
void EscreveModeloFaixa(QWidget& janela, ModeloCalculo modelo);

}  // namespace ceravel
