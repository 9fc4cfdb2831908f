#include "calc/ConversaoRumos.h"

#include "calc/RegrasRumos.h"
#include "calc/ValidaConversao.h"
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "present/TextosConversao.h"

#include <utility>

namespace ceravel {

namespace {

// The regional model's years, as the main window accepts them.
constexpr double PrimeiroAnoRegional = 1995, UltimoAnoRegional = 2005;

// IGRF-14's declination at one date, and the regional model's run exactly as
// the Calculate command runs it where the typed year lies in its period. A
// regional failure is kept as a reason, never as a failure of the conversion.
std::optional<DeclinacaoNaData> DeclinacaoEm(const igrf::ModeloIgrf& modelo, double latitude, double longitude,
                                             const ValoresData& data, double anoDecimal, const QString& pasta)
{
    const std::optional<igrf::ElementosIgrf> campo = CampoIgrf14(modelo, latitude, longitude, anoDecimal);
    if (!campo)
        return std::nullopt;
    DeclinacaoNaData d;
    d.anoDecimal = anoDecimal;
    d.D = campo->D;
    d.dD = campo->dD;
    if (data.ano >= PrimeiroAnoRegional && data.ano <= UltimoAnoRegional) {
        const ResultadoModelo regional = CalculaCampo(pasta, latitude + 15, longitude + 55, anoDecimal - 1990);
        if (regional.elementos)
            d.regional = regional.elementos->D;
        else
            d.erroRegional = regional.erro;
    }
    return d;
}

}  // namespace

ResultadoConversao CalculaConversao(const TextosConversao& entrada, const QLocale& locale,
                                    const QString& pastaPrograma)
{
    ResultadoValidacaoConversao validacao = ValidaConversao(entrada, locale);
    if (auto* falha = std::get_if<FalhaGuarda>(&validacao))
        return std::move(*falha);
    const PedidoConversao& pedido = std::get<PedidoConversao>(validacao);

    // Read only after every check has passed, then kept for the process.
    const LeituraIgrf14 leitura = CarregaIgrf14(pastaPrograma);
    if (!leitura.modelo)
        return FalhaModelo{leitura.erro};

    Conversao c;
    c.entrada = entrada;
    c.latitude = pedido.latitude;
    c.longitude = pedido.longitude;
    c.dataLevantamento = pedido.levantamento;
    c.dataConversao = pedido.conversao;
    c.levantamentoSoAno = pedido.levantamentoSoAno;
    const std::optional<DeclinacaoNaData> levantamento = DeclinacaoEm(
        *leitura.modelo, pedido.latitude, pedido.longitude, pedido.levantamento, pedido.anoLevantamento, pastaPrograma);
    const std::optional<DeclinacaoNaData> conversao = DeclinacaoEm(
        *leitura.modelo, pedido.latitude, pedido.longitude, pedido.conversao, pedido.anoConversao, pastaPrograma);
    // The checks keep position and dates inside the model's domain; this is
    // only a guard against a model that answers nothing.
    if (!levantamento || !conversao)
        return FalhaModelo{QStringLiteral("O IGRF-14 não pôde ser calculado nesta posição e data.")};
    c.levantamento = *levantamento;
    c.conversao = *conversao;
    // From the declinations as shown, so that the sums on screen check.
    if (pedido.azimute)
        c.rumos = ConverteRumo(*pedido.azimute, entrada.referencia, SegundosArredondados(c.levantamento.D),
                               SegundosArredondados(c.conversao.D));
    c.textos = FormataConversao(c, locale);
    return c;
}

}  // namespace ceravel
