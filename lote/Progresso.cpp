// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/Progresso.h"

#include <algorithm>

namespace ceravel::lote {

Progresso::Progresso(qint64 total, std::function<void(const QByteArray&)> escreve)
    : total_(total), escreve_(std::move(escreve))
{
    relogio_.start();
}

QByteArray Progresso::Barra(qint64 total, qint64 bytesLidos, qint64 pontos)
{
    if (total <= 0)
        return QByteArray::number(pontos) + " pontos";
    constexpr int Largura = 30;
    const qint64 por100 = std::clamp<qint64>(bytesLidos * 100 / total, 0, 100);
    const qint64 cheios = por100 * Largura / 100;
    QByteArray barra = "[";
    barra += QByteArray(cheios, '#');
    barra += QByteArray(Largura - cheios, '.');
    barra += "] ";
    barra += QByteArray::number(por100).rightJustified(3, ' ');
    barra += "%  ";
    barra += QByteArray::number(pontos);
    barra += " pontos";
    return barra;
}

void Progresso::desenha(qint64 bytesLidos, qint64 pontos)
{
    const bool grande = total_ >= 0 ? total_ >= BytesGrande : pontos >= PontosGrande;
    const qint64 agora = relogio_.elapsed();
    if (!grande || agora - ultimoDesenho_ < IntervaloMs)
        return;
    ultimoDesenho_ = agora;
    desenhou_ = true;
    escreve_("\r" + Barra(total_, bytesLidos, pontos));
}

void Progresso::termina()
{
    if (desenhou_)
        escreve_("\r\x1b[K");
    desenhou_ = false;
}

}  // namespace ceravel::lote
