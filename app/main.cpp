#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Mensageiro.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ceravel"));

    // Numbers are typed and shown with the user's regional settings; the
    // coefficient and help files live beside the executable.
    ceravel::MensageiroCaixa mensageiro;
    ceravel::Janelas janelas(QCoreApplication::applicationDirPath(), QLocale::system(), mensageiro);
    janelas.main().show();
    return app.exec();
}
