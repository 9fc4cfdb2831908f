#pragma once

#include "calc/EntradaCalculo.h"
#include "model/Coeficientes.h"
#include "model/ElementosCampo.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel::lote {

// What one point gives: the field with its decimal year and declination text,
// or the calculator's message.
struct ResultadoPonto {
    std::optional<ElementosCampo> elementos;
    double anoDecimal = 0;  // year + elapsed fraction, the given day counted
    QString declinacao;     // as the calculator shows it, e.g. -21º07'30''
    QString mensagem;       // why the point was refused (empty on success)
};

// The calculator's checks, model run and declination text for one point,
// with the sets read once for the whole batch instead of on every press.
ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ConjuntosCoeficientes& conjuntos,
                            const QLocale& locale);
// The same into `resultado`, whose strings keep their room from point to point.
void CalculaPonto(const TextosEntrada& entrada, const ConjuntosCoeficientes& conjuntos, const QLocale& locale,
                  ResultadoPonto& resultado);

}  // namespace ceravel::lote
