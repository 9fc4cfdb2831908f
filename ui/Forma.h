// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace ceravel {

// A circle or an ellipse inside a box given in twips, with an outline colour
// and an optional fill. A circle is centred in its box with the smaller side
// as its diameter.
class Forma : public QWidget {
    Q_OBJECT
public:
    enum class Tipo { Circulo, Elipse };

    Forma(QWidget* pai, const QString& nome, Tipo tipo, double esquerda, double topo,
          double largura, double altura, QColor contorno, std::optional<QColor> preenchimento = {});

    // Left and top in twips, kept exactly as set.
    float esquerda() const { return m_esquerda; }
    float topo() const { return m_topo; }
    void move(float esquerda, float topo);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Tipo m_tipo;
    float m_esquerda, m_topo;
    double m_largura, m_altura;
    QColor m_contorno;
    std::optional<QColor> m_preenchimento;
};

}  // namespace ceravel
