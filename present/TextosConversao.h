#pragma once

#include "calc/ConversaoRumos.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// An azimuth in [0°, 360°) as "123º45'06''" (U+00BA after the degrees, like
// the calculator's declination), seconds rounded half away from zero; one that
// rounds to 360° reads "0º00'00''".
QString TextoAzimute(double azimute, const QLocale& locale);
// The same azimuth as a rumo, "35º20'10'' NO", from the same rounded seconds,
// so both texts of one bearing always agree (359.9999° reads "0º00'00'' NE").
QString TextoRumo(double azimute, const QLocale& locale);

// Quadrant letters as the window and the texts write them.
QString TextoQuadrante(Quadrante quadrante);

// The text of a model line after "Modelo: ".
QString DescricaoModeloConversao();

// Every result text of one conversion.
TextosResultadoConversao FormataConversao(const DeclinacaoNaData& levantamento, const DeclinacaoNaData& conversao,
                                          const std::optional<RumosConvertidos>& rumos, const QLocale& locale);

// What "Copiar" puts on the clipboard: "caption<TAB>value" lines (two columns
// in a spreadsheet) and an HTML table of the same rows (a word processor).
struct TextoCopia {
    QString texto;
    QString html;
};

// The inputs as typed (position, both dates, the bearing with its kind and
// reference), then the results.
TextoCopia TextoCopiaConversao(const Conversao& conversao, const QLocale& locale);

}  // namespace ceravel
