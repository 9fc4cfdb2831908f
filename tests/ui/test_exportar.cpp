#include "ui/Exportar.h"

#include "test_impressao_apoio.h"
#include "ui/Janelas.h"
#include "ui/Main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <ostream>

namespace ceravel {
namespace {

using teste::MensageiroRegistro;

template <class T>
T* Controle(QWidget& janela, const char* nome)
{
    T* c = janela.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

class ExportarTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.isValid());
        teste::EscreveModeloDeTeste(pasta());
        m_calculo = teste::CalculoDeTeste(
            teste::EntradaDeTeste(FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais, QLocale::c()),
            QLocale::c(), pasta());
    }

    QString pasta() const { return m_programa.path(); }
    QString caminho(const QString& arquivo) const { return QDir(pasta()).filePath(arquivo); }
    QStringList csvs() const { return QDir(pasta()).entryList({QStringLiteral("*.csv")}, QDir::Files); }

    // Types the name and presses OK, as the user would.
    void exporta(Exportar& d, const QString& nome)
    {
        Controle<QLineEdit>(d, "File")->setText(nome);
        Controle<QPushButton>(d, "BtOK")->click();
    }

    QTemporaryDir m_programa;
    Calculo m_calculo;
    MensageiroRegistro m_mensageiro;
};

TEST_F(ExportarTeste, DialogIsLaidOutAsTheLayoutGivesIt)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    EXPECT_EQ(d.objectName(), QStringLiteral("Exportar"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Exportar Dados (.CSV)"));
    EXPECT_EQ(d.size(), QSize(236, 97));  // 3540 x 1455 twips
    EXPECT_TRUE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Controle<QLabel>(d, "Label1")->text(), QStringLiteral("Informe o nome do arquivo (sem extensão):"));
    EXPECT_EQ(Controle<QLabel>(d, "Label1")->geometry(), QRect(6, 9, 219, 16));
    EXPECT_EQ(Controle<QLineEdit>(d, "File")->geometry(), QRect(3, 30, 226, 22));
    EXPECT_TRUE(Controle<QLineEdit>(d, "File")->text().isEmpty());
    for (const auto& [nome, texto, geometria] :
         {std::tuple{"BtOK", "OK", QRect(168, 63, 61, 25)}, std::tuple{"BtCancel", "Cancelar", QRect(102, 63, 61, 25)}}) {
        auto* b = Controle<QPushButton>(d, nome);
        EXPECT_EQ(b->text(), QString::fromLatin1(texto));
        EXPECT_EQ(b->geometry(), geometria);
        EXPECT_FALSE(b->isDefault()) << nome;
        EXPECT_FALSE(b->autoDefault()) << nome;
    }
}

TEST_F(ExportarTeste, OpensWithTheFocusInTheNameThenOkThenCancelar)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    d.show();
    QApplication::processEvents();
    auto* nome = Controle<QLineEdit>(d, "File");
    EXPECT_EQ(d.focusWidget(), nome);
    EXPECT_EQ(nome->nextInFocusChain(), Controle<QPushButton>(d, "BtOK"));
    EXPECT_EQ(Controle<QPushButton>(d, "BtOK")->nextInFocusChain(), Controle<QPushButton>(d, "BtCancel"));
}

struct CasoDourado {
    const char* nome;
    QLocale locale;
    FormaEntrada latitude, longitude;
    const char* arquivo;  // in tests/data
};

void PrintTo(const CasoDourado& c, std::ostream* os) { *os << c.nome; }

class ExportacaoDourada : public ExportarTeste, public ::testing::WithParamInterface<CasoDourado> {};

