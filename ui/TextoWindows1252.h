// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace ceravel {

// A text file of the program (Windows-1252, CR LF), whole, as shown on
// screen. Empty optional when it cannot be opened or read.
std::optional<QString> LeTextoWindows1252(const QString& caminho);

}  // namespace ceravel
