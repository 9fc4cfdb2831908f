// SPDX-License-Identifier: GPL-3.0-or-later
// The deed window's "Polígono no terreno" as wiring: a start vertex and a conversion
// fill the closure, the vertices and the exports; any change empties them; a bad box
// is refused, focused. The traverse, its texts and files: tests/poligono, present, export.
#include "AmbienteJanelas.h"

#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

TEST_F(AmbienteJanelas, PainelPoligonoVerticeInicialFechamentoEExportacao)
{
    copiaIgrf();
    usaLocale(QLocale(QStringLiteral("pt_BR")));
    calculaComSucesso();
    aciona("MAMemorial");
    AviventacaoMemorial* janela = janelaAberta<AviventacaoMemorial>();
    ASSERT_NE(janela, nullptr);
    const auto caixa = [&](const char* nome, const QString& t) {
        auto& c = controle<QLineEdit>(*janela, nome);
        c.setText(t);
        emit c.textEdited(t);
    };
    const auto vertices = [&] { return controle<QTableWidget>(*janela, "VerticesPoligono").rowCount(); };
    caixa("Levantamento", QStringLiteral("1987"));
    clica(*janela, "OpVerdadeiro");
    janela->cola(QStringLiteral("M1\tM2\t0\t100\nM2\tM3\t90\t100\nM3\tM4\t180\t100\nM4\tM1\t270\t100\n"));
    caixa("ZonaInicial", QStringLiteral("23"));
    caixa("NorteInicial", QStringLiteral("8252943,25"));
    // Each change, the deed's or the pane's, after a fresh conversion.
    for (const char* muda : {"Levantamento", "LesteInicial"}) {
        SCOPED_TRACE(muda);
        caixa("LesteInicial", QStringLiteral("192848,93"));
        clica(*janela, "BtConverter");
        ASSERT_EQ(vertices(), 4) << mensageiro.todas();
        EXPECT_TRUE(texto(*janela, "ResumoPoligono").contains(QStringLiteral("Perímetro (m): 400,000")));
        mensageiro.arquivo = pasta.filePath(QStringLiteral("p.kml"));
        clica(*janela, "BtExportarKml");
        EXPECT_TRUE(QFile::exists(mensageiro.arquivo)) << mensageiro.todas();
        caixa(muda, QStringLiteral("1988"));
        EXPECT_EQ(vertices(), 0);
        EXPECT_FALSE(controle<QPushButton>(*janela, "BtExportarKml").isEnabled());
    }
    mensageiro.mensagens.clear();
    caixa("ZonaInicial", QStringLiteral("30"));
    controle(*janela, "NorteInicial").setFocus();
    clica(*janela, "BtConverter");
    EXPECT_EQ(vertices(), 0);
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains(QStringLiteral("zona")));
    EXPECT_EQ(janela->focusWidget(), &controle(*janela, "ZonaInicial"));
}

}  // namespace
}  // namespace ceravel::teste
