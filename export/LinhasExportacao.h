#pragma once

#include "calc/Calculo.h"

#include <QStringList>

namespace ceravel {

// The 26 lines of the export file, fields already joined by ";", without line
// ends. Built only from the texts of the last successful calculation.
QStringList LinhasExportacao(const Calculo& calculo);

}  // namespace ceravel
