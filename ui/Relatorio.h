// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/TextosResultado.h"
#include "ui/Bussola.h"

#include <QWidget>

class QLabel;

namespace ceravel {

// The one-page report: a white page of 10680 x 11145 twips built with its
// design-time captions, never shown on screen, filled by every successful
// calculation and printed on demand.
class Relatorio : public QWidget {
    Q_OBJECT
public:
    explicit Relatorio(QWidget* pai = nullptr);

    // Writes Data, Epoca, Longitude (+ Label15), Latitude (+ Label16), CX, VX2,
    // CY, VY2, CZ, VZ2, CF, VF2, DMIN2, VD2, INC2, AIMIN2, VI2, in that order.
    void preencheTextos(const TextosResultado& textos);

    // The report's own magnetic-north needle (centre 2925, 5010).
    Agulha& agulha() { return m_agulha; }

private:
    QLabel* rotulo(const char* nome) const;

    Agulha m_agulha;
};

}  // namespace ceravel
