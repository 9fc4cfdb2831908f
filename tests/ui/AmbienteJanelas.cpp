#include "AmbienteJanelas.h"

#include "ui/DComp.h"
#include "ui/Main.h"
#include "ui/Relatorio.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace ceravel::teste {

void EscreveCoeficientes(const QString& pasta, const QString& nome, const Coeficientes31& c, int itens)
{
    QFile arquivo(pasta + u'/' + nome);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int k = 1; k <= itens; ++k) {
        const auto v = c.find(k);
        arquivo.write(QByteArray::number(v == c.end() ? 0.0 : v->second, 'g', 17) + "\r\n");
    }
}

void AmbienteJanelas::SetUp()
{
    ASSERT_TRUE(pasta.isValid());
    // t = 10.5 at 1/7/2000: c1 is set so that D = -20 there at x = y = 0.
    EscreveCoeficientes(pasta.path(), QStringLiteral("COEF-D2000"),
                        {{1, -18.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}});
    EscreveCoeficientes(pasta.path(), QStringLiteral("COEF-I2000"), {{1, -30.125}});
    EscreveCoeficientes(pasta.path(), QStringLiteral("COEF-F2000"), {{1, 23724.49}, {4, -25.5}});
    usaLocale(QLocale::c());
}

void AmbienteJanelas::TearDown()
{
    janelas.reset();
}

void AmbienteJanelas::usaLocale(const QLocale& l)
{
    janelas.reset();
    locale = l;
    janelas = std::make_unique<Janelas>(pasta.path(), locale, mensageiro, [this] { ++encerramentos; });
}

Main& AmbienteJanelas::main() { return janelas->main(); }
QWidget& AmbienteJanelas::dcomp() { return janelas->dcomp(); }
QWidget& AmbienteJanelas::relatorio() { return janelas->relatorio(); }

QString AmbienteJanelas::texto(QWidget& janela, const QString& nome)
{
    QWidget& c = controle(janela, nome);
    if (auto* rotulo = qobject_cast<QLabel*>(&c))
        return rotulo->text();
    if (auto* caixa = qobject_cast<QLineEdit*>(&c))
        return caixa->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(&c))
        return area->toPlainText();
    throw std::runtime_error(("no text in " + nome).toStdString());
}

bool AmbienteJanelas::visivel(QWidget& janela, const QString& nome)
{
    return controle(janela, nome).isVisibleTo(&janela);
}

bool AmbienteJanelas::habilitado(const QString& acao)
{
    return controle<QAction>(main(), acao).isEnabled();
}

void AmbienteJanelas::aciona(const QString& acao)
{
    controle<QAction>(main(), acao).trigger();
}

void AmbienteJanelas::digita(const QString& caixa, const QString& t)
{
    controle<QLineEdit>(main(), caixa).setText(t);
}

void AmbienteJanelas::clica(QWidget& janela, const QString& botao)
{
    controle<QAbstractButton>(janela, botao).click();
}

void AmbienteJanelas::preenche(const QString& dia, const QString& mes, const QString& ano,
                               const QStringList& latitude, const QStringList& longitude)
{
    digita(QStringLiteral("Dia"), dia);
    digita(QStringLiteral("Mes"), mes);
    digita(QStringLiteral("Ano"), ano);
    const auto coordenada = [&](const QStringList& v, const char* decimal, const char* botaoG,
                                const char* botaoGMS, const char* g, const char* m, const char* s) {
        if (v.size() == 1) {
            if (!visivel(main(), QString::fromLatin1(decimal)))
                clica(main(), QString::fromLatin1(botaoG));
            digita(QString::fromLatin1(decimal), v[0]);
        } else {
            if (visivel(main(), QString::fromLatin1(decimal)))
                clica(main(), QString::fromLatin1(botaoGMS));
            digita(QString::fromLatin1(g), v.value(0));
            digita(QString::fromLatin1(m), v.value(1));
            digita(QString::fromLatin1(s), v.value(2));
        }
    };
    coordenada(latitude, "LatGraus", "BtLatG", "BtLatGMS", "LatG", "LatM", "LatS");
    coordenada(longitude, "LonGraus", "BtLonG", "BtLonGMS", "LongG", "LongM", "LongS");
}

void AmbienteJanelas::calculaComSucesso()
{
    preenche(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("2000"),
             {QStringLiteral("-15"), QStringLiteral("0"), QStringLiteral("0")},
             {QStringLiteral("-55"), QStringLiteral("0"), QStringLiteral("0")});
    const auto antes = mensageiro.mensagens.size();
    clica(main(), QStringLiteral("BtCalcular"));
    ASSERT_EQ(mensageiro.mensagens.size(), antes) << mensageiro.mensagens.join(u'\n').toStdString();
    ASSERT_EQ(texto(main(), QStringLiteral("DMIN3")), QStringLiteral("-20º00'00''"));
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
