// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ceravel {

bool AnoBissexto(int ano);
int DiasNoMes(int mes, int ano);   // 0 for a month outside 1..12
int DiasNoAno(int ano);
// A year that fits an int and has the same place in the 400-year Gregorian
// cycle as `ano` (a whole number), hence the same leap rule: lets any typed
// year be tested without overflowing an int.
int AnoEquivalente(double ano);
// year + (days of the months before `mes` + dia) / days in the year, for a
// date that passed the checks (whole day, month 1..12, whole year).
double AnoDecimal(double dia, double mes, double ano);

}  // namespace ceravel
