// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ImpressaoMemorial.h"

#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

namespace ceravel {

// The polygon's pages of the deed's report: a title with the real scale on
// paper and the drawing to scale over the rest of the page; then the summary
// in two columns and the vertices' table, its titles repeated on every page
// it reaches. Laid out
// when built, so the report knows its page count before painting.
class PaginasPoligono {
public:
    PaginasPoligono(const PoligonoImpresso& poligono, const QLocale& locale, QPainter& pintor, QRectF area,
                    double pixelsPorMm);

    int paginas() const { return m_paginas; }
    // Paints from the top of a fresh page; `proximaPagina` ends the page
    // (footer) and starts another, false when the printer refused it.
    bool pinta(const std::function<bool()>& proximaPagina);

private:
    double alturaLinha(const QStringList& linha, const QFont& fonte) const;
    void desenhaLinha(const QStringList& linha, double topo, double altura, const QFont& fonte, bool titulo);

    const PoligonoImpresso& m_poligono;
    QLocale m_locale;
    QPainter& m_pintor;
    QRectF m_area;
    double m_mm;
    QString m_titulo;
    std::vector<std::pair<QString, QString>> m_resumo;
    QStringList m_titulos;
    std::vector<QStringList> m_linhas;
    std::vector<double> m_larguras;  // shares of the page width
    QSizeF m_tela;  // the drawing's canvas, screen pixels
    double m_alturaTitulo = 0, m_alturaDesenho = 0, m_alturaResumo = 0, m_alturaTitulos = 0;
    std::vector<int> m_paginaDaLinha;
    std::vector<double> m_alturas;
    int m_paginas = 1;
};

}  // namespace ceravel
