// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DiagramaNortes.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace ceravel {

namespace {

// The point at `raio` from `origem` along a bearing (degrees clockwise from up).
QPointF NaDirecao(QPointF origem, double angulo, double raio)
{
    const double a = qDegreesToRadians(angulo);
    return origem + QPointF(raio * std::sin(a), -raio * std::cos(a));
}

QPolygonF Estrela(QPointF centro, double raio)
{
    QPolygonF p;
    for (int i = 0; i < 10; ++i)
        p << NaDirecao(centro, i * 36.0, i % 2 ? raio * 0.4 : raio);
    return p;
}

}  // namespace

DiagramaNortes::DiagramaNortes(QWidget* pai) : QWidget(pai)
{
    setMinimumSize(200, 220);
}

void DiagramaNortes::mostra(const DiagramaTresNortes& diagrama)
{
    diagrama_ = diagrama;
    setAccessibleDescription(diagrama.nota);
    update();
}

void DiagramaNortes::limpa()
{
    diagrama_.reset();
    update();
}

void DiagramaNortes::paintEvent(QPaintEvent*)
{
    if (!diagrama_)
        return;
    const DiagramaTresNortes& d = *diagrama_;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(font());
    const double altoNota = d.nota.isEmpty() ? 0 : fm.height() * 2.4;
    const QPointF origem(width() / 2.0, height() - 12 - altoNota);
    const double comprimento = std::min(width() * 0.6, origem.y() - fm.height() * 2 - 12);
    const QColor cor = palette().color(QPalette::WindowText);
    p.setPen(QPen(cor, 1.4));

    // The arcs first, under the arrows: the convergence nearer the point.
    const auto arco = [&](const AnguloNorte& a, double raio, double lado) {
        if (a.de == a.ate)
            return;
        const QRectF caixa(origem.x() - raio, origem.y() - raio, 2 * raio, 2 * raio);
        p.drawArc(caixa, qRound((90 - a.de) * 16), qRound(-(a.ate - a.de) * 16));
        const double meio = (a.de + a.ate) / 2;
        const QPointF ponto = NaDirecao(origem, meio, raio + 4);
        const double largura = fm.horizontalAdvance(a.texto);
        const double x = lado > 0 ? ponto.x() + 2 : ponto.x() - largura - 2;
        p.drawText(QPointF(x, ponto.y()), a.texto);
    };
    arco(d.convergencia, comprimento * 0.38, d.convergencia.ate >= 0 ? 1 : -1);
    arco(d.declinacao, comprimento * 0.66, d.declinacao.ate >= 0 ? 1 : -1);

    const auto seta = [&](const SetaNorte& s) {
        const QPointF ponta = NaDirecao(origem, s.desenhado, comprimento);
        p.drawLine(origem, ponta);
        // NV's letters above its star, the others beside their tips, on the side they lean to.
        const double largura = fm.horizontalAdvance(s.rotulo);
        if (s.desenhado == 0 && &s == &d.verdadeiro)
            p.drawText(QPointF(ponta.x() - largura / 2, ponta.y() - 9), s.rotulo);
        else
            p.drawText(QPointF(s.desenhado >= 0 ? ponta.x() + 7 : ponta.x() - largura - 7, ponta.y() + fm.ascent() / 2),
                       s.rotulo);
        return ponta;
    };
    // NV: a star at its tip.
    const QPointF pontaV = seta(d.verdadeiro);
    p.save();
    p.setBrush(cor);
    p.drawPolygon(Estrela(pontaV, 6));
    p.restore();
    // NQ: the grid's square-cut tip; NM: a half arrowhead.
    const QPointF pontaQ = seta(d.quadricula);
    p.drawLine(NaDirecao(pontaQ, d.quadricula.desenhado - 90, 5), NaDirecao(pontaQ, d.quadricula.desenhado + 90, 5));
    const QPointF pontaM = seta(d.magnetico);
    QPainterPath meiaPonta;
    meiaPonta.moveTo(pontaM);
    meiaPonta.lineTo(NaDirecao(pontaM, d.magnetico.desenhado + 165, 14));
    meiaPonta.lineTo(NaDirecao(pontaM, d.magnetico.desenhado + 180, 12));
    meiaPonta.closeSubpath();
    p.fillPath(meiaPonta, cor);

    if (!d.nota.isEmpty()) {
        QFont pequena = font();
        pequena.setItalic(true);
        p.setFont(pequena);
        p.drawText(QRectF(4, height() - altoNota - 4, width() - 8, altoNota), Qt::AlignCenter | Qt::TextWordWrap,
                   d.nota);
    }
}

}  // namespace ceravel
