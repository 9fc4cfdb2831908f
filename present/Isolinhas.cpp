// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Isolinhas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace ceravel {

namespace {

// Edges of the grid get one index each: the horizontal ones (i, j)-(i+1, j)
// first, then the vertical ones (i, j)-(i, j+1). A crossing point belongs to
// its edge, so the two cells that share the edge find the same point.
class Arestas {
public:
    explicit Arestas(const GradeValores& g)
        : m_g(g), m_horizontais(static_cast<std::int64_t>(g.colunas - 1) * g.linhas)
    {
    }

    std::int64_t total() const { return m_horizontais + static_cast<std::int64_t>(m_g.colunas) * (m_g.linhas - 1); }
    std::int64_t horizontal(int i, int j) const { return static_cast<std::int64_t>(j) * (m_g.colunas - 1) + i; }
    std::int64_t vertical(int i, int j) const { return m_horizontais + static_cast<std::int64_t>(j) * m_g.colunas + i; }

    // Where the level crosses the edge, interpolated from its lower-index node.
    PontoPlano cruzamento(std::int64_t aresta, double nivel) const
    {
        int i0, j0, i1, j1;
        if (aresta < m_horizontais) {
            j0 = j1 = static_cast<int>(aresta / (m_g.colunas - 1));
            i0 = static_cast<int>(aresta % (m_g.colunas - 1));
            i1 = i0 + 1;
        } else {
            const std::int64_t k = aresta - m_horizontais;
            j0 = static_cast<int>(k / m_g.colunas);
            i0 = i1 = static_cast<int>(k % m_g.colunas);
            j1 = j0 + 1;
        }
        const double v0 = m_g.valor(i0, j0), v1 = m_g.valor(i1, j1);
        const double f = (nivel - v0) / (v1 - v0);
        const PontoPlano a = m_g.no(i0, j0), b = m_g.no(i1, j1);
        return {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)};
    }

private:
    const GradeValores& m_g;
    std::int64_t m_horizontais;
};

bool Iguais(const PontoPlano& a, const PontoPlano& b)
{
    return a.x == b.x && a.y == b.y;
}

void Acrescenta(std::vector<PontoPlano>& pontos, const PontoPlano& p)
{
    if (pontos.empty() || !Iguais(pontos.back(), p))
        pontos.push_back(p);
}

}  // namespace

