// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/EscreveExportacao.h"

#include "export/GravacaoAtomica.h"
#include "export/MotivoErro.h"
#include "export/Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

namespace ceravel {

namespace {

QString Falha(const QString& arquivo, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar o arquivo \"%1\": %2.").arg(arquivo, motivo);
}

const QString NomeRecusado = QStringLiteral("o sistema de arquivos não aceita esse nome");

// The folder the file goes to, as the messages name it.
enum class Onde { PastaPrograma, Documentos };

QString NomePasta(Onde onde)
{
    return onde == Onde::PastaPrograma ? QStringLiteral("pasta do programa") : QStringLiteral("pasta de documentos");
}

// The system's reason, said of the folder where the file goes.
QString Motivo(int erro, Onde onde, const QString& detalhe = {})
{
    switch (erro) {
    case EACCES:
    case EPERM:
        return MotivoErro(erro) + QStringLiteral(" para gravar na ") + NomePasta(onde);
    case EROFS:
        return QStringLiteral("a %1 está num disco somente para leitura").arg(NomePasta(onde));
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a %1 não foi encontrada").arg(NomePasta(onde));
    case EISDIR:
        return QStringLiteral("já existe uma pasta com esse nome");
    case EINVAL:
    case EILSEQ:
        return NomeRecusado;
    default:
        return MotivoErro(erro, detalhe);
    }
}

// Why `linha` cannot be written in the code page.
QString NaoRepresentavel(const QString& linha)
{
    if (!ConversorWindows1252Disponivel())
        return QStringLiteral("o sistema não oferece a codificação Windows-1252");
    return QStringLiteral("o texto \"%1\" tem o caractere \"%2\", que a codificação Windows-1252 "
                          "não representa")
        .arg(linha, PrimeiroNaoRepresentavel(linha));
}

}  // namespace

QString NomeArquivoExportacao(const QString& nomeDigitado)
{
    return nomeDigitado + QStringLiteral("-Ceravel.csv");
}

namespace {

// The name checked and the whole content encoded, before any folder is touched.
struct Preparo {
    QString arquivo;
    QByteArray conteudo;
    QString motivo;  // empty: ready
};

Preparo Prepara(const QString& nomeDigitado, const QStringList& linhas, Onde onde)
{
    Preparo p{NomeArquivoExportacao(nomeDigitado), {}, {}};
    if (nomeDigitado.contains(u'/') || nomeDigitado.contains(u'\\')) {
        p.motivo = QStringLiteral("o nome não pode conter \"/\" nem \"\\\", pois o arquivo é salvo sempre na ") +
                   NomePasta(onde);
        return p;
    }
    // The system would cut the name at a NUL and write another file.
    if (nomeDigitado.contains(QChar(u'\0'))) {
        p.motivo = NomeRecusado;
        return p;
    }
    for (const QString& linha : linhas) {
        if (linha.contains(u'\r') || linha.contains(u'\n')) {
            p.motivo = QStringLiteral("o texto \"%1\" tem uma quebra de linha").arg(linha.simplified());
            return p;
        }
        if (!AcrescentaWindows1252(p.conteudo, linha)) {
            p.motivo = NaoRepresentavel(linha);
            return p;
        }
        p.conteudo += "\r\n";
    }
    return p;
}

// Writes the prepared content to `caminho`; the messages name the file as `nomeMensagem`.
ResultadoExportacao Grava(const Preparo& p, const QString& caminho, const QString& nomeMensagem, Onde onde)
{
    const auto falha = [&](const QString& motivo) {
        return ResultadoExportacao{false, p.arquivo, caminho, Falha(nomeMensagem, motivo)};
    };
    if (QFileInfo(caminho).isDir())
        return falha(Motivo(EISDIR, onde));

    if (const auto f = GravaAtomico(caminho, p.conteudo))
        return falha(Motivo(f->erro, onde, f->detalhe));
    return {true, p.arquivo, caminho, QStringLiteral("Os dados foram salvos no arquivo ") + nomeMensagem};
}

}  // namespace

ResultadoExportacao EscreveExportacao(const QString& pasta, const QString& nomeDigitado,
                                      const QStringList& linhas)
{
    const Preparo p = Prepara(nomeDigitado, linhas, Onde::PastaPrograma);
    const QString caminho = QDir(pasta).filePath(p.arquivo);
    if (!p.motivo.isEmpty())
        return {false, p.arquivo, caminho, Falha(p.arquivo, p.motivo)};
    return Grava(p, caminho, p.arquivo, Onde::PastaPrograma);
}

bool PastaGravavel(const QString& pasta)
{
    QTemporaryFile teste(QDir(pasta).filePath(QStringLiteral(".ceravel-gravavel-XXXXXX")));
    return teste.open();  // removed when `teste` goes
}

QString PastaDocumentos()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

ResultadoExportacao ExportaArquivo(const QString& pastaPrograma, const QString& nomeDigitado,
                                   const QStringList& linhas, const DestinoExportacao& destino)
{
    if (destino.gravavel(pastaPrograma))
        return EscreveExportacao(pastaPrograma, nomeDigitado, linhas);

    const Preparo p = Prepara(nomeDigitado, linhas, Onde::Documentos);
    const QString documentos = destino.documentos();
    const QString caminho = documentos.isEmpty() ? p.arquivo : QDir(documentos).filePath(p.arquivo);
    const QString nomeMensagem = QDir::toNativeSeparators(caminho);
    const auto falha = [&](const QString& motivo) {
        return ResultadoExportacao{false, p.arquivo, caminho, Falha(nomeMensagem, motivo)};
    };
    if (!p.motivo.isEmpty())
        return falha(p.motivo);
    if (documentos.isEmpty())
        return falha(QStringLiteral("a pasta do programa não permite gravação e a pasta de documentos do "
                                    "usuário não foi encontrada"));
    errno = 0;
    if (!QDir().mkpath(documentos)) {
        const int erro = errno;
        return falha(QStringLiteral("não foi possível criar a pasta de documentos \"%1\" (%2)")
                         .arg(QDir::toNativeSeparators(documentos), MotivoErro(erro)));
    }
    if (destino.substitui && QFileInfo(caminho).isFile()
        && !destino.substitui(QStringLiteral("O arquivo %1 já existe.\n\nSubstituir o arquivo existente?")
                                  .arg(nomeMensagem)))
        return {false, p.arquivo, caminho, {}};
    ResultadoExportacao r = Grava(p, caminho, nomeMensagem, Onde::Documentos);
    if (r.gravado)
        r.mensagem += QStringLiteral("\n\nA pasta do programa não permite gravação; por isso o arquivo foi salvo "
                                     "na pasta de documentos.");
    return r;
}

}  // namespace ceravel
