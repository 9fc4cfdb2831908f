// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/TresNortes.h"

#include <QWidget>
#include <optional>

namespace ceravel {

// Draws the three norths the core laid out: NV with a star, NQ, NM with a
// half arrowhead, the convergence and the declination as arcs with their
// values, and the note when the angles are not to scale. Empty until shown.
class DiagramaNortes : public QWidget {
    Q_OBJECT

public:
    explicit DiagramaNortes(QWidget* pai = nullptr);

    void mostra(const DiagramaTresNortes& diagrama);
    void limpa();
    const std::optional<DiagramaTresNortes>& diagrama() const { return diagrama_; }

    QSize sizeHint() const override { return {240, 260}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::optional<DiagramaTresNortes> diagrama_;
};

}  // namespace ceravel
