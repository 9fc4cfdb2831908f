// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/VariacaoSecular.h"

#include "calc/AnoDecimal.h"
#include "calc/RegrasRumos.h"
#include "model/CalculaCampo.h"
#include "present/Formatacao.h"

#include <cmath>
#include <limits>

namespace ceravel {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// The element and its variation from the calculator's elements.
PontoSecular Ponto(const ElementosCampo& e, ElementoSecular elemento, double anoDecimal)
{
    PontoSecular p;
    p.ano = static_cast<int>(std::floor(anoDecimal));
    p.anoDecimal = anoDecimal;
    switch (elemento) {
    case ElementoSecular::D: p.valor = e.D; p.variacao = e.m; break;
    case ElementoSecular::I: p.valor = e.I; p.variacao = e.n; break;
    case ElementoSecular::F: p.valor = e.F; p.variacao = e.dF; break;
    case ElementoSecular::H:
        p.valor = std::sqrt(e.X * e.X + e.Y * e.Y);
        p.variacao = (e.X * e.dX + e.Y * e.dY) / p.valor;
        break;
    case ElementoSecular::X: p.valor = e.X; p.variacao = e.dX; break;
    case ElementoSecular::Y: p.valor = e.Y; p.variacao = e.dY; break;
    case ElementoSecular::Z: p.valor = e.Z; p.variacao = e.dZ; break;
    }
    return p;
}

// A number with `casas` decimals, the locale's separator, no grouping.
QString Numero(double valor, int casas, const QLocale& locale)
{
    return QString::number(valor, 'f', casas).replace(u'.', locale.decimalPoint()).replace(u'-', locale.negativeSign());
}

}  // namespace

PontoSecular PontoDoCalculo(const ElementosCampo& e, ElementoSecular elemento, double anoDecimal)
{
    return Ponto(e, elemento, anoDecimal);
}

PontoSecular PontoIgrf14(AvaliadorIgrf14& igrf, ElementoSecular elemento, double latitude, double longitude,
                         double anoDecimal)
{
    const auto e = igrf.campo(latitude, longitude, anoDecimal);
    if (!e)
        return {static_cast<int>(std::floor(anoDecimal)), anoDecimal, NaN, NaN};
    PontoSecular p = Ponto(ElementosDoIgrf(*e), elemento, anoDecimal);
    if (elemento == ElementoSecular::H) {
        p.valor = e->H;
        p.variacao = e->dH;
    }
    return p;
}

std::vector<PontoSecular> SerieIgrf14(AvaliadorIgrf14& igrf, ElementoSecular elemento, double latitude,
                                      double longitude)
{
    std::vector<PontoSecular> serie;
    serie.reserve(130);
    for (int ano = 1900; ano <= 2029; ++ano)
        serie.push_back(PontoIgrf14(igrf, elemento, latitude, longitude, AnoDecimal(1, 7, ano)));
    return serie;
}

std::vector<PontoSecular> SerieRegional(const ConjuntosCoeficientes& c, ElementoSecular elemento, double latitude,
                                        double longitude)
{
    std::vector<PontoSecular> serie;
    for (int ano = 1995; ano <= 2005; ++ano) {
        const double anoDecimal = AnoDecimal(1, 7, ano);
        const ResultadoModelo r = CalculaCampo(c.declinacao, c.inclinacao, c.intensidade, latitude + 15,
                                               longitude + 55, anoDecimal - 1990);
        if (!r.elementos)
            return {};
        serie.push_back(Ponto(*r.elementos, elemento, anoDecimal));
    }
    return serie;
}

bool Angular(ElementoSecular elemento)
{
    return elemento == ElementoSecular::D || elemento == ElementoSecular::I;
}

QString SiglaSecular(ElementoSecular elemento)
{
    static const char* const siglas[] = {"D", "I", "F", "H", "X", "Y", "Z"};
    return QString::fromLatin1(siglas[static_cast<int>(elemento)]);
}

QString NomeElementoSecular(ElementoSecular elemento)
{
    static const char* const nomes[] = {"Declinação", "Inclinação", "Intensidade total", "Componente horizontal",
                                        "Componente norte", "Componente leste", "Componente vertical"};
    return QString::fromUtf8(nomes[static_cast<int>(elemento)]) + QStringLiteral(" (") + SiglaSecular(elemento) + u')';
}

