// SPDX-License-Identifier: GPL-3.0-or-later
#include "AmbienteJanelas.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace ceravel::teste {

namespace {

// One QApplication for the whole run, no screen, never the user's own settings or folders.
struct AmbienteQt : ::testing::Environment {
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }
    int argc = 1;
    char nome[6] = "teste";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QApplication> app;
};

[[maybe_unused]] ::testing::Environment* const ambiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

}  // namespace

void EscreveCoeficientes(const QString& pasta, const QString& nome, const std::map<int, double>& c, int itens)
{
    QFile arquivo(pasta + u'/' + nome);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int k = 1; k <= itens; ++k)
        arquivo.write(QByteArray::number(c.count(k) ? c.at(k) : 0.0, 'g', 17) + "\r\n");
}

void AmbienteJanelas::SetUp()
{
    ASSERT_TRUE(pasta.isValid());
    // A fresh profile for every test: the settings file in a folder of its own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, perfil.path());
    // c1 makes D = -20 at x = y = 0 and t = 10.5; c4 is the t term.
    EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -18.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}});
    EscreveCoeficientes(pasta.path(), "COEF-I2000", {{1, -30.125}});
    EscreveCoeficientes(pasta.path(), "COEF-F2000", {{1, 23724.49}, {4, -25.5}});
    usaLocale(QLocale::c());
}

void AmbienteJanelas::usaLocale(const QLocale& l)
{
    janelas.reset();
    locale = l;
    janelas = std::make_unique<Janelas>(pasta.path(), locale, mensageiro, [this] { ++encerramentos; });
}

QString AmbienteJanelas::texto(QWidget& janela, const QString& nome)
{
    QWidget& c = controle(janela, nome);
    if (auto* rotulo = qobject_cast<QLabel*>(&c))
        return rotulo->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(&c))
        return area->toPlainText();
    if (auto* caixa = qobject_cast<QLineEdit*>(&c))
        return caixa->text();
    throw std::runtime_error(("no text in " + nome).toStdString());
}

void AmbienteJanelas::preenche(const QString& dia, const QString& mes, const QString& ano,
                               const QStringList& latitude, const QStringList& longitude)
{
    digita("Dia", dia);
    digita("Mes", mes);
    digita("Ano", ano);
    const auto coordenada = [&](const QStringList& v, const char* botaoG, const char* botaoGMS, QStringList caixas) {
        clica(main(), v.size() == 1 ? botaoG : botaoGMS);
        for (int i = 0; i < v.size(); ++i)
            digita(caixas[v.size() == 1 ? 0 : i + 1], v[i]);
    };
    coordenada(latitude, "BtLatG", "BtLatGMS", {"LatGraus", "LatG", "LatM", "LatS"});
    coordenada(longitude, "BtLonG", "BtLonGMS", {"LonGraus", "LongG", "LongM", "LongS"});
}

void AmbienteJanelas::calculaComSucesso()
{
    preenche("1", "7", "2000", {"-15", "0", "0"}, {"-55", "0", "0"});
    const auto antes = mensageiro.mensagens.size();
    clica(main(), "BtCalcular");
    ASSERT_EQ(mensageiro.mensagens.size(), antes) << mensageiro.todas();
    ASSERT_EQ(texto(main(), "DMIN3"), "-20º00'00''");
}

int AmbienteJanelas::comModal(const std::function<void()>& comando, const std::function<void(QWidget&)>& noModal)
{
    int vistos = 0;
    QTimer vigia;
    vigia.setInterval(5);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ++vistos;
        noModal(*modal);
        // A window left open would block the run: close it and say so.
        if (modal && modal->isVisible()) {
            ADD_FAILURE() << "modal window " << modal->objectName().toStdString() << " left open";
            if (auto* d = qobject_cast<QDialog*>(modal.data()))
                d->reject();
            else
                modal->hide();
        }
    });
    vigia.start();
    comando();
    vigia.stop();
    return vistos;
}

}  // namespace ceravel::teste
