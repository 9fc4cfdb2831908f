// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/ConverteMemorial.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace ceravel {

// The results table of a converted deed, one row per segment, as the window,
// "Copiar", "Exportar CSV", the report and ceravel-memorial all give it.
enum class ColunaMemorial {
    De, Para, Rumo, Distancia, Confrontante,
    AzVerdadeiro, RumoVerdadeiro, AzMagnetico, RumoMagnetico,
    DecLevantamento, DecConversao,
    // The same angles as decimal-degree numbers (6 decimals, the locale's
    // separator), so a spreadsheet can calculate with them.
    AzVerdadeiroGraus, AzMagneticoGraus, DecLevantamentoGraus, DecConversaoGraus,
    Mensagem,
};
inline constexpr int ColunasMemorial = static_cast<int>(ColunaMemorial::Mensagem) + 1;

QString TituloColuna(ColunaMemorial coluna);

struct TabelaMemorial {
    QStringList titulos;             // every column, in ColunaMemorial's order
    std::vector<QStringList> linhas;  // one per segment; a refused row has only its inputs and Mensagem
};

// "Distância (m)" holds the distance read, as a number; the bearing stays as typed.
TabelaMemorial TabelaResultados(const ConversaoMemorial& conversao, const QLocale& locale);

// The lines above the table: position, model, dates and declinations, and
// FraseDeclinacao.
QStringList ResumoMemorial(const ConversaoMemorial& conversao, const QLocale& locale);

// Which declination the rows used: why the position's serves the whole deed
// (with the polygon, how far its start vertices' values lie from it), or that
// each row took its start vertex's (with their range).
QString FraseDeclinacao(const ConversaoMemorial& conversao, const QLocale& locale);

// The model's credit, as the report ends.
QString CreditoModelo(ModeloMemorial modelo);

// The table as text: tab-separated lines for the clipboard (no quoting;
// tabs and line breaks inside a cell become blanks), or the program's CSV
// (";" separated, a cell holding ";", a quote or a line break quoted),
// the titles first, lines ended by "\n".
QString TextoTabulado(const TabelaMemorial& tabela);
QStringList LinhasCsv(const TabelaMemorial& tabela);

}  // namespace ceravel
