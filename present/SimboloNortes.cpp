// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/SimboloNortes.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace ceravel {

namespace {

constexpr double Comprimento = 78;   // of each arrow, pixels
constexpr double AlturaLinha = 12;   // of the note's lines (8-point text)

// The point at `raio` from `origem` along a bearing (degrees clockwise from up).
QPointF NaDirecao(QPointF origem, double angulo, double raio)
{
    const double a = angulo * std::numbers::pi / 180;
    return origem + QPointF(raio * std::sin(a), -raio * std::cos(a));
}

std::vector<QPointF> Arco(QPointF origem, const AnguloNorte& a, double raio)
{
    std::vector<QPointF> p;
    if (a.de == a.ate)
        return p;
    const int passos = std::max(2, static_cast<int>(std::ceil(std::abs(a.ate - a.de) / 2)));
    for (int i = 0; i <= passos; ++i)
        p.push_back(NaDirecao(origem, a.de + (a.ate - a.de) * i / passos, raio));
    return p;
}

// A legend line under the arrows: "γ 0°46'49'' (NQ a leste do NV)".
TextoDesenho Legenda(QPointF ancora, const AnguloNorte& a, const SetaNorte& s, double real)
{
    QString texto = a.texto;
    if (std::llround(std::abs(real) * 3600) != 0)
        texto += QStringLiteral(" (%1 a %2 do NV)").arg(s.rotulo, real > 0 ? QStringLiteral("leste") : QStringLiteral("oeste"));
    return {ancora, texto, Qt::AlignHCenter | Qt::AlignTop, 0};
}

// Beside an arrow's tip, on the side it leans to.
TextoDesenho TextoPonta(const SetaNorte& s, QPointF ponta)
{
    return {ponta + QPointF(s.desenhado >= 0 ? 9 : -9, 0), s.rotulo,
            (s.desenhado >= 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, 0};
}

}  // namespace

SimboloNortes DispoeSimboloNortes(const DiagramaTresNortes& d, QPointF canto)
{
    SimboloNortes s;
    s.moldura = QRectF(canto.x() - LarguraSimboloNortes, canto.y(), LarguraSimboloNortes, AlturaSimboloNortes);
    // Under the arrows, the two angles' legend, then the note.
    const double altoNota = d.nota.isEmpty() ? 0 : 2 * AlturaLinha + 4;
    const double altoLegenda = 2 * AlturaLinha + 4;
    s.origem = QPointF(s.moldura.center().x(), s.moldura.bottom() - 6 - altoNota - altoLegenda);
    const auto haste = [&](const SetaNorte& seta) { return QLineF(s.origem, NaDirecao(s.origem, seta.desenhado, Comprimento)); };
    s.verdadeiro = haste(d.verdadeiro);
    s.quadricula = haste(d.quadricula);
    s.magnetico = haste(d.magnetico);

    for (int i = 0; i < 10; ++i)
        s.estrela.push_back(NaDirecao(s.verdadeiro.p2(), i * 36.0, i % 2 ? 2.4 : 6));
    s.corteQuadricula = QLineF(NaDirecao(s.quadricula.p2(), d.quadricula.desenhado - 90, 5),
                               NaDirecao(s.quadricula.p2(), d.quadricula.desenhado + 90, 5));
    s.meiaPonta = {s.magnetico.p2(), NaDirecao(s.magnetico.p2(), d.magnetico.desenhado + 165, 14),
                   NaDirecao(s.magnetico.p2(), d.magnetico.desenhado + 180, 12)};

    // The convergence nearer the point, the declination farther out.
    s.arcoConvergencia = Arco(s.origem, d.convergencia, Comprimento * 0.38);
    s.arcoDeclinacao = Arco(s.origem, d.declinacao, Comprimento * 0.66);

    s.textos.push_back({s.verdadeiro.p2() - QPointF(0, 8), d.verdadeiro.rotulo, Qt::AlignHCenter | Qt::AlignBottom, 0});
    s.textos.push_back(TextoPonta(d.quadricula, s.quadricula.p2()));
    s.textos.push_back(TextoPonta(d.magnetico, s.magnetico.p2()));
    // The angles' values apart from the arrows, which they would cross where these are close.
    s.textos.push_back(Legenda(s.origem + QPointF(0, 6), d.convergencia, d.quadricula, d.quadricula.real));
    s.textos.push_back(Legenda(s.origem + QPointF(0, 6 + AlturaLinha), d.declinacao, d.magnetico, d.magnetico.real));
    // The note in two lines, broken after its comma, under the arrows.
    if (!d.nota.isEmpty()) {
        const qsizetype virgula = d.nota.indexOf(QStringLiteral(", "));
        const QStringList linhas = virgula < 0 ? QStringList{d.nota}
                                               : QStringList{d.nota.left(virgula + 1), d.nota.mid(virgula + 2)};
        double y = s.moldura.bottom() - altoNota;
        for (const QString& l : linhas) {
            s.textos.push_back({QPointF(s.moldura.center().x(), y), l, Qt::AlignHCenter | Qt::AlignTop, 0});
            y += AlturaLinha;
        }
    }
    return s;
}

}  // namespace ceravel
