// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ConversaoRumos.h"

#include <QLocale>
#include <QString>

namespace ceravel {

// The captions of the results, the same on screen (rows by columns) and on
// the clipboard ("Declinação – Levantamento").
inline const QString LegendaDeclinacao = QStringLiteral("Declinação");
inline const QString LegendaVariacao = QStringLiteral("Variação anual");
inline const QString LegendaRegional = QStringLiteral("Modelo regional (1995 a 2005)");
inline const QString LegendaMudanca = QStringLiteral("Mudança da declinação");
inline const QString LegendaVerdadeiro = QStringLiteral("Verdadeiro");
inline const QString LegendaMagnetico = QStringLiteral("Magnético na data da conversão");
inline const QString LegendaLevantamento = QStringLiteral("Levantamento");
inline const QString LegendaConversao = QStringLiteral("Conversão");
inline const QString LegendaAzimute = QStringLiteral("Azimute");
inline const QString LegendaRumo = QStringLiteral("Rumo");
inline const QString LegendaQuadricula = QStringLiteral("De quadrícula");

// "23S: E 192848,93 m; N 8252943,25 m", centimetres, no digit grouping.
QString TextoUtm(const geo::PontoUtm& utm, const QLocale& locale);
// The transformation to SIRGAS 2000 and its accuracy, "SAD69 → SIRGAS 2000:
// grade do IBGE br_ibge_SAD69_003.tif, precisão 1 m".
QString TextoTransformacao(geo::Datum datum, const geo::Operacao& operacao, const QLocale& locale);

// The text of a model line after "Modelo: ", with how the angles are rounded.
QString DescricaoModeloConversao();

// Every result text of one conversion (its `textos` aside), in the forms of
// TextosAngulo: each angle rounded once to the second, the change of
// declination and the bearings from the declinations as shown.
TextosResultadoConversao FormataConversao(const Conversao& conversao, const QLocale& locale);

// What "Copiar" puts on the clipboard: a header row and one data row,
// tab-separated (conversions pasted one under another make a table), and an
// HTML table of the same two rows (a word processor).
struct TextoCopia {
    QString texto;
    QString html;
};

// The position, both dates, the bearing given with its kind and reference,
// then the results; every angle as its text and as a decimal-degree number in
// the locale's form. The same columns with or without a bearing.
TextoCopia TextoCopiaConversao(const Conversao& conversao, const QLocale& locale);

}  // namespace ceravel
