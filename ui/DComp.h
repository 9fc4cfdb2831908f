// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ModeloCalculo.h"
#include "present/TextosResultado.h"

#include <QDialog>

class QGroupBox;
class QLabel;

namespace ceravel {

// "Dados Complementares": X, Y, Z, F and I with their annual variations. Filled
// while hidden by every successful calculation; "OK" or the title bar only
// hide it, so it keeps its texts until the next calculation or "Limpar Dados".
class DComp : public QDialog {
    Q_OBJECT
public:
    explicit DComp(QWidget* pai = nullptr);

    // CX, VX2, CY, VY2, CZ, VZ2, CF, VF2, in that order.
    void escreveComponentes(const TextosResultado& textos);
    // INC2, AIMIN2, VI2.
    void escreveInclinacao(const TextosResultado& textos);
    // FX, FY, FZ, FF, FI.
    void mostraMolduras();
    // The title names IGRF-14 when it computed the values.
    void escreveModelo(ModeloCalculo modelo);

private:
    struct Moldura {
        QGroupBox* moldura;
        QLabel *valor, *variacao, *minutos;
    };
    Moldura m_x{}, m_y{}, m_z{}, m_f{}, m_i{};
};

}  // namespace ceravel
