// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lote/CalculaPonto.h"
#include "lote/LeitorLinhas.h"
#include "lote/Progresso.h"
#include "lote/SaidaLote.h"
#include "model/Coeficientes.h"

#include <QLocale>
#include <QString>
#include <atomic>

namespace ceravel::lote {

struct ResumoLote {
    qint64 pontos = 0;  // lines that held a point (or tried to)
    qint64 falhas = 0;  // of those, the ones reported with a message
    QString erro;       // a failure that stopped the batch (input or output)
};

// How the lines are shared out. Whatever the values, the output is the same
// bytes, in input order, with the same counts.
struct OpcoesProcessamento {
    int nucleos = 1;            // worker threads; 1: everything on the calling thread
    int linhasPorBloco = 4096;  // lines a worker takes at a time
    // Set from elsewhere (Ctrl-C): the batch stops before its next block, with
    // MensagemInterrompido.
    const std::atomic<bool>* interrompido = nullptr;
};

// Reads every line, skips blank lines, comments and a first line of column
// names, and writes the header and one row per point. Failing points are
// rows with their message; only an input or output failure (or an
// interruption) stops the batch. The input is read as it is consumed, with at
// most two blocks per thread in memory.
ResumoLote ProcessaLote(LeitorLinhas& entrada, SaidaLote& saida, const ModeloLote& modelo,
                        const QLocale& locale, Progresso* progresso = nullptr,
                        const OpcoesProcessamento& opcoes = {});

}  // namespace ceravel::lote
