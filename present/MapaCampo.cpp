// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/MapaCampo.h"

#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"
#include "present/FormataResultados.h"
#include "present/Formatacao.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

namespace ceravel {

namespace {

constexpr double LatitudeCentral = (LatitudeMinimaMapa + LatitudeMaximaMapa) / 2;

constexpr double PassosGraus[] = {1, 2, 5, 10}, PassosInclinacao[] = {5, 10, 20},
                 PassosIntensidade[] = {1000, 2000, 5000};

std::span<const double> Passos(ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao:
    case ElementoMapa::VariacaoDeclinacao: return PassosGraus;
    case ElementoMapa::Inclinacao: return PassosInclinacao;
    case ElementoMapa::Intensidade: return PassosIntensidade;
    }
    return PassosGraus;
}

// Number with at most one decimal, trailing zero dropped, the locale's separator.
QString UmaDecimalCurta(double valor, const QLocale& locale)
{
    const double arredondado = std::round(valor * 10) / 10;
    return arredondado == std::trunc(arredondado) ? FormataPadrao(arredondado, Padrao::Inteiro, locale)
                                                  : FormataPadrao(arredondado, Padrao::UmaDecimal, locale);
}

}  // namespace

double ValorDoElemento(const ElementosCampo& e, ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao: return e.D;
    case ElementoMapa::Inclinacao: return e.I;
    case ElementoMapa::Intensidade: return e.F;
    case ElementoMapa::VariacaoDeclinacao: return e.m;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double ValorElementoMapa(const ConjuntosCoeficientes& c, ElementoMapa elemento, double latitude,
                         double longitude, double t)
{
    // x and y as the checks of the Calculate command form them.
    const double x = latitude + 15, y = longitude + 55;
    switch (elemento) {
    case ElementoMapa::Declinacao: return CalculaElemento(x, y, c.declinacao, t);
    case ElementoMapa::Inclinacao: return CalculaElemento(x, y, c.inclinacao, t);
    case ElementoMapa::Intensidade: return CalculaElemento(x, y, c.intensidade, t);
    case ElementoMapa::VariacaoDeclinacao: {
        // m = dD × 60 in single precision, as DerivaComponentes forms it.
        const float dD = CalculaVariacao(x, y, c.declinacao, t);
        return dD * 60.0f;
    }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double ValorElementoMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double latitude, double longitude,
                         double ano)
{
    const auto e = igrf.campo(latitude, longitude, ano, elemento == ElementoMapa::VariacaoDeclinacao);
    return e ? ValorDoElemento(ElementosDoIgrf(*e), elemento) : std::numeric_limits<double>::quiet_NaN();
}

QString TextoEpocaMapa(double anoDecimal, const QLocale& locale)
{
    QString texto = QString::number(anoDecimal, 'f', 3).replace(u'.', locale.decimalPoint());
    const QString separador = locale.decimalPoint();
    while (texto.endsWith(u'0'))
        texto.chop(1);
    if (texto.endsWith(separador))
        texto.chop(separador.size());
    return texto;
}

namespace {

// A node's coordinates; the last node sits exactly on the box's edge.
double LatitudeDoNo(const GradeValores& g, int j)
{
    return j + 1 == g.linhas ? LatitudeMaximaMapa : g.y0 + j * g.dy;
}

double LongitudeDoNo(const GradeValores& g, int i)
{
    return i + 1 == g.colunas ? LongitudeMaximaMapa : g.x0 + i * g.dx;
}

// The grid's nodes over the box, each value from `valor(latitude, longitude)`.
template <class Valor>
GradeValores Grade(int colunas, int linhas, Valor valor)
{
    GradeValores g;
    if (colunas < 2 || linhas < 2)
        return g;
    g.colunas = colunas;
    g.linhas = linhas;
    g.x0 = LongitudeMinimaMapa;
    g.y0 = LatitudeMinimaMapa;
    g.dx = (LongitudeMaximaMapa - LongitudeMinimaMapa) / (colunas - 1);
    g.dy = (LatitudeMaximaMapa - LatitudeMinimaMapa) / (linhas - 1);
    g.valores.resize(static_cast<std::size_t>(colunas) * linhas);
    for (int j = 0; j < linhas; ++j) {
        const double lat = LatitudeDoNo(g, j);
        for (int i = 0; i < colunas; ++i) {
            const double lon = LongitudeDoNo(g, i);
            const double v = valor(lat, lon);
            // An overflow of a bad coefficient set leaves the node without data.
            g.valores[static_cast<std::size_t>(j) * colunas + i] =
                std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
        }
    }
    return g;
}

}  // namespace

GradeValores GradeElementoMapa(const ConjuntosCoeficientes& c, ElementoMapa elemento, double t, int colunas,
                               int linhas)
{
    return Grade(colunas, linhas, [&](double lat, double lon) { return ValorElementoMapa(c, elemento, lat, lon, t); });
}

GradeValores GradeElementoMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double ano, int colunas, int linhas)
{
    // Row by row: one latitude's conversion and Legendre functions serve
    // every longitude of the row.
    GradeValores g = Grade(colunas, linhas, [](double, double) { return 0.0; });
    if (g.valores.empty())
        return g;
    std::vector<double> longitudes(static_cast<std::size_t>(colunas));
    for (int i = 0; i < colunas; ++i)
        longitudes[static_cast<std::size_t>(i)] = LongitudeDoNo(g, i);
    std::vector<igrf::ElementosIgrf> linha(longitudes.size());
    const bool taxas = elemento == ElementoMapa::VariacaoDeclinacao;
    for (int j = 0; j < linhas; ++j) {
        const bool ok = igrf.paralelo(LatitudeDoNo(g, j), longitudes, ano, taxas, linha);
        for (int i = 0; i < colunas; ++i) {
            const double v = ok ? ValorDoElemento(ElementosDoIgrf(linha[static_cast<std::size_t>(i)]), elemento)
                                : std::numeric_limits<double>::quiet_NaN();
            g.valores[static_cast<std::size_t>(j) * colunas + i] = std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
        }
    }
    return g;
}

double IntervaloIsolinhas(ElementoMapa elemento, double minimo, double maximo, int maximoLinhas)
{
    // Beyond the element's own steps (a strange coefficient set) the same
    // steps by powers of ten.
    for (double potencia = 1; std::isfinite(potencia); potencia *= 10) {
        for (const double passo : Passos(elemento)) {
            const double linhas = std::floor(maximo / (passo * potencia)) - std::ceil(minimo / (passo * potencia)) + 1;
            if (!(linhas > maximoLinhas))
                return passo * potencia;
        }
    }
    return 1;
}

bool EscalaDivergente(ElementoMapa elemento)
{
    return elemento != ElementoMapa::Intensidade;
}

QString NomeElementoMapa(ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao: return QStringLiteral("Declinação (D)");
    case ElementoMapa::Inclinacao: return QStringLiteral("Inclinação (I)");
    case ElementoMapa::Intensidade: return QStringLiteral("Intensidade total (F)");
    case ElementoMapa::VariacaoDeclinacao: return QStringLiteral("Variação anual da declinação (dD)");
    }
    return {};
}

