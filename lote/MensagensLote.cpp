// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/MensagensLote.h"

#include "calc/ValidaEntrada.h"
#include "lote/SaidaLote.h"

namespace ceravel::lote {

const QString& MensagemLongaDemais()
{
    static const QString mensagem = QStringLiteral("A linha é longa demais para conter um ponto.");
    return mensagem;
}

QString MensagemNaoRepresentavel(const QString& caractere)
{
    return QStringLiteral("A linha tem o caractere %1, que a codificação Windows-1252 não representa. "
                          "Os textos da linha foram omitidos: use a opção --utf8.")
        .arg(caractere);
}

QString MensagemControle(QStringView caractere)
{
    return QStringLiteral("A linha tem o caractere de controle %1 dentro de um campo. "
                          "Os textos da linha foram omitidos.")
        .arg(CodigoUnicode(caractere));
}

const QString& MensagemPeriodoRegionalLote()
{
    static const QString mensagem =
        MensagemPeriodoRegional() + QStringLiteral(" Com --modelo igrf14, datas de 1900 a 2029 são aceitas.");
    return mensagem;
}

const QString& MensagemInterrompido()
{
    static const QString mensagem = QStringLiteral("interrompido antes do fim.");
    return mensagem;
}

}  // namespace ceravel::lote
