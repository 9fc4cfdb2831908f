// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Forma.h"

#include "ui/Twips.h"

#include <QPainter>
#include <algorithm>

namespace ceravel {

Forma::Forma(QWidget* pai, const QString& nome, Tipo tipo, double esquerda, double topo,
             double largura, double altura, QColor contorno, std::optional<QColor> preenchimento)
    : QWidget(pai), m_tipo(tipo), m_esquerda(static_cast<float>(esquerda)),
      m_topo(static_cast<float>(topo)), m_largura(largura), m_altura(altura),
      m_contorno(contorno), m_preenchimento(preenchimento)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    move(m_esquerda, m_topo);
}

void Forma::move(float esquerda, float topo)
{
    m_esquerda = esquerda;
    m_topo = topo;
    setGeometry(RetPx(esquerda, topo, m_largura, m_altura).adjusted(0, 0, 1, 1));
    update();
}

void Forma::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_contorno, 1));
    p.setBrush(m_preenchimento ? QBrush(*m_preenchimento) : Qt::NoBrush);
    QRectF caixa(0.5, 0.5, PxF(m_largura) - 1.0, PxF(m_altura) - 1.0);
    if (m_tipo == Tipo::Circulo) {
        const double lado = std::min(caixa.width(), caixa.height());
        caixa = QRectF(caixa.center().x() - lado / 2, caixa.center().y() - lado / 2, lado, lado);
    }
    p.drawEllipse(caixa);
}

}  // namespace ceravel
