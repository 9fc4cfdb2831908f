// SPDX-License-Identifier: GPL-3.0-or-later
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

// The position in SIRGAS 2000 and on the grid. Nothing without PROJ only where
// nothing asks for it: SIRGAS 2000 latitude and longitude and no grid bearing.
std::variant<FalhaGuarda, std::optional<GeodesiaConversao>> Geodesia(const TextosConversao& entrada,
                                                                    const PedidoConversao& pedido,
                                                                    const QLocale& locale, const QString& pasta)
{
    geo::Geodesia& geodesia = geo::GeodesiaDaThread(pasta);
    const bool dispensavel = !pedido.utm && entrada.datum == geo::Datum::Sirgas2000 &&
                             !(pedido.azimute && entrada.referencia == ReferenciaRumo::Quadricula);
    if (!geodesia.erro().isEmpty() && dispensavel)
        return std::optional<GeodesiaConversao>{};
    GeodesiaConversao g;
    if (Guarda falha = GuardasGeodesicas(geodesia, entrada.datum, pedido.utm, {pedido.latitude, pedido.longitude},
                                         locale, g.posicao))
        return std::move(*falha);
    const geo::Geografico& p = g.posicao.sirgas.ponto;
    const int zona = geo::ZonaUtm(p.longitude);
    const bool sul = p.latitude < 0;
    const auto semGrade = [](const geo::FalhaGeo& f) { return FalhaGuarda{f.mensagem, Campo::Nenhum}; };
    const auto proprio = geodesia.ParaUtm(p, zona, sul);
    if (const auto* f = std::get_if<geo::FalhaGeo>(&proprio))
        return semGrade(*f);
    g.utmProprio = std::get<geo::PontoUtm>(proprio);
    g.grade = g.utmProprio;
    if (pedido.utm && (pedido.utm->zona != zona || pedido.utm->sul != sul)) {
        const auto dado = geodesia.ParaUtm(p, pedido.utm->zona, pedido.utm->sul);
        if (const auto* f = std::get_if<geo::FalhaGeo>(&dado))
            return semGrade(*f);
        g.utmDado = g.grade = std::get<geo::PontoUtm>(dado);
    }
    const auto fatores = geodesia.Fatores(p, g.grade.zona, g.grade.sul);
    if (const auto* f = std::get_if<geo::FalhaGeo>(&fatores))
        return semGrade(*f);
    g.fatores = std::get<geo::FatoresUtm>(fatores);
    return std::optional(g);
}

}  // namespace

ResultadoConversao CalculaConversao(const TextosConversao& entrada, const QLocale& locale,
                                    const QString& pastaPrograma)
{
    ResultadoValidacaoConversao validacao = ValidaConversao(entrada, locale);
    if (auto* falha = std::get_if<FalhaGuarda>(&validacao))
        return std::move(*falha);
    PedidoConversao& pedido = std::get<PedidoConversao>(validacao);
    auto geodesia = Geodesia(entrada, pedido, locale, pastaPrograma);
    if (auto* falha = std::get_if<FalhaGuarda>(&geodesia))
        return std::move(*falha);
    const std::optional<GeodesiaConversao>& g = std::get<std::optional<GeodesiaConversao>>(geodesia);
    // The models run in SIRGAS 2000.
    if (g) {
        pedido.latitude = g->posicao.sirgas.ponto.latitude;
        pedido.longitude = g->posicao.sirgas.ponto.longitude;
    }

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
    c.geodesia = g;
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
    // A grid bearing is true bearing minus γ, with γ as shown: true = grid + γ.
    const std::optional<long long> gama =
        g ? std::optional(SegundosArredondados(g->fatores.convergencia)) : std::nullopt;
    if (pedido.azimute) {
        const bool quadricula = entrada.referencia == ReferenciaRumo::Quadricula;
        c.rumos = ConverteRumo(quadricula ? ReduzAzimute(*pedido.azimute + gama.value_or(0)) : *pedido.azimute,
                               quadricula ? ReferenciaRumo::Verdadeiro : entrada.referencia,
                               SegundosArredondados(c.levantamento.D), SegundosArredondados(c.conversao.D));
        c.rumos->informado = *pedido.azimute;
        if (gama)
            c.rumos->quadricula = ReduzAzimute(c.rumos->verdadeiro - *gama);
    }
    c.textos = FormataConversao(c, locale);
    return c;
}

}  // namespace ceravel
