// A seeded run of random actions on Main and every window it opens: random
// texts in every box (separators, signs, blanks, very long and non-Latin
// texts, a CR), entry forms, Calcular, Limpar, the menus and the buttons of
// each window (the map's element too), exports under random names. After
// every action the program is alive, the result frame shows exactly when
// Imprimir, Exportar and the map are enabled, a refusal leaves the shown
// results as they were, and no file but "*-Ceravel.csv" appears in the
// program folder. The seed is printed; set CERAVEL_SEMENTE to replay a run.
#include "AmbienteJanelas.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QLabel>

#include <random>

namespace ceravel::teste {
namespace {

class Aleatorio : public AmbienteJanelas {
protected:
    std::mt19937 sorteio;

    std::size_t ate(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(sorteio); }

    QString textoAleatorio()
    {
        static const QStringList pedacos = {
            "0", "1", "5", "9", "15", "07", "2000", "1995", "2005", "-23", "-46", "30", "59", "60", ".", ",",
            "-", "+", "\u2212", " ", "\t", "e", "E", "5e1", "abc", "\u5317\u4eac", "\u0436", "\U0001F600", "\r",
            "º", "'", "/", ";", "1.000", "0,5", "nan", "inf"};
        switch (ate(6)) {
        case 0: return {};
        case 1: return QString(static_cast<qsizetype>(1000 + ate(4000)), QChar(u'0' + static_cast<char16_t>(ate(10))));
        default: {
            QString t;
            for (std::size_t i = 0, n = 1 + ate(4); i < n; ++i)
                t += pedacos[static_cast<qsizetype>(ate(static_cast<std::size_t>(pedacos.size())))];
            return t;
        }
        }
    }

    // Often a valid point, so that successes and refusals alternate.
    void preencheValido()
    {
        const QString sep = locale.decimalPoint();
        preenche(QString::number(1 + ate(28)), QString::number(1 + ate(12)), QString::number(1995 + ate(11)),
                 ate(2) ? QStringList{"-" + QString::number(ate(30)) + sep + "5"}
                        : QStringList{"-" + QString::number(ate(30)), QString::number(ate(60)), QString::number(ate(60))},
                 ate(2) ? QStringList{"-" + QString::number(35 + ate(35))}
                        : QStringList{"-" + QString::number(35 + ate(35)), "0", sep == "," ? "1,5" : "1.5"});
    }

    QStringList resultadosMostrados()
    {
        return {texto(main(), "DMIN3"), texto(main(), "VD2"), visivel(main(), "FD") ? "FD" : "-"};
    }

