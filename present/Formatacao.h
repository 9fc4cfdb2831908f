// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace ceravel {

// Number patterns of the result texts. Rounding to nearest, ties away from
// zero; leading "-" for negatives; no digit grouping; the locale's separator.
enum class Padrao { Inteiro /*"0"*/, DoisDigitos /*"00"*/, UmaDecimal /*"0.0"*/,
                    DuasDecimais /*"0.00"*/, CincoDecimais /*"0.00000"*/ };

QString FormataPadrao(double valor, Padrao padrao, const QLocale& locale);
// The same text appended to `destino`, for texts built of several numbers.
void AcrescentaPadrao(QString& destino, double valor, Padrao padrao, const QLocale& locale);

// General number text: 15 significant digits, trailing zeros and separator
// dropped, no exponent for ordinary magnitudes, the locale's separator.
QString TextoNumeroGeral(double valor, const QLocale& locale);

}  // namespace ceravel
