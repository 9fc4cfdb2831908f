// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ceravel::lote {

// Room `EscreveNumeroExato` may need: a double in positional notation, with
// the separator, takes at most about 330 characters, and the writing may
// scribble a few dozen bytes past its end.
inline constexpr int TamanhoNumeroExato = 400;

// Writes `valor` at `destino` with the fewest decimals that read back as the
// same value of its own type (float or double), in positional notation (never
// an exponent), `separador` between the whole part and the decimals; the
// same characters as std::to_chars(fixed) gives, separator apart. Returns the
// end of the number; `destino` needs TamanhoNumeroExato characters of room,
// and the bytes after the number's end may be overwritten.
char* EscreveNumeroExato(char* destino, float valor, std::string_view separador);
char* EscreveNumeroExato(char* destino, double valor, std::string_view separador);

}  // namespace ceravel::lote
