// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Calculo.h"

#include "calc/CalculoIgrf.h"
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "present/FormataResultados.h"

#include <utility>

namespace ceravel {

namespace {

// The checks, then `rodaModelo` on the checked position and date: nothing is
// read or evaluated before every check has passed.
template <class RodaModelo>
ResultadoCampo ChecaERodaModelo(const TextosEntrada& entrada, const QLocale& locale, RodaModelo rodaModelo,
                                const JanelaAnos* janela = nullptr)
{
    ResultadoValidacao validacao = janela ? ValidaEntrada(entrada, locale, *janela) : ValidaEntrada(entrada, locale);
    if (validacao.falha)
        return std::move(*validacao.falha);
    const ResultadoModelo modelo = rodaModelo(*validacao.pedido);
    if (!modelo.elementos)
        return FalhaModelo{modelo.erro};
    return CampoCalculado{std::move(*validacao.pedido), *modelo.elementos};
}

}  // namespace

ResultadoCalculo Calcula(const TextosEntrada& entrada, const QLocale& locale,
                         const QString& pastaPrograma, ModeloCalculo modelo)
{
    // The coefficient files are read afresh on every press, only after the checks.
    const auto regional = [&](const PedidoValidado& pedido) {
        return CalculaCampo(pastaPrograma, pedido.x, pedido.y, pedido.t);
    };
    const auto igrf14 = [&](const PedidoValidado& pedido) {
        const LeituraIgrf14 leitura = CarregaIgrf14(pastaPrograma);
        if (!leitura.modelo)
            return ResultadoModelo{std::nullopt, leitura.erro};
        const auto e = CampoIgrf14(*leitura.modelo, pedido.latitude, pedido.longitude, pedido.anoDecimal);
        if (!e)
            return ResultadoModelo{std::nullopt, MensagemPeriodoIgrf14()};
        return ResultadoModelo{ElementosDoIgrf(*e), {}};
    };
    const JanelaAnos periodoIgrf{1900, 2029, MensagemPeriodoIgrf14()};
    ResultadoCampo campo = modelo == ModeloCalculo::Igrf14 ? ChecaERodaModelo(entrada, locale, igrf14, &periodoIgrf)
                                                           : ChecaERodaModelo(entrada, locale, regional);
    if (auto* falha = std::get_if<FalhaGuarda>(&campo))
        return std::move(*falha);
    if (auto* falha = std::get_if<FalhaModelo>(&campo))
        return std::move(*falha);
    CampoCalculado& calculado = std::get<CampoCalculado>(campo);
    TextosResultado textos = FormataResultados(calculado.elementos, calculado.pedido, entrada, locale);
    return Calculo{entrada, std::move(calculado.pedido), calculado.elementos, std::move(textos), modelo};
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
