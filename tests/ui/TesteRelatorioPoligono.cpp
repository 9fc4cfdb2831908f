// SPDX-License-Identifier: GPL-3.0-or-later
// The polygon beyond the deed window's pane: its pages in the PDF report
// (read back with pdftotext) and the exports named after the memorial file
// saved (the names themselves are tested in the core, tests/memorial).
#include "AmbienteJanelas.h"

#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

class RelatorioPoligono : public AmbienteJanelas {
protected:
    // The deed window under `l`, with a closed four-sided true deed converted;
    // `inicio`: whether the start vertex is typed.
    void abre(const QLocale& l, bool inicio, bool compensar)
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"),
                                pasta.filePath("igrf14coeffs.txt")));
        usaLocale(l);
        calculaComSucesso();
        aciona("MAMemorial");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<AviventacaoMemorial*>(w); m && m->isVisible())
                janela = m;
        ASSERT_NE(janela, nullptr);
        caixa("Levantamento", QStringLiteral("1987"));
        clica(*janela, "OpVerdadeiro");
        janela->cola(QStringLiteral("M1\tM2\t0\t100\nM2\tM3\t90\t100\nM3\tM4\t180\t100,1\nM4\tM1\t270\t100\n")
                         .replace(u',', l.decimalPoint()));
        if (inicio) {
            caixa("ZonaInicial", QStringLiteral("23"));
            caixa("LesteInicial", QStringLiteral("192848"));
            caixa("NorteInicial", QStringLiteral("8252943"));
        }
        controle<QCheckBox>(*janela, "Compensar").setChecked(compensar);
        clica(*janela, "BtConverter");
        ASSERT_TRUE(janela->ultimaConversao()) << mensageiro.mensagens.join(u'\n').toStdString();
    }
    void caixa(const char* nome, const QString& t) { controle<QLineEdit>(*janela, nome).setText(t); }

    AviventacaoMemorial* janela = nullptr;
};

QString TextoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << "pdftotext (poppler-utils)";
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct CasoRelatorio {
    const char* nome;
    QLocale locale;
    bool inicio, compensar;
    QStringList presentes, ausentes;  // texts of the PDF
};

class PaginaPoligono : public RelatorioPoligono, public testing::WithParamInterface<CasoRelatorio> {};

// The polygon's page follows the deed's, with the window's numbers, its
// drawing's texts and the page count in every footer.
TEST_P(PaginaPoligono, NoPdfDoMemorial)
{
    const CasoRelatorio& c = GetParam();
    abre(c.locale, c.inicio, c.compensar);
    mensageiro.arquivo = pasta.filePath(QStringLiteral("m.pdf"));
    ASSERT_TRUE(janela->salvarPdf()) << mensageiro.mensagens.join(u'\n').toStdString();
    const QString texto = TextoDoPdf(mensageiro.arquivo);
    QStringList presentes = c.presentes;
    if (c.inicio) {
        // The start vertex's neighbour as the window's table shows it.
        const auto& tabela = controle<QTableWidget>(*janela, "VerticesPoligono");
        presentes << tabela.item(1, 1)->text() << tabela.item(1, 3)->text();
    }
    for (const QString& t : presentes)
        EXPECT_TRUE(texto.contains(t)) << t.toStdString() << "\n" << texto.toStdString();
    for (const QString& t : c.ausentes)
        EXPECT_FALSE(texto.contains(t)) << t.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PaginaPoligono,
    testing::Values(
        CasoRelatorio{"ComVerticeInicial", QLocale(QStringLiteral("pt_BR")), true, false,
                      {"Polígono no terreno (SIRGAS 2000 / UTM 23S)", "Perímetro (m): 400,100",
                       "Compensação: não aplicada", "Precisão relativa: 1:4016", "NQ", "NM", "Página 3 de 3"},
                      {"E compensado", "Página 4"}},
        CasoRelatorio{"CompensadoEmIngles", QLocale(QStringLiteral("en_US")), true, true,
                      {"Perímetro (m): 400.100", "Compensação: regra da bússola", "E compensado (m)", "Página 3 de 3"},
                      {}},
        CasoRelatorio{"SemVerticeInicialSoOMemorial", QLocale(QStringLiteral("pt_BR")), false, false,
                      {"Página 1 de 1"}, {"Polígono no terreno"}}),
    [](const testing::TestParamInfo<CasoRelatorio>& i) { return std::string(i.param.nome); });

// The window tells the pane the file it saved: the polygon takes its name.
TEST_F(RelatorioPoligono, SalvarDaNomeAoPoligono)
{
    abre(QLocale(QStringLiteral("pt_BR")), true, false);
    mensageiro.arquivo = pasta.filePath(QStringLiteral("Fazenda Sete"));
    ASSERT_TRUE(janela->salvar());
    mensageiro.arquivo = pasta.filePath(QStringLiteral("p.kml"));
    clica(*janela, "BtExportarKml");
    QFile f(mensageiro.arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << mensageiro.mensagens.join(u'\n').toStdString();
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains(QStringLiteral("<name>Fazenda Sete</name>")));
}

}  // namespace
}  // namespace ceravel::teste
