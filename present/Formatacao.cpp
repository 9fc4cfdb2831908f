// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/Formatacao.h"

#include "calc/SimbolosLocale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace ceravel {

namespace {

// The decimal digits of |valor| with the position of the decimal point:
// digitos[0, ponto) is the whole part, digitos[ponto, end) the fraction.
struct Decimal {
    std::string digitos;
    std::size_t ponto = 0;
    bool negativo = false;
};

// The exact decimal value of the binary double, every digit of it. Rounding
// must see the true value: 0.125 is a real tie (rounds up to 0.13) while 2.675
// is stored as 2.67499999999999982236431605997495353221893310546875 and so is
// below the tie (rounds down to 2.67). A double's fraction ends at its last
// bit, 2^(exponent - 52), which needs 52 - exponent decimal places (at most
// 1074, for the subnormals).
Decimal ExpansaoExata(double valor)
{
    Decimal d;
    d.negativo = std::signbit(valor) && valor != 0;
    const double magnitude = std::fabs(valor);
    int casas = 0;
    if (magnitude != 0)
        casas = std::min(1074, std::max(0, 52 - std::ilogb(magnitude)));
    // 309 whole digits, the point and 1074 decimals at most.
    std::array<char, 1400> texto{};
    const auto fim = std::to_chars(texto.data(), texto.data() + texto.size(), magnitude,
                                   std::chars_format::fixed, casas).ptr;
    for (const char* c = texto.data(); c != fim; ++c) {
        if (*c == '.')
            d.ponto = d.digitos.size();
        else
            d.digitos.push_back(*c);
    }
    if (casas == 0)
        d.ponto = d.digitos.size();
    return d;
}

// Keeps the first `manter` digits (manter >= 1), rounding to nearest with
// ties away from zero: the digits are a magnitude, so a first dropped digit of
// 5 or more (a tie, or above it, since the expansion is exact) rounds up.
// Dropped places of the whole part become zeros.
void Arredonda(Decimal& d, std::size_t manter)
{
    if (manter < d.digitos.size()) {
        const bool sobe = d.digitos[manter] >= '5';
        d.digitos.resize(manter);
        if (sobe) {
            std::size_t i = manter;
            while (i > 0 && d.digitos[i - 1] == '9')
                d.digitos[--i] = '0';
            if (i == 0) {
                d.digitos.insert(d.digitos.begin(), '1');
                ++d.ponto;
            } else {
                ++d.digitos[i - 1];
            }
        }
    }
    if (d.digitos.size() < d.ponto)
        d.digitos.append(d.ponto - d.digitos.size(), '0');
}

// Joins sign, whole part (without leading zeros, at least `minimoInteiro`
// digits) and fraction with the locale's separator. No digit grouping, ASCII
// digits and a plain "-", so the texts read the same in every locale.
QString Monta(const Decimal& d, std::size_t minimoInteiro, const QLocale& locale)
{
    std::string inteiro = d.digitos.substr(0, d.ponto);
    const std::size_t zeros = inteiro.find_first_not_of('0');
    inteiro.erase(0, zeros == std::string::npos ? inteiro.size() : zeros);
    if (inteiro.size() < minimoInteiro)
        inteiro.insert(0, minimoInteiro - inteiro.size(), '0');
    QString texto;
    texto.reserve(static_cast<qsizetype>(inteiro.size() + d.digitos.size() - d.ponto) + 2);
    if (d.negativo)
        texto += u'-';
    texto += QLatin1StringView(inteiro.data(), static_cast<qsizetype>(inteiro.size()));
    if (d.digitos.size() > d.ponto) {
        texto += Simbolos(locale).separador;
        texto += QLatin1StringView(d.digitos.data() + d.ponto, static_cast<qsizetype>(d.digitos.size() - d.ponto));
    }
    return texto;
}

}  // namespace

// A negative value keeps its "-" even when every digit shown is zero
// (-0.003 with "0.00" gives "-0.00"): the sign still tells which way the
// quantity goes, the same rule as for angles between -1 and 0. Negative zero
// is zero and gets no sign.
void AcrescentaPadrao(QString& destino, double valor, Padrao padrao, const QLocale& locale)
{
    if (!std::isfinite(valor)) {
        destino += locale.toString(valor);
        return;
    }
    std::size_t casas = 0;
    std::size_t minimoInteiro = 1;
    switch (padrao) {
    case Padrao::Inteiro: break;
    case Padrao::DoisDigitos: minimoInteiro = 2; break;
    case Padrao::UmaDecimal: casas = 1; break;
    case Padrao::DuasDecimais: casas = 2; break;
    case Padrao::CincoDecimais: casas = 5; break;
    }
    // A whole number (the split degrees, minutes and seconds always are)
    // needs no rounding: its digits come straight from the integer, which is
    // far cheaper than the exact expansion and gives the same text.
    if (valor == std::trunc(valor) && std::fabs(valor) < 0x1p53) {
        char digitos[24];
        const auto fimDigitos = std::to_chars(digitos, digitos + sizeof digitos,
                                              static_cast<long long>(std::fabs(valor))).ptr;
        const auto quantos = static_cast<std::size_t>(fimDigitos - digitos);
        char texto[48];
        char* fim = texto;
        if (valor < 0)  // never for zero, negative zero included
            *fim++ = '-';
        for (std::size_t i = quantos; i < minimoInteiro; ++i)
            *fim++ = '0';
        fim = std::copy(digitos, fimDigitos, fim);
        // Widened in place: cheaper than appending a Latin-1 view for a few digits.
        const qsizetype inicio = destino.size();
        destino.resize(inicio + (fim - texto));
        std::copy(texto, fim, destino.data() + inicio);
        if (casas > 0) {
            destino += Simbolos(locale).separador;
            destino += QString(static_cast<qsizetype>(casas), u'0');
        }
        return;
    }
    Decimal d = ExpansaoExata(valor);
    Arredonda(d, d.ponto + casas);
    d.digitos.resize(d.ponto + casas, '0');
    destino += Monta(d, minimoInteiro, locale);
}

QString FormataPadrao(double valor, Padrao padrao, const QLocale& locale)
{
    QString texto;
    AcrescentaPadrao(texto, valor, padrao, locale);
    return texto;
}

// Rounds to 15 significant digits with the same rule as the patterns, then
// drops trailing zeros and a bare separator. Always positional, never an
// exponent.
QString TextoNumeroGeral(double valor, const QLocale& locale)
{
    if (!std::isfinite(valor))
        return locale.toString(valor);
    constexpr std::size_t Significativos = 15;
    Decimal d = ExpansaoExata(valor);
    const std::size_t primeiro = d.digitos.find_first_not_of('0');
    if (primeiro == std::string::npos)
        return QStringLiteral("0");
    Arredonda(d, primeiro + Significativos);
    while (d.digitos.size() > d.ponto && d.digitos.back() == '0')
        d.digitos.pop_back();
    return Monta(d, 1, locale);
}

}  // namespace ceravel
