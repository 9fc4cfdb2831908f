// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace ceravel {

// The signs a locale writes numbers with. QLocale builds a new string on every
// query, which costs more than reading a whole typed number; these are looked
// up once per locale (and thread) instead.
struct SimbolosLocale {
    QString separador;  // decimal separator
    QString menos;
    QString mais;
    QString expoente;
    bool menosHifen = true;  // the minus is the keyboard's "-"
    QChar separadorUnico;    // the separator when it is one character, else null
};

// The symbols of `locale`; the reference stays valid until the same thread
// asks for another locale's.
const SimbolosLocale& Simbolos(const QLocale& locale);

}  // namespace ceravel
