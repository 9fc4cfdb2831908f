#pragma once

namespace ceravel {

bool AnoBissexto(int ano);
int DiasNoMes(int mes, int ano);   // 0 for a month outside 1..12
int DiasNoAno(int ano);
// year + (days of the months before `mes` + dia) / days in the year.
double AnoDecimal(double dia, double mes, double ano);

}  // namespace ceravel
