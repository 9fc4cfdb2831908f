// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"

#include <string>

namespace ceravel::ajuste {

// The 31 coefficients one per line, each in the shortest form that reads
// back to the same double, full stop as decimal point whatever the locale,
// LF line ends. Empty on success, else a Portuguese message.
std::string TextoCoeficientes(const Coeficientes& c);
std::string EscreveCoeficientes(const std::string& caminho, const Coeficientes& c);

}  // namespace ceravel::ajuste
