#include "export/Windows1252.h"

#include <QStringEncoder>

#include <algorithm>

namespace ceravel {

namespace {

constexpr char NomeCodificacao[] = "windows-1252";

}  // namespace

bool AcrescentaWindows1252(QByteArray& destino, QStringView texto)
{
    // Below U+0080 and from U+00A0 to U+00FF the code page holds each
    // character as the byte of the same value, so the usual text (digits,
    // Portuguese letters, º and °) needs no converter at all.
    const bool latin1Comum = std::all_of(texto.cbegin(), texto.cend(), [](QChar ch) {
        return ch.unicode() < 0x80 || (ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF);
    });
    if (latin1Comum) {
        const qsizetype inicio = destino.size();
        destino.resize(inicio + texto.size());
        char* bytes = destino.data() + inicio;
        for (qsizetype i = 0; i < texto.size(); ++i)
            bytes[i] = static_cast<char>(texto[i].unicode());
        return true;
    }
    // ICU's converter behind QStringEncoder; it flags, and never silently
    // substitutes, what the code page lacks.
    QStringEncoder codificador(NomeCodificacao, QStringEncoder::Flag::Stateless);
    if (!codificador.isValid())
        return false;
    const QByteArray bytes = codificador.encode(texto);
    if (codificador.hasError())
        return false;
    destino += bytes;
    return true;
}

QString PrimeiroNaoRepresentavel(QStringView texto)
{
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n =
            texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate() ? 2 : 1;
        QByteArray descartado;
        if (!AcrescentaWindows1252(descartado, texto.sliced(i, n)))
            return texto.sliced(i, n).toString();
        i += n;
    }
    return {};
}

bool ConversorWindows1252Disponivel()
{
    return QStringEncoder(NomeCodificacao, QStringEncoder::Flag::Stateless).isValid();
}

}  // namespace ceravel
