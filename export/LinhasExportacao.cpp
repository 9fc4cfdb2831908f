// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/LinhasExportacao.h"

namespace ceravel {

namespace {

// An element row: its label, its value, an empty column, its annual variation.
QString LinhaElemento(const QString& rotulo, const QString& valor, const QString& variacao)
{
    return QStringList{rotulo, valor, QString(), variacao}.join(u';');
}

}  // namespace

// Every value is a text the calculation already produced, so the file shows
// exactly what the windows show, with the same decimal separator and units.
QStringList LinhasExportacao(const Calculo& calculo)
{
    const TextosEntrada& e = calculo.entrada;
    const TextosResultado& t = calculo.textos;
    // The inclination in one field, degrees and decimal minutes, e.g. -30º7.50'.
    const QString inclinacao = t.inc2 + u'\u00BA' + t.aimin2 + u'\'';
    QStringList linhas{
        QStringLiteral("Vestrada"),
        QStringLiteral("Ceravel"),
        QString(),
        QString(),
        QString(),
        QStringList{QStringLiteral("Data"), e.dia, e.mes, e.ano}.join(u';'),
        QStringLiteral("Época;") + t.epoca,
        QString(),
        QStringLiteral("Longitude;") + calculo.textos.longExp,
        QStringLiteral("Latitude;") + calculo.textos.latExp,
        QString(),
        QString(),
        QStringLiteral("COMPONENTES"),
        QStringLiteral("Componentes Campo Geomagnético do Brasil;;;Variacao"),
        LinhaElemento(QStringLiteral("X"), t.cx, t.vx2),
        LinhaElemento(QStringLiteral("Y"), t.cy, t.vy2),
        LinhaElemento(QStringLiteral("Z"), t.cz, t.vz2),
        QString(),
        QStringLiteral("Intensidade Total"),
        LinhaElemento(QStringLiteral("F"), t.cf, t.vf2),
        QString(),
        QStringLiteral("Ceravel"),
        LinhaElemento(QStringLiteral("D"), t.dmin, t.vd),
        QString(),
        QStringLiteral("Inclinação"),
        LinhaElemento(QStringLiteral("I"), inclinacao, t.vi2),
    };
    // IGRF-14 says so after the date; the regional file stays as it always was.
    if (calculo.modelo == ModeloCalculo::Igrf14)
        linhas.insert(7, QStringLiteral("Modelo;IGRF-14 (IAGA)"));
    return linhas;
}

}  // namespace ceravel
