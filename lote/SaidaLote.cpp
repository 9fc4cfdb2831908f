#include "lote/SaidaLote.h"

#include "export/EscreveExportacao.h"
#include "lote/MotivoErro.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace ceravel::lote {

QString PrimeiroNaoRepresentavel(QStringView texto)
{
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n =
            texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate() ? 2 : 1;
        QByteArray descartado;
        if (!AcrescentaWindows1252(descartado, texto.sliced(i, n))) {
            const char32_t codigo = texto.sliced(i, n).toUcs4().value(0);
            return QStringLiteral("U+%1").arg(QString::number(codigo, 16).toUpper(), 4, QLatin1Char('0'));
        }
        i += n;
    }
    return {};
}

SaidaLote::SaidaLote(QIODevice& destino, CodificacaoSaida codificacao, QStringView separador)
    : destino_(destino), codificacao_(codificacao)
{
    buffer_.reserve(TamanhoBuffer + 64 * 1024);
    if (!texto(separador))
        erro_ = QStringLiteral("o separador de decimais da localidade (%1) não existe em Windows-1252; "
                               "use a opção --utf8.")
                    .arg(PrimeiroNaoRepresentavel(separador));
    separador_ = QByteArray(buffer_.constData(), buffer_.size());  // a copy: the buffer keeps its room
    buffer_.resize(0);
}

bool SaidaLote::texto(QStringView texto)
{
    if (codificacao_ == CodificacaoSaida::Windows1252)
        return AcrescentaWindows1252(buffer_, texto);
    const bool ascii = std::all_of(texto.begin(), texto.end(), [](QChar ch) { return ch.unicode() < 0x80; });
    if (!ascii) {
        buffer_ += texto.toUtf8();
        return true;
    }
    const qsizetype inicio = buffer_.size();
    buffer_.resize(inicio + texto.size());
    char* bytes = buffer_.data() + inicio;
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes[i] = static_cast<char>(texto[i].unicode());
    return true;
}

void SaidaLote::inteiro(qint64 valor)
{
    char texto[24];
    const auto fim = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    buffer_.append(texto, fim - texto);
}

template <typename Real>
void SaidaLote::real(Real valor)
{
    // Written in place behind the used bytes: fixed notation at the shortest
    // exact length, then the locale's separator in place of the point.
    const qsizetype inicioNumero = buffer_.size();
    buffer_.resize(inicioNumero + TamanhoNumero + separador_.size());
    char* inicio = buffer_.data() + inicioNumero;
    char* final = std::to_chars(inicio, inicio + TamanhoNumero, valor, std::chars_format::fixed).ptr;
    char* ponto = std::find(inicio, final, '.');
    if (ponto != final) {
        if (separador_.size() == 1) {
            *ponto = separador_[0];
        } else {
            const qsizetype decimais = final - ponto - 1;
            std::memmove(ponto + separador_.size(), ponto + 1, static_cast<std::size_t>(decimais));
            std::memcpy(ponto, separador_.constData(), static_cast<std::size_t>(separador_.size()));
            final = ponto + separador_.size() + decimais;
        }
    }
    buffer_.truncate(final - buffer_.constData());
}

void SaidaLote::numero(float valor) { real(valor); }
void SaidaLote::numero(double valor) { real(valor); }

bool SaidaLote::terminaLinha()
{
    buffer_.append("\r\n", 2);
    return buffer_.size() < TamanhoBuffer || descarrega();
}

bool SaidaLote::descarrega()
{
    if (!erro_.isEmpty())
        return false;
    errno = 0;
    if (destino_.write(buffer_.constData(), buffer_.size()) != buffer_.size()) {
        erro_ = QStringLiteral("não foi possível gravar a saída: %1.").arg(MotivoErro(errno, destino_.errorString()));
        return false;
    }
    buffer_.resize(0);
    return true;
}

}  // namespace ceravel::lote
