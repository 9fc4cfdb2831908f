// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/CalculaPonto.h"

#include "calc/Calculo.h"
#include "calc/CalculoIgrf.h"
#include "lote/MensagensLote.h"
#include "present/FormataResultados.h"

#include <optional>
#include <utility>
#include <variant>

namespace ceravel::lote {

void CalculaPonto(const TextosEntrada& entrada, const ModeloLote& modelo, const QLocale& locale,
                  ResultadoPonto& resultado)
{
    resultado.declinacao.resize(0);
    if (modelo.igrf) {
        // One evaluator per thread, so that the rows of one date share its
        // coefficients; the table is CarregaIgrf14's, kept for the whole run.
        thread_local std::optional<AvaliadorIgrf14> avaliador;
        if (!avaliador || &avaliador->modelo() != modelo.igrf)
            avaliador.emplace(*modelo.igrf);
        ResultadoCampoIgrf campo = CalculaIgrfSemTextos(entrada, locale, *avaliador);
        if (const auto* calculado = std::get_if<CampoIgrfCalculado>(&campo)) {
            resultado.elementos.reset();
            resultado.igrf = calculado->elementos;
            resultado.anoDecimal = calculado->pedido.anoDecimal;
            AcrescentaDeclinacao(resultado.declinacao, static_cast<float>(calculado->elementos.D), locale);
            resultado.mensagem.clear();
            return;
        }
        resultado.recusa(std::get<FalhaGuarda>(campo).mensagem);
        return;
    }
    ResultadoCampo campo = CalculaSemTextos(entrada, locale, *modelo.regional);
    if (const auto* calculado = std::get_if<CampoCalculado>(&campo)) {
        resultado.igrf.reset();
        resultado.elementos = calculado->elementos;
        resultado.anoDecimal = calculado->pedido.anoDecimal;
        AcrescentaDeclinacao(resultado.declinacao, calculado->elementos.D, locale);
        resultado.mensagem.clear();
        return;
    }
    const auto* guarda = std::get_if<FalhaGuarda>(&campo);
    if (guarda && guarda->mensagem == MensagemPeriodoRegional())
        resultado.recusa(MensagemPeriodoRegionalLote());
    else
        resultado.recusa(guarda ? guarda->mensagem : std::get<FalhaModelo>(campo).mensagem);
}

ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ModeloLote& modelo, const QLocale& locale)
{
    ResultadoPonto resultado;
    CalculaPonto(entrada, modelo, locale, resultado);
    return resultado;
}

}  // namespace ceravel::lote
