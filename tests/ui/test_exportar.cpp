// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog over Main: what OK, Cancelar, the title bar, Enter and Escape
// write; a failure reported, the dialog waiting with the name to be corrected.
#include "AmbienteJanelas.h"

#include "ui/TraducaoQt.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTranslator>

#include <sys/stat.h>
#include <unistd.h>

namespace ceravel::teste {
namespace {

QByteArray Conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A key on the control `nome`, focused as by Tab.
std::function<void(QWidget&)> Tecla(const char* nome, int tecla, Qt::KeyboardModifiers modificador = Qt::NoModifier)
{
    return [=](QWidget& d) {
        auto* c = d.findChild<QWidget*>(nome);
        c->setFocus();
        QKeyEvent aperta(QEvent::KeyPress, tecla, modificador);
        QApplication::sendEvent(c, &aperta);
    };
}

// A press as by the mouse or Tab: the button takes the focus first (click()
// alone never moves it, so a lost focus after a failure would go unseen).
std::function<void(QWidget&)> Clica(const char* botao)
{
    return [botao](QWidget& d) {
        auto* b = d.findChild<QAbstractButton*>(botao);
        b->setFocus(Qt::MouseFocusReason);
        b->click();
    };
}

struct CasoExportar {
    const char* caso;
    std::function<void(QWidget&)> faz;
    bool ficaAberto;
    const char* mensagem;           // its beginning; nullptr: none
    const char* arquivo = nullptr;  // expected bytes, in tests/data; nullptr: no file written
    const char* nome = "dados";     // typed in File
    bool ptBR = false;
    QStringList latitude{"-27", "35", "10"}, longitude{"-48.25"};
};
void PrintTo(const CasoExportar& c, std::ostream* os) { *os << c.caso; }

class Exportacao : public AmbienteJanelas, public ::testing::WithParamInterface<CasoExportar> {};

// The model gives the same results everywhere at 31/12/2004 (t = 15); the
// files in tests/data were written out by hand from them: D = -20.5 degrees
// falling 7.5'/year, I = -30.125 degrees rising 3.75'/year, F = 23456.75 nT
// falling 25.5 nT/year. Bytes are compared, so code page and line ends count.
TEST_P(Exportacao, FromTheMenuToTheBytesOnDisk)
{
    const CasoExportar& c = GetParam();
    EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -18.625}, {4, -0.125}});
    EscreveCoeficientes(pasta.path(), "COEF-I2000", {{1, -31.0625}, {4, 0.0625}});
    EscreveCoeficientes(pasta.path(), "COEF-F2000", {{1, 23839.25}, {4, -25.5}});
    usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
    preenche("31", "12", "2004", c.latitude, c.longitude);
    clica(main(), "BtCalcular");
    ASSERT_TRUE(main().ultimoCalculo().has_value()) << mensageiro.todas();

    const int modais = comModal([&] { aciona("MAExp"); }, [&](QWidget& d) {
        ASSERT_EQ(d.objectName(), "Exportar");
        auto& nome = controle<QLineEdit>(d, "File");
        EXPECT_EQ(d.focusWidget(), &nome);
        nome.setText(c.nome);
        c.faz(d);
        EXPECT_EQ(d.isVisible(), c.ficaAberto);
        if (d.isVisible()) {
            EXPECT_EQ(nome.text(), c.nome);
            EXPECT_EQ(d.focusWidget(), &nome);
            clica(d, "BtCancel");
        }
    });
    EXPECT_EQ(modais, 1);
    EXPECT_FALSE(janelas->existe(Janela::Exportar));
    EXPECT_EQ(mensageiro.mensagens.size(), c.mensagem ? 1 : 0);
    EXPECT_TRUE(!c.mensagem || mensageiro.mensagens.value(0).startsWith(c.mensagem)) << mensageiro.todas();
    const QStringList csvs = QDir(pasta.path()).entryList({"*.csv"}, QDir::Files);
    if (c.arquivo) {
        EXPECT_EQ(csvs, QStringList{"dados-Ceravel.csv"});
        const QByteArray esperado = Conteudo(QStringLiteral(CERAVEL_DADOS_TESTE "/") + c.arquivo);
        ASSERT_FALSE(esperado.isEmpty()) << c.arquivo;
        EXPECT_EQ(Conteudo(pasta.filePath("dados-Ceravel.csv")), esperado);
    } else {
        EXPECT_TRUE(csvs.isEmpty());
    }
}

const char* const Salvo = "Os dados foram salvos no arquivo dados-Ceravel.csv";

