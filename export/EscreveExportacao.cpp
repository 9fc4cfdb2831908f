#include "export/EscreveExportacao.h"

#include "export/MotivoErro.h"
#include "export/Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace ceravel {

namespace {

QString Falha(const QString& arquivo, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar o arquivo \"%1\": %2.").arg(arquivo, motivo);
}

const QString NomeRecusado = QStringLiteral("o sistema de arquivos não aceita esse nome");

// The system's reason, said of the program's folder, where the file always goes.
QString Motivo(int erro, const QString& detalhe = {})
{
    switch (erro) {
    case EACCES:
    case EPERM:
        return MotivoErro(erro) + QStringLiteral(" para gravar na pasta do programa");
    case EROFS:
        return QStringLiteral("a pasta do programa está num disco somente para leitura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a pasta do programa não foi encontrada");
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

ResultadoExportacao EscreveExportacao(const QString& pasta, const QString& nomeDigitado,
                                      const QStringList& linhas)
{
    const QString arquivo = NomeArquivoExportacao(nomeDigitado);
    const auto falha = [&](const QString& motivo) {
        return ResultadoExportacao{false, arquivo, Falha(arquivo, motivo)};
    };

    if (nomeDigitado.contains(u'/') || nomeDigitado.contains(u'\\'))
        return falha(QStringLiteral("o nome não pode conter \"/\" nem \"\\\", pois o arquivo é "
                                    "salvo sempre na pasta do programa"));
    // The system would cut the name at a NUL and write another file.
    if (nomeDigitado.contains(QChar(u'\0')))
        return falha(NomeRecusado);

    // The whole content is encoded before the file is touched.
    QByteArray conteudo;
    for (const QString& linha : linhas) {
        if (linha.contains(u'\r') || linha.contains(u'\n'))
            return falha(QStringLiteral("o texto \"%1\" tem uma quebra de linha").arg(linha.simplified()));
        if (!AcrescentaWindows1252(conteudo, linha))
            return falha(NaoRepresentavel(linha));
        conteudo += "\r\n";
    }

    const QString caminho = QDir(pasta).filePath(arquivo);
    if (QFileInfo(caminho).isDir())
        return falha(Motivo(EISDIR));

    // A temporary file beside the target, renamed over it only when complete.
    // Unbuffered, so a short write shows at once instead of being lost in a
    // flush; fsync, so a full disk shows before the rename.
    QSaveFile saida(caminho);
    const auto falhaSistema = [&](int erro) { return falha(Motivo(erro, saida.errorString())); };
    errno = 0;
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return falhaSistema(errno);
    errno = 0;
    if (saida.write(conteudo) != conteudo.size() || ::fsync(saida.handle()) != 0) {
        const int erro = errno;
        saida.cancelWriting();
        return falhaSistema(erro);
    }
    errno = 0;
    if (!saida.commit())
        return falhaSistema(errno);
    return {true, arquivo, QStringLiteral("Os dados foram salvos no arquivo ") + arquivo};
}

}  // namespace ceravel
