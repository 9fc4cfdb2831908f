// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/ConverteMemorial.h"

#include <QLocale>

class QPrinter;

namespace ceravel {

class Mensageiro;

// The report of a converted deed on A4 pages, portrait: the deed's data and
// declinations (ResumoMemorial), the full results table with its titles
// repeated on every page, the model's credit, "Página N de M". Vector text
// and lines. Returns false if a page could not be produced.
bool ImprimeMemorial(const ConversaoMemorial& conversao, const QLocale& locale, QPrinter& impressora);

// "Imprimir": on the system's default printer, without a dialog; a missing
// printer or a failure gives a message.
void ImprimeMemorialNaImpressoraPadrao(const ConversaoMemorial& conversao, const QLocale& locale,
                                       Mensageiro& mensageiro);

// "Salvar PDF": the same pages into a PDF file; the message says why not.
bool SalvaMemorialPdf(const ConversaoMemorial& conversao, const QLocale& locale, const QString& caminho,
                      Mensageiro& mensageiro);

}  // namespace ceravel
