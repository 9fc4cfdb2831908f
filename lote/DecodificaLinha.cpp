// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/DecodificaLinha.h"

#include <QStringDecoder>

#include <algorithm>

namespace ceravel::lote {

const QString& DecodificaLinha::decodifica(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        // The usual line: widened into the same buffer, no allocation per line.
        texto_.resize(bytes.size());
        QChar* destino = texto_.data();
        for (qsizetype i = 0; i < bytes.size(); ++i)
            destino[i] = QChar(static_cast<char16_t>(bytes[i]));
        return texto_;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    texto_ = utf8.decode(bytes);
    if (!utf8.hasError())
        return texto_;
    // Not UTF-8: Windows-1252, where every byte is a character.
    texto_ = windows1252_.decodifica(bytes);
    return texto_;
}

InicioEntrada ExaminaInicio(QByteArrayView primeiraLinha)
{
    if (primeiraLinha.startsWith("\xEF\xBB\xBF"))
        return {3, {}};
    if (primeiraLinha.startsWith("\xFF\xFE") || primeiraLinha.startsWith("\xFE\xFF"))
        return {0, QStringLiteral("a entrada está em UTF-16: grave-a em UTF-8 ou em Windows-1252.")};
    return {};
}

}  // namespace ceravel::lote
