// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the installed pictures of the program's icon, drawn by the same code
// as its window icon: ceravel.svg and ceravel-48.png, -128, -256 into the
// folder given.
#include "ui/Figuras.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: ceravel-icones PASTA\n");
        return 2;
    }
    const QDir pasta(QFile::decodeName(argv[1]));
    for (const int lado : {48, 128, 256}) {
        QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        {
            QPainter p(&imagem);
            ceravel::DesenhaIcone(p, lado);
        }
        if (!imagem.save(pasta.filePath(QStringLiteral("ceravel-%1.png").arg(lado)), "PNG")) {
            std::fprintf(stderr, "ceravel-icones: não foi possível gravar o ícone de %d pixels\n", lado);
            return 1;
        }
    }
    QFile svg(pasta.filePath(QStringLiteral("ceravel.svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(ceravel::SvgIcone().toUtf8()) < 0) {
        std::fprintf(stderr, "ceravel-icones: não foi possível gravar ceravel.svg\n");
        return 1;
    }
    return 0;
}
