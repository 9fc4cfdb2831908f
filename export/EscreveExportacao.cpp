#include "export/EscreveExportacao.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace ceravel {

namespace {

constexpr char NomeCodificacao[] = "windows-1252";

QString Falha(const QString& arquivo, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar o arquivo \"%1\": %2.").arg(arquivo, motivo);
}

// The system's reason in the user's language; Qt's own texts are English.
QString Motivo(int erro, const QString& detalhe = {})
{
    switch (erro) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permissão negada para gravar na pasta do programa");
    case EROFS:
        return QStringLiteral("a pasta do programa está num disco somente para leitura");
    case ENOSPC:
        return QStringLiteral("não há espaço livre no disco");
    case EDQUOT:
        return QStringLiteral("a cota de disco do usuário se esgotou");
    case EFBIG:
        return QStringLiteral("o arquivo ultrapassa o tamanho máximo permitido");
    case ENAMETOOLONG:
        return QStringLiteral("o nome é longo demais para o sistema de arquivos");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a pasta do programa não foi encontrada");
    case EISDIR:
        return QStringLiteral("já existe uma pasta com esse nome");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    case EINVAL:
    case EILSEQ:
        return QStringLiteral("o sistema de arquivos não aceita esse nome");
    default:
        return detalhe.isEmpty() ? QStringLiteral("erro do sistema")
                                 : QStringLiteral("erro do sistema (%1)").arg(detalhe);
    }
}

// The first character (a whole surrogate pair counts as one) that the code
// page cannot hold.
QString PrimeiroNaoRepresentavel(QStringView texto)
{
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n =
            texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView caractere = texto.mid(i, n);
        QStringEncoder codificador(NomeCodificacao, QStringEncoder::Flag::Stateless);
        // The conversion runs when the result becomes a byte array.
        const QByteArray bytes = codificador.encode(caractere);
        if (codificador.hasError())
            return caractere.toString();
        i += n;
    }
    return {};
}

}  // namespace

QString NomeArquivoExportacao(const QString& nomeDigitado)
{
    return nomeDigitado + QStringLiteral("-Ceravel.csv");
}

bool AcrescentaWindows1252(QByteArray& destino, QStringView texto)
{
    // Below U+0080 and from U+00A0 to U+00FF the code page holds each
    // character as the byte of the same value, so the usual text (digits,
    // Portuguese letters, º and °) needs no converter at all.
    const bool latin1Comum = std::all_of(texto.cbegin(), texto.cend(), [](QChar ch) {
        return ch.unicode() < 0x80 || (ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF);
    });
    if (latin1Comum) {
        const qsizetype inicio = destino.size();
        destino.resize(inicio + texto.size());
        char* bytes = destino.data() + inicio;
        for (qsizetype i = 0; i < texto.size(); ++i)
            bytes[i] = static_cast<char>(texto[i].unicode());
        return true;
    }
    // ICU's converter behind QStringEncoder; it flags, and never silently
    // substitutes, what the code page lacks.
    QStringEncoder codificador(NomeCodificacao, QStringEncoder::Flag::Stateless);
    if (!codificador.isValid())
        return false;
    const QByteArray bytes = codificador.encode(texto);
    if (codificador.hasError())
        return false;
    destino += bytes;
    return true;
}

TextoWindows1252 CodificaWindows1252(const QString& texto)
{
    QByteArray bytes;
    if (AcrescentaWindows1252(bytes, texto))
        return {bytes, {}};
    if (!QStringEncoder(NomeCodificacao, QStringEncoder::Flag::Stateless).isValid())
        return {{}, QStringLiteral("o sistema não oferece a codificação Windows-1252")};
    return {{},
            QStringLiteral("o texto \"%1\" tem o caractere \"%2\", que a codificação Windows-1252 "
                           "não representa")
                .arg(texto, PrimeiroNaoRepresentavel(texto))};
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
        return falha(QStringLiteral("o sistema de arquivos não aceita esse nome"));

    // The whole content is encoded before the file is touched.
    QByteArray conteudo;
    for (const QString& linha : linhas) {
        if (linha.contains(u'\r') || linha.contains(u'\n'))
            return falha(QStringLiteral("o texto \"%1\" tem uma quebra de linha").arg(linha.simplified()));
        const TextoWindows1252 texto = CodificaWindows1252(linha);
        if (!texto.valido())
            return falha(texto.problema);
        conteudo += texto.bytes;
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