    QStringList arquivosNaPasta()
    {
        QStringList nomes;
        QDirIterator it(pasta.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            nomes << QDir(pasta.path()).relativeFilePath(it.next());
        nomes.sort();
        return nomes;
    }

    // Random texts and presses inside a modal window, then it is closed.
    void noModal(QWidget& janela)
    {
        for (std::size_t i = 0, n = ate(5); i < n; ++i) {
            const auto caixas = janela.findChildren<QLineEdit*>();
            auto botoes = janela.findChildren<QAbstractButton*>();
            // The map's save and print open a file dialog or reach the printer;
            // its own tests cover them.
            botoes.removeIf([](const QAbstractButton* b) {
                return b->objectName() == "BtSalvar" || b->objectName() == "BtImprimir";
            });
            if (auto* elemento = janela.findChild<QComboBox*>(QStringLiteral("Elemento")); elemento && ate(3) == 0) {
                elemento->setCurrentIndex(static_cast<int>(ate(static_cast<std::size_t>(elemento->count()))));
                continue;
            }
            if (ate(2) && !caixas.isEmpty()) {
                auto* caixa = caixas[static_cast<qsizetype>(ate(static_cast<std::size_t>(caixas.size())))];
                caixa->setText(caixa->objectName() == "File" && ate(2)
                                   ? QStringList{"dados", "sub/dados", "../fora", "a*b", "ação", ""}[ate(6)]
                                   : textoAleatorio());
            } else if (!botoes.isEmpty()) {
                auto* botao = botoes[static_cast<qsizetype>(ate(static_cast<std::size_t>(botoes.size())))];
                botao->setFocus(Qt::MouseFocusReason);
                botao->click();
            }
            if (!janela.isVisible())
                return;
        }
        if (auto* d = qobject_cast<QDialog*>(&janela))
            d->reject();
        else
            janela.close();
    }
};

TEST_F(Aleatorio, DezMilAcoesMantemAsInvariantes)
{
    const unsigned semente = qEnvironmentVariableIsSet("CERAVEL_SEMENTE")
        ? qEnvironmentVariable("CERAVEL_SEMENTE").toUInt()
        : static_cast<unsigned>(std::random_device{}());
    std::printf("semente: CERAVEL_SEMENTE=%u\n", semente);
    RecordProperty("semente", std::to_string(semente));
    sorteio.seed(semente);

    const QStringList caixas = {"Dia", "Mes", "Ano", "LatGraus", "LatG", "LatM", "LatS",
                                "LonGraus", "LongG", "LongM", "LongS"};
    const QStringList botoes = {"BtLatG", "BtLatGMS", "BtLonG", "BtLonGMS", "BtLimpar"};
    const QStringList modais = {"MAExp", "MAConv", "MAMapa", "MAInf", "MASobre", "BtDComp"};
    const QStringList iniciais = arquivosNaPasta();
    int sucessos = 0, recusas = 0, mapas = 0;
    for (int acao = 0; acao < 10000; ++acao) {
        SCOPED_TRACE("ação " + std::to_string(acao) + ", semente " + std::to_string(semente));
        const std::size_t tipo = ate(100);
        QString feita;
        if (tipo < 45) {
            const QString caixa = caixas[static_cast<qsizetype>(ate(static_cast<std::size_t>(caixas.size())))];
            digita(caixa, textoAleatorio());
            feita = "texto em " + caixa;
        } else if (tipo < 55) {
            preencheValido();
            feita = "ponto válido";
        } else if (tipo < 80) {
            const QStringList antes = resultadosMostrados();
            const qsizetype mensagens = mensageiro.mensagens.size();
            clica(main(), "BtCalcular");
            feita = "Calcular";
            if (mensageiro.mensagens.size() > mensagens) {
                ++recusas;
                ASSERT_EQ(resultadosMostrados(), antes) << "uma recusa mudou os resultados";
            } else {
                ++sucessos;
            }
        } else if (tipo < 95) {
            const QString botao = botoes[static_cast<qsizetype>(ate(static_cast<std::size_t>(botoes.size())))];
            clica(main(), botao);
            feita = botao;
        } else {
            const QString nome = modais[static_cast<qsizetype>(ate(static_cast<std::size_t>(modais.size())))];
            comModal(
                [&] {
                    if (nome.startsWith("Bt"))
                        clica(main(), nome);
                    else if (habilitado(nome)) {
                        mapas += nome == QStringLiteral("MAMapa");
                        aciona(nome);
                    }
                },
                [&](QWidget& janela) { noModal(janela); });
            feita = nome;
        }
        SCOPED_TRACE(feita.toStdString());
        ASSERT_TRUE(janelas->existe(Janela::Main) && encerramentos == 0) << "o programa terminou";
        const bool resultado = visivel(main(), "FD");
        ASSERT_EQ(habilitado("MAImp"), resultado);
        ASSERT_EQ(habilitado("MAExp"), resultado);
        ASSERT_EQ(habilitado("MAMapa"), resultado);
        for (const QString& arquivo : arquivosNaPasta())
            ASSERT_TRUE(iniciais.contains(arquivo)
                        || (!arquivo.contains(u'/') && arquivo.endsWith(QStringLiteral("-Ceravel.csv"))))
                << arquivo.toStdString();
    }
    // The run reached both sides of the command.
    EXPECT_GT(sucessos, 100);
    EXPECT_GT(recusas, 100);
    EXPECT_GT(mapas, 5);
}

}  // namespace
}  // namespace ceravel::teste
