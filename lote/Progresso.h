// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <functional>

namespace ceravel::lote {

// A progress bar on one terminal line, redrawn at most a few times a second,
// only when the input is large: by its size when known, otherwise once many
// points have gone by.
class Progresso {
public:
    // Inputs below these sizes end before a bar would be of any use.
    static constexpr qint64 BytesGrande = 4 << 20;
    static constexpr qint64 PontosGrande = 100000;

    // `total`: the input's size in bytes, or -1 when unknown (a pipe).
    // `escreve`: where the bar goes (standard error, in the program).
    Progresso(qint64 total, std::function<void(const QByteArray&)> escreve);

    // Called for every point; draws only every so often.
    void atualiza(qint64 bytesLidos, qint64 pontos)
    {
        if ((pontos & (Passo - 1)) == 0)
            desenha(bytesLidos, pontos);
    }

    // Called for every block of points written: draws if it is time.
    void atualizaBloco(qint64 bytesLidos, qint64 pontos) { desenha(bytesLidos, pontos); }
    // Erases the bar, if one was drawn.
    void termina();

    // The bar's text for the given state (without the leading carriage return).
    static QByteArray Barra(qint64 total, qint64 bytesLidos, qint64 pontos);

private:
    static constexpr qint64 Passo = 4096;  // points between looks at the clock
    static constexpr qint64 IntervaloMs = 200;

    void desenha(qint64 bytesLidos, qint64 pontos);

    qint64 total_;
    std::function<void(const QByteArray&)> escreve_;
    QElapsedTimer relogio_;
    qint64 ultimoDesenho_ = -IntervaloMs;
    bool desenhou_ = false;
};

}  // namespace ceravel::lote
