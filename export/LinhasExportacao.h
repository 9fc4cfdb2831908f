// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"

#include <QStringList>

namespace ceravel {

// The 26 lines of the export file, fields already joined by ";", without line
// ends (27 under IGRF-14, whose model line follows the epoch). Built only
// from the texts of the last successful calculation.
QStringList LinhasExportacao(const Calculo& calculo);

}  // namespace ceravel
