#include "lote/CalculaPonto.h"

#include "calc/Calculo.h"
#include "present/FormataResultados.h"

#include <utility>
#include <variant>

namespace ceravel::lote {

void CalculaPonto(const TextosEntrada& entrada, const ConjuntosCoeficientes& conjuntos, const QLocale& locale,
                  ResultadoPonto& resultado)
{
    ResultadoCampo campo = CalculaSemTextos(entrada, locale, conjuntos);
    resultado.declinacao.resize(0);
    if (const auto* calculado = std::get_if<CampoCalculado>(&campo)) {
        resultado.elementos = calculado->elementos;
        resultado.anoDecimal = calculado->pedido.anoDecimal;
        AcrescentaDeclinacao(resultado.declinacao, calculado->elementos.D, locale);
        resultado.mensagem.clear();
        return;
    }
    resultado.elementos.reset();
    resultado.anoDecimal = 0;
    if (auto* falha = std::get_if<FalhaGuarda>(&campo))
        resultado.mensagem = std::move(falha->mensagem);
    else
        resultado.mensagem = std::move(std::get<FalhaModelo>(campo).mensagem);
}

ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ConjuntosCoeficientes& conjuntos,
                            const QLocale& locale)
{
    ResultadoPonto resultado;
    CalculaPonto(entrada, conjuntos, locale, resultado);
    return resultado;
}

}  // namespace ceravel::lote
