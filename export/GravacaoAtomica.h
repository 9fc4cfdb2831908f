// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace ceravel {

// Why a file could not be written: the system's error number and Qt's text.
struct FalhaGravacao {
    int erro = 0;
    QString detalhe;
};

// Writes `conteudo` to `caminho` through a temporary file beside it, renamed
// over it only once everything is on disk (written unbuffered and synced), so
// a failure at any step leaves an earlier file exactly as it was and never a
// half-written one. Empty: written.
std::optional<FalhaGravacao> GravaAtomico(const QString& caminho, const QByteArray& conteudo);

// The same, with the failure said in Portuguese: "Não foi possível salvar o
// arquivo "<caminho>": <motivo>." Empty: written.
QString GravaArquivo(const QString& caminho, const QByteArray& conteudo);

}  // namespace ceravel