std::vector<Isolinha> TracaIsolinhas(const GradeValores& g, double nivel)
{
    std::vector<Isolinha> linhas;
    if (g.colunas < 2 || g.linhas < 2 || !std::isfinite(nivel))
        return linhas;
    const Arestas arestas(g);

    // Segments as pairs of edges; each edge is used by at most two segments.
    std::vector<std::array<std::int64_t, 2>> segmentos;
    std::vector<std::array<std::int32_t, 2>> uso(static_cast<std::size_t>(arestas.total()), {-1, -1});
    const auto liga = [&](std::int64_t a, std::int64_t b) {
        const auto s = static_cast<std::int32_t>(segmentos.size());
        segmentos.push_back({a, b});
        for (const std::int64_t e : {a, b}) {
            auto& u = uso[static_cast<std::size_t>(e)];
            (u[0] < 0 ? u[0] : u[1]) = s;
        }
    };

    for (int j = 0; j + 1 < g.linhas; ++j) {
        for (int i = 0; i + 1 < g.colunas; ++i) {
            // Corners counter-clockwise from the lower left: a, b, c, d.
            const double va = g.valor(i, j), vb = g.valor(i + 1, j), vc = g.valor(i + 1, j + 1),
                         vd = g.valor(i, j + 1);
            if (std::isnan(va) || std::isnan(vb) || std::isnan(vc) || std::isnan(vd))
                continue;
            const int caso = (va >= nivel ? 1 : 0) | (vb >= nivel ? 2 : 0) | (vc >= nivel ? 4 : 0) |
                             (vd >= nivel ? 8 : 0);
            // Bottom, right, top, left.
            const std::int64_t e0 = arestas.horizontal(i, j), e1 = arestas.vertical(i + 1, j),
                               e2 = arestas.horizontal(i, j + 1), e3 = arestas.vertical(i, j);
            switch (caso) {
            case 0:
            case 15: break;
            case 1:
            case 14: liga(e3, e0); break;
            case 2:
            case 13: liga(e0, e1); break;
            case 3:
            case 12: liga(e3, e1); break;
            case 4:
            case 11: liga(e1, e2); break;
            case 6:
            case 9: liga(e0, e2); break;
            case 7:
            case 8: liga(e3, e2); break;
            case 5:
            case 10: {
                // Saddle: the corners on the centre's side stay connected.
                const bool centroAcima = (va + vb + vc + vd) / 4 >= nivel;
                const bool acEmCima = caso == 5;
                if (centroAcima == acEmCima) {
                    // a and c joined: cut off b and d.
                    liga(e0, e1);
                    liga(e2, e3);
                } else {
                    // b and d joined: cut off a and c.
                    liga(e3, e0);
                    liga(e1, e2);
                }
                break;
            }
            }
        }
    }

    std::vector<bool> usado(segmentos.size(), false);
    // Follows the chain from edge `inicio` through segment `s` until it ends
    // or comes back to a segment already taken.
    const auto segue = [&](std::int64_t inicio, std::int32_t s) {
        Isolinha linha;
        std::int64_t aresta = inicio;
        Acrescenta(linha.pontos, arestas.cruzamento(aresta, nivel));
        while (s >= 0 && !usado[static_cast<std::size_t>(s)]) {
            usado[static_cast<std::size_t>(s)] = true;
            const auto& seg = segmentos[static_cast<std::size_t>(s)];
            aresta = seg[0] == aresta ? seg[1] : seg[0];
            Acrescenta(linha.pontos, arestas.cruzamento(aresta, nivel));
            const auto& u = uso[static_cast<std::size_t>(aresta)];
            s = u[0] == s ? u[1] : u[0];
        }
        return linha;
    };
    const auto guarda = [&](Isolinha linha) {
        if (linha.fechada && linha.pontos.size() > 1 && Iguais(linha.pontos.front(), linha.pontos.back()))
            linha.pontos.pop_back();
        if (linha.pontos.size() >= 2)
            linhas.push_back(std::move(linha));
    };

    // Open lines start at an edge with one segment only.
    for (std::size_t e = 0; e < uso.size(); ++e) {
        const auto& u = uso[e];
        if (u[0] >= 0 && u[1] < 0 && !usado[static_cast<std::size_t>(u[0])])
            guarda(segue(static_cast<std::int64_t>(e), u[0]));
    }
    // What is left forms rings.
    for (std::size_t s = 0; s < segmentos.size(); ++s) {
        if (usado[s])
            continue;
        Isolinha anel = segue(segmentos[s][0], static_cast<std::int32_t>(s));
        anel.fechada = true;
        guarda(std::move(anel));
    }
    return linhas;
}

std::vector<double> NiveisIsolinhas(double minimo, double maximo, double intervalo)
{
    std::vector<double> niveis;
    if (!(intervalo > 0) || !std::isfinite(minimo) || !std::isfinite(maximo) || minimo > maximo)
        return niveis;
    const double primeiro = std::ceil(minimo / intervalo), ultimo = std::floor(maximo / intervalo);
    for (double k = primeiro; k <= ultimo; ++k)
        niveis.push_back(k * intervalo);
    return niveis;
}

std::vector<PosicaoRotulo> PosicoesRotulos(const Isolinha& linha, double primeiro, double passo, double margem)
{
    std::vector<PosicaoRotulo> posicoes;
    const auto& p = linha.pontos;
    if (p.size() < 2 || !(passo > 0))
        return posicoes;
    const std::size_t trechos = linha.fechada ? p.size() : p.size() - 1;
    double total = 0;
    for (std::size_t k = 0; k < trechos; ++k) {
        const PontoPlano &a = p[k], &b = p[(k + 1) % p.size()];
        total += std::hypot(b.x - a.x, b.y - a.y);
    }
    const double inicio = linha.fechada ? 0 : margem, fim = linha.fechada ? total : total - margem;

    double alvo = std::max(primeiro, inicio), percorrido = 0;
    for (std::size_t k = 0; k < trechos && alvo <= fim; ++k) {
        const PontoPlano &a = p[k], &b = p[(k + 1) % p.size()];
        const double comprimento = std::hypot(b.x - a.x, b.y - a.y);
        while (alvo <= fim && alvo <= percorrido + comprimento && comprimento > 0) {
            const double f = (alvo - percorrido) / comprimento;
            double angulo = std::atan2(b.y - a.y, b.x - a.x);
            if (angulo > std::numbers::pi / 2)
                angulo -= std::numbers::pi;
            else if (angulo <= -std::numbers::pi / 2)
                angulo += std::numbers::pi;
            posicoes.push_back({{a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)}, angulo});
            alvo += passo;
        }
        percorrido += comprimento;
    }
    return posicoes;
}

}  // namespace ceravel
