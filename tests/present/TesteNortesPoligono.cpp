// SPDX-License-Identifier: GPL-3.0-or-later
// The three norths in the polygon drawing: drawn at the start vertex with its
// own convergence, each arrow on its side of true north (screen y down), the
// note when angles are widened, and the figure kept clear of the symbol.
#include "present/DesenhoPoligono.h"
#include "present/TresNortes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

using namespace ceravel;

namespace {

struct CasoNortes {
    const char* nome;
    double gama0;                     // γ at E 300000; it grows 0.01° per km eastwards
    std::optional<double> D;
    QSizeF tela;
    bool simbolo;
    double desenhoQ, desenhoM;        // drawn bearings; NaN: the real angle, to scale
    int linhasNota;
    QString legendaD;
};

class NortesPoligono : public testing::TestWithParam<CasoNortes> {};

// Bearing of a shaft from its origin, degrees clockwise from screen-up.
double Rumo(QLineF l) { return std::atan2(l.dx(), -l.dy()) * 180 / std::numbers::pi; }

// A 1000 m × 200 m rectangle, long east-west, traversed from M2 (its east end)
// on a canvas wide enough that, without the norths' corner, it would reach it;
// on the smallest pane the figure keeps the room.
TEST_P(NortesPoligono, NaQuinaComAConvergenciaDoVerticeInicial)
{
    const CasoNortes& c = GetParam();
    const auto gama = [&](PontoEN p) { return c.gama0 + (p.E - 300000) * 1e-5; };
    PlanoUtm plano;
    plano.convergencia = gama;
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.verticeInicial = "M2";
    o.inicio = {301000, 8200000};
    const std::vector<SegmentoPoligonal> s = {
        {"M1", "M2", 90, 1000}, {"M2", "M3", 180, 200}, {"M3", "M4", 270, 1000}, {"M4", "M1", 0, 200}};
    const ResultadoPoligonal r = CalculaPoligonal(s, plano, o);
    const DesenhoPoligono d = CalculaDesenhoPoligono(r, s, c.tela, QLocale::c(), {}, c.D);

    ASSERT_EQ(d.nortes.has_value(), c.simbolo);
    if (!d.nortes)
        return;
    const SimboloNortes& n = *d.nortes;
    const double gamaInicial = gama(r.vertices[1].plano);
    EXPECT_TRUE(QRectF(QPointF(0, 0), c.tela).contains(n.moldura));
    EXPECT_NEAR(Rumo(n.verdadeiro), 0, 1e-9);
    EXPECT_NEAR(Rumo(n.quadricula), std::isnan(c.desenhoQ) ? gamaInicial : c.desenhoQ, 1e-9);
    EXPECT_NEAR(Rumo(n.magnetico), std::isnan(c.desenhoM) ? *c.D : c.desenhoM, 1e-9);

    // γ is the start vertex's, not another vertex's, and D is the one given.
    ASSERT_EQ(n.textos.size(), 5u + static_cast<std::size_t>(c.linhasNota));
    EXPECT_TRUE(n.textos[3].texto.startsWith(QStringLiteral("γ ") + TextoAnguloGms(gamaInicial) + u' '))
        << n.textos[3].texto.toStdString();
    EXPECT_FALSE(n.textos[3].texto.startsWith(QStringLiteral("γ ") + TextoAnguloGms(gama(r.vertices[0].plano))));
    EXPECT_TRUE(n.textos[4].texto.endsWith(c.legendaD)) << n.textos[4].texto.toStdString();

    // Nothing of the figure under the symbol.
    for (std::size_t i = 0; i < d.vertices.size(); ++i) {
        EXPECT_FALSE(n.moldura.contains(d.vertices[i])) << i;
        EXPECT_FALSE(n.moldura.contains(d.nomes[i].ancora)) << i;
    }
}

const double aEscala = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Casos, NortesPoligono,
    testing::Values(
        CasoNortes{"QuadriculaALesteAmpliada", 0.78, -21.5, {600, 300}, true, 10, aEscala, 2, "D 21°30'00'' (NM a oeste do NV)"},
        CasoNortes{"TudoEmEscala", 12.0, -20.0, {600, 300}, true, aEscala, aEscala, 0, "D 20°00'00'' (NM a oeste do NV)"},
        CasoNortes{"SemDeclinacaoSemSimbolo", 0.78, std::nullopt, {600, 300}, false, 0, 0, 0, ""},
        CasoNortes{"TelaPequenaSoOPoligono", 0.78, -21.5, {320, 240}, false, 0, 0, 0, ""}),
    [](const testing::TestParamInfo<CasoNortes>& i) { return std::string(i.param.nome); });


struct CasoDiagrama {
    double gama, D;
    double desenhoQ, desenhoM;
    bool foraDeEscala;
};

class Diagrama : public testing::TestWithParam<CasoDiagrama> {};

TEST_P(Diagrama, SetasDeCadaLadoEAfastadas)
{
    const CasoDiagrama& c = GetParam();
    const DiagramaTresNortes d = DispoeTresNortes(c.gama, c.D);
    EXPECT_DOUBLE_EQ(d.quadricula.desenhado, c.desenhoQ);
    EXPECT_DOUBLE_EQ(d.magnetico.desenhado, c.desenhoM);
    EXPECT_EQ(d.foraDeEscala, c.foraDeEscala);
    EXPECT_EQ(d.nota.isEmpty(), !c.foraDeEscala);
    EXPECT_DOUBLE_EQ(d.quadricula.real, c.gama);
    EXPECT_DOUBLE_EQ(d.convergencia.ate, d.quadricula.desenhado);
    EXPECT_DOUBLE_EQ(d.declinacao.ate, d.magnetico.desenhado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Diagrama,
    testing::Values(
        CasoDiagrama{0.780356, -19.75, 10, -19.75, true},   // Brasília: NQ east, widened; NM west to scale
        CasoDiagrama{-1.496, -15.0, -10, -20, true},        // same side, too close: NM moves out
        CasoDiagrama{-2.9, -1.0, -20, -10, true},           // NQ really farther: NQ moves out
        CasoDiagrama{12.0, -20.0, 12.0, -20.0, false},      // every angle wide enough: to scale
        CasoDiagrama{0.5, 0.5, 10, 10, true}));             // the same bearing: one arrow over the other

struct CasoSentido {
    double angulo;
    const char* convergencia;
    const char* declinacao;
};

class Sentido : public testing::TestWithParam<CasoSentido> {};

TEST_P(Sentido, LesteOuOesteDoNorteVerdadeiro)
{
    const CasoSentido& c = GetParam();
    EXPECT_EQ(SentidoConvergencia(c.angulo).toStdString(), c.convergencia);
    EXPECT_EQ(SentidoDeclinacao(c.angulo).toStdString(), c.declinacao);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Sentido,
    testing::Values(
        CasoSentido{0.780356172, "norte de quadrícula 0°46'49'' a leste do norte verdadeiro",
                    "norte magnético 0°46'49'' a leste do norte verdadeiro"},
        // 59.5'' rounds half away from zero into the next minute.
        CasoSentido{-(19 * 3600 + 59 * 60 + 59.5) / 3600.0, "norte de quadrícula 20°00'00'' a oeste do norte verdadeiro",
                    "norte magnético 20°00'00'' a oeste do norte verdadeiro"},
        CasoSentido{0.4 / 3600, "norte de quadrícula sobre o norte verdadeiro",
                    "norte magnético sobre o norte verdadeiro"}));

}  // namespace
