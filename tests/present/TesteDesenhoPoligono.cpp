// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/DesenhoPoligono.h"
#include "present/TextosPoligono.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

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

}  // namespace
