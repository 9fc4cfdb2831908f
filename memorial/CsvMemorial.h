// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ceravel {

// The bytes of the program's CSV: lines ended by CR LF, in Windows-1252 like
// the main export (what a spreadsheet set to Portuguese (Brazil) opens as
// it is); a text holding a character outside that code page (a confrontante
// in another script) is written in UTF-8 with a byte-order mark instead,
// which the same spreadsheets recognise, so nothing typed is lost.
struct BytesCsv {
    QByteArray bytes;
    bool utf8 = false;
    QString caractere;  // the first character that forced UTF-8
};
BytesCsv CodificaCsv(const QStringList& linhas);

// Writes them atomically to `caminho` (an earlier file stays whole until the
// new one is complete). The message the user reads: where it went, in which
// encoding, or why not.
struct GravacaoCsv {
    bool gravado = false;
    QString mensagem;
};
GravacaoCsv GravaCsv(const QString& caminho, const QStringList& linhas);

}  // namespace ceravel
