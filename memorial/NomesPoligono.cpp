// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/NomesPoligono.h"

#include "memorial/ArquivoMemorial.h"

#include <QFileInfo>

namespace ceravel {

namespace {

// The memorial file's path without ".memorial.json".
QString Base(const QString& caminho)
{
    return caminho.endsWith(QLatin1StringView(ExtensaoMemorial))
               ? caminho.chopped(static_cast<qsizetype>(std::size(ExtensaoMemorial) - 1))
               : caminho;
}

}  // namespace

QString ArquivoDoPoligono(const QString& caminhoMemorial, FormatoPoligono formato)
{
    static const char* const fins[] = {".kml", ".geojson", ".dxf", "-vertices.csv"};
    const QString base = caminhoMemorial.isEmpty() ? QStringLiteral("poligono") : Base(caminhoMemorial);
    return base + QLatin1StringView(fins[static_cast<int>(formato)]);
}

QString NomeDoPoligono(const QString& caminhoMemorial)
{
    if (caminhoMemorial.isEmpty())
        return QStringLiteral("memorial");
    // Another file of rows (ceravel-memorial reads those too): its name
    // without the extension.
    return caminhoMemorial.endsWith(QLatin1StringView(ExtensaoMemorial))
               ? QFileInfo(Base(caminhoMemorial)).fileName()
               : QFileInfo(caminhoMemorial).completeBaseName();
}

}  // namespace ceravel
