// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/Isolinhas.h"

#include <QString>
#include <optional>
#include <vector>

namespace ceravel {

inline constexpr const char* ArquivoContornoBrasil = "brasil-contorno.txt";
inline constexpr const char* ArquivoContornoVizinhos = "vizinhos-contorno.txt";

// Closed rings of country borders, points as (longitude, latitude) in degrees.
struct ContornoMapa {
    std::vector<std::vector<PontoPlano>> aneis;
};

struct LeituraContornoMapa {
    std::optional<ContornoMapa> contorno;
    QString erro;  // Portuguese, names the file (and the line)
};

// Reads "lon lat" lines, rings separated by blank lines, '#' starting a
// comment line (the format of data/brasil-contorno.txt).
LeituraContornoMapa LeContornoMapa(const QString& caminho);

// Even-odd rule over every ring, so islands and holes count right.
bool DentroDoContornoMapa(const ContornoMapa& contorno, double latitude, double longitude);

}  // namespace ceravel
