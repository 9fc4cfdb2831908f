// SPDX-License-Identifier: GPL-3.0-or-later
// The map's core: its grid against the model run, intervals, texts, borders (the rest: the window's test).
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "present/ContornosMapa.h"
#include "present/MapaCampo.h"
#include "model/Igrf14.h"

#include <gtest/gtest.h>

#include <cmath>

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
        ASSERT_EQ(g.valores.size(), 190u);
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
        {TextoValorMapa(ElementoMapa::Inclinacao, -30.125, br), QStringLiteral("-30º7,50'")},
        {TextoValorMapa(ElementoMapa::Intensidade, 23456.74, br), QStringLiteral("23456,7 nT")},
        {TextoValorMapa(ElementoMapa::VariacaoDeclinacao, -7.5, QLocale::c()), QStringLiteral("-7'30''/ano")},
        {TextoNivelMapa(ElementoMapa::VariacaoDeclinacao, -7, br), QStringLiteral("-7'")},
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

}  // namespace
}  // namespace ceravel
