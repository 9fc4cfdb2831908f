// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/PoligonoMemorial.h"

#include "poligono/PlanoSirgas.h"

namespace ceravel {

std::variant<QString, std::vector<SegmentoPoligonal>> LadosDoMemorial(const ConversaoMemorial& c)
{
    std::vector<SegmentoPoligonal> lados;
    for (std::size_t i = 0; i < c.segmentos.size(); ++i) {
        const ResultadoSegmento& r = c.segmentos[i];
        if (!r.convertido)
            return QStringLiteral("O polígono precisa de todos os segmentos, e o segmento %1 não foi lido.").arg(i + 1);
        const SegmentoMemorial& s = c.memorial.segmentos[i];
        lados.push_back({s.de, s.para, r.convertido->verdadeiro, r.convertido->distancia});
    }
    return lados;
}

std::variant<FalhaGuarda, PoligonoMemorial> CalculaPoligonoMemorial(const ConversaoMemorial& c,
                                                                    const PedidoPoligono& pedido,
                                                                    const QLocale& locale, geo::Geodesia& geodesia)
{
    const auto inicio = ChecaVerticeInicial(pedido.inicio, pedido.datum, locale, geodesia);
    if (const auto* f = std::get_if<FalhaGuarda>(&inicio))
        return *f;
    const auto lados = LadosDoMemorial(c);
    if (const auto* m = std::get_if<QString>(&lados))
        return FalhaGuarda{*m, Campo::Nenhum};
    PoligonoMemorial p{std::get<VerticeInicial>(inicio), {}};
    OpcoesPoligonal o;
    o.verticeInicial = p.inicio.nome;
    o.inicio = p.inicio.plano;
    o.fatorEscala = pedido.fatorEscala;
    o.altitudeMedia = pedido.altitude;
    o.compensar = pedido.compensar;
    p.poligonal = CalculaPoligonal(std::get<std::vector<SegmentoPoligonal>>(lados),
                                   PlanoSirgas(geodesia, p.inicio.zona, p.inicio.sul), o);
    if (!p.poligonal.mensagem.isEmpty())
        return FalhaGuarda{p.poligonal.mensagem, Campo::Nenhum};
    return p;
}

}  // namespace ceravel
