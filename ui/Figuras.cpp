// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Figuras.h"

#include "ui/Controles.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace ceravel {

namespace {

constexpr double Pi = 3.14159265358979323846;

// Four-pointed star of the compass rose, tips at distance r from (cx, cy).
QPainterPath Estrela(double cx, double cy, double r)
{
    const double i = r / 8;
    QPainterPath p;
    p.moveTo(cx, cy - r);
    p.lineTo(cx + i, cy - i);
    p.lineTo(cx + r, cy);
    p.lineTo(cx + i, cy + i);
    p.lineTo(cx, cy + r);
    p.lineTo(cx - i, cy + i);
    p.lineTo(cx - r, cy);
    p.lineTo(cx - i, cy - i);
    p.closeSubpath();
    return p;
}

// Needle turned `graus` from north (east positive), from the centre outwards.
QPointF PontaAgulha(double cx, double cy, double r, double graus)
{
    const double a = graus * Pi / 180;
    return {cx + r * std::sin(a), cy - r * std::cos(a)};
}

void DesenhaBussola(QPainter& p, double cx, double cy, double r, QColor contorno, QColor estrela)
{
    p.setPen(QPen(contorno, std::max(1.0, r / 10)));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(estrela);
    p.drawPath(Estrela(cx, cy, r * 0.85));
    p.setPen(QPen(QColor(255, 0, 0), std::max(1.5, r / 6), Qt::SolidLine, Qt::RoundCap));
    // West declination, as over most of the country.
    p.drawLine(QPointF(cx, cy), PontaAgulha(cx, cy, r * 0.8, -20));
}

// One field line of a dipole with vertical axis: r = L sin^2(theta).
QPainterPath LinhaDeCampo(double cx, double cy, double L, bool leste)
{
    QPainterPath p;
    for (int k = 0; k <= 60; ++k) {
        const double t = Pi * k / 60;
        const double r = L * std::sin(t) * std::sin(t);
        const QPointF q(cx + (leste ? 1 : -1) * r * std::sin(t), cy - r * std::cos(t));
        if (k == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    return p;
}

// Radius of the icon's compass in a square of `lado`: its outline (a tenth of
// the radius wide) stays inside at large sizes; small ones keep a pixel free.
double RaioIcone(double lado)
{
    const double c = lado / 2;
    return std::min(c - 1, c / 1.05);
}

QPixmap Icone(int lado)
{
    QPixmap px(lado, lado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    DesenhaIcone(p, lado);
    return px;
}

QString Numero(double x)
{
    return QString::number(x, 'f', 3);
}

}  // namespace

void DesenhaIcone(QPainter& p, int lado)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double c = lado / 2.0;
    DesenhaBussola(p, c, c, RaioIcone(lado), Marinho, Marinho);
}

QString SvgIcone()
{
    // The shapes of DesenhaBussola, at the size of the largest installed picture.
    const double lado = 256, c = lado / 2, r = RaioIcone(lado);
    QString estrela;
    const QPainterPath caminho = Estrela(c, c, r * 0.85);
    for (int i = 0; i < caminho.elementCount(); ++i) {
        const QPainterPath::Element e = caminho.elementAt(i);
        estrela += (e.isMoveTo() ? u'M' : u'L') + Numero(e.x) + u',' + Numero(e.y) + u' ';
    }
    const QPointF ponta = PontaAgulha(c, c, r * 0.8, -20);
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <title>Ceravel</title>\n"
               "  <circle cx=\"%2\" cy=\"%2\" r=\"%3\" fill=\"#ffffff\" stroke=\"%4\" stroke-width=\"%5\"/>\n"
               "  <path d=\"%6Z\" fill=\"%4\"/>\n"
               "  <line x1=\"%2\" y1=\"%2\" x2=\"%7\" y2=\"%8\" stroke=\"#ff0000\" stroke-width=\"%9\" "
               "stroke-linecap=\"round\"/>\n"
               "</svg>\n")
        .arg(Numero(lado), Numero(c), Numero(r), Marinho.name(), Numero(std::max(1.0, r / 10)), estrela,
             Numero(ponta.x()), Numero(ponta.y()), Numero(std::max(1.5, r / 6)));
}

QIcon IconeCeravel()
{
    QIcon icone;
    icone.addPixmap(Icone(16));
    icone.addPixmap(Icone(32));
    return icone;
}

QPixmap FaixaCeravel()
{
    QPixmap px(629, 57);
    QPainter p(&px);
    DesenhaFaixaCeravel(p);
    return px;
}

void DesenhaFaixaCeravel(QPainter& p)
{
    const int largura = 629, altura = 57;
    p.save();
    // The field lines reach past the box; a pixmap cuts them, a printer not.
    p.setClipRect(QRect(0, 0, largura, altura), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fundo(0, 0, largura, 0);
    fundo.setColorAt(0.0, Marinho);
    fundo.setColorAt(0.18, QColor(40, 80, 170));
    fundo.setColorAt(0.32, QColor(232, 238, 250));
    fundo.setColorAt(1.0, QColor(232, 238, 250));
    p.fillRect(0, 0, largura, altura, fundo);

    // Faint field lines behind the captions on the light side.
    p.setPen(QPen(QColor(205, 216, 240), 1));
    p.setBrush(Qt::NoBrush);
    for (double L : {60.0, 110.0, 170.0, 240.0})
        p.drawPath(LinhaDeCampo(620, altura / 2.0, L, false));

    DesenhaBussola(p, 30, altura / 2.0, 21, Qt::white, Marinho);

    QFont nome = FonteTimes(20, true, true);
    p.setFont(nome);
    p.setPen(Qt::white);
    p.drawText(QRectF(60, 0, 140, altura), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ceravel"));
    p.restore();
}

void EscreveLinhasFaixa(QWidget* faixa, double esquerda, double largura, int indiceLabel8)
{
    const struct {
        const char* nome;
        const char* texto;
        double topo;
        bool negrito;
    } linhas[] = {
        {"Label8", "Ceravel - Campo Geomagnético no Brasil", 75, true},
        {"Label11", "Modelo regional para datas de 1995 a 2005", 315, false},
        {"Label13", "Declinação, inclinação, intensidade e componentes", 555, false},
    };
    QLabel* label8 = nullptr;
    for (const auto& l : linhas) {
        QLabel* rotulo = CriaRotulo(faixa, QString::fromLatin1(l.nome), QString::fromUtf8(l.texto), esquerda, l.topo,
                                    largura, 240, FonteArial(8.25, l.negrito), Qt::AlignRight | Qt::AlignTop);
        if (!label8)
            label8 = rotulo;
    }
    label8->setProperty("indice", indiceLabel8);
}

QPixmap LogotipoCeravel()
{
    const int largura = 129, altura = 45;
    QPixmap px(largura, altura);
    px.fill(Qt::white);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);

    const double cx = 22, cy = altura / 2.0, raio = 12;
    p.setPen(QPen(Marinho, 1));
    p.setBrush(Qt::NoBrush);
    for (double L : {16.0, 21.0})
        for (bool leste : {false, true})
            p.drawPath(LinhaDeCampo(cx, cy, L, leste));
    p.setBrush(QColor(255, 192, 128));
    p.drawEllipse(QPointF(cx, cy), raio, raio);
    p.setPen(QPen(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, cy + raio - 3), QPointF(cx, cy - raio + 3));

    p.setPen(Marinho);
    p.setFont(FonteTimes(14, true, true));
    p.drawText(QRectF(46, 2, 83, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ceravel"));
    p.setFont(FonteArial(6.5));
    p.drawText(QRectF(46, 27, 83, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("geomagnetismo"));
    return px;
}

}  // namespace ceravel
