// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SalvaDesenho.h"

#include "export/MotivoErro.h"
#include "ui/Mensageiro.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <unistd.h>

namespace ceravel {

namespace {

// Logical pixels per inch of the drawing, as on screen.
constexpr double PixelsPorPolegada = 96;

QString FalhaSalvar(const QString& caminho, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar a imagem %1: %2.").arg(QDir::toNativeSeparators(caminho), motivo);
}

QByteArray Conteudo(const QString& formato, const QSize& tamanho, const QString& titulo, const QString& descricao,
                    const Desenho& desenha)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (formato == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(tamanho);
        svg.setViewBox(QRect(QPoint(), tamanho));
        svg.setResolution(static_cast<int>(PixelsPorPolegada));
        svg.setTitle(titulo);
        svg.setDescription(descricao);
        QPainter p;
        if (!p.begin(&svg))
            return {};
        desenha(p, QRectF(QPointF(), tamanho));
        p.end();
    } else if (formato == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Ceravel"));
        if (!DesenhaNaPagina(pdf, pdf.resolution(), desenha))
            return {};
    } else {
        // Twice the screen's pixels, so lines and text stay sharp when printed.
        QImage imagem(tamanho * 2, QImage::Format_RGB32);
        imagem.setDevicePixelRatio(2);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            desenha(p, QRectF(QPointF(), tamanho));
        }
        const bool jpeg = formato == QLatin1String("jpg");
        if (!imagem.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 92 : -1))
            return {};
    }
    return bytes;
}

}  // namespace

bool DesenhaNaPagina(QPagedPaintDevice& pagina, int resolucao, const Desenho& desenha)
{
    QPainter p;
    if (!p.begin(&pagina))
        return false;
    const QRect util = pagina.pageLayout().paintRectPixels(resolucao);
    const double escala = resolucao / PixelsPorPolegada;
    p.scale(escala, escala);
    desenha(p, QRectF(0, 0, util.width() / escala, util.height() / escala));
    return p.end();
}

bool SalvaDesenho(const QString& nome, const QSize& tamanho, const QString& titulo, const QString& descricao,
                  const Desenho& desenha, Mensageiro& mensageiro)
{
    QString caminho = nome;
    QString formato = QFileInfo(nome).suffix().toLower();
    if (formato == QLatin1String("jpeg"))
        formato = QStringLiteral("jpg");
    if (!QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("svg"), QStringLiteral("pdf")}
             .contains(formato)) {
        formato = QStringLiteral("png");
        if (!caminho.endsWith(u'/'))
            caminho += QStringLiteral(".png");
    }
    const QByteArray bytes = Conteudo(formato, tamanho, titulo, descricao, desenha);
    if (bytes.isEmpty()) {
        mensageiro.informa(FalhaSalvar(caminho, QStringLiteral("a imagem não pôde ser gerada")));
        return false;
    }
    if (QFileInfo(caminho).isDir()) {
        mensageiro.informa(FalhaSalvar(caminho, MotivoErro(EISDIR)));
        return false;
    }
    QSaveFile saida(caminho);
    const auto falha = [&](int erro) {
        mensageiro.informa(FalhaSalvar(caminho, MotivoErro(erro, saida.errorString())));
        return false;
    };
    errno = 0;
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return falha(errno);
    errno = 0;
    if (saida.write(bytes) != bytes.size() || ::fsync(saida.handle()) != 0) {
        const int erro = errno;
        saida.cancelWriting();
        return falha(erro);
    }
    errno = 0;
    if (!saida.commit())
        return falha(errno);
    mensageiro.informa(
        QStringLiteral("Imagem salva em %1").arg(QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath())));
    return true;
}

}  // namespace ceravel
