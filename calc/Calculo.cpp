#include "calc/Calculo.h"

#include "model/CalculaCampo.h"
#include "present/FormataResultados.h"

#include <utility>

namespace ceravel {

namespace {

// The checks, then `rodaModelo` on the checked position and date: nothing is
// read or evaluated before every check has passed.
template <class RodaModelo>
ResultadoCampo ChecaERodaModelo(const TextosEntrada& entrada, const QLocale& locale, RodaModelo rodaModelo)
{
    ResultadoValidacao validacao = ValidaEntrada(entrada, locale);
    if (validacao.falha)
        return std::move(*validacao.falha);
    const ResultadoModelo modelo = rodaModelo(*validacao.pedido);
    if (!modelo.elementos)
        return FalhaModelo{modelo.erro};
    return CampoCalculado{std::move(*validacao.pedido), *modelo.elementos};
}

}  // namespace

ResultadoCalculo Calcula(const TextosEntrada& entrada, const QLocale& locale,
                         const QString& pastaPrograma)
{
    // The coefficient files are read afresh on every press, only after the checks.
    ResultadoCampo campo = ChecaERodaModelo(entrada, locale, [&](const PedidoValidado& pedido) {
        return CalculaCampo(pastaPrograma, pedido.x, pedido.y, pedido.t);
    });
    if (auto* falha = std::get_if<FalhaGuarda>(&campo))
        return std::move(*falha);
    if (auto* falha = std::get_if<FalhaModelo>(&campo))
        return std::move(*falha);
    CampoCalculado& calculado = std::get<CampoCalculado>(campo);
    TextosResultado textos = FormataResultados(calculado.elementos, calculado.pedido, entrada, locale);
    return Calculo{entrada, std::move(calculado.pedido), calculado.elementos, std::move(textos)};
}

ResultadoCampo CalculaSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                const ConjuntosCoeficientes& conjuntos)
{
    return ChecaERodaModelo(entrada, locale, [&](const PedidoValidado& pedido) {
        return CalculaCampo(conjuntos.declinacao, conjuntos.inclinacao, conjuntos.intensidade, pedido.x,
                            pedido.y, pedido.t);
    });
}

}  // namespace ceravel
