// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/Memorial.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace ceravel {

// Whether a row's bearing and distance can be read: the values, or the
// reason (naming the cell) why not.
struct VerificacaoSegmento {
    std::optional<SegmentoLido> lido;
    QString motivoRumo, motivoDistancia;  // empty where the cell is readable
    QString motivo() const;               // both reasons, as one sentence each
};
VerificacaoSegmento VerificaSegmento(const SegmentoMemorial& segmento, const QLocale& locale);

// One line of a pasted block or of a segments file, in the text's order.
struct LinhaSegmento {
    int linha = 0;              // 1-based line number in the text
    SegmentoMemorial segmento;  // what could be taken from the line, even when refused
    QString motivo;             // empty when its bearing and distance read
};

// A block of text as segments. Blank lines, lines starting with "#" and a
// first line of column names are skipped. Each other line is, by its shape:
//  - fields separated by tabs (a spreadsheet) or by ";" (a segments file):
//    "De, Para, Rumo, Distância[, Confrontante]", or "Rumo, Distância";
//  - deed text, where "rumo" or "azimute" names the bearing: "do marco M1
//    segue com rumo 45°30' NE e distância de 120,50 m até o marco M2; daí
//    segue com rumo S 12°15' O, 87,30 m, até M3" gives one segment per
//    clause that names a bearing ("até X" is "Para", "do marco X" is "De");
//  - a bearing followed by a distance: "N 45°30' E 120,50".
// A missing "De" is the previous segment's "Para" (`paraAnterior` for the
// first), as the table pre-fills it.
std::vector<LinhaSegmento> LeSegmentos(const QString& texto, const QLocale& locale,
                                       const QString& paraAnterior = {});

// The refused lines as one message: "Linha N: motivo" per line, or empty.
QString MensagemLinhasRecusadas(const std::vector<LinhaSegmento>& linhas);

}  // namespace ceravel
