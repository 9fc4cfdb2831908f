// SPDX-License-Identifier: GPL-3.0-or-later
// "Aviventação de Memorial" and its "Polígono no terreno" as wiring: the window
// stays open beside Main, asks before its changes are lost, pastes through the
// core, keeps what is open when a file is refused, empties its results on any
// change, and puts the polygon and the per-vertex declinations in its report.
// The rules, texts and files: tests/calc, memorial, poligono, present, export.
#include "AmbienteJanelas.h"

#include "memorial/ArquivoMemorial.h"
#include "ui/AviventacaoMemorial.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

using Resposta = Mensageiro::Resposta;

// A closed deed, true bearings: `a` north and south (the south side `sul`), `b` east and west.
QString Retangulo(const QString& a, const QString& b, const QString& sul)
{
    return QStringLiteral("M1\tM2\t0\t%1\nM2\tM3\t90\t%2\nM3\tM4\t180\t%3\nM4\tM1\t270\t%2\n").arg(a, b, sul);
}

class MemorialJanela : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        copiaIgrf();
        abreMemorial();
    }
    // Fresh windows under `l`, a calculation (the window starts from its
    // position), then the memorial window from Main's menu.
    void abreMemorial(const QLocale& l = QLocale(QStringLiteral("pt_BR")))
    {
        usaLocale(l);
        calculaComSucesso();
        aciona("MAMemorial");
        ASSERT_NE(memorial = janelaAberta<AviventacaoMemorial>(), nullptr);
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr);  // Main stays usable
    }
    QTableWidget& tabela(const char* nome) { return controle<QTableWidget>(*memorial, nome); }
    void digitaMemorial(const char* caixa, const QString& t)
    {
        auto& c = controle<QLineEdit>(*memorial, caixa);
        c.setText(t);
        emit c.textEdited(t);
    }
    // Surveyed in 1987, `segmentos` converted; `inicio`: from a start vertex in zone 23.
    void converte(const QString& segmentos, bool inicio = true, bool compensar = false)
    {
        digitaMemorial("Levantamento", QStringLiteral("1987"));
        clica(*memorial, "OpVerdadeiro");
        memorial->cola(QString(segmentos).replace(u',', locale.decimalPoint()));
        if (inicio) {
            digitaMemorial("ZonaInicial", QStringLiteral("23"));
            digitaMemorial("LesteInicial", QStringLiteral("192848"));
            digitaMemorial("NorteInicial", QStringLiteral("8252943"));
        }
        controle<QCheckBox>(*memorial, "Compensar").setChecked(compensar);
        clica(*memorial, "BtConverter");
    }

    AviventacaoMemorial* memorial = nullptr;
};

