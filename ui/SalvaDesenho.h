// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace ceravel {

class Mensageiro;

// Draws a picture into a rectangle given in logical pixels (96 per inch).
using Desenho = std::function<void(QPainter&, const QRectF&)>;

// Draws on a page device (printer, PDF) scaled from logical pixels to the
// device's resolution, filling its printable area. False if the page could
// not be produced.
bool DesenhaNaPagina(QPagedPaintDevice& pagina, int resolucao, const Desenho& desenha);

// "Salvar imagem...": writes the drawing at `tamanho` in the format the
// name's extension gives (PNG, JPEG, SVG with text as text, PDF on a
// landscape A4 page); another extension, or none, gets ".png" added, so a
// name never says one format and holds another. The file is written beside
// its target and renamed over it only when complete. The user is told
// where it went, or why it could not be written. Returns whether it was.
bool SalvaDesenho(const QString& nome, const QSize& tamanho, const QString& titulo, const QString& descricao,
                  const Desenho& desenha, Mensageiro& mensageiro);

}  // namespace ceravel
