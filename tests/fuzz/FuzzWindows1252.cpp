// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 encoder and decoder: decode(encode(x)) == x, both encoders agree, a refusal names the
// character, every byte decodes to one character.
#include "tests/fuzz/Fuzz.h"

#include "export/Windows1252.h"

#include <QByteArray>

namespace ceravel::fuzz {

void AlvoWindows1252(QByteArrayView dados)
{
    // The bytes as UTF-16 units (lone surrogates included) and as UTF-8.
    const QString unidades(reinterpret_cast<const QChar*>(dados.data()), dados.size() / 2);
    for (const QString& texto : {unidades, QString::fromUtf8(dados)}) {
        QByteArray codificado("x");  // appended to, never replaced
        const bool aceito = AcrescentaWindows1252(codificado, texto);
        const QString primeiro = PrimeiroNaoRepresentavel(texto);
        Confere(aceito == primeiro.isEmpty(), "recusa exatamente quando um caractere não existe", texto);
        QByteArray direto(texto.size(), '\0');
        char* const fim = CodificaWindows1252(direto.data(), texto);
        Confere((fim != nullptr) == aceito, "os dois codificadores aceitam os mesmos textos", texto);
        if (!aceito) {
            Confere(codificado == "x", "uma recusa não altera o destino", texto);
            Confere(primeiro.size() == 1 || primeiro.size() == 2, "o caractere recusado é um só", primeiro);
            Confere(texto.contains(primeiro), "o caractere recusado está no texto", primeiro);
            continue;
        }
        Confere(codificado.size() == texto.size() + 1, "um byte por caractere", texto);
        Confere(QByteArrayView(direto.data(), fim - direto.data()) == QByteArrayView(codificado).sliced(1),
                "os dois codificadores dão os mesmos bytes", texto);
        DecodificadorWindows1252 decodificador;
        Confere(decodificador.decodifica(QByteArrayView(codificado).sliced(1)) == texto,
                "decode(encode(x)) == x", texto);
    }

    DecodificadorWindows1252 decodificador;
    const QString decodificado = decodificador.decodifica(dados);
    Confere(decodificado.size() == dados.size(), "cada byte é um caractere");
    QByteArray deVolta;
    if (AcrescentaWindows1252(deVolta, decodificado))
        Confere(deVolta == dados, "encode(decode(b)) == b");
}

}  // namespace ceravel::fuzz