QString UnidadeElementoMapa(ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao:
    case ElementoMapa::Inclinacao: return QStringLiteral("graus");
    case ElementoMapa::Intensidade: return QStringLiteral("nT");
    case ElementoMapa::VariacaoDeclinacao: return QStringLiteral("minutos de arco por ano");
    }
    return {};
}

QString NomeLinhasMapa(ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao: return QStringLiteral("isogônicas");
    case ElementoMapa::Inclinacao: return QStringLiteral("isoclínicas");
    case ElementoMapa::Intensidade: return QStringLiteral("isodinâmicas");
    case ElementoMapa::VariacaoDeclinacao: return QStringLiteral("isopóricas");
    }
    return {};
}

QString NomeLinhaZeroMapa(ElementoMapa elemento)
{
    switch (elemento) {
    case ElementoMapa::Declinacao: return QStringLiteral("linha agônica (D = 0)");
    case ElementoMapa::Inclinacao: return QStringLiteral("equador magnético (I = 0)");
    case ElementoMapa::Intensidade: return {};
    case ElementoMapa::VariacaoDeclinacao: return QStringLiteral("variação nula (dD = 0)");
    }
    return {};
}

QString TextoValorMapa(ElementoMapa elemento, double valor, const QLocale& locale)
{
    const auto f = static_cast<float>(valor);
    switch (elemento) {
    case ElementoMapa::Declinacao: return TextoDeclinacao(f, locale);
    case ElementoMapa::Inclinacao:
        return TextoGrausInclinacao(f, locale) + u'\u00BA' + TextoMinutosInclinacao(f, locale) + u'\'';
    case ElementoMapa::Intensidade: return FormataPadrao(valor, Padrao::UmaDecimal, locale) + QStringLiteral(" nT");
    case ElementoMapa::VariacaoDeclinacao: return TextoVariacaoDeclinacao(f, locale);
    }
    return {};
}

QString TextoNivelMapa(ElementoMapa elemento, double nivel, const QLocale& locale)
{
    const QString numero = FormataPadrao(nivel, Padrao::Inteiro, locale);
    switch (elemento) {
    case ElementoMapa::Declinacao:
    case ElementoMapa::Inclinacao: return numero + u'\u00B0';
    case ElementoMapa::Intensidade: return numero;
    case ElementoMapa::VariacaoDeclinacao: return numero + u'\'';
    }
    return numero;
}

