#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace ceravel {

// The Portuguese text files beside the program are in Windows-1252 with CR LF
// line ends; on screen a line end is "\n".
QString DecodificaWindows1252(const QByteArray& bytes);

// The whole file, decoded. Empty optional when it cannot be opened or read.
std::optional<QString> LeTextoWindows1252(const QString& caminho);

}  // namespace ceravel
