// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lote/BlocoLinhas.h"
#include "lote/CalculaPonto.h"
#include "lote/DecodificaLinha.h"
#include "lote/SaidaLote.h"

#include <QBuffer>
#include <QLocale>
#include <QString>

namespace ceravel::lote {

// Turns blocks of input lines into their rows. Each worker thread has its own
// (the decoder, the result and the output buffer are reused from line to
// line); the model is shared and only read.
class ProcessaBloco {
public:
    ProcessaBloco(const ModeloLote& modelo, const QLocale& locale, CodificacaoSaida codificacao);
    ProcessaBloco(const ProcessaBloco&) = delete;
    ProcessaBloco& operator=(const ProcessaBloco&) = delete;

    // Every line of `bloco`, in order: blank and comment lines are skipped,
    // the others give one row each (a failing point with its message), all
    // written into `bloco.saida`, with the counts.
    void processa(BlocoLinhas& bloco);

private:
    const ModeloLote& modelo_;
    const QLocale locale_;
    const QString separador_;
    const CodificacaoSaida codificacao_;
    DecodificaLinha decodificador_;
    ResultadoPonto resultado_;  // one for all points: its strings keep their room
};

}  // namespace ceravel::lote
