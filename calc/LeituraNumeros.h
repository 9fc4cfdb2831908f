// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// Text to number under the user's regional settings: surrounding blanks
// allowed, only the locale's decimal separator, no digit grouping, no
// "inf"/"nan". Empty optional when the text is not such a number.
std::optional<double> LeNumeroLocal(const QString& texto, const QLocale& locale);

// Leading-number reading: skips blanks, accepts only "." as decimal point,
// stops at the first character that cannot continue the number, 0 if none.
double LeNumeroInicial(const QString& texto);

}  // namespace ceravel
