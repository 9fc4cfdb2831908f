// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculoIgrf.h"

#include "model/Igrf14.h"

namespace ceravel {

const QString& MensagemPeriodoIgrf14()
{
    static const QString mensagem =
        QStringLiteral("O modelo IGRF-14 é válido somente para datas entre 1900 e 2029.");
    return mensagem;
}

ResultadoCampoIgrf CalculaIgrfSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                        const igrf::ModeloIgrf& modelo)
{
    AvaliadorIgrf14 avaliador(modelo);
    return CalculaIgrfSemTextos(entrada, locale, avaliador);
}

ResultadoCampoIgrf CalculaIgrfSemTextos(const TextosEntrada& entrada, const QLocale& locale,
                                        AvaliadorIgrf14& avaliador)
{
    ResultadoValidacao validacao = ValidaEntrada(entrada, locale, JanelaAnos{1900, 2029, MensagemPeriodoIgrf14()});
    if (!validacao.pedido)
        return std::move(*validacao.falha);
    const PedidoValidado& p = *validacao.pedido;
    // Every date the checks accept lies in 1900.0–2030.0, where the model answers.
    const auto campo = avaliador.campo(p.latitude, p.longitude, p.anoDecimal);
    if (!campo)
        return FalhaGuarda{MensagemPeriodoIgrf14(), Campo::Ano};
    return CampoIgrfCalculado{p, *campo};
}

}  // namespace ceravel
