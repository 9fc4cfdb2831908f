// SPDX-License-Identifier: GPL-3.0-or-later
// "Aviventação de Memorial" as wiring: it stays open beside Main, asks before
// its changes are lost, pastes through the core, keeps what is open when a
// file is refused, and empties its results on any change. The rules are
// tested in the core (tests/calc, tests/memorial).
#include "AmbienteJanelas.h"

#include "memorial/ArquivoMemorial.h"
#include "ui/AviventacaoMemorial.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

namespace ceravel::teste {
namespace {

using Resposta = Mensageiro::Resposta;

class MemorialJanela : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        copiaIgrf();
        abreMemorial();
    }
    // Fresh windows under pt_BR, a calculation (the window starts from its
    // position), then the memorial window from Main's menu.
    void abreMemorial()
    {
        usaLocale(QLocale(QStringLiteral("pt_BR")));
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

}  // namespace
}  // namespace ceravel::teste
