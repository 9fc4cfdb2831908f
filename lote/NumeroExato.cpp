// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/NumeroExato.h"

// The shortest digits come from fmt's Dragonbox, which finds them several
// times faster than std::to_chars does; a batch writes thirteen numbers a point.
#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace ceravel::lote {

namespace {

constexpr char ParesDeDigitos[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void DoisDigitos(char* destino, unsigned par)
{
    std::memcpy(destino, ParesDeDigitos + 2 * par, 2);
}

// Eight digits of `bloco` (< 10^8), leading zeros included, ending at `fim`:
// two independent halves, so the divisions do not wait on each other.
void OitoDigitos(char* fim, std::uint32_t bloco)
{
    const std::uint32_t alto = bloco / 10000, baixo = bloco % 10000;
    DoisDigitos(fim - 8, alto / 100);
    DoisDigitos(fim - 6, alto % 100);
    DoisDigitos(fim - 4, baixo / 100);
    DoisDigitos(fim - 2, baixo % 100);
}

// The decimal digits of `n` (no leading zeros; "0" for zero), written backwards
// from `fim`; returns where they start. Blocks of eight digits keep the
// arithmetic in 32 bits.
char* DigitosAte(char* fim, std::uint64_t n)
{
    while (n >= 100000000) {
        OitoDigitos(fim, static_cast<std::uint32_t>(n % 100000000));
        fim -= 8;
        n /= 100000000;
    }
    auto resto = static_cast<std::uint32_t>(n);
    while (resto >= 100) {
        fim -= 2;
        DoisDigitos(fim, resto % 100);
        resto /= 100;
    }
    if (resto >= 10) {
        fim -= 2;
        DoisDigitos(fim, resto);
    } else {
        *--fim = static_cast<char>('0' + resto);
    }
    return fim;
}

char* Copia(char* destino, std::string_view texto)
{
    std::memcpy(destino, texto.data(), texto.size());
    return destino + texto.size();
}

// The general way, for what the fast way leaves: infinities, NaN, zero and
// whole numbers whose last digits are zeros (where the exact digits and the
// shortest ones may differ).
template <typename Real>
char* PeloCaminhoGeral(char* destino, Real valor, std::string_view separador)
{
    char texto[TamanhoNumeroExato];
    char* fim = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed).ptr;
    for (const char* c = texto; c != fim; ++c)
        destino = *c == '.' ? Copia(destino, separador) : (*destino = *c, destino + 1);
    return destino;
}

// Copies of a fixed size compile to a few moves instead of a call: the room
// behind every piece written takes the overrun, and the next piece or the
// caller's next bytes cover it.
constexpr int Bloco = 24;

char* CopiaBloco(char* destino, const char* origem, int quantos)
{
    std::memcpy(destino, origem, Bloco);
    return destino + quantos;
}

template <typename Real>
char* Escreve(char* destino, Real valor, std::string_view separador)
{
    if (!std::isfinite(valor) || valor == 0)
        return PeloCaminhoGeral(destino, valor, separador);
    // valor = ±significand × 10^exponent, the significand as short as can be.
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(valor));
    if (decimal.exponent > 0)
        return PeloCaminhoGeral(destino, valor, separador);
    // The digits end mid-buffer, so a whole block can be read from where they start.
    char digitos[2 * Bloco];
    const char* inicio = DigitosAte(digitos + Bloco, decimal.significand);
    const int quantos = static_cast<int>(digitos + Bloco - inicio);
    const int decimais = -decimal.exponent;
    const auto escreveSeparador = [&] {
        if (separador.size() == 1)
            *destino++ = separador.front();
        else
            destino = Copia(destino, separador);
    };

    if (std::signbit(valor))
        *destino++ = '-';
    if (decimais == 0)
        return CopiaBloco(destino, inicio, quantos);
    if (quantos > decimais) {
        const int inteiros = quantos - decimais;
        destino = CopiaBloco(destino, inicio, inteiros);
        escreveSeparador();
        return CopiaBloco(destino, inicio + inteiros, decimais);
    }
    // Below one: "0", the separator, the zeros after it, then the digits.
    *destino++ = '0';
    escreveSeparador();
    const int zeros = decimais - quantos;
    std::memset(destino, '0', static_cast<std::size_t>(zeros < Bloco ? Bloco : zeros));
    return CopiaBloco(destino + zeros, inicio, quantos);
}

}  // namespace

char* EscreveNumeroExato(char* destino, float valor, std::string_view separador)
{
    return Escreve(destino, valor, separador);
}

char* EscreveNumeroExato(char* destino, double valor, std::string_view separador)
{
    return Escreve(destino, valor, separador);
}

}  // namespace ceravel::lote
