// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

namespace ceravel::lote {

enum class CodificacaoSaida { Windows1252, Utf8 };

// The output file, written line by line straight into a large byte buffer in
// its encoding; every line ends in CR LF (the calculator's export convention).
// A line is built from pieces between `iniciaLinha` and `terminaLinha`.
class SaidaLote {
public:
    // `separador`: the locale's decimal separator, written in every number.
    SaidaLote(QIODevice& destino, CodificacaoSaida codificacao, QStringView separador);

    // Empty unless the separator itself cannot be written in the encoding
    // (then nothing may be written at all), or a write failed.
    const QString& erro() const { return erro_; }

    void iniciaLinha() { inicioLinha_ = usado_; }
    // False, with nothing appended, when the encoding lacks a character of `texto`:
    // text is never altered to fit.
    bool texto(QStringView texto);
    void separaCampo()
    {
        *espaco(1) = ';';
        ++usado_;
    }
    void inteiro(qint64 valor);
    // The fewest digits that read back as the same value of the number's own
    // type, positional (never an exponent), with the locale's separator.
    void numero(float valor);
    void numero(double valor);
    void desfazLinha() { usado_ = inicioLinha_; }
    // Ends the line; false when the buffer had to be written and that failed.
    bool terminaLinha();

    // Writes what is gathered; false on failure, with `erro()` saying why.
    bool descarrega();
    // Whole lines already encoded by another SaidaLote of the same encoding
    // and separator (a worker's block); false when writing out failed.
    bool acrescentaLinhas(QByteArrayView linhas);
    CodificacaoSaida codificacao() const { return codificacao_; }

private:
    static constexpr qsizetype TamanhoBuffer = 1 << 20;
    // Extra room taken whenever the buffer grows, so that it rarely does.
    static constexpr qsizetype Folga = 1024;

    // Where the next byte goes.
    char* fim() { return buffer_.data() + usado_; }
    // The same, with at least `quantos` bytes free from there: every piece
    // makes sure of its own room, whatever came before it in the line.
    char* espaco(qsizetype quantos)
    {
        if (usado_ + quantos > buffer_.size())
            buffer_.resize(usado_ + quantos + Folga);
        return fim();
    }
    void acrescenta(const char* bytes, qsizetype quantos);
    template <typename Real>
    void real(Real valor);

    QIODevice& destino_;
    CodificacaoSaida codificacao_;
    QByteArray separador_;   // encoded
    QByteArray buffer_;      // its size is its room; the first `usado_` bytes are the output
    qsizetype usado_ = 0;
    qsizetype inicioLinha_ = 0;
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    QString erro_;
};

// A character the output's encoding cannot hold, named by its code point
// ("U+2212"), since the character itself cannot be written.
QString CodigoUnicode(QStringView caractere);

}  // namespace ceravel::lote
