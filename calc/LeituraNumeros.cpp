// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LeituraNumeros.h"

#include "calc/SimbolosLocale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace ceravel {

namespace {

// QLocale accepts words such as "inf" and "nan"; a typed number never holds
// anything but digits, signs, the separator and an exponent mark.
bool SoCaracteresDeNumero(const QString& texto, const QLocale& locale)
{
    const SimbolosLocale& simbolos = Simbolos(locale);
    const QString& decimal = simbolos.separador;
    const QString& menos = simbolos.menos;
    const QString& mais = simbolos.mais;
    const QString& expoente = simbolos.expoente;
    for (const QChar ch : texto) {
        // The keyboard's "-" and "+" stay allowed where the locale's own signs
        // are other characters (U+2212 in Swedish): QLocale reads both.
        if (ch.isDigit() || ch == u'e' || ch == u'E' || ch == u'-' || ch == u'+')
            continue;
        const QString s(ch);
        if (s == decimal || s == menos || s == mais || s.compare(expoente, Qt::CaseInsensitive) == 0)
            continue;
        return false;
    }
    return true;
}

bool DigitoAscii(QChar ch) { return ch >= u'0' && ch <= u'9'; }

// QStringView::trimmed, without the library call for the usual box that
// starts and ends with a digit.
QStringView SemBrancosNasPontas(QStringView texto)
{
    if (!texto.isEmpty() && DigitoAscii(texto.back()) && (DigitoAscii(texto.front()) || texto.front() == u'-'))
        return texto;
    return texto.trimmed();
}

// Longer texts go the general way; no typed coordinate or date comes near it.
constexpr qsizetype TamanhoSimples = 40;

// Reads a plain decimal number, [-]digits[separator digits] in ASCII digits,
// to the correctly rounded double: the value QLocale and the C locale give
// for these forms (the tests compare them), at a small fraction of their cost.
// False when the text has any other shape. (A plain bool and an out value:
// an optional<double> comes back through memory, which costs more here than
// the reading itself.)
bool LeDecimalSimples(QStringView texto, QChar separador, double& valor)
{
    if (texto.isEmpty() || texto.size() > TamanhoSimples)
        return false;
    const bool negativo = texto[0] == u'-';
    qsizetype i = negativo ? 1 : 0;
    // The digits gathered as they are passed (only used, and only exact, up to 15 of them).
    std::uint64_t mantissa = 0;
    const auto pulaDigitos = [&] {
        const qsizetype inicio = i;
        for (; i < texto.size() && DigitoAscii(texto[i]); ++i)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(texto[i].unicode() - u'0');
        return i - inicio;
    };
    const qsizetype inteiros = pulaDigitos();
    if (inteiros == 0)
        return false;
    qsizetype casas = 0;
    if (i < texto.size()) {
        if (texto[i] != separador)
            return false;
        ++i;
        casas = pulaDigitos();
        if (casas == 0 || i != texto.size())
            return false;
    }
    // Up to 15 digits and 22 decimals both the digits and the power of ten
    // are exact doubles, and one division rounds their quotient correctly.
    if (inteiros + casas <= 15) {
        static constexpr double Potencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double inteiro = static_cast<double>(mantissa);
        const double absoluto = casas == 0 ? inteiro : inteiro / Potencias[casas];
        valor = negativo ? -absoluto : absoluto;
        return true;
    }
    char numero[TamanhoSimples + 1];
    std::size_t n = 0;
    for (qsizetype k = 0; k < texto.size(); ++k)
        numero[n++] = texto[k] == separador ? '.' : static_cast<char>(texto[k].unicode());
    const auto [fim, erro] = std::from_chars(numero, numero + n, valor);
    return erro == std::errc() && fim == numero + n;
}

// The usual typed number read without QLocale, in every locale whose minus is
// "-" and whose separator is one character; anything else is left to QLocale.
bool LeNumeroSimples(QStringView texto, const QLocale& locale, double& valor)
{
    if (texto.isEmpty())
        return false;
    const SimbolosLocale& simbolos = Simbolos(locale);
    if (texto[0] == u'-' && !simbolos.menosHifen)
        return false;
    if (!simbolos.separadorUnico.isNull())
        return LeDecimalSimples(texto, simbolos.separadorUnico, valor);
    // A longer separator: only a whole number, which has none, is read here.
    const bool soDigitos = std::all_of(texto.begin() + 1, texto.end(), DigitoAscii);
    return soDigitos && LeDecimalSimples(texto, u'.', valor);
}

}  // namespace

std::optional<double> LeNumeroLocal(const QString& texto, const QLocale& locale)
{
    if (double simples = 0; LeNumeroSimples(SemBrancosNasPontas(texto), locale, simples))
        return simples;
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty() || !SoCaracteresDeNumero(limpo, locale))
        return std::nullopt;
    QLocale semAgrupamento = locale;
    semAgrupamento.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double valor = semAgrupamento.toDouble(limpo, &ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

double LeNumeroInicial(const QString& texto)
{
    // Find the longest prefix of the form [blanks][sign]digits[.digits][(e|E)[sign]digits].
    const QStringView s = texto;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == u' ' || s[i] == u'\t'))
        ++i;
    const qsizetype inicio = i;
    if (i < n && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    const auto pulaDigitos = [&](qsizetype& j) {
        const qsizetype antes = j;
        while (j < n && DigitoAscii(s[j]))
            ++j;
        return j > antes;
    };
    const bool digitosInteiros = pulaDigitos(i);
    bool digitosFracao = false;
    bool temPonto = false;
    if (i < n && s[i] == u'.') {
        ++i;
        temPonto = true;
        digitosFracao = pulaDigitos(i);
    }
    if (!digitosInteiros && !digitosFracao)
        return 0.0;
    bool temExpoente = false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'-' || s[j] == u'+'))
            ++j;
        if (pulaDigitos(j)) {
            i = j;
            temExpoente = true;
        }
    }
    const QStringView numero = s.sliced(inicio, i - inicio);
    // The plain shape needs no C locale; a "+", a bare point or an exponent keep it.
    if (numero.front() != u'+' && !temExpoente && digitosInteiros && (!temPonto || digitosFracao)) {
        if (double valor = 0; LeDecimalSimples(numero, u'.', valor))
            return valor;
    }
    bool ok = false;
    const double valor = QLocale::c().toDouble(numero, &ok);
    return ok ? valor : 0.0;
}

}  // namespace ceravel
