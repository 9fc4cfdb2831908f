// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficient file reader on any content: 31 finite values, or a short printable message naming the file.
#include "tests/fuzz/Fuzz.h"

#include "model/LeCoeficientes.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace ceravel::fuzz {

void AlvoCoeficientes(QByteArrayView dados)
{
    static const QTemporaryDir pasta;
    {
        QFile arquivo(pasta.filePath(QStringLiteral("COEF-F2000")));
        Confere(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) && arquivo.write(dados.data(), dados.size())
                    == dados.size(),
                "o arquivo de teste foi gravado");
    }
    const LeituraCoeficientes lido = LeCoeficientes(pasta.path(), QStringLiteral("COEF-F2000"));
    Confere(lido.coeficientes.has_value() == lido.erro.isEmpty(), "os coeficientes ou uma mensagem, nunca ambos");
    if (lido.coeficientes) {
        for (const double v : lido.coeficientes->valores)
            Confere(std::isfinite(v), "todo coeficiente lido é finito");
        return;
    }
    Confere(lido.erro.startsWith(QStringLiteral("O ")) && lido.erro.contains(QStringLiteral("COEF-F2000"))
                && lido.erro.endsWith(u'.'),
            "a mensagem nomeia o arquivo", lido.erro);
    Confere(lido.erro.size() < 400, "a mensagem é curta", lido.erro);
    for (const char32_t ch : lido.erro.toUcs4())
        Confere(QChar::isPrint(ch), "a mensagem só tem caracteres imprimíveis", lido.erro);
}

}  // namespace ceravel::fuzz
