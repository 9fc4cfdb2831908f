// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/MotivoErro.h"

#include <cerrno>

namespace ceravel {

QString MotivoErro(int erro, const QString& detalhe)
{
    switch (erro) {
    case ENOENT:
        return QStringLiteral("o arquivo ou a pasta não existe");
    case ENOTDIR:
        return QStringLiteral("uma parte do caminho não é uma pasta");
    case EACCES:
    case EPERM:
        return QStringLiteral("permissão negada");
    case EISDIR:
        return QStringLiteral("o nome é de uma pasta");
    case EROFS:
        return QStringLiteral("o disco é somente para leitura");
    case ENOSPC:
        return QStringLiteral("não há espaço livre no disco");
    case EDQUOT:
        return QStringLiteral("a cota de disco do usuário se esgotou");
    case EFBIG:
        return QStringLiteral("o arquivo ultrapassa o tamanho máximo permitido");
    case ENAMETOOLONG:
        return QStringLiteral("o nome é longo demais para o sistema de arquivos");
    case EPIPE:
        return QStringLiteral("quem lia a saída a fechou antes do fim");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    default:
        return detalhe.isEmpty() ? QStringLiteral("erro do sistema")
                                 : QStringLiteral("erro do sistema (%1)").arg(detalhe);
    }
}

}  // namespace ceravel
