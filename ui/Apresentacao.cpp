#include "ui/Apresentacao.h"

#include "ui/DComp.h"
#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Relatorio.h"

namespace ceravel {

void Apresenta(const TextosResultado& t, Janelas& janelas)
{
    Main& main = janelas.main();
    main.escreveEpoca(t.epoca);
    janelas.dcomp().escreveComponentes(t);
    main.escreveDeclinacao(t.dmin, t.vd);
    janelas.dcomp().escreveInclinacao(t);
    janelas.relatorio().preencheTextos(t);

    // One needle per window: shown, then moved; its start stays where it is.
    Agulha& agulhaMain = main.agulha();
    Agulha& agulhaRelatorio = janelas.relatorio().agulha();
    agulhaMain.mostra(true);
    agulhaRelatorio.mostra(true);
    agulhaMain.posiciona(t.agulhaMain);
    agulhaRelatorio.posiciona(t.agulhaRelatorio);

    janelas.dcomp().mostraMolduras();
    main.mostraResultados();
}

}  // namespace ceravel
