// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace ceravel::lote {

// The batch program's own row and stop messages. None holds ";", the output's
// field separator.

// A line longer than the reader keeps whole.
const QString& MensagemLongaDemais();
// A character of the line that Windows-1252 cannot hold, named by its code ("U+2212").
QString MensagemNaoRepresentavel(const QString& caractere);
// A control character inside a field (a lone CR, a NUL), given as the character itself.
QString MensagemControle(QStringView caractere);
// The batch stopped by Ctrl-C (or SIGTERM) before its end.
const QString& MensagemInterrompido();
// The regional model's refusal of a date, with the option that takes it.
const QString& MensagemPeriodoRegionalLote();

}  // namespace ceravel::lote
