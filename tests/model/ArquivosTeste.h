#pragma once

#include "model/Coeficientes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <charconv>
#include <gtest/gtest.h>

namespace ceravel::teste {

// Writes a coefficient file byte for byte (no newline translation).
inline void EscreveArquivo(const QString& pasta, const QString& nome, const QByteArray& conteudo)
{
    QFile arquivo(QDir(pasta).filePath(nome));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) << nome.toStdString();
    ASSERT_EQ(arquivo.write(conteudo), conteudo.size());
}

// The 31 values in shortest round-trip form, independent of any locale,
// each followed by `separador`.
inline QByteArray TextoCoeficientes(const Coeficientes& c, const char* separador = "\r\n")
{
    QByteArray texto;
    for (const double v : c.valores) {
        char numero[32];
        const auto fim = std::to_chars(numero, numero + sizeof numero, v).ptr;
        texto.append(numero, fim - numero).append(separador);
    }
    return texto;
}

}  // namespace ceravel::teste
