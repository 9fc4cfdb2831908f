// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"
#include "model/ElementosCampo.h"

#include <QString>
#include <optional>

namespace ceravel {

// Outcome of a model run: the field, or a Portuguese message naming the file
// or the numeric problem (overflow, invalid operation). Never both.
struct ResultadoModelo {
    std::optional<ElementosCampo> elementos;
    QString erro;
};

// From D, I, F and their annual variations (degrees, degrees, nT; per year)
// derives m, n, H, X, Y, Z and their variations in the fixed order of operations.
ElementosCampo DerivaComponentes(float D, float I, float F, float dD, float dI, float dF);

// Evaluates the three sets (declination, inclination, intensity) at x, y, t.
ResultadoModelo CalculaCampo(const Coeficientes& cD, const Coeficientes& cI,
                             const Coeficientes& cF, double x, double y, double t);

// The whole run: reads COEF-D2000, COEF-I2000, COEF-F2000 afresh from `pasta`
// (in that order, all before any evaluation), then evaluates.
ResultadoModelo CalculaCampo(const QString& pasta, double x, double y, double t);

}  // namespace ceravel
