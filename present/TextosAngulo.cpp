// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosAngulo.h"

#include "calc/LeituraNumeros.h"
#include "calc/RegrasRumos.h"
#include "calc/SimbolosLocale.h"
#include "present/Formatacao.h"

#include <cmath>

namespace ceravel {

namespace {

const QString Letras[] = {QStringLiteral("N"), QStringLiteral("NE"), QStringLiteral("L"), QStringLiteral("SE"),
                          QStringLiteral("S"), QStringLiteral("SO"), QStringLiteral("O"), QStringLiteral("NO")};

// An empty minutes or seconds box is 0.
std::optional<double> LeParte(const QString& texto, const QLocale& locale)
{
    return texto.trimmed().isEmpty() ? std::optional<double>(0.0) : LeNumeroLocal(texto, locale);
}

QString Dois(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString TextoGms(long long segundos, const QLocale& locale)
{
    const GrausMinutosSegundos p = SeparaSegundos(segundos);
    QString texto;
    if (p.negativo)
        texto += Simbolos(locale).menos;
    AcrescentaPadrao(texto, static_cast<double>(p.graus), Padrao::Inteiro, locale);
    texto += u'\u00B0';
    AcrescentaPadrao(texto, p.minutos, Padrao::DoisDigitos, locale);
    texto += u'\'';
    AcrescentaPadrao(texto, p.segundos, Padrao::DoisDigitos, locale);
    texto += QLatin1StringView("''");
    return texto;
}

QString TextoGrausDecimais(double graus, const QLocale& locale)
{
    QString texto = QString::number(graus, 'f', 6);
    while (texto.endsWith(u'0'))
        texto.chop(1);
    if (texto.endsWith(u'.'))
        texto.chop(1);
    if (texto == QLatin1StringView("-0"))
        texto = QStringLiteral("0");
    const SimbolosLocale& s = Simbolos(locale);
    if (texto.startsWith(u'-'))
        texto.replace(0, 1, s.menos);
    return texto.replace(u'.', s.separador);
}

QString TextoQuadrante(Quadrante quadrante)
{
    return Letras[static_cast<int>(quadrante)];
}

std::optional<Quadrante> LeQuadrante(const QString& letras)
{
    const QString procurado = letras.trimmed().toUpper();
    for (int i = 0; i < static_cast<int>(std::size(Letras)); ++i)
        if (procurado == Letras[i])
            return static_cast<Quadrante>(i);
    return std::nullopt;
}

QString TextoRumo(long long segundosAzimute, const QLocale& locale)
{
    const RumoSegundos rumo = RumoDeSegundos(segundosAzimute);
    return TextoGms(rumo.angulo, locale) + u' ' + TextoQuadrante(rumo.quadrante);
}

std::optional<QString> GmsParaDecimal(const TextosGms& gms, const QLocale& locale)
{
    const std::optional<double> g = LeNumeroLocal(gms.graus, locale), m = LeParte(gms.minutos, locale),
                                s = LeParte(gms.segundos, locale);
    if (!g || !m || !s || *g != std::trunc(*g) || *m < 0 || *m >= 60 || *s < 0 || *s >= 60)
        return std::nullopt;
    const double absoluto = std::fabs(*g) + *m / 60 + *s / 3600;
    return TextoGrausDecimais(std::signbit(*g) ? -absoluto : absoluto, locale);
}

std::optional<TextosGms> DecimalParaGms(const QString& decimal, const QLocale& locale)
{
    const std::optional<double> valor = LeNumeroLocal(decimal, locale);
    if (!valor || std::fabs(*valor) > 1e6)
        return std::nullopt;
    const GrausMinutosSegundos p = SeparaSegundos(SegundosArredondados(*valor));
    QString graus = QString::number(p.graus);
    if (p.negativo)
        graus.prepend(Simbolos(locale).menos);
    return TextosGms{graus, Dois(p.minutos), Dois(p.segundos)};
}

}  // namespace ceravel
