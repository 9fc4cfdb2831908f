// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ceravel {

// Perceptually uniform colour maps, u from 0 to 1 (clamped), as 0xRRGGBB.
// Diverging: blue below the centre, near white at u = 0.5, red above.
std::uint32_t CorDivergente(double u);
// Sequential: from white to red, lightness falling evenly.
std::uint32_t CorSequencial(double u);

// Values to colours for one map. A diverging scale is centred on zero: it
// runs from -m to +m, m the larger magnitude of the two limits.
class EscalaCores {
public:
    EscalaCores(bool divergente, double minimo, double maximo);

    double minimo() const { return m_minimo; }
    double maximo() const { return m_maximo; }
    bool divergente() const { return m_divergente; }
    // Where `valor` falls on the colour map, 0 to 1.
    double posicao(double valor) const;
    std::uint32_t cor(double valor) const;

private:
    bool m_divergente;
    double m_minimo, m_maximo;
};

}  // namespace ceravel