QString TextoIntervaloMapa(ElementoMapa elemento, double intervalo, const QLocale& locale)
{
    switch (elemento) {
    case ElementoMapa::Intensidade: return TextoNivelMapa(elemento, intervalo, locale) + QStringLiteral(" nT");
    case ElementoMapa::VariacaoDeclinacao: return TextoNivelMapa(elemento, intervalo, locale) + QStringLiteral("/ano");
    default: return TextoNivelMapa(elemento, intervalo, locale);
    }
}

QString TextoCoordenadaMapa(double graus, const QLocale& locale)
{
    // Whole seconds first, so that 59.9996'' carries into the minutes.
    const long long segundos = std::llround(std::fabs(graus) * 3600);
    const QString sinal = graus < 0 && segundos > 0 ? QStringLiteral("-") : QString();
    return sinal + FormataPadrao(static_cast<double>(segundos / 3600), Padrao::Inteiro, locale) + u'\u00B0' +
           FormataPadrao(static_cast<double>(segundos / 60 % 60), Padrao::DoisDigitos, locale) + u'\'' +
           FormataPadrao(static_cast<double>(segundos % 60), Padrao::DoisDigitos, locale) + QStringLiteral("''");
}

ErroMaximoAjuste ErroMaximoMapa(ElementoMapa elemento)
{
    // Held-out maxima of data/ajuste-igrf.md ("Brazil, max" and "whole
    // accepted box, max"); a test reads them back from that file.
    switch (elemento) {
    case ElementoMapa::Declinacao: return {2.49, 28.51};
    case ElementoMapa::Inclinacao: return {11.74, 118.91};
    case ElementoMapa::Intensidade: return {21.63, 190.09};
    case ElementoMapa::VariacaoDeclinacao: return {1.19, 4.66};
    }
    return {0, 0};
}

QString TextoPrecisaoMapa(ElementoMapa elemento, const QLocale& locale)
{
    const ErroMaximoAjuste erro = ErroMaximoMapa(elemento);
    QString unidade;
    switch (elemento) {
    case ElementoMapa::Declinacao:
    case ElementoMapa::Inclinacao: unidade = QStringLiteral("'"); break;
    case ElementoMapa::Intensidade: unidade = QStringLiteral(" nT"); break;
    case ElementoMapa::VariacaoDeclinacao: unidade = QStringLiteral("'/ano"); break;
    }
    return QStringLiteral("Sombreado mais claro: fora do Brasil. O modelo regional foi ajustado ao IGRF "
                          "com peso no território brasileiro; fora dele o erro máximo chega a %1%3, contra "
                          "%2%3 no Brasil.")
        .arg(UmaDecimalCurta(erro.caixa, locale), UmaDecimalCurta(erro.brasil, locale), unidade);
}

QRectF RetanguloRotuloPonto(const QPointF& ponto, const QSizeF& tamanho, const QRectF& caixa)
{
    constexpr double afastamento = 14, folga = 3;
    const double w = tamanho.width(), h = tamanho.height();
    const bool aDireita = ponto.x() + afastamento + w <= caixa.right() - folga;
    double x = aDireita ? ponto.x() + afastamento : ponto.x() - afastamento - w;
    double y = ponto.y() - h / 2;
    x = std::clamp(x, caixa.left() + folga, std::max(caixa.left() + folga, caixa.right() - folga - w));
    y = std::clamp(y, caixa.top() + folga, std::max(caixa.top() + folga, caixa.bottom() - folga - h));
    return {x, y, w, h};
}

ProjecaoMapa::ProjecaoMapa(const QRectF& area)
{
    const double cosseno = std::cos(LatitudeCentral * 3.14159265358979323846 / 180);
    const double largura = (LongitudeMaximaMapa - LongitudeMinimaMapa) * cosseno;
    const double altura = LatitudeMaximaMapa - LatitudeMinimaMapa;
    const double escala = std::max(0.0, std::min(area.width() / largura, area.height() / altura));
    m_escalaX = escala * cosseno;
    m_escalaY = escala;
    const double w = largura * escala, h = altura * escala;
    m_caixa = QRectF(area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2, w, h);
}

QPointF ProjecaoMapa::paraTela(double latitude, double longitude) const
{
    return {m_caixa.left() + (longitude - LongitudeMinimaMapa) * m_escalaX,
            m_caixa.top() + (LatitudeMaximaMapa - latitude) * m_escalaY};
}

PontoPlano ProjecaoMapa::paraGeografico(const QPointF& p) const
{
    if (m_escalaX <= 0 || m_escalaY <= 0)
        return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    return {LongitudeMinimaMapa + (p.x() - m_caixa.left()) / m_escalaX,
            LatitudeMaximaMapa - (p.y() - m_caixa.top()) / m_escalaY};
}

}  // namespace ceravel
