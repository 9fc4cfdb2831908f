// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ceravel::ajuste {

struct PontoContorno {
    double longitude = 0;
    double latitude = 0;
};

// A country border as closed rings (mainland, islands, holes), in degrees.
struct Contorno {
    std::vector<std::vector<PontoContorno>> aneis;
};

struct LeituraContorno {
    std::optional<Contorno> contorno;
    std::string erro;  // Portuguese, names the file and line
};

// Reads "lon lat" lines, rings separated by blank lines, '#' comments.
LeituraContorno LeContorno(const std::string& caminho);

// Even-odd rule over every ring, so holes and islands count right. Points
// exactly on an edge may fall either side.
bool DentroDoContorno(const Contorno& contorno, double latitude, double longitude);

// Shortest distance from the point to any edge of the border, measured in
// degrees on the latitude-longitude plane (enough to draw a margin around it).
double DistanciaAoContorno(const Contorno& contorno, double latitude, double longitude);

}  // namespace ceravel::ajuste
