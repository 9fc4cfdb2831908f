// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ceravel {

// The system's reason for a failed open, read or write, in Portuguese (Qt's
// own texts are English); `detalhe` is shown when the reason is not a known
// one. Callers say what was being done, and to which file or folder.
QString MotivoErro(int erro, const QString& detalhe = {});

}  // namespace ceravel
