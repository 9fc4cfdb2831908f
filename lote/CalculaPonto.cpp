#include "lote/CalculaPonto.h"

#include "calc/Calculo.h"
#include "present/FormataResultados.h"

#include <utility>
#include <variant>

namespace ceravel::lote {

ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ConjuntosCoeficientes& conjuntos,
                            const QLocale& locale)
{
    ResultadoCampo campo = CalculaSemTextos(entrada, locale, conjuntos);
    if (const auto* calculado = std::get_if<CampoCalculado>(&campo))
        return {calculado->elementos, calculado->pedido.anoDecimal, TextoDeclinacao(calculado->elementos.D, locale),
                {}};
    if (auto* falha = std::get_if<FalhaGuarda>(&campo))
        return {std::nullopt, 0, {}, std::move(falha->mensagem)};
    return {std::nullopt, 0, {}, std::move(std::get<FalhaModelo>(campo).mensagem)};
}

}  // namespace ceravel::lote
