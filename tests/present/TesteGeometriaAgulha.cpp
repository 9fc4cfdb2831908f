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
    float x2, y2;  // to two decimals
};

void PrintTo(const CasoAgulha& c, std::ostream* os) { *os << c.nome; }

class CalculaAgulhaTeste : public testing::TestWithParam<CasoAgulha> {};

TEST_P(CalculaAgulhaTeste, EndPointCircleAndLabel)
{
    const CasoAgulha& c = GetParam();
    const GeometriaAgulha g = CalculaAgulha(c.D, c.centro);
    EXPECT_NEAR(g.x2, c.x2, 0.005);
    EXPECT_NEAR(g.y2, c.y2, 0.005);
    // bit-exact: 67.5 and 270 are exact in float and each difference is rounded once.
    EXPECT_EQ(g.circEsquerda, g.x2 - 67.5f);
    EXPECT_EQ(g.circTopo, g.y2 - 67.5f);
    EXPECT_EQ(g.txtEsquerda, g.x2 - 270.0f);
    EXPECT_EQ(g.txtTopo, g.y2 - 270.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Agulha, CalculaAgulhaTeste,
    testing::Values(CasoAgulha{"NorthOnMain", 0.0f, CentroBussolaMain, 5400.0f, 600.0f},
                    CasoAgulha{"TwentyWestOnMain", -20.0f, CentroBussolaMain, 4989.58f, 672.37f},
                    CasoAgulha{"EastTurnsRight", 15.0f, CentroBussolaMain, 5710.58f, 640.89f},
                    CasoAgulha{"FifteenWestOnReport", -15.0f, CentroBussolaRelatorio, 2614.42f, 3850.89f},
                    CasoAgulha{"WestOnReport", -90.0f, CentroBussolaRelatorio, 1725.0f, 5010.0f}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel
