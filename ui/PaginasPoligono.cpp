// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PaginasPoligono.h"

#include "present/DesenhoPoligono.h"
#include "ui/Controles.h"
#include "ui/DesenhoPoligonoTela.h"

#include <QPainter>

#include <cmath>

namespace ceravel {

namespace {

// The drawing is laid out in screen pixels (96 per inch) and scaled onto the page.
constexpr double PixelsTelaPorMm = 96 / 25.4;
// The drawing's texts: 8 points on screen, as pixels so that they scale with it.
constexpr int PixelsFonteDesenho = 11;

QFont FonteDesenho()
{
    QFont f = FonteArial(8);
    f.setPixelSize(PixelsFonteDesenho);
    return f;
}

QString Grupos(qlonglong n)
{
    QString t = QString::number(n);
    for (qsizetype i = t.size() - 3; i > 0; i -= 3)
        t.insert(i, u' ');
    return t;
}

}  // namespace

PaginasPoligono::PaginasPoligono(const PoligonoImpresso& poligono, const QLocale& locale, QPainter& p, QRectF area,
                                 double mm)
    : m_poligono(poligono), m_locale(locale), m_pintor(p), m_area(area), m_mm(mm)
{
    const ResultadoPoligonal& r = poligono.poligonal;
    m_resumo = ResumoPoligono(r, poligono.plano, locale);
    const bool compensado = !r.vertices.empty() && r.vertices.front().compensado.has_value();
    m_titulos = TitulosVertices(compensado);
    m_linhas = LinhasVertices(r, locale);
    m_larguras = compensado ? std::vector<double>{0.12, 0.13, 0.14, 0.16, 0.16, 0.14, 0.15}
                            : std::vector<double>{0.16, 0.19, 0.19, 0.23, 0.23};

    p.setFont(FonteArial(11, true));
    m_alturaTitulo = p.boundingRect(area, Qt::TextWordWrap, QStringLiteral("X")).height() + 2 * mm;
    // The drawing takes its page, as large as the paper allows, so its labels fit along the sides.
    const double rodape = 6 * mm;
    m_alturaDesenho = area.height() - m_alturaTitulo - rodape - mm;
    m_tela = QSizeF(area.width() / mm * PixelsTelaPorMm, m_alturaDesenho / mm * PixelsTelaPorMm);
    const DesenhoPoligono d = CalculaDesenhoPoligono(r, poligono.segmentos, m_tela, locale, {}, poligono.declinacao);
    // Metres of ground per metre of paper.
    const double escala = d.pixelsPorMetro > 0 ? 1000 * PixelsTelaPorMm / d.pixelsPorMetro : 0;
    m_titulo = QStringLiteral("Polígono no terreno (SIRGAS 2000 / UTM %1%2), escala 1:%3 na folha A4")
                   .arg(poligono.plano.zona)
                   .arg(poligono.plano.sul ? QStringLiteral("S") : QStringLiteral("N"), Grupos(std::llround(escala)));

    // The summary in two columns: the first takes the first half of the lines.
    p.setFont(FonteArial(9));
    const std::size_t metade = (m_resumo.size() + 1) / 2;
    double colunas[2] = {0, 0};
    for (std::size_t i = 0; i < m_resumo.size(); ++i) {
        const QString l = m_resumo[i].first + QStringLiteral(": ") + m_resumo[i].second;
        colunas[i < metade ? 0 : 1] +=
            p.boundingRect(QRectF(0, 0, area.width() / 2 - 2 * mm, 1e6), Qt::TextWordWrap, l).height() + 0.8 * mm;
    }
    m_alturaResumo = std::max(colunas[0], colunas[1]);
    m_alturaTitulos = alturaLinha(m_titulos, FonteArial(7, true));

    // The summary and the table from the next page.
    m_paginas = 2;
    double y = m_alturaTitulo + m_alturaResumo + 3 * mm + m_alturaTitulos;
    for (const QStringList& l : m_linhas) {
        const double h = alturaLinha(l, FonteArial(7.5));
        if (y + h > area.height() - rodape) {
            ++m_paginas;
            y = m_alturaTitulos;
        }
        m_paginaDaLinha.push_back(m_paginas);
        m_alturas.push_back(h);
        y += h;
    }
}

double PaginasPoligono::alturaLinha(const QStringList& linha, const QFont& fonte) const
{
    m_pintor.setFont(fonte);
    const double folga = 0.8 * m_mm;
    double h = 0;
    for (qsizetype k = 0; k < linha.size(); ++k) {
        const QRectF r = m_pintor.boundingRect(
            QRectF(0, 0, m_larguras[static_cast<std::size_t>(k)] * m_area.width() - 2 * folga, 1e6), Qt::TextWordWrap,
            linha[k]);
        h = std::max(h, r.height());
    }
    return h + 2 * folga;
}

void PaginasPoligono::desenhaLinha(const QStringList& linha, double topo, double altura, const QFont& fonte,
                                   bool titulo)
{
    m_pintor.setFont(fonte);
    const double folga = 0.8 * m_mm;
    double x = 0;
    for (qsizetype k = 0; k < linha.size(); ++k) {
        const QRectF r(x, topo, m_larguras[static_cast<std::size_t>(k)] * m_area.width(), altura);
        if (titulo)
            m_pintor.fillRect(r, QColor(230, 230, 230));
        m_pintor.drawRect(r);
        // Numbers to the right, names and titles to the left.
        m_pintor.drawText(r.adjusted(folga, folga, -folga, -folga),
                          Qt::TextWordWrap | (k > 0 && !titulo ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                          linha[k]);
        x += r.width();
    }
}

bool PaginasPoligono::pinta(const std::function<bool()>& proximaPagina)
{
    QPainter& p = m_pintor;
    const double mm = m_mm;
    p.setPen(QPen(Qt::black, 0.15 * mm));
    p.setFont(FonteArial(11, true));
    p.drawText(QRectF(0, 0, m_area.width(), m_alturaTitulo), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_titulo);
    double y = m_alturaTitulo;

    // The drawing, laid out in screen pixels and scaled to the page.
    const double escala = mm / PixelsTelaPorMm;
    const DesenhoPoligono d = CalculaDesenhoPoligono(m_poligono.poligonal, m_poligono.segmentos, m_tela, m_locale, {},
                                                     m_poligono.declinacao);
    p.save();
    p.translate(0, y);
    p.scale(escala, escala);
    p.setClipRect(QRectF(QPointF(0, 0), m_tela));
    DesenhoPoligonoTela::Pinta(p, d, FonteDesenho());
    p.restore();
    p.setPen(QPen(Qt::black, 0.15 * mm));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, y, m_area.width(), m_alturaDesenho));
    if (!proximaPagina())
        return false;
    p.setPen(QPen(Qt::black, 0.15 * mm));
    p.setFont(FonteArial(11, true));
    p.drawText(QRectF(0, 0, m_area.width(), m_alturaTitulo), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Polígono no terreno: resumo e vértices"));
    y = m_alturaTitulo;

    p.setFont(FonteArial(9));
    const std::size_t metade = (m_resumo.size() + 1) / 2;
    double yColuna[2] = {y, y};
    for (std::size_t i = 0; i < m_resumo.size(); ++i) {
        const int c = i < metade ? 0 : 1;
        const QString l = m_resumo[i].first + QStringLiteral(": ") + m_resumo[i].second;
        const QRectF r = p.boundingRect(QRectF(c * m_area.width() / 2, yColuna[c], m_area.width() / 2 - 2 * mm, 1e6),
                                        Qt::TextWordWrap, l);
        p.drawText(r, Qt::TextWordWrap, l);
        yColuna[c] += r.height() + 0.8 * mm;
    }
    y += m_alturaResumo + 3 * mm;

    desenhaLinha(m_titulos, y, m_alturaTitulos, FonteArial(7, true), true);
    y += m_alturaTitulos;
    int pagina = 2;
    for (std::size_t i = 0; i < m_linhas.size(); ++i) {
        if (m_paginaDaLinha[i] != pagina) {
            if (!proximaPagina())
                return false;
            pagina = m_paginaDaLinha[i];
            p.setPen(QPen(Qt::black, 0.15 * mm));
            desenhaLinha(m_titulos, 0, m_alturaTitulos, FonteArial(7, true), true);
            y = m_alturaTitulos;
        }
        desenhaLinha(m_linhas[i], y, m_alturas[i], FonteArial(7.5), false);
        y += m_alturas[i];
    }
    return true;
}

}  // namespace ceravel
