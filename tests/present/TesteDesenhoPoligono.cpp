// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/DesenhoPoligono.h"

#include <gtest/gtest.h>

#include <cmath>

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

// Sides too short on screen for their bearing and distance go without them.
TEST(DesenhoPoligono, RotulosSoOndeCabem)
{
    const std::vector<SegmentoPoligonal> s = {{"A", "B", 90, 1000}, {"B", "C", 180, 40}, {"C", "A", 270, 1000}};
    const ResultadoPoligonal r = CalculaPoligonal(s, {}, {});
    const DesenhoPoligono d = CalculaDesenhoPoligono(r, s, {800, 600}, QLocale::c());
    ASSERT_EQ(d.rotulos.size(), 2u);  // 40 m is about 26 px here
    EXPECT_TRUE(d.rotulos[1].texto.endsWith(QStringLiteral("1000.00 m")));
}

}  // namespace
