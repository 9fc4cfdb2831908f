#include "present/GeometriaAgulha.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ceravel {
namespace {

struct CasoAgulha {
    const char* nome;
    float D;
    CentroBussola centro;
    float x2, y2;
};

void PrintTo(const CasoAgulha& c, std::ostream* os) { *os << c.nome; }

class CalculaAgulhaTeste : public testing::TestWithParam<CasoAgulha> {};

// The expected end points are given to two decimals, hence the tolerance of
// half a hundredth of a twip.
TEST_P(CalculaAgulhaTeste, EndPointAndAttachedShapes)
{
    const CasoAgulha& c = GetParam();
    const GeometriaAgulha g = CalculaAgulha(c.D, c.centro);
    EXPECT_NEAR(g.x2, c.x2, 0.005);
    EXPECT_NEAR(g.y2, c.y2, 0.005);
    // bit-exact: 67.5 and 270 are exact in float and each difference is
    // rounded once, so the shapes sit exactly at these offsets.
    EXPECT_EQ(g.circEsquerda, g.x2 - 67.5f);
    EXPECT_EQ(g.circTopo, g.y2 - 67.5f);
    EXPECT_EQ(g.txtEsquerda, g.x2 - 270.0f);
    EXPECT_EQ(g.txtTopo, g.y2 - 270.0f);
}

const CasoAgulha CasosAgulha[] = {
    {"NorthOnMain", 0.0f, CentroBussolaMain, 5400.0f, 600.0f},
    {"NorthOnReport", 0.0f, CentroBussolaRelatorio, 2925.0f, 3810.0f},
    {"FifteenWestOnMain", -15.0f, CentroBussolaMain, 5089.42f, 640.89f},
    {"FifteenWestOnReport", -15.0f, CentroBussolaRelatorio, 2614.42f, 3850.89f},
    {"TwentyWestOnMain", -20.0f, CentroBussolaMain, 4989.58f, 672.37f},
    {"TwentyWestOnReport", -20.0f, CentroBussolaRelatorio, 2514.58f, 3882.37f},
    {"WestOnMain", -90.0f, CentroBussolaMain, 4200.0f, 1800.0f},
    {"WestOnReport", -90.0f, CentroBussolaRelatorio, 1725.0f, 5010.0f},
    {"EastTurnsRight", 15.0f, CentroBussolaMain, 5710.58f, 640.89f},
    {"SouthBelowCentre", 180.0f, CentroBussolaMain, 5400.0f, 3000.0f},
};

INSTANTIATE_TEST_SUITE_P(Agulha, CalculaAgulhaTeste, testing::ValuesIn(CasosAgulha),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(CalculaAgulha, CircleAndLabelOfTwentyWestOnMain)
{
    const GeometriaAgulha g = CalculaAgulha(-20.0f, CentroBussolaMain);
    EXPECT_NEAR(g.circEsquerda, 4922.08, 0.005);
    EXPECT_NEAR(g.circTopo, 604.87, 0.005);
    EXPECT_NEAR(g.txtEsquerda, 4719.58, 0.005);
    EXPECT_NEAR(g.txtTopo, 402.37, 0.005);
}

// bit-exact: the end point is rounded to float, which absorbs the tiny error
// of the model's degree factor (its pi has eleven decimals) at 0 and -90.
TEST(CalculaAgulha, AxisDirectionsAreExactInFloat)
{
    const GeometriaAgulha norte = CalculaAgulha(0.0f, CentroBussolaMain);
    EXPECT_EQ(norte.x2, 5400.0f);
    EXPECT_EQ(norte.y2, 600.0f);
    const GeometriaAgulha oeste = CalculaAgulha(-90.0f, CentroBussolaMain);
    EXPECT_EQ(oeste.x2, 4200.0f);
    EXPECT_EQ(oeste.y2, 1800.0f);
}

}  // namespace
}  // namespace ceravel
