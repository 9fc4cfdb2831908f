// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/GravacaoAtomica.h"

#include "export/MotivoErro.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace ceravel {

std::optional<FalhaGravacao> GravaAtomico(const QString& caminho, const QByteArray& conteudo)
{
    QSaveFile saida(caminho);
    errno = 0;
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FalhaGravacao{errno, saida.errorString()};
    errno = 0;
    if (saida.write(conteudo) != conteudo.size() || ::fsync(saida.handle()) != 0) {
        const int erro = errno;
        saida.cancelWriting();
        return FalhaGravacao{erro, saida.errorString()};
    }
    errno = 0;
    if (!saida.commit())
        return FalhaGravacao{errno, saida.errorString()};
    return std::nullopt;
}

QString GravaArquivo(const QString& caminho, const QByteArray& conteudo)
{
    const QString nome = QDir::toNativeSeparators(caminho);
    const auto falha = [&](const QString& motivo) {
        return QStringLiteral("Não foi possível salvar o arquivo \"%1\": %2.").arg(nome, motivo);
    };
    if (QFileInfo(caminho).isDir())
        return falha(QStringLiteral("já existe uma pasta com esse nome"));
    if (const auto f = GravaAtomico(caminho, conteudo))
        return falha(MotivoErro(f->erro, f->detalhe));
    return {};
}

}  // namespace ceravel
