// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poligono/Poligonal.h"
#include "present/DesenhoPoligono.h"

#include <QLocale>
#include <QWidget>

#include <optional>
#include <vector>

namespace ceravel {

// The deed's polygon painted as the core lays it out for the widget's size;
// the mouse over a vertex shows its name and coordinates.
class DesenhoPoligonoTela : public QWidget {
    Q_OBJECT
public:
    explicit DesenhoPoligonoTela(const QLocale& locale, QWidget* pai = nullptr);

    void define(const ResultadoPoligonal& poligonal, const std::vector<SegmentoPoligonal>& segmentos);
    void limpa();
    // Paints the drawing on any device (the widget, an image, a printer page).
    static void Pinta(QPainter& pintor, const DesenhoPoligono& desenho);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QLocale m_locale;
    std::optional<ResultadoPoligonal> m_poligonal;
    std::vector<SegmentoPoligonal> m_segmentos;
};

}  // namespace ceravel
