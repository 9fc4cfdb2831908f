// SPDX-License-Identifier: GPL-3.0-or-later
// The batch's fast number writer against std::to_chars(fixed), the reference
// for the shortest exact positional text.
#include "lote/NumeroExato.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

namespace ceravel::teste {
namespace {

template <typename Real>
void ComparaComReferencia(Real valor)
{
    for (const std::string separador : {".", ",", "\xD9\xAB"}) {
        char texto[lote::TamanhoNumeroExato], referencia[lote::TamanhoNumeroExato];
        const char* fim = std::to_chars(referencia, std::end(referencia), valor, std::chars_format::fixed).ptr;
        std::string esperado;
        for (const char* c = referencia; c != fim; ++c)
            esperado += *c == '.' ? separador : std::string(1, *c);
        ASSERT_EQ(std::string(texto, lote::EscreveNumeroExato(texto, valor, separador)), esperado)
            << "valor " << static_cast<double>(valor) << ", separador " << separador;
    }
}

// Values of the sizes the model gives (degrees, minutes a year, nT), the
// edges of each type, and random bit patterns over the whole range.
TEST(NumeroExato, IgualAoDeToChars)
{
    std::mt19937_64 aleatorio(7);
    std::uniform_real_distribution<double> grandeza(-70000, 70000), pequeno(-2, 2);
    for (int i = 0; i < 200000; ++i) {
        const double d = i % 2 ? grandeza(aleatorio) : pequeno(aleatorio);
        ComparaComReferencia(d);
        ComparaComReferencia(static_cast<float>(d));
        ComparaComReferencia(std::bit_cast<double>(aleatorio()));
        ComparaComReferencia(std::bit_cast<float>(static_cast<std::uint32_t>(aleatorio())));
    }
    for (const double d : {0.0, -0.0, 1e22, 1e23, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 0.3,
                           9.5, 1995.0027397260274})
        ComparaComReferencia(d);
    for (const float f : {-0.0f, 16777218.0f, 3e20f, 1e-45f, 1.17549435e-38f, 3.40282347e38f, 25050.02734375f})
        ComparaComReferencia(f);
}

}  // namespace
}  // namespace ceravel::teste