// Closing the window or the program with changes asks once; only Não or a
// save lets the work go, Cancelar (or a cancelled save) keeps all of it.
TEST_F(MemorialJanela, FecharComAlteracoes)
{
    const struct {
        const char* nome;
        bool fechaPrograma;  // Main closed instead of the window's "Fechar"
        const char* altera;  // the box typed in, or none
        Resposta resposta;
        bool fecha;  // the window (and, closing Main, the program) goes; after Sim, a file was chosen
    } casos[] = {
        {"sem alterações", false, nullptr, Resposta::Cancelar, true},
        {"Não", false, "Levantamento", Resposta::Nao, true},
        {"Cancelar", false, "Levantamento", Resposta::Cancelar, false},
        {"Sim, salvo", false, "Levantamento", Resposta::Sim, true},
        {"Sim, salvar cancelado", false, "Levantamento", Resposta::Sim, false},
        {"programa: Cancelar", true, "Levantamento", Resposta::Cancelar, false},
        {"programa: Sim, salvo", true, "Levantamento", Resposta::Sim, true},
        {"polígono: Sim, salvo", false, "LesteInicial", Resposta::Sim, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        abreMemorial();
        if (c.altera)
            digitaMemorial(c.altera, QStringLiteral("1987"));
        const QString arquivo = pasta.filePath(QStringLiteral("caso.memorial.json"));
        QFile::remove(arquivo);
        mensageiro.perguntas.clear();
        mensageiro.resposta = c.resposta;
        const bool salva = c.resposta == Resposta::Sim && c.fecha;
        mensageiro.arquivo = salva ? arquivo : QString();
        QPointer<AviventacaoMemorial> janela = memorial;
        const int encerradas = encerramentos;
        if (c.fechaPrograma)
            main().close();
        else
            clica(*memorial, "BtFechar");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(mensageiro.perguntas, c.altera ? QStringList{"Salvar as alterações?"} : QStringList{});
        EXPECT_EQ(janela.isNull() || !janela->isVisible(), c.fecha);
        EXPECT_EQ(encerramentos - encerradas, c.fechaPrograma && c.fecha ? 1 : 0);
        EXPECT_TRUE(c.fecha || controle<QLineEdit>(*janela, c.altera).text() == "1987");  // nothing lost
        if (salva) {
            const LeituraMemorial lido = AbreMemorial(arquivo);
            ASSERT_TRUE(lido.memorial) << lido.erro.toStdString();
            EXPECT_EQ(lido.memorial->dados.levantamento + lido.memorial->poligono.leste, "1987");
        }
        if (janela)
            janela->setAttribute(Qt::WA_DeleteOnClose, false);
        janelas.reset();
    }
}

// A paste of four lines with two bad ones: two rows, one message naming the
// two lines; the results of an earlier conversion go, as on any change.
TEST_F(MemorialJanela, ColagemEResultados)
{
    digitaMemorial("Levantamento", QStringLiteral("1987"));
    memorial->cola(QStringLiteral("M1\tM2\t45°30' NE\t120,5\n"));
    clica(*memorial, "BtConverter");
    ASSERT_EQ(tabela("Resultados").rowCount(), 1) << mensageiro.todas();
    EXPECT_TRUE(controle<QPushButton>(*memorial, "BtCopiar").isEnabled());

    mensageiro.mensagens.clear();
    memorial->cola(QStringLiteral("N 10 E\t10\n95 NE\t30\nS\tsetenta\nN\t90\n"));
    EXPECT_EQ(tabela("Segmentos").rowCount(), 1 + 2);
    EXPECT_EQ(tabela("Segmentos").item(1, 0)->text(), "M2");  // "De" follows the previous "Para"
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains("Linha 2: Rumo:") && mensageiro.mensagens[0].contains("Linha 3: Distância:"))
        << mensageiro.todas();
    EXPECT_EQ(tabela("Resultados").rowCount(), 0);
    EXPECT_FALSE(controle<QPushButton>(*memorial, "BtCopiar").isEnabled());
}

// What a file holds for the UTM position and the polygon pane comes back from the window as it went in.
TEST_F(MemorialJanela, PainelPoligonoIdaEVolta)
{
    Memorial m;
    m.poligono = {"P0", false, "22", "N", "1", "2", "-23,5", "-46,6", "sad69-96", "760", false, true};
    m.dados.posicao.utm = true;
    m.dados.posicao.posicaoUtm = {"23", "N", "3", "4"};
    m.dados.posicao.datum = "corrego-alegre-1970";
    memorial->defineMemorial(m);
    EXPECT_EQ(memorial->memorial().poligono, m.poligono);
    EXPECT_EQ(memorial->memorial().dados.posicao, m.dados.posicao);
}

// A damaged file is refused with a message and what is open stays.
TEST_F(MemorialJanela, ArquivoDanificadoNaoApagaOAberto)
{
    memorial->cola(QStringLiteral("M1\tM2\t45°30' NE\t120,5\n"));
    const QString arquivo = pasta.filePath(QStringLiteral("ruim.memorial.json"));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("{\"formato\": \"ceravel-memorial\", \"versao\": 1, \"segmentos\": ["));
    f.close();
    mensageiro.arquivo = arquivo;
    mensageiro.resposta = Resposta::Nao;  // "Salvar as alterações?" before opening another
    mensageiro.mensagens.clear();
    clica(*memorial, "BtAbrir");
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains("danificado"));
    ASSERT_EQ(tabela("Segmentos").rowCount(), 1);
    EXPECT_EQ(tabela("Segmentos").item(0, 2)->text(), "45°30' NE");
}

