// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ceravel::ajuste {

// The box the program accepts and the period it covers: 1 January 1995 to
// 31 December 2005, whose decimal year reaches 2006.0.
inline constexpr double LatitudeMinima = -35, LatitudeMaxima = 10;
inline constexpr double LongitudeMinima = -75, LongitudeMaxima = -30;
inline constexpr double AnoInicial = 1995.0, AnoFinal = 2006.0;

struct PontoAmostra {
    double latitude = 0;   // degrees
    double longitude = 0;  // degrees
    double ano = 0;        // decimal year
};

// The training grid: every `passoGraus` in latitude and longitude and every
// `passoAnos` in time, box edges and period ends included.
std::vector<PontoAmostra> PontosTreino(double passoGraus, double passoAnos);

// The held-out grid: the training grid shifted by half a step in each
// coordinate, plus the box edges and period ends, without any point that is
// also a training point.
std::vector<PontoAmostra> PontosValidacao(double passoGraus, double passoAnos);

}  // namespace ceravel::ajuste
