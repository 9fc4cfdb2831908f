// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/GeometriaAgulha.h"

#include <gtest/gtest.h>

namespace ceravel {
namespace {

// The needle's end (twips, to two decimals) for both compasses; the circle and
// the label hang from it. bit-exact: 67.5 and 270 are exact in float and each
// difference is rounded once.
TEST(CalculaAgulha, EndPointCircleAndLabel)
{
    const struct { float D; CentroBussola centro; float x2, y2; } casos[] = {
        {0.0f, CentroBussolaMain, 5400.0f, 600.0f},          {-20.0f, CentroBussolaMain, 4989.58f, 672.37f},
        {15.0f, CentroBussolaMain, 5710.58f, 640.89f},       {-15.0f, CentroBussolaRelatorio, 2614.42f, 3850.89f},
        {-90.0f, CentroBussolaRelatorio, 1725.0f, 5010.0f},
    };
    for (const auto& c : casos) {
        const GeometriaAgulha g = CalculaAgulha(c.D, c.centro);
        EXPECT_NEAR(g.x2, c.x2, 0.005) << c.D;
        EXPECT_NEAR(g.y2, c.y2, 0.005) << c.D;
        EXPECT_EQ(g.circEsquerda, g.x2 - 67.5f);
        EXPECT_EQ(g.circTopo, g.y2 - 67.5f);
        EXPECT_EQ(g.txtEsquerda, g.x2 - 270.0f);
        EXPECT_EQ(g.txtTopo, g.y2 - 270.0f);
    }
}

}  // namespace
}  // namespace ceravel
