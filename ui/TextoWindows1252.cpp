// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextoWindows1252.h"

#include "export/Windows1252.h"

#include <QFile>

namespace ceravel {

std::optional<QString> LeTextoWindows1252(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        return std::nullopt;
    return TextoArquivoWindows1252(bytes);
}

}  // namespace ceravel
