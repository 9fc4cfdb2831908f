// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Linha.h"

#include "ui/Twips.h"

#include <QPainter>
#include <algorithm>

namespace ceravel {

Linha::Linha(QWidget* pai, const QString& nome, double x1, double y1, double x2, double y2,
             QColor cor, int larguraPx)
    : QWidget(pai),
      m_x1(static_cast<float>(x1)), m_y1(static_cast<float>(y1)),
      m_x2(static_cast<float>(x2)), m_y2(static_cast<float>(y2)),
      m_cor(cor), m_largura(larguraPx)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    reposiciona();
}

void Linha::defineX2(float x2)
{
    m_x2 = x2;
    reposiciona();
}

void Linha::defineY2(float y2)
{
    m_y2 = y2;
    reposiciona();
}

// The widget covers the line's bounding box plus half the pen on each side.
void Linha::reposiciona()
{
    const double margem = m_largura / 2.0 + 1.0;
    const double esq = std::min(PxF(m_x1), PxF(m_x2)) - margem;
    const double topo = std::min(PxF(m_y1), PxF(m_y2)) - margem;
    const double dir = std::max(PxF(m_x1), PxF(m_x2)) + margem;
    const double base = std::max(PxF(m_y1), PxF(m_y2)) + margem;
    setGeometry(QRect(QPoint(static_cast<int>(std::floor(esq)), static_cast<int>(std::floor(topo))),
                      QPoint(static_cast<int>(std::ceil(dir)), static_cast<int>(std::ceil(base)))));
    update();
}

void Linha::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen caneta(m_cor, m_largura);
    caneta.setCapStyle(Qt::FlatCap);
    p.setPen(caneta);
    const QPointF origem = pos();
    p.drawLine(PontoPx(m_x1, m_y1) - origem, PontoPx(m_x2, m_y2) - origem);
}

}  // namespace ceravel
