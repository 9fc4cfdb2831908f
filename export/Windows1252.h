#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace ceravel {

// Windows-1252, the code page of the program's text files: the export file,
// the help text and the batch program's output and input.

// Appends `texto` to `destino` in the code page: false, with `destino`
// unchanged, when a character is not in it. A character is never replaced by
// another ("best fit").
bool AcrescentaWindows1252(QByteArray& destino, QStringView texto);

// The first character of `texto` (a surrogate pair counts as one) that
// AcrescentaWindows1252 cannot write; empty when there is none.
QString PrimeiroNaoRepresentavel(QStringView texto);

// False when the system has no converter for the code page; then only the
// Latin-1 part of it can be written.
bool ConversorWindows1252Disponivel();

}  // namespace ceravel
