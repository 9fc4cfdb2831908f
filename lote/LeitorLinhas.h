// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace ceravel::lote {

// Reads the input in large blocks and hands it out line by line, without the
// line end (LF or CR LF). The last line needs no line end.
class LeitorLinhas {
public:
    // Longer lines are not kept whole: they cannot hold a point.
    static constexpr qsizetype TamanhoMaximoLinha = 64 * 1024;

    explicit LeitorLinhas(QIODevice& origem, qsizetype tamanhoBloco = 1 << 20);

    // The next line, valid until the following call. False at the end of the
    // input and on a read failure (then `erro()` is not empty).
    bool proxima(QByteArrayView& linha);

    qint64 numero() const { return numero_; }           // of the last line, from 1
    bool longaDemais() const { return longaDemais_; }   // the last line was cut
    qint64 bytesLidos() const { return bytesLidos_; }   // for the progress bar
    const QString& erro() const { return erro_; }

private:
    bool enche();

    QIODevice& origem_;
    QByteArray bloco_;
    qsizetype inicio_ = 0;  // first unread byte of bloco_
    qsizetype fim_ = 0;     // end of the valid bytes of bloco_
    bool acabou_ = false;
    qint64 numero_ = 0;
    bool longaDemais_ = false;
    bool descartando_ = false;  // inside an overlong line, up to its line feed
    qint64 bytesLidos_ = 0;
    QString erro_;
};

}  // namespace ceravel::lote
