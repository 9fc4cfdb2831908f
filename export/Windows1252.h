// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

namespace ceravel {

// Windows-1252, the code page of the program's text files: the export file,
// the help text and the batch program's output and input.

// Appends `texto` to `destino` in the code page: false, with `destino`
// unchanged, when a character is not in it. A character is never replaced by
// another ("best fit").
bool AcrescentaWindows1252(QByteArray& destino, QStringView texto);
// The same into `destino`, which has room for texto.size() bytes (one byte a
// character): the end of what was written, or nullptr, with the bytes there
// undefined, when a character is not in the code page.
char* CodificaWindows1252(char* destino, QStringView texto);

// The first character of `texto` (a surrogate pair counts as one) that
// AcrescentaWindows1252 cannot write; empty when there is none.
QString PrimeiroNaoRepresentavel(QStringView texto);

// False when the system has no converter for the code page; then only the
// Latin-1 part of it can be written.
bool ConversorWindows1252Disponivel();

// Bytes of the code page as text. Every byte gives a character: the five the
// code page leaves undefined come out as the control characters of the same
// number, as Windows reads them. One decoder serves many calls.
class DecodificadorWindows1252 {
public:
    DecodificadorWindows1252();
    QString decodifica(QByteArrayView bytes);

private:
    QStringDecoder conversor_;
};

// A text file of the program (Windows-1252, lines ended by CR LF) as shown on
// screen, where a line end is "\n".
QString TextoArquivoWindows1252(QByteArrayView bytes);

}  // namespace ceravel
