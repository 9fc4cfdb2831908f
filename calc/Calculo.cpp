#include "calc/Calculo.h"

#include "model/CalculaCampo.h"
#include "present/FormataResultados.h"

namespace ceravel {

ResultadoCalculo Calcula(const TextosEntrada& entrada, const QLocale& locale,
                         const QString& pastaPrograma)
{
    ResultadoValidacao validacao = ValidaEntrada(entrada, locale);
    if (validacao.falha)
        return *validacao.falha;
    const PedidoValidado& pedido = *validacao.pedido;

    // The coefficient files are read afresh on every press, only after the checks.
    const ResultadoModelo modelo = CalculaCampo(pastaPrograma, pedido.x, pedido.y, pedido.t);
    if (!modelo.elementos)
        return FalhaModelo{modelo.erro};

    TextosResultado textos = FormataResultados(*modelo.elementos, pedido.anoDecimal, entrada, locale);
    return Calculo{entrada, pedido, *modelo.elementos, std::move(textos)};
}

}  // namespace ceravel
