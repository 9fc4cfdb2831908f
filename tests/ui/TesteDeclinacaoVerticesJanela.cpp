// SPDX-License-Identifier: GPL-3.0-or-later
// The deed window with a start vertex, as wiring: a deed of 12 km shows each
// row's own declination (its start vertex's), in the window and the report,
// and says so in the summary. The values are tested in tests/poligono.
#include "AmbienteJanelas.h"

#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

class DeclinacaoVerticesJanela : public AmbienteJanelas {};

TEST_F(DeclinacaoVerticesJanela, LinhasEResumo)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"), pasta.filePath("igrf14coeffs.txt")));
    usaLocale(QLocale(QStringLiteral("pt_BR")));
    calculaComSucesso();
    aciona("MAMemorial");
    AviventacaoMemorial* janela = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<AviventacaoMemorial*>(w); m && m->isVisible())
            janela = m;
    ASSERT_NE(janela, nullptr);
    controle<QLineEdit>(*janela, "Levantamento").setText(QStringLiteral("1960"));
    janela->cola(QStringLiteral("M1\tM2\t0\t4000\nM2\tM3\t90\t2000\nM3\tM4\t180\t4000\nM4\tM1\t270\t2000\n"));
    controle<QLineEdit>(*janela, "ZonaInicial").setText(QStringLiteral("23"));
    controle<QLineEdit>(*janela, "LesteInicial").setText(QStringLiteral("192848,93"));
    controle<QLineEdit>(*janela, "NorteInicial").setText(QStringLiteral("8252943,25"));
    clica(*janela, "BtConverter");
    const auto& tabela = controle<QTableWidget>(*janela, "Resultados");
    ASSERT_EQ(tabela.rowCount(), 4) << mensageiro.mensagens.join(u'\n').toStdString();
    QSet<QString> declinacoes;
    for (int i = 0; i < 4; ++i)
        declinacoes << tabela.item(i, 7)->text();  // "Declinação no levantamento"
    EXPECT_EQ(declinacoes.size(), 4);
    EXPECT_TRUE(texto(*janela, "Resumo").contains(QStringLiteral("mais de 10 km"))) << texto(*janela, "Resumo").toStdString();
    // The report's table has the rows' own declinations too.
    mensageiro.arquivo = pasta.filePath(QStringLiteral("r.pdf"));
    ASSERT_TRUE(janela->salvarPdf());
    QProcess pdf;
    pdf.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), mensageiro.arquivo, QStringLiteral("-")});
    ASSERT_TRUE(pdf.waitForFinished(30000));
    const QString impresso = QString::fromUtf8(pdf.readAllStandardOutput());
    for (const QString& d : declinacoes)
        EXPECT_TRUE(impresso.contains(d)) << d.toStdString();
}

}  // namespace
}  // namespace ceravel::teste
