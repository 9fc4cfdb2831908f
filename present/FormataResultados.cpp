// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/FormataResultados.h"

#include "calc/LeituraNumeros.h"
#include "present/Formatacao.h"
#include "present/GeometriaAgulha.h"

#include <cmath>

namespace ceravel {

// The splits of angles into whole units, minutes and seconds are done in
// single precision, like D, I and m themselves. The whole parts are kept as
// float whole numbers rather than 16-bit integers: inside the 16-bit range the
// arithmetic is the same, and an absurd value from a bad coefficient set
// cannot overflow.
namespace {

// Whole units of an angle, truncated toward zero.
float Inteiros(float angulo)
{
    return std::trunc(angulo);
}

// abs(angulo - inteiros) × 60, in float.
float Minutos(float angulo)
{
    return std::fabs(angulo - Inteiros(angulo)) * 60.0f;
}

// Whole-unit text that carries the sign of the whole angle: an angle strictly
// between -1 and 0 has 0 whole units, yet it is negative, so "-0".
void AcrescentaInteirosComSinal(QString& destino, float inteiros, float angulo, const QLocale& locale)
{
    if (angulo < 0 && inteiros == 0)
        destino += u'-';
    AcrescentaPadrao(destino, inteiros, Padrao::Inteiro, locale);
}

QString TextoInteirosComSinal(float inteiros, float angulo, const QLocale& locale)
{
    QString texto;
    AcrescentaInteirosComSinal(texto, inteiros, angulo, locale);
    return texto;
}

struct TextosInclinacao {
    QString graus, minutos;
};

// Whole degrees (truncated) and decimal minutes of I, "0.00". The minutes are
// not split further, so minutes of 59.995 or more read "60.00" beside the
// truncated degrees (-20 and 60.00 for -20.99995): the pair still adds up to
// the angle, and the degrees stay those of the angle itself.
TextosInclinacao SeparaInclinacao(float I, const QLocale& locale)
{
    const float graus = Inteiros(I);
    return {TextoInteirosComSinal(graus, I, locale),
            FormataPadrao(Minutos(I), Padrao::DuasDecimais, locale)};
}

QString TextoComponente(double valor, const QLocale& locale)
{
    return FormataPadrao(valor, Padrao::UmaDecimal, locale);
}

QString TextoVariacaoComponente(double valor, const QLocale& locale)
{
    return FormataPadrao(valor, Padrao::DuasDecimais, locale) + QStringLiteral(" nT/ano");
}

QString TextoVariacaoInclinacao(float n, const QLocale& locale)
{
    return FormataPadrao(n, Padrao::DuasDecimais, locale) + QStringLiteral(" '/ano");
}

// The report's epoch is the Main epoch text read back, so both always agree.
// The read cannot fail for a text just written with the same locale; should it
// ever, the decimal year itself is used.
QString TextoEpocaRelatorio(const QString& epoca, double anoDecimal, const QLocale& locale)
{
    const double valor = LeNumeroLocal(epoca, locale).value_or(anoDecimal);
    return FormataPadrao(valor, Padrao::CincoDecimais, locale);
}

QString TextoDataRelatorio(const TextosEntrada& e)
{
    return e.dia + QStringLiteral(" / ") + e.mes + QStringLiteral(" / ") + e.ano;
}

// Decimal entry: the box as typed; otherwise the three boxes joined with the
// degree sign (U+00B0), minute and second marks.
QString TextoCoordenadaRelatorio(FormaEntrada forma, const QString& decimal, const QString& graus,
                                 const QString& minutos, const QString& segundos)
{
    if (forma == FormaEntrada::GrausDecimais)
        return decimal;
    return graus + u'\u00B0' + minutos + u'\'' + segundos + QStringLiteral("''");
}

// Decimal entry keeps the text as typed; a converted position is written out.
QString TextoCoordenadaExportacao(FormaEntrada forma, const QString& decimal, double valor, const QLocale& locale)
{
    return forma == FormaEntrada::GrausDecimais ? decimal : TextoNumeroGeral(valor, locale);
}

}  // namespace

void AcrescentaDeclinacao(QString& texto, float D, const QLocale& locale)
{
    const float minD = Minutos(D);
    const float minDInt = std::floor(minD);
    const float segD = std::floor((minD - minDInt) * 60.0f);
    AcrescentaInteirosComSinal(texto, Inteiros(D), D, locale);
    texto += u'\u00BA';
    AcrescentaPadrao(texto, minDInt, Padrao::DoisDigitos, locale);
    texto += u'\'';
    AcrescentaPadrao(texto, segD, Padrao::DoisDigitos, locale);
    texto += QLatin1StringView("''");
}

QString TextoDeclinacao(float D, const QLocale& locale)
{
    QString texto;
    texto.reserve(16);
    AcrescentaDeclinacao(texto, D, locale);
    return texto;
}

QString TextoVariacaoDeclinacao(float m, const QLocale& locale)
{
    const float varDMin = Inteiros(m);
    const float varDSeg = std::trunc(std::fabs((m - varDMin) * 60.0f));
    // The seconds always show two digits: "'0" pads the ones below 10.
    const QString separador = varDSeg >= 10 ? QStringLiteral("'") : QStringLiteral("'0");
    return TextoInteirosComSinal(varDMin, m, locale) + separador
        + FormataPadrao(varDSeg, Padrao::Inteiro, locale) + QStringLiteral("''/ano");
}

QString TextoGrausInclinacao(float I, const QLocale& locale)
{
    return SeparaInclinacao(I, locale).graus;
}

QString TextoMinutosInclinacao(float I, const QLocale& locale)
{
    return SeparaInclinacao(I, locale).minutos;
}

TextosResultado FormataResultados(const ElementosCampo& e, const PedidoValidado& pedido,
                                  const TextosEntrada& entrada, const QLocale& locale)
{
    const double anoDecimal = pedido.anoDecimal;
    TextosResultado t;
    t.epoca = TextoNumeroGeral(anoDecimal, locale);
    t.dmin = TextoDeclinacao(e.D, locale);
    t.vd = TextoVariacaoDeclinacao(e.m, locale);
    t.cx = TextoComponente(e.X, locale);
    t.cy = TextoComponente(e.Y, locale);
    t.cz = TextoComponente(e.Z, locale);
    t.cf = TextoComponente(e.F, locale);
    t.vx2 = TextoVariacaoComponente(e.dX, locale);
    t.vy2 = TextoVariacaoComponente(e.dY, locale);
    t.vz2 = TextoVariacaoComponente(e.dZ, locale);
    t.vf2 = TextoVariacaoComponente(e.dF, locale);
    const TextosInclinacao inclinacao = SeparaInclinacao(e.I, locale);
    t.inc2 = inclinacao.graus;
    t.aimin2 = inclinacao.minutos;
    t.vi2 = TextoVariacaoInclinacao(e.n, locale);
    t.relData = TextoDataRelatorio(entrada);
    t.relEpoca = TextoEpocaRelatorio(t.epoca, anoDecimal, locale);
    t.relLatitude = TextoCoordenadaRelatorio(entrada.formaLatitude, entrada.latGraus,
                                             entrada.latG, entrada.latM, entrada.latS);
    t.relLongitude = TextoCoordenadaRelatorio(entrada.formaLongitude, entrada.lonGraus,
                                              entrada.longG, entrada.longM, entrada.longS);
    t.latExp = TextoCoordenadaExportacao(entrada.formaLatitude, entrada.latGraus, pedido.latitude, locale);
    t.longExp = TextoCoordenadaExportacao(entrada.formaLongitude, entrada.lonGraus, pedido.longitude, locale);
    t.relGrausLatitude = entrada.formaLatitude == FormaEntrada::GrausDecimais;
    t.relGrausLongitude = entrada.formaLongitude == FormaEntrada::GrausDecimais;
    t.agulhaMain = CalculaAgulha(e.D, CentroBussolaMain);
    t.agulhaRelatorio = CalculaAgulha(e.D, CentroBussolaRelatorio);
    return t;
}

}  // namespace ceravel
