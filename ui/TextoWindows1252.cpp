#include "ui/TextoWindows1252.h"

#include <QFile>
#include <QStringDecoder>
#include <iconv.h>
#include <vector>

namespace ceravel {

namespace {

// Qt decodes Windows-1252 only when it is built with ICU; glibc's iconv always
// knows it.
QString DecodificaComIconv(const QByteArray& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    // One Windows-1252 byte becomes at most three UTF-8 bytes.
    std::vector<char> saida(static_cast<size_t>(bytes.size()) * 3 + 1);
    char* entrada = const_cast<char*>(bytes.constData());
    size_t restaEntrada = static_cast<size_t>(bytes.size());
    char* destino = saida.data();
    size_t restaSaida = saida.size();
    while (restaEntrada > 0) {
        if (iconv(cd, &entrada, &restaEntrada, &destino, &restaSaida) != static_cast<size_t>(-1))
            break;
        // Bytes undefined in the code page (0x81, 0x8D, ...) become U+FFFD.
        ++entrada;
        --restaEntrada;
        const char substituto[] = "\xEF\xBF\xBD";
        for (char c : substituto) {
            if (c == '\0' || restaSaida == 0)
                break;
            *destino++ = c;
            --restaSaida;
        }
    }
    iconv_close(cd);
    return QString::fromUtf8(saida.data(), static_cast<qsizetype>(destino - saida.data()));
}

}  // namespace

QString DecodificaWindows1252(const QByteArray& bytes)
{
    QStringDecoder decodificador("windows-1252");
    QString texto = decodificador.isValid() ? decodificador.decode(bytes) : DecodificaComIconv(bytes);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto;
}

std::optional<QString> LeTextoWindows1252(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        return std::nullopt;
    return DecodificaWindows1252(bytes);
}

}  // namespace ceravel
