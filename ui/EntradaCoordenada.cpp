// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EntradaCoordenada.h"

#include "ui/Controles.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

namespace ceravel {

namespace {

QString L1(const char* s) { return QString::fromLatin1(s); }

}  // namespace

const NomesEntrada NomesLatitude{"Lat_Frame", "Latitude", "BtLatGMS", "BtLatG", "LatGraus", "LatG", "LatM", "LatS",
                                 "LbG1", "LbM1", "LbS1", 90, "a latitude", "da latitude"};
const NomesEntrada NomesLongitude{"Long_Frame", "Longitude", "BtLonGMS", "BtLonG", "LonGraus", "LongG", "LongM",
                                  "LongS", "LbG2", "LbM2", "LbS2", 150, "a longitude", "da longitude"};

// isHidden, not isVisible: the form must read the same while Main is off screen.
bool EntradaCoordenada::emGrausDecimais() const
{
    return !decimal->isHidden();
}

FormaEntrada EntradaCoordenada::forma() const
{
    return emGrausDecimais() ? FormaEntrada::GrausDecimais : FormaEntrada::GrausMinutosSegundos;
}

void EntradaCoordenada::defineForma(FormaEntrada forma)
{
    if (forma == FormaEntrada::GrausDecimais)
        paraGrausDecimais();
    else
        paraGrausMinutosSegundos();
}

void EntradaCoordenada::paraGrausDecimais()
{
    decimal->show();
    botaoGMS->show();
    botaoG->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{graus, minutos, segundos, sinalGraus,
                                                      sinalMinutos, sinalSegundos})
        w->hide();
}

void EntradaCoordenada::paraGrausMinutosSegundos()
{
    decimal->hide();
    botaoGMS->hide();
    botaoG->show();
    for (QWidget* w : std::initializer_list<QWidget*>{graus, minutos, segundos, sinalGraus,
                                                      sinalMinutos, sinalSegundos})
        w->show();
}

void EntradaCoordenada::ligaBotoes()
{
    // The struct holds only pointers: a copy switches the same controls.
    QObject::connect(botaoG, &QPushButton::clicked, botaoG, [e = *this]() mutable { e.paraGrausDecimais(); });
    QObject::connect(botaoGMS, &QPushButton::clicked, botaoGMS,
                     [e = *this]() mutable { e.paraGrausMinutosSegundos(); });
}

EntradaCoordenada CriaEntrada(QWidget* pai, const NomesEntrada& n, double dx, double dy)
{
    const QString oQue = QString::fromUtf8(n.oQue), doQue = QString::fromUtf8(n.doQue);
    EntradaCoordenada e;
    e.botaoGMS = CriaBotao(pai, L1(n.botaoGMS), QStringLiteral("GMS"), dx + 120, dy + 360, 495, 255);
    e.botaoGMS->setAccessibleName(QStringLiteral("Digitar %1 em graus, minutos e segundos").arg(oQue));
    e.botaoGMS->setToolTip(e.botaoGMS->accessibleName());
    e.botaoG = CriaBotao(pai, L1(n.botaoG), QStringLiteral("G"), dx + 120, dy + 360, 495, 255);
    e.botaoG->setAccessibleName(QStringLiteral("Digitar %1 em graus decimais").arg(oQue));
    e.botaoG->setToolTip(e.botaoG->accessibleName());
    e.decimal = CriaCaixaTexto(pai, L1(n.decimal), dx + 1320, dy + 360, 1335, 285,
                               QStringLiteral("%1 em graus decimais").arg(QString::fromUtf8(n.legenda)));
    e.graus = CriaCaixaTexto(pai, L1(n.graus), dx + 1200, dy + 375, 375, 285, QStringLiteral("Graus %1").arg(doQue));
    const QFont sinal = FonteArial(11.25);
    e.sinalGraus = CriaRotulo(pai, L1(n.sinalGraus), QStringLiteral("º"), dx + 1575, dy + 375, 75, 255, sinal);
    e.minutos =
        CriaCaixaTexto(pai, L1(n.minutos), dx + 1665, dy + 375, 375, 285, QStringLiteral("Minutos %1").arg(doQue));
    e.sinalMinutos = CriaRotulo(pai, L1(n.sinalMinutos), QStringLiteral("'"), dx + 2070, dy + 375, 45, 255, sinal);
    e.segundos =
        CriaCaixaTexto(pai, L1(n.segundos), dx + 2160, dy + 375, 375, 285, QStringLiteral("Segundos %1").arg(doQue));
    e.sinalSegundos = CriaRotulo(pai, L1(n.sinalSegundos), QStringLiteral("''"), dx + 2565, dy + 360,
                                 n.larguraSinalSegundos, 255, sinal);
    e.sinalGraus->setAccessibleName(QStringLiteral("graus"));
    e.sinalMinutos->setAccessibleName(QStringLiteral("minutos"));
    e.sinalSegundos->setAccessibleName(QStringLiteral("segundos"));
    e.paraGrausMinutosSegundos();
    return e;
}

EntradaCoordenada CriaCoordenada(QWidget* area, const NomesEntrada& n, double esquerda, double topo)
{
    auto* m = CriaMoldura(area, L1(n.moldura), QString::fromUtf8(n.legenda), esquerda, topo, 2775, 735,
                          FonteArial(8.25, true));
    return CriaEntrada(m, n);
}

}  // namespace ceravel
