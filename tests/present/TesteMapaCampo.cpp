// SPDX-License-Identifier: GPL-3.0-or-later
// The map's core: its grid against the model run, intervals, texts, borders (the rest: the window's test);
// its isolines.
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"
#include "present/ContornosMapa.h"
#include "present/Isolinhas.h"
#include "present/MapaCampo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <utility>

namespace ceravel {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);
constexpr ElementoMapa Elementos[] = {ElementoMapa::Declinacao, ElementoMapa::Inclinacao,
                                      ElementoMapa::Intensidade, ElementoMapa::VariacaoDeclinacao};

// Each node holds the model's own value at its place, bit for bit (the same
// polynomials in the same order), and the grid covers the box exactly. Under
// IGRF-14 the asked year, whichever year the evaluator was asked before.
TEST(MapaCampo, GradeIgualAoModeloNosNos)
{
    const LeituraConjuntos leitura = LeConjuntos(PastaDados);
    const LeituraIgrf14 igrf = CarregaIgrf14(PastaDados);
    ASSERT_TRUE(leitura.conjuntos && igrf.modelo);
    const ConjuntosCoeficientes& c = *leitura.conjuntos;
    AvaliadorIgrf14 avaliador(*igrf.modelo);
    for (const ElementoMapa elemento : Elementos) {
        const GradeValores g = GradeElementoMapa(c, elemento, 15.999, 19, 10);
        for (int j = 0; j < g.linhas; ++j)
            for (int i = 0; i < g.colunas; ++i) {
                const PontoPlano no = g.no(i, j);
                const ResultadoModelo r = CalculaCampo(c.declinacao, c.inclinacao, c.intensidade, no.y + 15, no.x + 55, 15.999);
                ASSERT_TRUE(r.elementos);
                EXPECT_EQ(g.valor(i, j), ValorDoElemento(*r.elementos, elemento)) << no.y << " " << no.x;
            }
        EXPECT_DOUBLE_EQ(g.no(18, 9).x, LongitudeMaximaMapa);
        EXPECT_DOUBLE_EQ(g.no(18, 9).y, LatitudeMaximaMapa);
        for (const double ano : {1960.5, 2026.25, 1960.5}) {
            const GradeValores gi = GradeElementoMapa(avaliador, elemento, ano, 7, 5);
            for (const auto& [i, j] : {std::pair{6, 4}, {5, 1}}) {
                const PontoPlano no = gi.no(i, j);
                const auto e = CampoIgrf14(*igrf.modelo, no.y, no.x, ano);
                ASSERT_TRUE(e);
                const double esperado = elemento == ElementoMapa::Declinacao    ? e->D
                                        : elemento == ElementoMapa::Inclinacao  ? e->I
                                        : elemento == ElementoMapa::Intensidade ? e->F
                                                                                : e->dD * 60;
                EXPECT_EQ(gi.valor(i, j), static_cast<float>(esperado)) << ano << " " << no.y << " " << no.x;
            }
        }
    }
    EXPECT_TRUE(std::isnan(ValorElementoMapa(avaliador, ElementoMapa::Declinacao, -15, -47, 2030.5)));
}

