#pragma once

#include "present/TextosResultado.h"

namespace ceravel {

class Janelas;

// Writes the texts of one successful calculation into Main, DComp and
// Relatorio, creating the two hidden windows if needed, places both needles and
// shows the results, always in the same order.
void Apresenta(const TextosResultado& textos, Janelas& janelas);

}  // namespace ceravel
