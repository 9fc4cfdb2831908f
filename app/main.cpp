// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Mensageiro.h"
#include "ui/TraducaoQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>

#include <cstdio>

namespace {

// Messages on the standard error: the installation check never waits for a person.
class MensageiroTexto : public ceravel::Mensageiro {
public:
    void informa(const QString& texto) override { std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData()); }
};

// "ceravel --verifica-instalacao": types a known point into the main window,
// presses Calcular and writes what it shows, so an installed copy proves it
// finds its coefficient files. 0 when the calculation succeeded.
int VerificaInstalacao(ceravel::Main& main)
{
    const struct {
        const char* caixa;
        const char* texto;
    } pontos[] = {{"Dia", "1"},      {"Mes", "1"},      {"Ano", "2000"},    {"LatG", "-15"}, {"LatM", "47"},
                  {"LatS", "30"},    {"LongG", "-47"},  {"LongM", "52"},    {"LongS", "30"}};
    for (const auto& p : pontos) {
        auto* caixa = main.findChild<QLineEdit*>(QLatin1StringView(p.caixa));
        if (!caixa)
            return 1;
        caixa->setText(QLatin1StringView(p.texto));
    }
    auto* calcular = main.findChild<QAbstractButton*>(QStringLiteral("BtCalcular"));
    if (!calcular)
        return 1;
    calcular->click();
    if (!main.ultimoCalculo())
        return 1;
    const ceravel::TextosResultado& t = main.ultimoCalculo()->textos;
    const QString linha = QStringLiteral("Época %1; D %2, %3; I %4° %5', %6; F %7, %8; X %9; Y %10; Z %11")
                              .arg(t.epoca, t.dmin, t.vd, t.inc2, t.aimin2, t.vi2, t.cf, t.vf2, t.cx)
                              .arg(t.cy, t.cz);
    std::printf("%s\n", linha.toLocal8Bit().constData());
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ceravel"));
    ceravel::InstalaTraducaoQt(app);
    // The installed menu entry, so a desktop shows its icon for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("br.ceravel.Ceravel"));
    const bool verifica = app.arguments().contains(QStringLiteral("--verifica-instalacao"));

    // Numbers are typed and shown with the user's regional settings; the
    // coefficient and help files live beside the executable (its real folder:
    // applicationDirPath follows the bin/ link through /proc/self/exe).
    ceravel::MensageiroCaixa caixa;
    MensageiroTexto texto;
    ceravel::Janelas janelas(QCoreApplication::applicationDirPath(), QLocale::system(),
                             verifica ? static_cast<ceravel::Mensageiro&>(texto) : caixa);
    janelas.main().show();
    if (verifica)
        return VerificaInstalacao(janelas.main());
    return app.exec();
}