TEST(MapaCampo, IntervaloRedondoConformeAFaixa)
{
    struct Caso {
        ElementoMapa elemento;
        double minimo, maximo, intervalo;
    };
    const Caso casos[] = {
        {ElementoMapa::Declinacao, -6.5, 3.2, 1},      {ElementoMapa::Declinacao, -60, 10, 5},
        {ElementoMapa::Intensidade, 22300, 34900, 1000}, {ElementoMapa::VariacaoDeclinacao, -20, 8, 2},
        // Exactly the most lines allowed (-23 to -4, 20 lines) keeps the finer step.
        {ElementoMapa::Declinacao, -23.4, -3.1, 1},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(IntervaloIsolinhas(c.elemento, c.minimo, c.maximo), c.intervalo) << c.minimo << " " << c.maximo;
}

TEST(MapaCampo, TextosNoFormatoDaCalculadora)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    struct Caso {
        QString obtido, esperado;
    };
    const Caso casos[] = {
        {TextoCoordenadaMapa(-15.5, QLocale::c()), QStringLiteral("-15°30'00''")},
        {TextoCoordenadaMapa(-12.99999, QLocale::c()), QStringLiteral("-13°00'00''")},
        {TextoCoordenadaMapa(-0.00001, QLocale::c()), QStringLiteral("0°00'00''")},
        {TextoValorMapa(ElementoMapa::Declinacao, -21.125, QLocale::c()), QStringLiteral("-21º07'30''")},
        {TextoValorMapa(ElementoMapa::Intensidade, 23456.74, br), QStringLiteral("23456,7 nT")},
        {TextoValorMapa(ElementoMapa::VariacaoDeclinacao, -7.5, QLocale::c()), QStringLiteral("-7'30''/ano")},
        {TextoEpocaMapa(2000.45628415301, br), QStringLiteral("2000,456")},
        {TextoEpocaMapa(2025.9996, br), QStringLiteral("2026")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(c.obtido, c.esperado);
}

// The delivered borders: Brasília in Brazil, Buenos Aires among the neighbours, the sea in neither.
TEST(MapaCampo, ContornosEntreguesLidos)
{
    const LeituraContornoMapa brasil = LeContornoMapa(PastaDados + QStringLiteral("/brasil-contorno.txt"));
    const LeituraContornoMapa vizinhos = LeContornoMapa(PastaDados + QStringLiteral("/vizinhos-contorno.txt"));
    ASSERT_TRUE(brasil.contorno && vizinhos.contorno);
    for (const auto& [lat, lon, noBrasil, nosVizinhos] : {std::tuple{-15.79, -47.88, true, false},
                                                          {-34.6, -58.4, false, true}, {-20.0, -32.0, false, false}}) {
        EXPECT_EQ(DentroDoContornoMapa(*brasil.contorno, lat, lon), noBrasil) << lat;
        EXPECT_EQ(DentroDoContornoMapa(*vizinhos.contorno, lat, lon), nosVizinhos) << lat;
    }
}

// Marching squares on fields whose isolines are known exactly.
GradeValores Grade(int colunas, int linhas, double x0, double y0, double passo,
                   const std::function<double(double, double)>& f)
{
    GradeValores g{colunas, linhas, x0, y0, passo, passo, {}};
    for (int j = 0; j < linhas; ++j)
        for (int i = 0; i < colunas; ++i)
            g.valores.push_back(f(x0 + i * passo, y0 + j * passo));
    return g;
}

void SemPontosRepetidosNemNaN(const Isolinha& l)
{
    for (std::size_t k = 0; k < l.pontos.size(); ++k) {
        const PontoPlano p = l.pontos[k], q = l.pontos[(k + 1) % l.pontos.size()];
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        EXPECT_FALSE((k + 1 < l.pontos.size() || l.fechada) && p.x == q.x && p.y == q.y) << "ponto " << k;
    }
}

// A plane: one open straight line from one side of the grid to the other.
struct CasoPlano {
    const char* nome;
    double a, b;  // f = a x + b y
    double nivel;
    PontoPlano inicio, fim;  // the ends, in either order
};

TEST(Isolinhas, PlanoDaRetasNasPosicoesExatas)
{
    const CasoPlano casos[] = {
        {"vertical na última coluna", 1, 0, 10, {10, 0}, {10, 5}},
        {"horizontal", 0, -1, -2.25, {0, 2.25}, {10, 2.25}},
        {"diagonal passando só por nós", 1, 1, 2, {0, 2}, {2, 0}},
    };
    for (const CasoPlano& c : casos) {
        SCOPED_TRACE(c.nome);
        const GradeValores plano = Grade(21, 11, 0, 0, 0.5, [&](double x, double y) { return c.a * x + c.b * y; });
        const auto linhas = TracaIsolinhas(plano, c.nivel);
        ASSERT_EQ(linhas.size(), 1u);
        const Isolinha& l = linhas[0];
        EXPECT_FALSE(l.fechada);
        SemPontosRepetidosNemNaN(l);
        const auto igual = [](PontoPlano p, PontoPlano q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-12; };
        const PontoPlano &primeiro = l.pontos.front(), &ultimo = l.pontos.back();
        EXPECT_TRUE((igual(primeiro, c.inicio) && igual(ultimo, c.fim)) ||
                    (igual(primeiro, c.fim) && igual(ultimo, c.inicio)))
            << primeiro.x << "," << primeiro.y << " .. " << ultimo.x << "," << ultimo.y;
    }
}

TEST(Isolinhas, ConeDaAneisDoRaioEsperadoAbertosSoOndeFaltamNos)
{
    // f = distance to (5, 5), 0.1 apart: linear interpolation puts the ring's
    // points within a few thousandths of the circle. Nodes missing around
    // (9, 5) open the ring of radius 4 there, and put no NaN in any line.
    GradeValores cone = Grade(101, 101, 0, 0, 0.1, [](double x, double y) { return std::hypot(x - 5, y - 5); });
    for (int j = 45; j <= 55; ++j)
        for (int i = 85; i <= 95; ++i)
            cone.valores[static_cast<std::size_t>(j) * 101 + i] = std::nan("");
    for (const double raio : {0.55, 2.5, 4.0, 4.95}) {
        SCOPED_TRACE(raio);
        const auto linhas = TracaIsolinhas(cone, raio);
        ASSERT_EQ(linhas.size(), 1u);
        const Isolinha& anel = linhas[0];
        SemPontosRepetidosNemNaN(anel);
        EXPECT_EQ(anel.fechada, raio != 4.0);
        EXPECT_GE(anel.pontos.size(), 20u);
        double area = 0;
        for (std::size_t k = 0; k < anel.pontos.size(); ++k) {
            const PontoPlano &p = anel.pontos[k], &q = anel.pontos[(k + 1) % anel.pontos.size()];
            EXPECT_NEAR(std::hypot(p.x - 5, p.y - 5), raio, 0.005);
            area += p.x * q.y - q.x * p.y;
        }
        if (anel.fechada) {
            EXPECT_NEAR(std::abs(area) / 2, std::numbers::pi * raio * raio, 0.01 * std::numbers::pi * raio * raio);
        }
    }
    EXPECT_TRUE(TracaIsolinhas(cone, std::nan("")).empty());
    EXPECT_TRUE(TracaIsolinhas(GradeValores{}, 0).empty());
}

using Segmento = std::pair<std::pair<double, double>, std::pair<double, double>>;

std::set<Segmento> Segmentos(const std::vector<Isolinha>& linhas)
{
    std::set<Segmento> s;
    for (const Isolinha& l : linhas) {
        EXPECT_EQ(l.pontos.size(), 2u);
        if (l.pontos.size() != 2)
            continue;
        std::pair a{l.pontos[0].x, l.pontos[0].y}, b{l.pontos[1].x, l.pontos[1].y};
        s.insert(a < b ? Segmento{a, b} : Segmento{b, a});
    }
    return s;
}

// One cell, corners a (0,0), b (1,0), c (1,1), d (0,1): the centre's mean
// decides which diagonal pair stays joined.
struct CasoSela {
    const char* nome;
    double a, b, c, d, nivel;
    std::set<Segmento> esperados;
};

TEST(Isolinhas, SelasResolvidasPelaMediaDoCentro)
{
    const CasoSela casos[] = {
        {"a e c acima, centro no nível: a-c ligados", 1, -1, 1, -1, 0,
         {{{0, 0.5}, {0.5, 1}}, {{0.5, 0}, {1, 0.5}}}},
        {"a e c acima, centro abaixo: b-d ligados", 2, -2, 2, -2, 0.5,
         {{{0, 0.375}, {0.375, 0}}, {{0.625, 1}, {1, 0.625}}}},
        {"b e d acima, centro no nível: b-d ligados", -1, 1, -1, 1, 0,
         {{{0, 0.5}, {0.5, 0}}, {{0.5, 1}, {1, 0.5}}}},
        {"b e d acima, centro abaixo: a-c ligados", -3, 1, -3, 1, 0,
         {{{0, 0.75}, {0.25, 1}}, {{0.75, 0}, {1, 0.25}}}},
    };
    for (const CasoSela& c : casos) {
        SCOPED_TRACE(c.nome);
        const GradeValores g{2, 2, 0, 0, 1, 1, {c.a, c.b, c.d, c.c}};
        EXPECT_EQ(Segmentos(TracaIsolinhas(g, c.nivel)), c.esperados);
    }
}

TEST(Isolinhas, NiveisSaoMultiplosDoIntervalo)
{
    EXPECT_EQ(NiveisIsolinhas(-23.4, 1.2, 2), (std::vector<double>{-22, -20, -18, -16, -14, -12, -10, -8, -6, -4, -2, 0}));
    EXPECT_EQ(NiveisIsolinhas(22000, 24000, 1000), (std::vector<double>{22000, 23000, 24000}));
    EXPECT_TRUE(NiveisIsolinhas(std::nan(""), 1, 1).empty());
    EXPECT_TRUE(NiveisIsolinhas(0, 1, 0).empty());
}

struct CasoRotulo {
    const char* nome;
    Isolinha linha;
    std::vector<double> xs;  // expected label x positions
    double angulo;
};

TEST(Isolinhas, RotulosAoLongoDaLinhaNuncaDeCabecaParaBaixo)
{
    const CasoRotulo casos[] = {
        {"para a direita", {{{0, 0}, {100, 0}}, false}, {10, 40, 70}, 0},
        {"para a esquerda", {{{100, 0}, {0, 0}}, false}, {90, 60, 30}, 0},
        {"para cima na tela", {{{5, 100}, {5, 0}}, false}, {5, 5, 5}, std::numbers::pi / 2},
        {"curta demais", {{{0, 0}, {8, 0}}, false}, {}, 0},
    };
    for (const CasoRotulo& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto posicoes = PosicoesRotulos(c.linha, 10, 30, 5);
        ASSERT_EQ(posicoes.size(), c.xs.size());
        for (std::size_t k = 0; k < posicoes.size(); ++k) {
            EXPECT_NEAR(posicoes[k].ponto.x, c.xs[k], 1e-12);
            EXPECT_NEAR(posicoes[k].angulo, c.angulo, 1e-12);
        }
    }
}

}  // namespace
}  // namespace ceravel
