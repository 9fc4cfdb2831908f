// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/SimbolosLocale.h"

namespace ceravel {

namespace {

SimbolosLocale Consulta(const QLocale& locale)
{
    SimbolosLocale s;
    s.separador = locale.decimalPoint();
    s.menos = locale.negativeSign();
    s.mais = locale.positiveSign();
    s.expoente = locale.exponential();
    s.menosHifen = s.menos == u"-";
    if (s.separador.size() == 1)
        s.separadorUnico = s.separador.front();
    return s;
}

}  // namespace

const SimbolosLocale& Simbolos(const QLocale& locale)
{
    // A batch or a window reads every number under one locale: remembering the
    // last one is enough.
    thread_local QLocale ultimo = QLocale::c();
    thread_local SimbolosLocale simbolos = Consulta(ultimo);
    if (locale != ultimo) {
        ultimo = locale;
        simbolos = Consulta(locale);
    }
    return simbolos;
}

}  // namespace ceravel
