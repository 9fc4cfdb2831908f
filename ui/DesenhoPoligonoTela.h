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

    // `declinacao`: D on the conversion date, degrees east, for the three norths.
    void define(const ResultadoPoligonal& poligonal, const std::vector<SegmentoPoligonal>& segmentos,
                std::optional<double> declinacao = {});
    void limpa();
    // Paints the drawing on any device (the widget, an image, a printer page)
    // in the painter's units; `fonte` is the texts' font (8 points by default).
    static void Pinta(QPainter& pintor, const DesenhoPoligono& desenho, const QFont& fonte);
    static void Pinta(QPainter& pintor, const DesenhoPoligono& desenho);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QLocale m_locale;
    std::optional<ResultadoPoligonal> m_poligonal;
    std::vector<SegmentoPoligonal> m_segmentos;
    std::optional<double> m_declinacao;
};

}  // namespace ceravel
