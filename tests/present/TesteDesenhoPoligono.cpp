// SPDX-License-Identifier: GPL-3.0-or-later
// The polygon drawn and summed up: to scale with grid and bar, its summary, and
// the three norths (drawn at the start vertex with its own convergence, each
// arrow on its side of true north, screen y down, the figure clear of them).
#include "present/DesenhoPoligono.h"
#include "present/TextosPoligono.h"
#include "present/TresNortes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <optional>

using namespace ceravel;

namespace {

struct CasoDesenho {
    const char* nome;
    QLocale locale;
    QSizeF tela;
    double distanciaSul;  // 400 closes the deed; more leaves a gap
    QString primeiroRotulo;
    QString textoEscala;
};

class DesenhoPoligonoTeste : public testing::TestWithParam<CasoDesenho> {};

// A parallelogram from M2 at (300000, 8200400): 400 m north, 300 m at 120°,
// the south side, 300 m at 300°; the last side's label must be turned upright.
TEST_P(DesenhoPoligonoTeste, EmEscalaComGradeEBarra)
{
    const CasoDesenho& c = GetParam();
    const std::vector<SegmentoPoligonal> s = {{"M1", "M2", 0, 400},
                                             {"M2", "M3", 120, 300},
                                             {"M3", "M4", 180, c.distanciaSul},
                                             {"M4", "M1", 300, 300}};
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.verticeInicial = "M2";
    o.inicio = {300000, 8200400};
    const ResultadoPoligonal r = CalculaPoligonal(s, {}, o);
    const DesenhoPoligono d = CalculaDesenhoPoligono(r, s, c.tela, c.locale);

    // To scale, north up, inside the canvas.
    ASSERT_EQ(d.vertices.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const QPointF a = d.vertices[i], b = d.vertices[(i + 1) % 4];
        const PontoEN pa = r.vertices[i].plano, pb = r.vertices[(i + 1) % 4].plano;
        EXPECT_NEAR(b.x() - a.x(), (pb.E - pa.E) * d.pixelsPorMetro, 1e-6) << i;
        EXPECT_NEAR(b.y() - a.y(), -(pb.N - pa.N) * d.pixelsPorMetro, 1e-6) << i;
        EXPECT_TRUE(QRectF(QPointF(0, 0), c.tela).contains(a)) << i;
    }
    EXPECT_EQ(d.inicial, d.vertices[1]);
    EXPECT_EQ(d.lacuna.has_value(), c.distanciaSul != 400);
    if (d.lacuna) {
        EXPECT_EQ(d.lacuna->p2(), d.inicial);
        EXPECT_NEAR(d.lacuna->length(), (c.distanciaSul - 400) * d.pixelsPorMetro, 1e-6);
    }
    ASSERT_EQ(d.rotulos.size(), 4u);
    EXPECT_EQ(d.rotulos[0].texto, c.primeiroRotulo);
    for (const TextoDesenho& t : d.rotulos)
        EXPECT_TRUE(t.angulo > -90 && t.angulo <= 90) << t.angulo;  // never upside down

    // The scale bar is as long as its text says.
    EXPECT_EQ(d.textoEscala.texto, c.textoEscala);
    const double metros = c.locale.toDouble(c.textoEscala.section(u' ', 0, 0));
    EXPECT_NEAR(d.barraEscala.length(), metros * d.pixelsPorMetro, 1e-9);

    // The start vertex M2 lies on round coordinates: the grid lines labelled with them pass through it.
    int achados = 0;
    for (std::size_t i = 0; i < d.grade.size(); ++i) {
        const QString& rotulo = d.rotulosGrade[i].texto;
        if (rotulo == QStringLiteral("E ") + c.locale.toString(300000) && ++achados) {
            EXPECT_NEAR(d.grade[i].x1(), d.inicial.x(), 1e-6);
        } else if (rotulo == QStringLiteral("N ") + c.locale.toString(8200400) && ++achados) {
            EXPECT_NEAR(d.grade[i].y1(), d.inicial.y(), 1e-6);
        }
    }
    EXPECT_EQ(achados, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, DesenhoPoligonoTeste,
    testing::Values(CasoDesenho{"fechado_pt_BR_largo", QLocale(QLocale::Portuguese, QLocale::Brazil), {900, 500}, 400,
                                QStringLiteral("0°00'00''  400,00 m"), QStringLiteral("200 m")},
                    CasoDesenho{"lacuna_en_US_alto", QLocale(QLocale::English, QLocale::UnitedStates), {400, 900},
                                400.5, QStringLiteral("0°00'00''  400.00 m"), QStringLiteral("50 m")}),
    [](const auto& i) { return std::string(i.param.nome); });


// The summary of a 100 m square whose south side reads 100.10 m (the traverse
// ends 0.10 m south of its start: 1:4001 of 400.10 m, though the gap computes
// a hair over 0.1 m), in each locale's form; R/(R+h) = 6378000/6379000. The
// table's first row is the first side's end, M2, 100 m north of M1 at (0, 0).
TEST(TextosPoligono, ResumoNoFormatoDaLocalidade)
{
    const struct {
        QLocale locale;
        std::map<QString, QString> esperado;
        QStringList linhaM2;
    } casos[] = {
        {QLocale(QLocale::Portuguese, QLocale::Brazil),
         {{"Perímetro (m)", "400,100"}, {"Área plana (ha)", "1,0005"}, {"Erro de fechamento (m)", "0,100"},
          {"Azimute do erro de fechamento", "180°00'00''"}, {"Precisão relativa", "1:4001"},
          {"Fator de elevação", "R/(R+h) = 0,99984324, com R = 6 378 000 m e h = 1000,0 m"}},
         {"0,000", "100,000"}},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         {{"Perímetro (m)", "400.100"}, {"Área plana (m²)", "10005.00"}, {"Precisão relativa", "1:4001"}},
         {"0.000", "100.000"}},
    };
    OpcoesPoligonal o;
    o.fatorEscala = false;
    const auto r = CalculaPoligonal({{"M1", "M2", 0, 100}, {"M2", "M3", 90, 100}, {"M3", "M4", 180, 100.10},
                                     {"M4", "M1", 270, 100}},
                                    {}, o);
    for (const auto& c : casos) {
        std::map<QString, QString> resumo;
        for (const auto& [legenda, valor] : ResumoPoligono(r, {23, true, false, 1000.0, false}, c.locale))
            resumo[legenda] = valor;
        for (const auto& [legenda, valor] : c.esperado)
            EXPECT_EQ(resumo[legenda], valor) << legenda.toStdString();
        EXPECT_EQ(ColunasPoligono(r, c.locale).at(0).mid(0, 2), c.linhaM2);
    }
}

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
