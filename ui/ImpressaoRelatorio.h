// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;
class QPrinterInfo;

namespace ceravel {

class Mensageiro;
class Relatorio;

// Prints the report's whole client area as one page on `impressora`, as vector
// text and lines, at its true size (10680 x 11145 twips) from the top left of
// the printable area, or smaller if the printable area is smaller. Returns
// false if the page could not be produced.
bool ImprimeRelatorio(Relatorio& relatorio, QPrinter& impressora);

// Prints the report on `impressora`; if that fails, tells the user so.
// Returns whether the page was produced.
bool ImprimeOuAvisa(Relatorio& relatorio, QPrinter& impressora, Mensageiro& mensageiro);

// Prints the report on the printer `impressora` without a dialog and without a
// message on success; a null printer (none installed) or a failure gives a
// message and leaves the report as it was.
void ImprimeNaImpressora(Relatorio& relatorio, const QPrinterInfo& impressora,
                         Mensageiro& mensageiro);

// "&Imprimir": the same on the system's default printer.
void ImprimeNaImpressoraPadrao(Relatorio& relatorio, Mensageiro& mensageiro);

}  // namespace ceravel
