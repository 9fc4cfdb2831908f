// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ModeloCalculo.h"

namespace ceravel {

// The program's one setting, the model, kept in the user's Ceravel.ini
// (QSettings, INI format, user scope). A missing, unreadable or unknown
// value is the regional model.
ModeloCalculo LeModeloConfigurado();
// Saves the choice; a failure to write only loses it for the next run.
void GravaModeloConfigurado(ModeloCalculo modelo);

}  // namespace ceravel
