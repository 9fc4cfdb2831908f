// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/Windows1252.h"

#include <QStringEncoder>

#include <algorithm>
#include <iconv.h>
#include <vector>

namespace ceravel {

namespace {

constexpr char NomeCodificacao[] = "windows-1252";

// Qt converts Windows-1252 only when it is built with ICU; glibc's iconv always
// knows it.
QString DecodificaComIconv(QByteArrayView bytes)
{
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    // One Windows-1252 byte becomes at most three UTF-8 bytes.
    std::vector<char> saida(static_cast<size_t>(bytes.size()) * 3 + 1);
    char* entrada = const_cast<char*>(bytes.data());
    size_t restaEntrada = static_cast<size_t>(bytes.size());
    char* destino = saida.data();
    size_t restaSaida = saida.size();
    while (restaEntrada > 0) {
        if (iconv(cd, &entrada, &restaEntrada, &destino, &restaSaida) != static_cast<size_t>(-1))
            break;
        // A byte iconv leaves undefined (0x81, 0x8D, ...) becomes the control
        // character of the same number, as with ICU: two UTF-8 bytes.
        const unsigned char byte = static_cast<unsigned char>(*entrada++);
        --restaEntrada;
        if (restaSaida < 2)
            break;
        *destino++ = static_cast<char>(0xC0 | (byte >> 6));
        *destino++ = static_cast<char>(0x80 | (byte & 0x3F));
        restaSaida -= 2;
    }
    iconv_close(cd);
    return QString::fromUtf8(saida.data(), static_cast<qsizetype>(destino - saida.data()));
}

}  // namespace

char* CodificaWindows1252(char* destino, QStringView texto)
{
    // Below U+0080 and from U+00A0 to U+00FF the code page holds each
    // character as the byte of the same value, so the usual text (digits,
    // Portuguese letters, º and °) needs no converter at all.
    qsizetype i = 0;
    for (; i < texto.size(); ++i) {
        const char16_t ch = texto[i].unicode();
        if (ch >= 0x80 && (ch < 0xA0 || ch > 0xFF))
            break;
        destino[i] = static_cast<char>(ch);
    }
    if (i == texto.size())
        return destino + i;
    // ICU's converter behind QStringEncoder; it flags, and never silently
    // substitutes, what the code page lacks.
    QStringEncoder codificador(NomeCodificacao, QStringEncoder::Flag::Stateless);
    if (!codificador.isValid())
        return nullptr;
    const QByteArray bytes = codificador.encode(texto.sliced(i));
    if (codificador.hasError() || bytes.size() > texto.size() - i)
        return nullptr;
    return std::copy(bytes.cbegin(), bytes.cend(), destino + i);
}

bool AcrescentaWindows1252(QByteArray& destino, QStringView texto)
{
    const qsizetype inicio = destino.size();
    destino.resize(inicio + texto.size());
    const char* fim = CodificaWindows1252(destino.data() + inicio, texto);
    destino.resize(fim ? fim - destino.constData() : inicio);
    return fim != nullptr;
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

DecodificadorWindows1252::DecodificadorWindows1252()
    : conversor_(NomeCodificacao, QStringDecoder::Flag::Stateless)
{
}

QString DecodificadorWindows1252::decodifica(QByteArrayView bytes)
{
    if (!conversor_.isValid())
        return DecodificaComIconv(bytes);
    QString texto = conversor_.decode(bytes);
    conversor_.resetState();
    return texto;
}

QString TextoArquivoWindows1252(QByteArrayView bytes)
{
    QString texto = DecodificadorWindows1252().decodifica(bytes);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto;
}

}  // namespace ceravel
