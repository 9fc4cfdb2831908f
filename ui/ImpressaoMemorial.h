// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/ConverteMemorial.h"
#include "poligono/Poligonal.h"
#include "present/TextosPoligono.h"

#include <QLocale>

#include <optional>
#include <vector>

class QPrinter;

namespace ceravel {

class Mensageiro;

// The deed's polygon as the window computed it, for the report.
struct PoligonoImpresso {
    ResultadoPoligonal poligonal;
    std::vector<SegmentoPoligonal> segmentos;
    DescricaoPlano plano;
    double declinacao = 0;  // D on the conversion date as shown, degrees east
};

// The report of a converted deed on A4 pages, portrait: the deed's data and
// declinations (ResumoMemorial), the full results table with its titles
// repeated on every page, the model's credit, "Página N de M". With a
// polygon, a page follows with its drawing to scale (grid, scale bar,
// names, labels, the three norths), then its summary and the vertices' table.
// Vector text and lines. Returns false if a page could not be produced.
bool ImprimeMemorial(const ConversaoMemorial& conversao, const QLocale& locale, QPrinter& impressora,
                     const std::optional<PoligonoImpresso>& poligono = {});

// "Imprimir": on the system's default printer, without a dialog; a missing
// printer or a failure gives a message.
void ImprimeMemorialNaImpressoraPadrao(const ConversaoMemorial& conversao, const QLocale& locale,
                                       Mensageiro& mensageiro, const std::optional<PoligonoImpresso>& poligono = {});

// "Salvar PDF": the same pages into a PDF file; the message says why not.
bool SalvaMemorialPdf(const ConversaoMemorial& conversao, const QLocale& locale, const QString& caminho,
                      Mensageiro& mensageiro, const std::optional<PoligonoImpresso>& poligono = {});

}  // namespace ceravel
