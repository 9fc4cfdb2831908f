// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ImpressaoMemorial.h"

#include "memorial/TabelaMemorial.h"
#include "ui/Controles.h"
#include "ui/Mensageiro.h"
#include "ui/PaginasPoligono.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <array>
#include <span>

namespace ceravel {

namespace {

// The printed columns and their share of the page width.
struct ColunaImpressa {
    ColunaMemorial coluna;
    const char* titulo;
    double largura;
};
constexpr std::array<ColunaImpressa, 10> Colunas{{
    {ColunaMemorial::De, "De", 0.055},
    {ColunaMemorial::Para, "Para", 0.055},
    {ColunaMemorial::Rumo, "Rumo no memorial", 0.12},
    {ColunaMemorial::Distancia, "Distância (m)", 0.08},
    {ColunaMemorial::AzVerdadeiro, "Azimute verdadeiro", 0.095},
    {ColunaMemorial::RumoVerdadeiro, "Rumo verdadeiro", 0.115},
    {ColunaMemorial::AzMagnetico, "Azimute magnético (conversão)", 0.095},
    {ColunaMemorial::RumoMagnetico, "Rumo magnético (conversão)", 0.115},
    {ColunaMemorial::Confrontante, "Confrontante", 0.12},
    {ColunaMemorial::Mensagem, "Observação", 0.15},
}};
// With the declination at each start vertex, each row's own beside its bearings.
constexpr std::array<ColunaImpressa, 12> ColunasPorVertice{{
    {ColunaMemorial::De, "De", 0.055},
    {ColunaMemorial::Para, "Para", 0.05},
    {ColunaMemorial::Rumo, "Rumo no memorial", 0.08},
    {ColunaMemorial::Distancia, "Distância (m)", 0.07},
    {ColunaMemorial::AzVerdadeiro, "Azimute verdadeiro", 0.085},
    {ColunaMemorial::RumoVerdadeiro, "Rumo verdadeiro", 0.1},
    {ColunaMemorial::AzMagnetico, "Azimute magnético (conversão)", 0.085},
    {ColunaMemorial::RumoMagnetico, "Rumo magnético (conversão)", 0.1},
    {ColunaMemorial::DecLevantamento, "Declinação no levantamento", 0.1},
    {ColunaMemorial::DecConversao, "Declinação na conversão", 0.09},
    {ColunaMemorial::Confrontante, "Confrontante", 0.095},
    {ColunaMemorial::Mensagem, "Observação", 0.09},
}};

QString Falha(const QString& motivo)
{
    return QStringLiteral("Não foi possível imprimir o memorial: %1").arg(motivo);
}

}  // namespace

bool ImprimeMemorial(const ConversaoMemorial& c, const QLocale& locale, QPrinter& impressora,
                     const std::optional<PoligonoImpresso>& poligono)
{
    impressora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
    const TabelaMemorial tabela = TabelaResultados(c, locale);
    const QStringList resumo = ResumoMemorial(c, locale);

    QPainter p;
    if (!p.begin(&impressora))
        return false;
    const QRectF area(QPointF(0, 0), impressora.pageLayout().paintRectPixels(impressora.resolution()).size());
    const double mm = impressora.resolution() / 25.4;
    const QFont titulo = FonteArial(13, true), texto = FonteArial(9), cabecalho = FonteArial(7, true),
                celula = FonteArial(7.5);
    const double alturaRodape = 6 * mm;

    const std::span<const ColunaImpressa> colunas = c.porVertice ? std::span<const ColunaImpressa>(ColunasPorVertice)
                                                                 : std::span<const ColunaImpressa>(Colunas);
    // Rows are laid out first, so the page count is known for the footers.
    p.setFont(celula);
    const double folga = 0.8 * mm;
    const auto alturaLinha = [&](const QStringList& l, const QFont& fonte) {
        p.setFont(fonte);
        double h = 0;
        for (const ColunaImpressa& col : colunas) {
            const QString t = l[static_cast<int>(col.coluna)];
            const QRectF r = p.boundingRect(QRectF(0, 0, col.largura * area.width() - 2 * folga, 1e6),
                                            Qt::TextWordWrap, t);
            h = std::max(h, r.height());
        }
        return h + 2 * folga;
    };
    QStringList titulos;
    for (int i = 0; i < ColunasMemorial; ++i)
        titulos << QString();
    for (const ColunaImpressa& col : colunas)
        titulos[static_cast<int>(col.coluna)] = QString::fromUtf8(col.titulo);
    const double alturaTitulos = alturaLinha(titulos, cabecalho);

    // The top of the first page: title and the deed's data.
    p.setFont(titulo);
    const double alturaTitulo = p.boundingRect(area, Qt::TextWordWrap, QStringLiteral("X")).height() + 2 * mm;
    p.setFont(texto);
    double alturaResumo = 0;
    for (const QString& l : resumo)
        alturaResumo += p.boundingRect(area, Qt::TextWordWrap, l).height() + 0.8 * mm;
    p.setFont(FonteArial(7.5, false, true));
    const QString credito = QStringLiteral("Modelo: ") + CreditoModelo(c.modelo);
    const double alturaCredito = p.boundingRect(area, Qt::TextWordWrap, credito).height() + 3 * mm;

    std::vector<int> paginaDaLinha;
    std::vector<double> alturas;
    int paginas = 1;
    double y = alturaTitulo + alturaResumo + 3 * mm + alturaTitulos;
    for (const QStringList& l : tabela.linhas) {
        const double h = alturaLinha(l, celula);
        if (y + h > area.height() - alturaRodape) {
            ++paginas;
            y = alturaTitulos;
        }
        paginaDaLinha.push_back(paginas);
        alturas.push_back(h);
        y += h;
    }
    const bool creditoNovaPagina = y + alturaCredito > area.height() - alturaRodape;
    if (creditoNovaPagina)
        ++paginas;
    std::optional<PaginasPoligono> paginasPoligono;
    if (poligono) {
        paginasPoligono.emplace(*poligono, locale, p, area, mm);
        paginas += paginasPoligono->paginas();
    }

    const auto desenhaLinha = [&](const QStringList& l, double topo, double h, const QFont& fonte, bool fundo) {
        p.setFont(fonte);
        double x = 0;
        for (const ColunaImpressa& col : colunas) {
            const QRectF r(x, topo, col.largura * area.width(), h);
            if (fundo)
                p.fillRect(r, QColor(230, 230, 230));
            p.drawRect(r);
            const bool numero = col.coluna == ColunaMemorial::Distancia || col.coluna == ColunaMemorial::AzVerdadeiro
                || col.coluna == ColunaMemorial::AzMagnetico || col.coluna == ColunaMemorial::DecLevantamento
                || col.coluna == ColunaMemorial::DecConversao;
            p.drawText(r.adjusted(folga, folga, -folga, -folga),
                       Qt::TextWordWrap | (numero && !fundo ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                       l[static_cast<int>(col.coluna)]);
            x += r.width();
        }
    };
    const auto rodape = [&](int pagina) {
        p.setFont(FonteArial(7.5));
        p.drawText(QRectF(0, area.height() - alturaRodape + 2 * mm, area.width(), alturaRodape - 2 * mm),
                   Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("Ceravel - Aviventação de Memorial    Página %1 de %2").arg(pagina).arg(paginas));
    };

    p.setPen(QPen(Qt::black, 0.15 * mm));
    p.setFont(titulo);
    p.drawText(QRectF(0, 0, area.width(), alturaTitulo), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Aviventação de Memorial Descritivo"));
    y = alturaTitulo;
    p.setFont(texto);
    for (const QString& l : resumo) {
        const QRectF r = p.boundingRect(QRectF(0, y, area.width(), 1e6), Qt::TextWordWrap, l);
        p.drawText(r, Qt::TextWordWrap, l);
        y += r.height() + 0.8 * mm;
    }
    y += 3 * mm;
    desenhaLinha(titulos, y, alturaTitulos, cabecalho, true);
    y += alturaTitulos;
    int pagina = 1;
    for (size_t i = 0; i < tabela.linhas.size(); ++i) {
        if (paginaDaLinha[i] != pagina) {
            rodape(pagina);
            if (!impressora.newPage())
                return false;
            pagina = paginaDaLinha[i];
            p.setPen(QPen(Qt::black, 0.15 * mm));
            desenhaLinha(titulos, 0, alturaTitulos, cabecalho, true);
            y = alturaTitulos;
        }
        desenhaLinha(tabela.linhas[i], y, alturas[i], celula, false);
        y += alturas[i];
    }
    if (creditoNovaPagina) {
        rodape(pagina);
        if (!impressora.newPage())
            return false;
        ++pagina;
        y = 0;
    }
    p.setFont(FonteArial(7.5, false, true));
    p.drawText(QRectF(0, y + 3 * mm, area.width(), alturaCredito), Qt::TextWordWrap, credito);
    rodape(pagina);
    // The polygon from a page of its own.
    const auto proximaPagina = [&] {
        if (!impressora.newPage())
            return false;
        ++pagina;
        return true;
    };
    if (paginasPoligono) {
        const auto fechaPagina = [&] {
            rodape(pagina);
            return proximaPagina();
        };
        if (!proximaPagina() || !paginasPoligono->pinta(fechaPagina))
            return false;
        rodape(pagina);
    }
    const bool terminou = p.end();
    return terminou && impressora.printerState() != QPrinter::Error;
}

void ImprimeMemorialNaImpressoraPadrao(const ConversaoMemorial& c, const QLocale& locale, Mensageiro& mensageiro,
                                       const std::optional<PoligonoImpresso>& poligono)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        mensageiro.informa(Falha(QStringLiteral("nenhuma impressora disponível.")));
        return;
    }
    QPrinter impressora(info, QPrinter::HighResolution);
    impressora.setDocName(QStringLiteral("Memorial Ceravel"));
    impressora.setCreator(QStringLiteral("Ceravel"));
    if (!ImprimeMemorial(c, locale, impressora, poligono))
        mensageiro.informa(Falha(QStringLiteral("a impressora \"%1\" não aceitou a página.").arg(info.printerName())));
}

bool SalvaMemorialPdf(const ConversaoMemorial& c, const QLocale& locale, const QString& caminho,
                      Mensageiro& mensageiro, const std::optional<PoligonoImpresso>& poligono)
{
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(caminho);
    impressora.setDocName(QStringLiteral("Memorial Ceravel"));
    impressora.setCreator(QStringLiteral("Ceravel"));
    if (ImprimeMemorial(c, locale, impressora, poligono))
        return true;
    mensageiro.informa(Falha(QStringLiteral("não foi possível gravar o arquivo \"%1\".")
                                 .arg(QDir::toNativeSeparators(caminho))));
    return false;
}

}  // namespace ceravel
