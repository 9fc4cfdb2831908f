// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/SaidaLote.h"

#include "export/MotivoErro.h"
#include "export/Windows1252.h"
#include "lote/NumeroExato.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace ceravel::lote {

QString CodigoUnicode(QStringView caractere)
{
    const char32_t codigo = caractere.toUcs4().value(0);
    return QStringLiteral("U+%1").arg(QString::number(codigo, 16).toUpper(), 4, QLatin1Char('0'));
}

SaidaLote::SaidaLote(QIODevice& destino, CodificacaoSaida codificacao, QStringView separador)
    : destino_(destino), codificacao_(codificacao)
{
    buffer_.resize(TamanhoBuffer + Folga);
    if (!texto(separador))
        erro_ = QStringLiteral("o separador de decimais da localidade (%1) não existe em Windows-1252; "
                               "use a opção --utf8.")
                    .arg(CodigoUnicode(PrimeiroNaoRepresentavel(separador)));
    separador_ = QByteArray(buffer_.constData(), usado_);
    usado_ = 0;
}

void SaidaLote::acrescenta(const char* bytes, qsizetype quantos)
{
    std::memcpy(espaco(quantos), bytes, static_cast<std::size_t>(quantos));
    usado_ += quantos;
}

bool SaidaLote::texto(QStringView texto)
{
    // Encoded straight into the buffer: at most three UTF-8 bytes, or one
    // Windows-1252 byte, a UTF-16 unit.
    espaco(3 * texto.size());
    char* const final = codificacao_ == CodificacaoSaida::Windows1252 ? CodificaWindows1252(fim(), texto)
                                                                       : utf8_.appendToBuffer(fim(), texto);
    if (!final)
        return false;
    usado_ = final - buffer_.constData();
    return true;
}

void SaidaLote::inteiro(qint64 valor)
{
    constexpr int Algarismos = 20;  // sign and 19 digits
    char* const inicio = espaco(Algarismos);
    usado_ = std::to_chars(inicio, inicio + Algarismos, valor).ptr - buffer_.constData();
}

template <typename Real>
void SaidaLote::real(Real valor)
{
    const std::string_view separador(separador_.constData(), static_cast<std::size_t>(separador_.size()));
    usado_ = EscreveNumeroExato(espaco(TamanhoNumeroExato), valor, separador) - buffer_.constData();
}

void SaidaLote::numero(float valor) { real(valor); }
void SaidaLote::numero(double valor) { real(valor); }

bool SaidaLote::terminaLinha()
{
    acrescenta("\r\n", 2);
    return usado_ < TamanhoBuffer || descarrega();
}

bool SaidaLote::acrescentaLinhas(QByteArrayView linhas)
{
    if (!erro_.isEmpty())
        return false;
    // A block of any size worth a system call goes straight out, without a
    // copy, after what is gathered before it.
    constexpr qsizetype Direto = 64 * 1024;
    if ((usado_ + linhas.size() > TamanhoBuffer || linhas.size() >= Direto) && !descarrega())
        return false;
    if (linhas.size() >= Direto) {
        errno = 0;
        if (destino_.write(linhas.data(), linhas.size()) != linhas.size()) {
            erro_ = QStringLiteral("não foi possível gravar a saída: %1.").arg(MotivoErro(errno, destino_.errorString()));
            return false;
        }
        return true;
    }
    acrescenta(linhas.data(), linhas.size());
    return true;
}

bool SaidaLote::descarrega()
{
    if (!erro_.isEmpty())
        return false;
    errno = 0;
    if (destino_.write(buffer_.constData(), usado_) != usado_) {
        erro_ = QStringLiteral("não foi possível gravar a saída: %1.").arg(MotivoErro(errno, destino_.errorString()));
        return false;
    }
    usado_ = 0;
    return true;
}

}  // namespace ceravel::lote
