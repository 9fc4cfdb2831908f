// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "model/ElementosCampo.h"
#include "model/Igrf14.h"
#include "present/Isolinhas.h"

#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace ceravel {

// What the map window shows. The order is the order of its list.
enum class ElementoMapa { Declinacao, Inclinacao, Intensidade, VariacaoDeclinacao };

// The accepted box of the calculator.
inline constexpr double LatitudeMinimaMapa = -35, LatitudeMaximaMapa = 10;
inline constexpr double LongitudeMinimaMapa = -75, LongitudeMaximaMapa = -30;

// The element as the main window shows it: D and I in degrees, F in nT, the
// variation of D (m) in minutes of arc per year.
double ValorDoElemento(const ElementosCampo& e, ElementoMapa elemento);

// The element at one point, evaluated exactly as the Calculate command does
// (the same polynomials, single precision where the model has it).
double ValorElementoMapa(const ConjuntosCoeficientes& c, ElementoMapa elemento, double latitude,
                         double longitude, double t);

// The element on a grid over the whole box: `colunas` nodes from west to
// east, `linhas` from south to north, x = longitude, y = latitude.
GradeValores GradeElementoMapa(const ConjuntosCoeficientes& c, ElementoMapa elemento, double t, int colunas,
                               int linhas);

// The same under IGRF-14 at a decimal year, for the element as the main
// window shows it (D, I, F in single precision, dD in minutes per year); the
// rates are computed only for dD. NaN outside 1900.0–2030.0.
double ValorElementoMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double latitude, double longitude,
                         double ano);
GradeValores GradeElementoMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double ano, int colunas, int linhas);

// A decimal year as the map's legend prints it: at most three decimals,
// trailing zeros dropped ("2000,456", "1960,5").
QString TextoEpocaMapa(double anoDecimal, const QLocale& locale);

// A round interval between isolines: the smallest of the element's steps (1, 2,
// 5, 10 degrees for D; 5, 10, 20 for I; 1000, 2000, 5000 nT for F; 1, 2, 5, 10
// minutes per year for dD) that keeps the lines over the range at most
// `maximoLinhas`.
double IntervaloIsolinhas(ElementoMapa elemento, double minimo, double maximo, int maximoLinhas = 20);

// D, I and dD get a diverging colour map centred on zero, F a sequential one.
bool EscalaDivergente(ElementoMapa elemento);

// Texts of the map, in Portuguese.
QString NomeElementoMapa(ElementoMapa elemento);      // "Declinação (D)"
QString UnidadeElementoMapa(ElementoMapa elemento);   // "graus", "nT", "minutos de arco por ano"
QString NomeLinhasMapa(ElementoMapa elemento);        // "isogônicas", ...
QString NomeLinhaZeroMapa(ElementoMapa elemento);     // "linha agônica", "equador magnético"; empty for F
// A value as the calculator writes it: D as -21º07'30'', I as -30º07,50',
// F as 23456,7 nT, dD as -7'30''/ano.
QString TextoValorMapa(ElementoMapa elemento, double valor, const QLocale& locale);
// An isoline's label: the level in the element's unit, e.g. -20°, 25000, -7'.
QString TextoNivelMapa(ElementoMapa elemento, double nivel, const QLocale& locale);
// The interval between isolines with its unit: 2°, 1000 nT, 1'/ano.
QString TextoIntervaloMapa(ElementoMapa elemento, double intervalo, const QLocale& locale);
// A latitude or longitude in degrees, minutes and whole seconds as the report
// writes a typed position, e.g. -15°30'00'' (south and west negative).
QString TextoCoordenadaMapa(double graus, const QLocale& locale);
// Why the shading is paler outside Brazil, with the fit's worst errors there
// and inside Brazil for this element (from data/ajuste-igrf.md).
QString TextoPrecisaoMapa(ElementoMapa elemento, const QLocale& locale);

// The fit's largest errors of the element on held-out points (data/ajuste-igrf.md),
// in its unit: minutes of arc for D and I, nT for F, minutes per year for dD.
struct ErroMaximoAjuste {
    double brasil;
    double caixa;
};
ErroMaximoAjuste ErroMaximoMapa(ElementoMapa elemento);

// Where the calculated point's label of size `tamanho` goes: beside the
// point, 14 pixels off, on the side with room, and moved inside `caixa` near
// its edges so that no part is cut.
QRectF RetanguloRotuloPonto(const QPointF& ponto, const QSizeF& tamanho, const QRectF& caixa);

// Equirectangular projection of the box, scaled by the cosine of its central
// latitude, fitted and centred in a rectangle (y down).
class ProjecaoMapa {
public:
    explicit ProjecaoMapa(const QRectF& area);

    QPointF paraTela(double latitude, double longitude) const;
    // Latitude (y) and longitude (x) of a point of the screen.
    PontoPlano paraGeografico(const QPointF& ponto) const;
    // The box itself on the screen.
    const QRectF& caixa() const { return m_caixa; }
    double pixelsPorGrauLongitude() const { return m_escalaX; }
    double pixelsPorGrauLatitude() const { return m_escalaY; }

private:
    QRectF m_caixa;
    double m_escalaX = 1, m_escalaY = 1;
};

}  // namespace ceravel
