// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosAngulos.h"

#include "calc/RegrasRumos.h"
#include "present/Formatacao.h"
#include "present/TextosConversao.h"

namespace ceravel {

QString TextoGrausMinutosSegundos(long long segundos, const QLocale& locale)
{
    const GrausMinutosSegundos p = SeparaSegundos(segundos);
    QString texto;
    if (p.negativo)
        texto += u'-';
    AcrescentaPadrao(texto, static_cast<double>(p.graus), Padrao::Inteiro, locale);
    texto += u'\u00B0';
    AcrescentaPadrao(texto, p.minutos, Padrao::DoisDigitos, locale);
    texto += u'\'';
    AcrescentaPadrao(texto, p.segundos, Padrao::DoisDigitos, locale);
    texto += QLatin1StringView("''");
    return texto;
}

QString TextoAzimuteSegundos(long long segundosAzimute, const QLocale& locale)
{
    return TextoGrausMinutosSegundos(segundosAzimute, locale);
}

QString TextoRumoSegundos(long long segundosAzimute, const QLocale& locale)
{
    constexpr long long Q = 90LL * 3600;
    if (segundosAzimute % Q == 0) {
        static const QString cardeais[] = {QStringLiteral("N"), QStringLiteral("L"), QStringLiteral("S"),
                                           QStringLiteral("O")};
        return cardeais[(segundosAzimute / Q) % 4];
    }
    const RumoSegundos rumo = RumoDeSegundos(segundosAzimute);
    return TextoGrausMinutosSegundos(rumo.angulo, locale) + u' ' + TextoQuadrante(rumo.quadrante);
}

}  // namespace ceravel