// The pane: a start vertex and a conversion fill the closure, the vertices and
// the exports (named after the file saved); a change, the deed's or the pane's,
// empties them; a bad box is refused, focused.
TEST_F(MemorialJanela, PainelPoligonoConverteExportaEEsvazia)
{
    mensageiro.arquivo = pasta.filePath(QStringLiteral("Fazenda Sete"));
    ASSERT_TRUE(memorial->salvar());
    converte(Retangulo("100", "100", "100"));
    for (const char* muda : {"Levantamento", "LesteInicial"}) {
        SCOPED_TRACE(muda);
        digitaMemorial("LesteInicial", QStringLiteral("192848"));
        clica(*memorial, "BtConverter");
        ASSERT_EQ(tabela("VerticesPoligono").rowCount(), 4) << mensageiro.todas();
        EXPECT_TRUE(texto(*memorial, "ResumoPoligono").contains(QStringLiteral("Perímetro (m): 400,000")));
        mensageiro.arquivo = pasta.filePath(QStringLiteral("p.kml"));
        clica(*memorial, "BtExportarKml");
        QFile kml(mensageiro.arquivo);
        ASSERT_TRUE(kml.open(QIODevice::ReadOnly)) << mensageiro.todas();
        EXPECT_TRUE(QString::fromUtf8(kml.readAll()).contains(QStringLiteral("<name>Fazenda Sete</name>")));
        digitaMemorial(muda, QStringLiteral("1988"));
        EXPECT_EQ(tabela("VerticesPoligono").rowCount(), 0);
        EXPECT_FALSE(controle<QPushButton>(*memorial, "BtExportarKml").isEnabled());
    }
    mensageiro.mensagens.clear();
    digitaMemorial("ZonaInicial", QStringLiteral("30"));
    controle(*memorial, "NorteInicial").setFocus();
    clica(*memorial, "BtConverter");
    EXPECT_EQ(tabela("VerticesPoligono").rowCount(), 0);
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains(QStringLiteral("zona")));
    EXPECT_EQ(memorial->focusWidget(), &controle(*memorial, "ZonaInicial"));
}

struct CasoRelatorio {
    const char* nome;
    const char* locale;
    QString segmentos;
    bool inicio, compensar;
    int declinacoes;  // distinct in the results' "Declinação no levantamento"
    const char* resumo;  // in the window's summary
    QStringList presentes, ausentes;  // texts of the PDF
};

class RelatorioMemorial : public MemorialJanela, public testing::WithParamInterface<CasoRelatorio> {};

// The polygon's page follows the deed's, with the window's numbers, its
// drawing's texts and the page count in every footer; over 10 km, each row
// has its start vertex's declination, in the window and the report.
TEST_P(RelatorioMemorial, NoPdf)
{
    const CasoRelatorio& c = GetParam();
    abreMemorial(QLocale(QString::fromLatin1(c.locale)));
    converte(c.segmentos, c.inicio, c.compensar);
    ASSERT_TRUE(memorial->ultimaConversao() && mensageiro.mensagens.isEmpty()) << mensageiro.todas();
    EXPECT_TRUE(texto(*memorial, "Resumo").contains(QString::fromUtf8(c.resumo))) << texto(*memorial, "Resumo").toStdString();
    QStringList presentes = c.presentes;
    QSet<QString> declinacoes;
    for (int i = 0; i < tabela("Resultados").rowCount(); ++i)
        declinacoes << tabela("Resultados").item(i, 7)->text();
    EXPECT_EQ(declinacoes.size(), c.declinacoes);
    presentes << declinacoes.values();
    if (c.inicio)  // the start vertex's neighbour as the window shows it
        presentes << tabela("VerticesPoligono").item(1, 1)->text() << tabela("VerticesPoligono").item(1, 3)->text();
    mensageiro.arquivo = pasta.filePath(QStringLiteral("m.pdf"));
    ASSERT_TRUE(memorial->salvarPdf()) << mensageiro.todas();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), mensageiro.arquivo, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << "pdftotext (poppler-utils)";
    const QString pdf = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& t : presentes)
        EXPECT_TRUE(pdf.contains(t)) << t.toStdString() << "\n" << pdf.toStdString();
    for (const QString& t : c.ausentes)
        EXPECT_FALSE(pdf.contains(t)) << t.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RelatorioMemorial,
    testing::Values(
        CasoRelatorio{"ComVerticeInicial", "pt_BR", Retangulo("100", "100", "100,1"), true, false, 1, "até 10 km",
                      {"Polígono no terreno (SIRGAS 2000 / UTM 23S)", "Perímetro (m): 400,100",
                       "Compensação: não aplicada", "Precisão relativa: 1:4016", "NQ", "NM", "Página 3 de 3"},
                      {"E compensado", "Página 4"}},
        CasoRelatorio{"CompensadoEmIngles", "en_US", Retangulo("100", "100", "100,1"), true, true, 1, "",
                      {"Perímetro (m): 400.100", "Compensação: regra da bússola", "E compensado (m)", "Página 3 de 3"}, {}},
        CasoRelatorio{"SemVerticeInicialSoOMemorial", "pt_BR", Retangulo("100", "100", "100,1"), false, false, 1, "",
                      {"Página 1 de 1"}, {"Polígono no terreno"}},
        CasoRelatorio{"DozeKmUmaDeclinacaoPorVertice", "pt_BR", Retangulo("4000", "2000", "4000"), true, false, 4,
                      "mais de 10 km", {}, {}}),
    [](const testing::TestParamInfo<CasoRelatorio>& i) { return std::string(i.param.nome); });

}  // namespace
}  // namespace ceravel::teste
