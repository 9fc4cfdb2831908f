// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/LeitorLinhas.h"

#include "export/MotivoErro.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ceravel::lote {

LeitorLinhas::LeitorLinhas(QIODevice& origem, qsizetype tamanhoBloco)
    : origem_(origem)
{
    bloco_.resize(std::max(tamanhoBloco, TamanhoMaximoLinha + 1));
}

// Moves the unread bytes to the front and reads more behind them; false when
// nothing more came (end of input or failure).
bool LeitorLinhas::enche()
{
    if (acabou_)
        return false;
    if (inicio_ > 0) {
        std::memmove(bloco_.data(), bloco_.data() + inicio_, static_cast<std::size_t>(fim_ - inicio_));
        fim_ -= inicio_;
        inicio_ = 0;
    }
    errno = 0;
    const qint64 lidos = origem_.read(bloco_.data() + fim_, bloco_.size() - fim_);
    if (lidos < 0) {
        erro_ = QStringLiteral("não foi possível ler a entrada: %1.").arg(MotivoErro(errno, origem_.errorString()));
        acabou_ = true;
        return false;
    }
    if (lidos == 0) {
        acabou_ = true;
        return false;
    }
    fim_ += lidos;
    bytesLidos_ += lidos;
    return true;
}

bool LeitorLinhas::proxima(QByteArrayView& linha)
{
    longaDemais_ = false;
    qsizetype procura = inicio_;  // the bytes before it hold no line feed
    for (;;) {
        const char* base = bloco_.constData();
        const void* achado = std::memchr(base + procura, '\n', static_cast<std::size_t>(fim_ - procura));
        if (achado) {
            const qsizetype fimLinha = static_cast<const char*>(achado) - base;
            const qsizetype inicioLinha = inicio_;
            inicio_ = fimLinha + 1;
            if (descartando_) {
                // The end of a line already handed out cut short.
                descartando_ = false;
                procura = inicio_;
                continue;
            }
            linha = QByteArrayView(base + inicioLinha, fimLinha - inicioLinha);
            if (linha.endsWith('\r'))
                linha.chop(1);
            if (linha.size() > TamanhoMaximoLinha) {
                linha.truncate(TamanhoMaximoLinha);
                longaDemais_ = true;
            }
            ++numero_;
            return true;
        }
        if (!descartando_ && fim_ - inicio_ > TamanhoMaximoLinha) {
            // Hand out the start of an overlong line, marked, and drop the rest up to its line feed.
            linha = QByteArrayView(base + inicio_, TamanhoMaximoLinha);
            longaDemais_ = true;
            descartando_ = true;
            inicio_ = fim_;
            ++numero_;
            return true;
        }
        if (descartando_)
            inicio_ = fim_;
        const qsizetype visto = fim_ - inicio_;
        if (!enche()) {
            if (!erro_.isEmpty() || descartando_ || fim_ == inicio_)
                return false;
            // The last line, without a line end.
            linha = QByteArrayView(bloco_.constData() + inicio_, fim_ - inicio_);
            if (linha.endsWith('\r'))
                linha.chop(1);
            inicio_ = fim_;
            ++numero_;
            return true;
        }
        procura = inicio_ + visto;
    }
}

}  // namespace ceravel::lote