INSTANTIATE_TEST_SUITE_P(
    Janelas, Exportacao,
    ::testing::Values(
        CasoExportar{"OkFullStopLatitudeDmsLongitudeDecimal", Clica("BtOK"), false, Salvo,
                     "exportacao-ponto-lat-gms-lon-decimal.csv"},
        CasoExportar{"OkDecimalCommaLatitudeDecimalLongitudeDms", Clica("BtOK"), false, Salvo,
                     "exportacao-virgula-lat-decimal-lon-gms.csv", "dados", true, {"-27,5"}, {"-48", "30", "45"}},
        CasoExportar{"FailureKeepsTheDialogOpenWithTheName", Clica("BtOK"), true,
                     "Não foi possível salvar o arquivo \"sub/dados-Ceravel.csv\": ", nullptr, "sub/dados"},
        CasoExportar{"TitleBarCloseWritesNothing", [](QWidget& d) { d.close(); }, false, nullptr},
        CasoExportar{"KeypadEnterOnFocusedOkWrites", Tecla("BtOK", Qt::Key_Enter, Qt::KeypadModifier), false, Salvo,
                     "exportacao-ponto-lat-gms-lon-decimal.csv"},
        CasoExportar{"EnterOnFocusedCancelarWritesNothing", Tecla("BtCancel", Qt::Key_Return), false, nullptr},
        // Neither button is the default or the cancel button.
        CasoExportar{"EnterInTheNameBoxPressesNoButton", Tecla("File", Qt::Key_Return), true, nullptr},
        CasoExportar{"EscapePressesNoButton", Tecla("File", Qt::Key_Escape), true, nullptr}),
    [](const auto& info) { return std::string(info.param.caso); });

// A read-only program folder (as installed) exports into the documents folder of a
// temporary home, asking there before replacing; a writable one replaces beside the
// program without asking. Root gives its rights up while OK is pressed.
TEST_F(AmbienteJanelas, ExportGoesBesideTheProgramOrIntoTheDocumentsFolderAskingThereBeforeReplacing)
{
    const struct {
        bool somenteLeitura, resposta, substitui;
    } casos[] = {{false, false, true}, {true, false, false}, {true, true, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.somenteLeitura ? "documents, " : "program, ") + (c.resposta ? "yes" : "no"));
        QTemporaryDir casa;
        ASSERT_TRUE(casa.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(casa.path()).constData(), 0777), 0);
        const QByteArray casaAnterior = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(casa.path()));
        QStandardPaths::setTestModeEnabled(true);
        const QString documentos = casa.filePath("Documents/dados-Ceravel.csv");
        const QString aoLado = pasta.filePath("dados-Ceravel.csv");
        const QString destino = c.somenteLeitura ? documentos : aoLado;
        ASSERT_TRUE(QDir().mkpath(casa.filePath("Documents")));
        for (const QString& antigo : {documentos, aoLado}) {
            QFile f(antigo);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("antigo") == 6);
            ::chmod(QFile::encodeName(antigo).constData(), 0666);
        }
        ::chmod(QFile::encodeName(casa.filePath("Documents")).constData(), 0777);
        mensageiro.mensagens.clear();
        mensageiro.confirmacao = c.resposta;
        calculaComSucesso();
        const QByteArray programa = QFile::encodeName(pasta.path());
        comModal([&] { aciona("MAExp"); }, [&](QWidget& d) {
            controle<QLineEdit>(d, "File").setText("dados");
            const bool raiz = c.somenteLeitura && ::geteuid() == 0;
            ASSERT_TRUE(!c.somenteLeitura || ::chmod(programa.constData(), 0555) == 0);
            ASSERT_TRUE(!raiz || ::seteuid(65534) == 0);
            clica(d, "BtOK");
            ASSERT_TRUE(!raiz || ::seteuid(0) == 0);
            ::chmod(programa.constData(), 0700);
            EXPECT_EQ(d.isVisible(), !c.substitui);
            if (d.isVisible())
                clica(d, "BtCancel");
        });
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", casaAnterior);

        QStringList esperadas;
        if (c.somenteLeitura)
            esperadas << "O arquivo " + documentos + " já existe.\n\nSubstituir o arquivo existente?";
        if (c.substitui)
            esperadas << "Os dados foram salvos no arquivo " + (c.somenteLeitura ? documentos : "dados-Ceravel.csv");
        for (QString& m : mensageiro.mensagens)
            m = m.section(u'\n', 0, c.somenteLeitura && m.startsWith("O arquivo") ? 2 : 0);
        EXPECT_EQ(mensageiro.mensagens, esperadas);
        EXPECT_EQ(Conteudo(destino).count("\r\n"), c.substitui ? 26 : 0);
        EXPECT_EQ(Conteudo(c.somenteLeitura ? aoLado : documentos), "antigo");
        QFile::remove(aoLado);
    }
}

// Qt's own dialogs speak Portuguese, as their standard buttons show.
TEST(TraducaoQt, StandardButtonsSpeakPortuguese)
{
    QTranslator* traducao = InstalaTraducaoQt(*QCoreApplication::instance());
    ASSERT_NE(traducao, nullptr) << "qtbase_pt_BR.qm (qt6-translations-l10n) not found";
    QDialogButtonBox caixa(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QStringList textos;
    for (const auto botao : {QDialogButtonBox::Yes, QDialogButtonBox::No, QDialogButtonBox::Cancel})
        textos << caixa.button(botao)->text();
    QCoreApplication::removeTranslator(traducao);
    delete traducao;
    EXPECT_EQ(textos, QStringList({"&Sim", "&Não", "Cancelar"}));
}

}  // namespace
}  // namespace ceravel::teste
