// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/CsvMemorial.h"

#include "export/MotivoErro.h"
#include "export/Windows1252.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>

namespace ceravel {

BytesCsv CodificaCsv(const QStringList& linhas)
{
    BytesCsv b;
    for (const QString& l : linhas) {
        if (!AcrescentaWindows1252(b.bytes, l)) {
            b.caractere = PrimeiroNaoRepresentavel(l);
            b.utf8 = true;
            break;
        }
        b.bytes += "\r\n";
    }
    if (b.utf8) {
        b.bytes = QByteArray("\xEF\xBB\xBF");
        for (const QString& l : linhas)
            b.bytes += l.toUtf8() + "\r\n";
    }
    return b;
}

GravacaoCsv GravaCsv(const QString& caminho, const QStringList& linhas)
{
    const QString nome = QDir::toNativeSeparators(caminho);
    const BytesCsv b = CodificaCsv(linhas);
    QSaveFile arquivo(caminho);
    errno = 0;
    bool ok = arquivo.open(QIODevice::WriteOnly);
    if (ok) {
        errno = 0;
        ok = arquivo.write(b.bytes) == b.bytes.size() && arquivo.commit();
    }
    if (!ok)
        return {false, QStringLiteral("A tabela não pôde ser gravada em %1: %2.")
                           .arg(nome, MotivoErro(errno, arquivo.errorString()))};
    if (b.utf8)
        return {true, QStringLiteral("A tabela foi gravada em %1, em UTF-8 porque o caractere %2 não existe no "
                                     "Windows-1252.")
                          .arg(nome, b.caractere)};
    return {true, QStringLiteral("A tabela foi gravada em %1 (Windows-1252, separada por ponto e vírgula).").arg(nome)};
}

}  // namespace ceravel
