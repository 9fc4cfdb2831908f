#pragma once

#include "lote/CalculaPonto.h"
#include "lote/LeitorLinhas.h"
#include "lote/Progresso.h"
#include "lote/SaidaLote.h"
#include "model/Coeficientes.h"

#include <QLocale>
#include <QString>

namespace ceravel::lote {

struct ResumoLote {
    qint64 pontos = 0;  // lines that held a point (or tried to)
    qint64 falhas = 0;  // of those, the ones reported with a message
    QString erro;       // a failure that stopped the batch (input or output)
};

// Reads every line, skips blank lines, comments and a first line of column
// names, and writes the header and one row per point. Failing points are
// rows with their message; only an input or output failure stops the batch.
ResumoLote ProcessaLote(LeitorLinhas& entrada, SaidaLote& saida, const ModeloLote& modelo,
                        const QLocale& locale, Progresso* progresso = nullptr);

}  // namespace ceravel::lote