QString UnidadeSecular(ElementoSecular elemento)
{
    return Angular(elemento) ? QStringLiteral("graus") : QStringLiteral("nT");
}

QString UnidadeVariacaoSecular(ElementoSecular elemento)
{
    return Angular(elemento) ? QStringLiteral("'/ano") : QStringLiteral("nT/ano");
}

QString TextoValorSecular(ElementoSecular elemento, double valor, const QLocale& locale)
{
    if (!Angular(elemento))
        return FormataPadrao(valor, Padrao::UmaDecimal, locale) + QStringLiteral(" nT");
    // Whole seconds, half away from zero, then degrees, minutes and seconds.
    const GrausMinutosSegundos g = SeparaSegundos(std::llround(valor * 3600));
    return (g.negativo ? QStringLiteral("-") : QString()) + FormataPadrao(static_cast<double>(g.graus), Padrao::Inteiro, locale) +
           u'\u00B0' + FormataPadrao(g.minutos, Padrao::DoisDigitos, locale) + u'\'' +
           FormataPadrao(g.segundos, Padrao::DoisDigitos, locale) + QStringLiteral("''");
}

QString TextoVariacaoSecular(ElementoSecular elemento, double variacao, const QLocale& locale)
{
    return FormataPadrao(variacao, Padrao::UmaDecimal, locale) + (Angular(elemento) ? QStringLiteral("'/ano")
                                                                                     : QStringLiteral(" nT/ano"));
}

std::vector<double> MarcasEixoSecular(ElementoSecular elemento, double minimo, double maximoValor, int maximo)
{
    static const double passosAngulo[] = {1.0 / 60, 2.0 / 60, 5.0 / 60, 10.0 / 60, 15.0 / 60, 0.5, 1, 2, 5, 10, 20, 45};
    std::vector<double> passos;
    if (Angular(elemento))
        passos.assign(std::begin(passosAngulo), std::end(passosAngulo));
    else
        for (double potencia = 1; potencia <= 1e5; potencia *= 10)
            for (const double k : {1.0, 2.0, 5.0})
                passos.push_back(k * potencia);
    std::vector<double> marcas;
    if (!(minimo <= maximoValor) || !std::isfinite(minimo) || !std::isfinite(maximoValor))
        return marcas;
    for (const double passo : passos) {
        const double primeiro = std::ceil(minimo / passo - 1e-9), ultimo = std::floor(maximoValor / passo + 1e-9);
        if (ultimo - primeiro + 1 <= maximo) {
            for (double k = primeiro; k <= ultimo; ++k)
                marcas.push_back(k * passo);
            return marcas;
        }
    }
    return marcas;
}

QString TextoMarcaSecular(ElementoSecular elemento, double valor, const QLocale& locale)
{
    if (!Angular(elemento))
        return FormataPadrao(valor, Padrao::Inteiro, locale);
    const GrausMinutosSegundos g = SeparaSegundos(std::llround(valor * 60) * 60);
    return (g.negativo ? QStringLiteral("-") : QString()) + FormataPadrao(static_cast<double>(g.graus), Padrao::Inteiro, locale) +
           u'\u00B0' + FormataPadrao(g.minutos, Padrao::DoisDigitos, locale) + u'\'';
}

QString TabelaSecular(const std::vector<PontoSecular>& serie, ElementoSecular elemento, const QLocale& locale)
{
    const QString sigla = SiglaSecular(elemento);
    const bool angular = Angular(elemento);
    QString texto = QStringLiteral("Ano\tAno decimal\t%1 (%2)\t").arg(sigla, UnidadeSecular(elemento));
    if (angular)
        texto += sigla + QStringLiteral(" (graus, minutos e segundos)\t");
    texto += QStringLiteral("Variação anual de %1 (%2)\n").arg(sigla, UnidadeVariacaoSecular(elemento));
    for (const PontoSecular& p : serie) {
        texto += QString::number(p.ano) + u'\t' + Numero(p.anoDecimal, 5, locale) + u'\t' +
                 Numero(p.valor, angular ? 6 : 1, locale) + u'\t';
        if (angular)
            texto += TextoValorSecular(elemento, p.valor, locale) + u'\t';
        texto += Numero(p.variacao, angular ? 2 : 1, locale) + u'\n';
    }
    return texto;
}

}  // namespace ceravel
