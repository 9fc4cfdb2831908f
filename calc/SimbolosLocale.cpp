#include "calc/SimbolosLocale.h"

namespace ceravel {

const SimbolosLocale& Simbolos(const QLocale& locale)
{
    // A batch or a window reads every number under one locale: remembering the
    // last one is enough.
    thread_local QLocale ultimo = QLocale::c();
    thread_local SimbolosLocale simbolos{QLocale::c().decimalPoint(), QLocale::c().negativeSign(),
                                         QLocale::c().positiveSign(), QLocale::c().exponential()};
    if (locale != ultimo) {
        ultimo = locale;
        simbolos = {locale.decimalPoint(), locale.negativeSign(), locale.positiveSign(), locale.exponential()};
    }
    return simbolos;
}

}  // namespace ceravel
