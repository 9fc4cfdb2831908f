// SPDX-License-Identifier: GPL-3.0-or-later
// "Variação Secular": opened at the last calculation's point, its curves and
// mark, the readout, "Copiar tabela" and "Salvar imagem...".
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"
#include "ui/VariacaoSecular.h"

#include <QChartView>
#include <QClipboard>
#include <QComboBox>

namespace ceravel::teste {
namespace {

// The wiring: the calculation's point, the chosen element, the clipboard's
// numbers in the locale's form, the readout's year, the saved image.
TEST_F(AmbienteJanelas, VariacaoSecularNoPontoDoCalculo)
{
    copiaIgrf();
    const auto e = CampoIgrf14(*CarregaIgrf14(pasta.path()).modelo, -15, -55, AnoDecimal(1, 7, 1957));
    usaLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    calculaComSucesso();
    abreModal<VariacaoSecular>(QStringLiteral("MAVariacao"), Janela::VariacaoSecular, [&](VariacaoSecular& janela) {
        VariacaoSecular* v = &janela;
        controle<QComboBox>(*v, "Elemento").setCurrentIndex(static_cast<int>(ElementoSecular::F));
        ASSERT_EQ(v->serieIgrf().size(), 130u);
        EXPECT_EQ(v->serieIgrf()[57].valor, static_cast<float>(e->F));
        // The test folder's regional model: F = 23456.74 nT in mid-2000.
        ASSERT_EQ(v->serieRegional().size(), 11u);
        EXPECT_NEAR(v->serieRegional()[5].valor, 23456.74, 0.01);

        clica(*v, "BtCopiar");
        const QStringList campos = QApplication::clipboard()->text().split(u'\n').value(58).split(u'\t');
        ASSERT_EQ(campos.size(), 4);
        EXPECT_EQ(campos[0], "1957");
        EXPECT_NEAR(locale.toDouble(campos[2]), e->F, 0.05);
        EXPECT_NEAR(locale.toDouble(campos[3]), e->dF, 0.05);

        v->resize(960, 640);
        QApplication::processEvents();
        auto& vista = controle<QChartView>(*v, "Grafico");
        const QPointF meio = vista.mapFromScene(vista.chart()->mapToScene(vista.chart()->plotArea().center()));
        EXPECT_TRUE(v->leituraEm(meio).startsWith(QStringLiteral("1/7/196"))) << v->leituraEm(meio).toStdString();
        EXPECT_EQ(v->leituraEm(QPointF(2, 2)), QString());

        QTemporaryDir saida;
        mensageiro.mensagens.clear();
        EXPECT_TRUE(v->salvaEm(saida.filePath("grafico.svg")));
        EXPECT_EQ(mensageiro.mensagens, QStringList{"Imagem salva em " + saida.filePath("grafico.svg")});
    });
}

}  // namespace
}  // namespace ceravel::teste
