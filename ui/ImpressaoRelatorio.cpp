#include "ui/ImpressaoRelatorio.h"

#include "ui/Mensageiro.h"
#include "ui/Relatorio.h"

namespace ceravel {

// Provisional: printing is not available yet.
bool ImprimeRelatorio(Relatorio&, QPrinter&)
{
    return false;
}

void ImprimeNaImpressoraPadrao(Relatorio&, Mensageiro& mensageiro)
{
    mensageiro.informa(QStringLiteral("Não foi possível imprimir o relatório."));
}

}  // namespace ceravel
