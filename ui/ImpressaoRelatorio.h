#pragma once

class QPrinter;

namespace ceravel {

class Mensageiro;
class Relatorio;

// Prints the report's whole client area as one page on `impressora`, as vector
// text and lines. Returns false if the page could not be produced.
bool ImprimeRelatorio(Relatorio& relatorio, QPrinter& impressora);

// "&Imprimir": the system's default printer, no dialog, no message on success;
// no printer or a failure gives a message and leaves everything as it was.
void ImprimeNaImpressoraPadrao(Relatorio& relatorio, Mensageiro& mensageiro);

}  // namespace ceravel
