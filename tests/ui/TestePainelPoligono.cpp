// SPDX-License-Identifier: GPL-3.0-or-later
// The deed window's "Polígono no terreno" as wiring: a start vertex and a
// conversion fill the closure, the vertices and the exports; any change of its
// boxes empties them; a bad box is refused with a message. The traverse, its
// texts and the files are tested in the core (tests/poligono, tests/present, tests/export).
#include "AmbienteJanelas.h"

#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

class PainelPoligonoJanela : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"),
                                pasta.filePath("igrf14coeffs.txt")));
        usaLocale(QLocale(QStringLiteral("pt_BR")));
        calculaComSucesso();
        aciona("MAMemorial");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<AviventacaoMemorial*>(w); m && m->isVisible())
                janela = m;
        ASSERT_NE(janela, nullptr);
    }
    void caixa(const char* nome, const QString& t) { controle<QLineEdit>(*janela, nome).setText(t); }

    AviventacaoMemorial* janela = nullptr;
};

TEST_F(PainelPoligonoJanela, VerticeInicialFechamentoEExportacao)
{
    caixa("Levantamento", QStringLiteral("1987"));
    clica(*janela, "OpVerdadeiro");
    janela->cola(QStringLiteral("M1\tM2\t0\t100\nM2\tM3\t90\t100\nM3\tM4\t180\t100\nM4\tM1\t270\t100\n"));
    caixa("ZonaInicial", QStringLiteral("23"));
    caixa("LesteInicial", QStringLiteral("192848,93"));
    caixa("NorteInicial", QStringLiteral("8252943,25"));
    clica(*janela, "BtConverter");
    ASSERT_EQ(controle<QTableWidget>(*janela, "VerticesPoligono").rowCount(), 4)
        << mensageiro.mensagens.join(u'\n').toStdString();
    EXPECT_TRUE(texto(*janela, "ResumoPoligono").contains(QStringLiteral("Perímetro (m): 400,000")));

    mensageiro.arquivo = pasta.filePath(QStringLiteral("p.kml"));
    clica(*janela, "BtExportarKml");
    EXPECT_TRUE(QFile::exists(mensageiro.arquivo)) << mensageiro.mensagens.join(u'\n').toStdString();

    caixa("LesteInicial", QStringLiteral("192848,94"));
    EXPECT_EQ(controle<QTableWidget>(*janela, "VerticesPoligono").rowCount(), 0);
    EXPECT_FALSE(controle<QPushButton>(*janela, "BtExportarKml").isEnabled());

    mensageiro.mensagens.clear();
    caixa("ZonaInicial", QStringLiteral("30"));
    clica(*janela, "BtConverter");
    EXPECT_EQ(controle<QTableWidget>(*janela, "VerticesPoligono").rowCount(), 0);
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains(QStringLiteral("zona")));
}

}  // namespace
}  // namespace ceravel::teste
