// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lote/LeitorLinhas.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace ceravel::lote {

// A run of consecutive input lines, copied out of the reader so that a worker
// can process them while the reader goes on, and the rows they give.
struct BlocoLinhas {
    struct Linha {
        qint64 numero = 0;       // in the input, from 1
        qsizetype inicio = 0;    // into `bytes`
        qsizetype tamanho = 0;
        bool longaDemais = false;  // cut by the reader
    };

    QByteArray bytes;            // the lines, back to back, without line ends
    std::vector<Linha> linhas;
    qint64 bytesLidos = 0;       // input bytes read when the block was filled (progress)

    // Filled by the processing.
    QByteArray saida;            // the rows, encoded
    qint64 pontos = 0;           // lines that held a point (or tried to)
    qint64 falhas = 0;           // of those, the ones written with a message
    QString erro;                // a failure that stops the batch

    QByteArrayView linha(const Linha& l) const { return QByteArrayView(bytes).sliced(l.inicio, l.tamanho); }

    // Empties the block, keeping its room for the next one.
    void limpa()
    {
        bytes.resize(0);
        linhas.clear();
        bytesLidos = 0;
        saida.resize(0);
        pontos = falhas = 0;
        erro.clear();
    }

    void acrescenta(QByteArrayView linha, qint64 numero, bool longaDemais)
    {
        linhas.push_back({numero, bytes.size(), linha.size(), longaDemais});
        bytes.append(linha);
    }
};

}  // namespace ceravel::lote
