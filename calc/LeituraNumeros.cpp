#include "calc/LeituraNumeros.h"

#include <cmath>

namespace ceravel {

namespace {

// QLocale accepts words such as "inf" and "nan"; a typed number never holds
// anything but digits, signs, the separator and an exponent mark.
bool SoCaracteresDeNumero(const QString& texto, const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    const QString menos = locale.negativeSign();
    const QString mais = locale.positiveSign();
    const QString expoente = locale.exponential();
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

}  // namespace

std::optional<double> LeNumeroLocal(const QString& texto, const QLocale& locale)
{
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
    // Collect the longest prefix of the form [blanks][sign]digits[.digits][(e|E)[sign]digits].
    const QString s = texto;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == u' ' || s[i] == u'\t'))
        ++i;
    QString numero;
    if (i < n && (s[i] == u'-' || s[i] == u'+'))
        numero += s[i++];
    bool temDigito = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        numero += s[i++];
        temDigito = true;
    }
    if (i < n && s[i] == u'.') {
        numero += s[i++];
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            numero += s[i++];
            temDigito = true;
        }
    }
    if (!temDigito)
        return 0.0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        QString expoente = QStringLiteral("e");
        if (j < n && (s[j] == u'-' || s[j] == u'+'))
            expoente += s[j++];
        bool temDigitoExpoente = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            expoente += s[j++];
            temDigitoExpoente = true;
        }
        if (temDigitoExpoente)
            numero += expoente;
    }
    bool ok = false;
    const double valor = QLocale::c().toDouble(numero, &ok);
    return ok ? valor : 0.0;
}

}  // namespace ceravel
