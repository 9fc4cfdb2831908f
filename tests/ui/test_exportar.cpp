// The export dialog over Main: OK writes the file, reports and closes;
// Cancelar, the title bar, Enter and Escape write nothing; a failure is
// reported and the dialog waits with the name, ready to be corrected.
#include "AmbienteJanelas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

namespace ceravel::teste {
namespace {

QByteArray Conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Tecla(QWidget& d, int tecla)
{
    QKeyEvent aperta(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(d.findChild<QLineEdit*>("File"), &aperta);
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
    ASSERT_TRUE(main().ultimoCalculo().has_value()) << mensageiro.mensagens.join(u'\n').toStdString();

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
    if (c.mensagem && !mensageiro.mensagens.isEmpty()) {
        EXPECT_TRUE(mensageiro.mensagens[0].startsWith(c.mensagem)) << mensageiro.mensagens[0].toStdString();
    }
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

std::function<void(QWidget&)> Clica(const char* botao)
{
    return [botao](QWidget& d) { d.findChild<QAbstractButton*>(botao)->click(); };
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
        CasoExportar{"CancelarWritesNothing", Clica("BtCancel"), false, nullptr},
        CasoExportar{"TitleBarCloseWritesNothing", [](QWidget& d) { d.close(); }, false, nullptr},
        // Neither button is the default or the cancel button.
        CasoExportar{"EnterPressesNoButton", [](QWidget& d) { Tecla(d, Qt::Key_Return); }, true, nullptr},
        CasoExportar{"EscapePressesNoButton", [](QWidget& d) { Tecla(d, Qt::Key_Escape); }, true, nullptr}),
    [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace ceravel::teste
