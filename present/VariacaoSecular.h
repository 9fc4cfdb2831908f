// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "model/Igrf14.h"

#include <QLocale>
#include <QString>
#include <vector>

namespace ceravel {

// The elements of the secular variation chart, in the order of its list.
enum class ElementoSecular { D, I, F, H, X, Y, Z };

// One date of a curve: the decimal year, the element (degrees for D and I,
// nT otherwise) and its annual variation (minutes of arc per year for D and
// I, nT per year otherwise).
struct PontoSecular {
    int ano = 0;
    double anoDecimal = 0;
    double valor = 0;
    double variacao = 0;
};

// The element on 1 July of every year from 1900 to 2029 under IGRF-14 at a
// position (degrees). D, I and F in single precision, as the main window
// shows them.
std::vector<PontoSecular> SerieIgrf14(AvaliadorIgrf14& igrf, ElementoSecular elemento, double latitude,
                                      double longitude);
// The regional model's on 1 July of 1995 to 2005; empty if a set overflows.
std::vector<PontoSecular> SerieRegional(const ConjuntosCoeficientes& conjuntos, ElementoSecular elemento,
                                        double latitude, double longitude);
// The element of a calculation's results (either model) at its date.
PontoSecular PontoDoCalculo(const ElementosCampo& e, ElementoSecular elemento, double anoDecimal);
// The element at one decimal year under IGRF-14 (NaN outside 1900–2030).
PontoSecular PontoIgrf14(AvaliadorIgrf14& igrf, ElementoSecular elemento, double latitude, double longitude,
                         double anoDecimal);

bool Angular(ElementoSecular elemento);
QString SiglaSecular(ElementoSecular elemento);            // "D", "I", "F", ...
QString NomeElementoSecular(ElementoSecular elemento);     // "Declinação (D)"
QString UnidadeSecular(ElementoSecular elemento);          // "graus", "nT"
QString UnidadeVariacaoSecular(ElementoSecular elemento);  // "'/ano", "nT/ano"

// A value as the chart writes it: an angle rounded to the second, half away
// from zero, with "°" and two-digit minutes and seconds ("-21°07'30''"); an
// intensity with one decimal and " nT".
QString TextoValorSecular(ElementoSecular elemento, double valor, const QLocale& locale);
// The variation: "-7,5'/ano" or "-25,3 nT/ano".
QString TextoVariacaoSecular(ElementoSecular elemento, double variacao, const QLocale& locale);

// Ticks of the value axis: round steps (for angles whole minutes or degrees,
// 1' to 10°; for intensities 1, 2, 5 × 10^k nT) giving at most `maximo`
// ticks over [minimo, maximo]. For angles the labels read "-21°30'".
std::vector<double> MarcasEixoSecular(ElementoSecular elemento, double minimo, double maximoValor, int maximo = 8);
QString TextoMarcaSecular(ElementoSecular elemento, double valor, const QLocale& locale);

// "Copiar tabela": a header line, then one line per point: the year, the
// decimal year, the value and its variation as numbers in the locale's
// decimal form (no grouping), and for angles the value's text; fields
// separated by tabs, lines by "\n".
QString TabelaSecular(const std::vector<PontoSecular>& serie, ElementoSecular elemento, const QLocale& locale);

}  // namespace ceravel
