// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace ceravel {

// A straight line between two end points given in twips of the parent's client
// area, drawn as a transparent child that never takes mouse input. The end
// points are kept exactly as set (single precision, like the needle's).
class Linha : public QWidget {
    Q_OBJECT
public:
    Linha(QWidget* pai, const QString& nome, double x1, double y1, double x2, double y2,
          QColor cor = Qt::black, int larguraPx = 1);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void defineX2(float x2);
    void defineY2(float y2);
    QColor cor() const { return m_cor; }
    int largura() const { return m_largura; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void reposiciona();
    float m_x1, m_y1, m_x2, m_y2;
    QColor m_cor;
    int m_largura;
};

}  // namespace ceravel
