// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ceravel {

// A point of the plane the grid lives in (for the map: longitude, latitude).
struct PontoPlano {
    double x = 0;
    double y = 0;
};

// Values on a regular grid: node (i, j) at (x0 + i dx, y0 + j dy), stored
// row by row (j outer). A NaN value marks a node without data.
struct GradeValores {
    int colunas = 0;
    int linhas = 0;
    double x0 = 0, y0 = 0, dx = 1, dy = 1;
    std::vector<double> valores;

    double valor(int i, int j) const { return valores[static_cast<std::size_t>(j) * colunas + i]; }
    PontoPlano no(int i, int j) const { return {x0 + i * dx, y0 + j * dy}; }
};

// One isoline: a chain of points; a closed one does not repeat its first point.
struct Isolinha {
    std::vector<PontoPlano> pontos;
    bool fechada = false;
};

// Marching squares. A node counts as above the level when its value is >= the
// level, so a value exactly on the level puts the line through that node. A
// saddle cell is split by the mean of its four corners: when the mean is above,
// the two corners above are joined through the centre. Cells with a NaN corner
// are skipped. The segments are joined into polylines, open ones ending on the
// grid's edge (or at a cell without data); no two consecutive points are equal.
std::vector<Isolinha> TracaIsolinhas(const GradeValores& grade, double nivel);

// Every multiple of `intervalo` from `minimo` to `maximo`, both included.
std::vector<double> NiveisIsolinhas(double minimo, double maximo, double intervalo);

// Where a label goes along a line: its point and the direction of the line
// there, in radians, turned so that the text never reads upside down (within
// (-pi/2, pi/2] in the line's own plane).
struct PosicaoRotulo {
    PontoPlano ponto;
    double angulo = 0;
};

// Points at arc lengths primeiro, primeiro + passo, ... along `linha`, each
// at least `margem` from both ends of an open line.
std::vector<PosicaoRotulo> PosicoesRotulos(const Isolinha& linha, double primeiro, double passo, double margem);

}  // namespace ceravel
