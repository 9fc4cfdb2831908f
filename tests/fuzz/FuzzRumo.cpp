// SPDX-License-Identifier: GPL-3.0-or-later
// The deed's bearing notations: refused with a reason or an azimuth in [0°, 360°) in whole seconds; blanks
// change nothing, and the program's own texts read back to the same azimuth.
#include "tests/fuzz/Fuzz.h"

#include "calc/LeituraRumo.h"
#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"

#include <cmath>

namespace ceravel::fuzz {

void AlvoRumo(QByteArrayView dados)
{
    if (dados.isEmpty())
        return;
    const QLocale locale = LocaleDoByte(static_cast<std::uint8_t>(dados[0]));
    const QString texto = QString::fromUtf8(dados.sliced(1));
    const LeituraRumo l = LeRumo(texto, locale);
    if (!l.azimute) {
        Confere(TextoExibivel(l.motivo), "LeRumo: recusa com um motivo", texto);
        return;
    }
    Confere(l.motivo.isEmpty(), "LeRumo: sem motivo quando lê", texto);
    const double az = *l.azimute;
    Confere(std::isfinite(az) && az >= 0 && az < 360, "LeRumo: azimute em [0, 360)", texto);
    const long long s = SegundosArredondados(az);
    Confere(std::fabs(az * 3600 - static_cast<double>(s)) < 1e-6, "LeRumo: segundos inteiros", texto);
    const LeituraRumo comBrancos = LeRumo(QStringLiteral(" \t") + texto + u' ', locale);
    Confere(comBrancos.azimute == l.azimute, "LeRumo: brancos nas pontas não mudam a leitura", texto);
    // What the program writes reads back to the same direction.
    for (const QString& escrito : {TextoGms(s, locale), TextoRumo(s, locale)}) {
        const LeituraRumo de = LeRumo(escrito, locale);
        Confere(de.azimute && SegundosArredondados(*de.azimute) == s, "LeRumo: lê o que o programa escreve",
                texto + u'\n' + escrito + u'\n' + de.motivo);
    }
}

}  // namespace ceravel::fuzz
