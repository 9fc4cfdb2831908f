// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/VerticeInicial.h"

#include <gtest/gtest.h>

using namespace ceravel;

namespace {

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);
const QLocale EUA(QLocale::English, QLocale::UnitedStates);

// The start vertex as the command line gives it. Expected values:
//   echo "23s 192848.93 8252943.25" | GeoConvert -g -p 4  →  -15.783299987 -47.866700022
//   echo "192848.93 8252943.25" | PROJ_DATA=data:/usr/share/proj cs2cs -f %.4f EPSG:29193 EPSG:31983
//     →  192804.9876 8252900.6760   (SAD69 / UTM 23S to SIRGAS 2000 / UTM 23S with IBGE's grid)
struct CasoInicial {
    const char* nome;
    QString texto;
    geo::Datum datum;
    QLocale locale;
    PontoEN plano;         // SIRGAS 2000 / UTM
    double tolerancia;        // metres
    QString recusa;           // a part of the message when refused
};

class VerticeInicialLido : public testing::TestWithParam<CasoInicial> {};

TEST_P(VerticeInicialLido, NoPlanoSirgas)
{
    const CasoInicial& c = GetParam();
    const auto t = DivideVerticeInicial(c.texto);
    ASSERT_TRUE(t);
    const auto r = ChecaVerticeInicial(*t, c.datum, c.locale, geo::GeodesiaDaThread(QStringLiteral(CERAVEL_DADOS_PROJETO)));
    if (!c.recusa.isEmpty()) {
        ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(r));
        EXPECT_TRUE(std::get<FalhaGuarda>(r).mensagem.contains(c.recusa)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
        return;
    }
    ASSERT_TRUE(std::holds_alternative<VerticeInicial>(r)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
    const VerticeInicial& v = std::get<VerticeInicial>(r);
    EXPECT_EQ(v.nome, QStringLiteral("M1"));
    EXPECT_EQ(v.zona, 23);
    EXPECT_TRUE(v.sul);
    EXPECT_NEAR(v.plano.E, c.plano.E, c.tolerancia);
    EXPECT_NEAR(v.plano.N, c.plano.N, c.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, VerticeInicialLido,
    testing::Values(
        CasoInicial{"utm_sirgas_pt_BR", "M1;192848,93;8252943,25;23S", geo::Datum::Sirgas2000, Brasil,
                    {192848.93, 8252943.25}, 0, {}},
        CasoInicial{"utm_sirgas_en_US_letra_minuscula", " M1 ;192848.93;8252943.25; 23s", geo::Datum::Sirgas2000, EUA,
                    {192848.93, 8252943.25}, 0, {}},
        CasoInicial{"geograficas_pt_BR", "M1;-15,783299987;-47,866700022", geo::Datum::Sirgas2000, Brasil,
                    {192848.93, 8252943.25}, 1e-3, {}},
        CasoInicial{"utm_sad69_com_grade", "M1;192848,93;8252943,25;23S", geo::Datum::Sad69, Brasil,
                    {192804.9876, 8252900.6760}, 2e-3, {}},
        CasoInicial{"latitude_ilegivel", "M1;-15.78;-47,86", geo::Datum::Sirgas2000, Brasil, {}, 0,
                    QStringLiteral("latitude do vértice inicial")}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
