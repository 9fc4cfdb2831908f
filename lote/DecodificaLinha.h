// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/Windows1252.h"

#include <QByteArrayView>
#include <QString>

namespace ceravel::lote {

// Turns the bytes of each input line into text. A line that is valid UTF-8 is
// read as UTF-8, any other as Windows-1252, so files in either encoding (and
// files pasted together from both) read correctly: Windows-1252 text with
// accents is practically never valid UTF-8 by chance.
class DecodificaLinha {
public:
    // The text of `bytes`; valid until the next call.
    const QString& decodifica(QByteArrayView bytes);

private:
    DecodificadorWindows1252 windows1252_;
    QString texto_;
};

// What the start of the input says about its encoding.
struct InicioEntrada {
    qsizetype marcaUtf8 = 0;  // bytes of a UTF-8 byte order mark to skip
    QString erro;             // an encoding the program does not read
};
InicioEntrada ExaminaInicio(QByteArrayView primeiraLinha);

}  // namespace ceravel::lote
