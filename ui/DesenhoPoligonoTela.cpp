// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesenhoPoligonoTela.h"

#include "present/TextosPoligono.h"
#include "ui/Controles.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>

namespace ceravel {

namespace {

QPolygonF Poligono(const std::vector<QPointF>& pontos)
{
    QPolygonF p;
    for (const QPointF& q : pontos)
        p << q;
    return p;
}

template <class Texto>
void PintaNortes(QPainter& g, const SimboloNortes& s, const Texto& texto)
{
    g.setPen(QPen(QColor(150, 150, 150), 0.8));
    g.setBrush(Qt::white);
    g.drawRect(s.moldura);
    g.setPen(QPen(Qt::black, 1.2));
    g.setBrush(Qt::NoBrush);
    g.drawPolyline(Poligono(s.arcoConvergencia));
    g.drawPolyline(Poligono(s.arcoDeclinacao));
    for (const QLineF& l : {s.verdadeiro, s.quadricula, s.magnetico, s.corteQuadricula})
        g.drawLine(l);
    g.setBrush(Qt::black);
    g.drawPolygon(Poligono(s.estrela));
    g.drawPolygon(Poligono(s.meiaPonta));
    g.setBrush(Qt::NoBrush);
    for (const TextoDesenho& t : s.textos)
        texto(t);
}

}  // namespace

DesenhoPoligonoTela::DesenhoPoligonoTela(const QLocale& locale, QWidget* pai) : QWidget(pai), m_locale(locale)
{
    setObjectName(QStringLiteral("DesenhoPoligono"));
    setAccessibleName(QStringLiteral("Desenho do polígono"));
    setMouseTracking(true);
    setMinimumSize(320, 240);
}

void DesenhoPoligonoTela::define(const ResultadoPoligonal& poligonal, const std::vector<SegmentoPoligonal>& segmentos,
                                 std::optional<double> declinacao)
{
    m_poligonal = poligonal;
    m_segmentos = segmentos;
    m_declinacao = declinacao;
    update();
}

void DesenhoPoligonoTela::limpa()
{
    m_poligonal.reset();
    m_segmentos.clear();
    m_declinacao.reset();
    update();
}

void DesenhoPoligonoTela::Pinta(QPainter& g, const DesenhoPoligono& d) { Pinta(g, d, FonteArial(8)); }

void DesenhoPoligonoTela::Pinta(QPainter& g, const DesenhoPoligono& d, const QFont& fonte)
{
    g.setRenderHint(QPainter::Antialiasing);
    g.setFont(fonte);
    const QFontMetricsF fm(fonte);
    const auto texto = [&](const TextoDesenho& t) {
        g.save();
        g.translate(t.ancora);
        g.rotate(-t.angulo);
        const double w = fm.horizontalAdvance(t.texto), h = fm.height();
        const double x = (t.alinhamento & Qt::AlignLeft) ? 0 : (t.alinhamento & Qt::AlignRight) ? -w : -w / 2;
        const double y = (t.alinhamento & Qt::AlignTop) ? 0 : (t.alinhamento & Qt::AlignBottom) ? -h : -h / 2;
        g.drawText(QRectF(x, y, w + 1, h), Qt::AlignLeft | Qt::AlignVCenter, t.texto);
        g.restore();
    };
    g.setPen(QPen(QColor(210, 210, 210), 1));
    for (const QLineF& l : d.grade)
        g.drawLine(l);
    g.setPen(QColor(110, 110, 110));
    for (const TextoDesenho& t : d.rotulosGrade)
        texto(t);
    QPolygonF contorno;
    for (const QPointF& p : d.vertices)
        contorno << p;
    g.setPen(QPen(Qt::black, 1.5));
    if (d.fechado)
        g.drawPolygon(contorno);
    else
        g.drawPolyline(contorno);
    if (d.lacuna) {
        g.setPen(QPen(Qt::red, 1.5, Qt::DashLine));
        g.drawLine(*d.lacuna);
    }
    g.setPen(Qt::black);
    g.setBrush(Qt::white);
    for (const QPointF& p : d.vertices)
        g.drawEllipse(p, 2.5, 2.5);
    g.setBrush(Qt::red);
    g.drawEllipse(d.inicial, 4.5, 4.5);
    g.setBrush(Qt::NoBrush);
    for (const TextoDesenho& t : d.nomes)
        texto(t);
    g.setPen(QColor(0, 0, 128));
    for (const TextoDesenho& t : d.rotulos)
        texto(t);
    g.setPen(QPen(Qt::black, 2));
    g.drawLine(d.barraEscala);
    for (const QLineF& l : d.divisoesBarra)
        g.drawLine(l);
    texto(d.textoEscala);
    if (d.nortes)
        PintaNortes(g, *d.nortes, texto);
}

void DesenhoPoligonoTela::paintEvent(QPaintEvent*)
{
    QPainter g(this);
    g.fillRect(rect(), Qt::white);
    if (m_poligonal)
        Pinta(g, CalculaDesenhoPoligono(*m_poligonal, m_segmentos, size(), m_locale, {}, m_declinacao));
}

void DesenhoPoligonoTela::mouseMoveEvent(QMouseEvent* evento)
{
    if (!m_poligonal)
        return;
    const DesenhoPoligono d = CalculaDesenhoPoligono(*m_poligonal, m_segmentos, size(), m_locale, {}, m_declinacao);
    for (std::size_t i = 0; i < d.vertices.size(); ++i) {
        if (QLineF(d.vertices[i], evento->position()).length() > 6)
            continue;
        const VerticePlano& v = m_poligonal->vertices[i];
        QString t = QStringLiteral("%1\nE %2 m  N %3 m").arg(v.nome, NumeroFixo(v.plano.E, 3, m_locale),
                                                             NumeroFixo(v.plano.N, 3, m_locale));
        if (v.geograficas)
            t += QStringLiteral("\nLatitude %1  Longitude %2 (SIRGAS 2000)")
                     .arg(NumeroFixo(v.geograficas->latitude, 9, m_locale),
                          NumeroFixo(v.geograficas->longitude, 9, m_locale));
        QToolTip::showText(evento->globalPosition().toPoint(), t, this);
        return;
    }
    QToolTip::hideText();
}

}  // namespace ceravel