// The whole road from the typed boxes to the bytes on disk, against files
// written out by hand from the model of EscreveModeloDeTeste.
TEST_P(ExportacaoDourada, WritesTheGoldenFileReportsAndCloses)
{
    const Calculo c = teste::CalculoDeTeste(
        teste::EntradaDeTeste(GetParam().latitude, GetParam().longitude, GetParam().locale), GetParam().locale,
        pasta());
    Exportar d(c, pasta(), m_mensageiro);
    d.show();
    exporta(d, QStringLiteral("dados"));

    EXPECT_EQ(m_mensageiro.mensagens,
              QStringList{QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv")});
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    const QByteArray esperado =
        teste::ConteudoDe(QStringLiteral(CERAVEL_DADOS_TESTE "/") + QString::fromLatin1(GetParam().arquivo));
    ASSERT_FALSE(esperado.isEmpty()) << GetParam().arquivo;
    // Bytes, so that the code page and the line ends count too.
    EXPECT_EQ(teste::ConteudoDe(caminho(QStringLiteral("dados-Ceravel.csv"))), esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, ExportacaoDourada,
    ::testing::Values(CasoDourado{"FullStopLatitudeDmsLongitudeDecimal", QLocale::c(),
                                  FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais,
                                  "exportacao-ponto-lat-gms-lon-decimal.csv"},
                      CasoDourado{"DecimalCommaLatitudeDecimalLongitudeDms",
                                  QLocale(QLocale::Portuguese, QLocale::Brazil), FormaEntrada::GrausDecimais,
                                  FormaEntrada::GrausMinutosSegundos, "exportacao-virgula-lat-decimal-lon-gms.csv"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ExportarTeste, ReplacesAnEarlierFileWithoutAsking)
{
    {
        QFile antigo(caminho(QStringLiteral("dados-Ceravel.csv")));
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write(QByteArray(4000, 'x'));
    }
    Exportar d(m_calculo, pasta(), m_mensageiro);
    exporta(d, QStringLiteral("dados"));
    EXPECT_EQ(m_mensageiro.mensagens.size(), 1);
    EXPECT_EQ(teste::ConteudoDe(caminho(QStringLiteral("dados-Ceravel.csv"))),
              teste::ConteudoDe(QStringLiteral(CERAVEL_DADOS_TESTE "/exportacao-ponto-lat-gms-lon-decimal.csv")));
}

TEST_F(ExportarTeste, CancelarWritesNothing)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    d.show();
    Controle<QLineEdit>(d, "File")->setText(QStringLiteral("dados"));
    Controle<QPushButton>(d, "BtCancel")->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(csvs().isEmpty());
    EXPECT_TRUE(m_mensageiro.mensagens.isEmpty());
}

TEST_F(ExportarTeste, TitleBarCloseWritesNothing)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    d.show();
    Controle<QLineEdit>(d, "File")->setText(QStringLiteral("dados"));
    EXPECT_TRUE(d.close());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(csvs().isEmpty());
    EXPECT_TRUE(m_mensageiro.mensagens.isEmpty());
}

// Neither button is the default or the cancel button.
TEST_F(ExportarTeste, EnterAndEscapePressNoButton)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    d.show();
    auto* nome = Controle<QLineEdit>(d, "File");
    nome->setText(QStringLiteral("dados"));
    for (int tecla : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent aperta(QEvent::KeyPress, tecla, Qt::NoModifier);
        QApplication::sendEvent(nome, &aperta);
        EXPECT_TRUE(d.isVisible()) << tecla;
    }
    EXPECT_TRUE(csvs().isEmpty());
    EXPECT_TRUE(m_mensageiro.mensagens.isEmpty());
}

// A failure is reported and the dialog waits with the name as typed, so the
// user can correct it and press OK again.
TEST_F(ExportarTeste, FailureKeepsTheDialogOpenWithTheName)
{
    Exportar d(m_calculo, pasta(), m_mensageiro);
    d.show();
    exporta(d, QStringLiteral("sub/dados"));
    ASSERT_EQ(m_mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(m_mensageiro.mensagens[0].startsWith(
        QStringLiteral("Não foi possível salvar o arquivo \"sub/dados-Ceravel.csv\": ")))
        << m_mensageiro.mensagens[0].toStdString();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Controle<QLineEdit>(d, "File")->text(), QStringLiteral("sub/dados"));
    EXPECT_EQ(d.focusWidget(), Controle<QLineEdit>(d, "File"));
    EXPECT_TRUE(csvs().isEmpty());

    exporta(d, QStringLiteral("dados"));
    EXPECT_EQ(m_mensageiro.mensagens.size(), 2);
    EXPECT_EQ(m_mensageiro.mensagens.last(), QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(csvs(), QStringList{QStringLiteral("dados-Ceravel.csv")});
}

TEST_F(ExportarTeste, FolderThatCannotTakeTheFileIsNamedInTheMessage)
{
    Exportar d(m_calculo, pasta() + QStringLiteral("/sumiu"), m_mensageiro);
    d.show();
    exporta(d, QStringLiteral("dados"));
    ASSERT_EQ(m_mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(m_mensageiro.mensagens[0].contains(QStringLiteral("\"dados-Ceravel.csv\"")));
    EXPECT_TRUE(m_mensageiro.mensagens[0].contains(QStringLiteral("não foi encontrada")));
    EXPECT_TRUE(d.isVisible());
}

// From the main window: a calculation enables "&Imprimir" and "&Exportar
// Dados (.CSV)...", the export goes through the menu entry, and "Limpar
// Dados" disables both again.
TEST_F(ExportarTeste, MenuEntriesFollowCalculationAndClearing)
{
    Janelas janelas(pasta(), QLocale::c(), m_mensageiro, [] {});
    Main& main = janelas.main();
    const struct { const char* caixa; const char* texto; } digitado[] = {
        {"Dia", "31"}, {"Mes", "12"}, {"Ano", "2004"}, {"LatG", "-27"}, {"LatM", "35"}, {"LatS", "10"},
        {"LongG", "-48"}, {"LongM", "30"}, {"LongS", "45"},
    };
    for (const auto& d : digitado)
        Controle<QLineEdit>(main, d.caixa)->setText(QString::fromLatin1(d.texto));
    auto* imprimir = Controle<QAction>(main, "MAImp");
    auto* exportar = Controle<QAction>(main, "MAExp");
    ASSERT_TRUE(imprimir && exportar);
    EXPECT_FALSE(imprimir->isEnabled());
    EXPECT_FALSE(exportar->isEnabled());

    main.calcular();
    ASSERT_TRUE(m_mensageiro.mensagens.isEmpty()) << m_mensageiro.mensagens.join(u'\n').toStdString();
    EXPECT_TRUE(imprimir->isEnabled());
    EXPECT_TRUE(exportar->isEnabled());

    // The dialog is modal: it is answered from inside its own event loop.
    bool respondido = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<Exportar*>(QApplication::activeModalWidget())) {
            respondido = true;
            Controle<QLineEdit>(*d, "File")->setText(QStringLiteral("menu"));
            Controle<QPushButton>(*d, "BtOK")->click();
        }
    });
    exportar->trigger();
    EXPECT_TRUE(respondido);
    EXPECT_EQ(m_mensageiro.mensagens,
              QStringList{QStringLiteral("Os dados foram salvos no arquivo menu-Ceravel.csv")});
    EXPECT_EQ(csvs(), QStringList{QStringLiteral("menu-Ceravel.csv")});

    main.limpar();
    EXPECT_FALSE(imprimir->isEnabled());
    EXPECT_FALSE(exportar->isEnabled());
}

}  // namespace
}  // namespace ceravel
