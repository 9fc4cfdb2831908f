// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: each takes random bytes, runs one reader or
// command and checks what must always hold. A broken invariant prints what
// broke and aborts, so libFuzzer keeps the input and the replay test fails.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace ceravel::fuzz {

inline void Confere(bool condicao, const char* invariante, const QString& detalhe = {})
{
    if (condicao)
        return;
    std::fprintf(stderr, "invariante violada: %s\n%s\n", invariante, detalhe.toUtf8().constData());
    std::abort();
}

// The input cut at every 0xFF byte (never in UTF-8), each piece as UTF-8 text:
// the boxes of a window, say. Missing pieces are empty.
inline QList<QString> Textos(QByteArrayView dados, qsizetype quantos)
{
    QList<QString> textos(quantos);
    const QList<QByteArray> partes = dados.toByteArray().split('\xFF');
    for (qsizetype k = 0; k < quantos && k < partes.size(); ++k)
        textos[k] = QString::fromUtf8(partes[k]);
    return textos;
}

// The C locale, Brazil's, and one whose minus sign (U+2212) and separator differ from the keyboard's.
inline QLocale LocaleDoByte(std::uint8_t byte)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil),
                                      QLocale(QLocale::Swedish, QLocale::Sweden)};
    return locales[byte % 3];
}

// The texts a success shows: none may be empty or hold a line break.
inline bool TextoExibivel(const QString& texto)
{
    return !texto.isEmpty() && !texto.contains(u'\n') && !texto.contains(u'\r');
}

// The fuzz targets, in the files of their names.
void AlvoNumeros(QByteArrayView dados);
void AlvoCoeficientes(QByteArrayView dados);
void AlvoLote(QByteArrayView dados);
void AlvoWindows1252(QByteArrayView dados);
void AlvoCalculo(QByteArrayView dados);
void AlvoIgrf(QByteArrayView dados);
void AlvoConversao(QByteArrayView dados);
void AlvoRumo(QByteArrayView dados);
void AlvoArquivoMemorial(QByteArrayView dados);

}  // namespace ceravel::fuzz
