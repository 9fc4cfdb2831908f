// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Apresentacao.h"

#include "ui/DComp.h"
#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Relatorio.h"

#include <QLabel>

namespace ceravel {

void EscreveModeloFaixa(QWidget& janela, ModeloCalculo modelo)
{
    if (auto* linha = janela.findChild<QLabel*>(QStringLiteral("Label11")))
        linha->setText(TextoFaixaModelo(modelo));
}

void Apresenta(const TextosResultado& t, Janelas& janelas, ModeloCalculo modelo)
{
    Main& main = janelas.main();
    main.escreveEpoca(t.epoca);
    janelas.dcomp().escreveComponentes(t);
    main.escreveDeclinacao(t.dmin, t.vd);
    janelas.dcomp().escreveInclinacao(t);
    janelas.relatorio().preencheTextos(t);
    EscreveModeloFaixa(janelas.relatorio(), modelo);
    janelas.dcomp().escreveModelo(modelo);

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
