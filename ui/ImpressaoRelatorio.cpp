// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ImpressaoRelatorio.h"

#include "ui/Mensageiro.h"
#include "ui/Relatorio.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace ceravel {

namespace {

// Logical pixels per inch of the windows' layout (15 twips per pixel).
constexpr double PixelsPorPolegada = 1440.0 / TwipsPorPixel;

QString FalhaImpressao(const QString& motivo)
{
    return QStringLiteral("Não foi possível imprimir o relatório: %1").arg(motivo);
}

}  // namespace

bool ImprimeRelatorio(Relatorio& relatorio, QPrinter& impressora)
{
    // Qt renders a widget straight onto a printer through a bitmap, so the
    // page is first recorded as drawing commands (texts stay texts, lines stay
    // lines) and those are played onto the printer.
    QPicture pagina;
    {
        QPainter gravador(&pagina);
        relatorio.render(&gravador, QPoint(), QRegion(),
                         QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return false;
    // The painter starts at the top left of the printable area. Playing a
    // picture converts its pixels at the picture's resolution; the layout's
    // pixels are 1/96 inch, so the page comes out at its size in inches. It
    // is only reduced when the printable area is smaller than that.
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
    const double porPixel = impressora.resolution() / PixelsPorPolegada;
    const double reducao = std::min({1.0, area.width() / (relatorio.width() * porPixel),
                                     area.height() / (relatorio.height() * porPixel)});
    const double escala = pagina.logicalDpiX() / PixelsPorPolegada * reducao;
    pintor.scale(escala, escala);
    pintor.drawPicture(0, 0, pagina);
    const bool terminou = pintor.end();
    return terminou && impressora.printerState() != QPrinter::Error;
}

bool ImprimeOuAvisa(Relatorio& relatorio, QPrinter& impressora, Mensageiro& mensageiro)
{
    if (ImprimeRelatorio(relatorio, impressora))
        return true;
    mensageiro.informa(FalhaImpressao(
        impressora.outputFormat() == QPrinter::PdfFormat
            ? QStringLiteral("não foi possível gravar o arquivo \"%1\".").arg(impressora.outputFileName())
            : QStringLiteral("a impressora \"%1\" não aceitou a página.").arg(impressora.printerName())));
    return false;
}

void ImprimeNaImpressora(Relatorio& relatorio, const QPrinterInfo& impressora,
                         Mensageiro& mensageiro)
{
    if (impressora.isNull()) {
        mensageiro.informa(FalhaImpressao(QStringLiteral("nenhuma impressora disponível.")));
        return;
    }
    QPrinter saida(impressora, QPrinter::HighResolution);
    saida.setDocName(QStringLiteral("Relatório Ceravel"));
    saida.setCreator(QStringLiteral("Ceravel"));
    ImprimeOuAvisa(relatorio, saida, mensageiro);
}

void ImprimeNaImpressoraPadrao(Relatorio& relatorio, Mensageiro& mensageiro)
{
    ImprimeNaImpressora(relatorio, QPrinterInfo::defaultPrinter(), mensageiro);
}

}  // namespace ceravel
