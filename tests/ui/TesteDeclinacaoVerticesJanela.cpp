// SPDX-License-Identifier: GPL-3.0-or-later
// The deed window with a start vertex, as wiring: a deed of 12 km shows each
// row's own declination (its start vertex's) and says so in the summary; one of
// 4 km keeps the position's. The values are tested in tests/poligono.
#include "AmbienteJanelas.h"

#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QFile>
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
    controle<QLineEdit>(*janela, "ZonaInicial").setText(QStringLiteral("23"));
    controle<QLineEdit>(*janela, "LesteInicial").setText(QStringLiteral("192848,93"));
    controle<QLineEdit>(*janela, "NorteInicial").setText(QStringLiteral("8252943,25"));
    const struct {
        const char* lados;
        int declinacoes;  // distinct D(survey) texts among the 4 rows
        const char* resumo;
    } casos[] = {{"4000\t2000", 4, "mais de 10 km"}, {"1000\t1000", 1, "até 10 km"}};
    for (const auto& c : casos) {
        const QStringList l = QString::fromLatin1(c.lados).split(u'\t');
        janela->defineMemorial([&] {
            Memorial m = janela->memorial();
            m.segmentos = {{"M1", "M2", "0", l[0], {}}, {"M2", "M3", "90", l[1], {}}, {"M3", "M4", "180", l[0], {}},
                           {"M4", "M1", "270", l[1], {}}};
            return m;
        }());
        clica(*janela, "BtConverter");
        const auto& tabela = controle<QTableWidget>(*janela, "Resultados");
        ASSERT_EQ(tabela.rowCount(), 4) << mensageiro.mensagens.join(u'\n').toStdString();
        QSet<QString> declinacoes;
        for (int i = 0; i < 4; ++i)
            declinacoes << tabela.item(i, 7)->text();  // "Declinação no levantamento"
        EXPECT_EQ(declinacoes.size(), c.declinacoes) << c.lados;
        EXPECT_TRUE(texto(*janela, "Resumo").contains(QString::fromUtf8(c.resumo))) << texto(*janela, "Resumo").toStdString();
    }
}

}  // namespace
}  // namespace ceravel::teste
