// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/DeclinacaoVertices.h"

namespace ceravel {

std::variant<FalhaGuarda, MemorialNoTerreno> CalculaMemorialNoTerreno(const ConversaoMemorial& conversao,
                                                                      const PedidoPoligono& pedido,
                                                                      const QLocale& locale,
                                                                      const QString& pastaPrograma)
{
    geo::Geodesia& geodesia = geo::GeodesiaDaThread(pastaPrograma);
    auto primeiro = CalculaPoligonoMemorial(conversao, pedido, locale, geodesia);
    if (const auto* f = std::get_if<FalhaGuarda>(&primeiro))
        return *f;
    MemorialNoTerreno m{conversao, std::get<PoligonoMemorial>(std::move(primeiro))};

    double perimetro = 0;
    for (const ResultadoSegmento& s : conversao.segmentos)
        perimetro += s.convertido ? s.convertido->distancia : 0;
    std::vector<geo::Geografico> partidas;
    for (std::size_t i = 0; i < conversao.segmentos.size(); ++i) {
        const auto& g = m.poligono.poligonal.vertices.at(i).geograficas;
        if (!g)
            return FalhaGuarda{QStringLiteral("O vértice %1 não tem latitude e longitude.")
                                   .arg(m.poligono.poligonal.vertices[i].nome),
                               Campo::Nenhum};
        partidas.push_back({g->latitude, g->longitude});
    }
    const bool porVertice = perimetro > PerimetroDeclinacaoVertice;
    if (auto falha = ConverteNosVertices(m.conversao, partidas, porVertice, pastaPrograma))
        return FalhaGuarda{falha->mensagem, Campo::Nenhum};
    m.conversao.perimetro = perimetro;
    if (porVertice) {
        auto segundo = CalculaPoligonoMemorial(m.conversao, pedido, locale, geodesia);
        if (const auto* f = std::get_if<FalhaGuarda>(&segundo))
            return *f;
        m.poligono = std::get<PoligonoMemorial>(std::move(segundo));
    }
    return m;
}

}  // namespace ceravel
