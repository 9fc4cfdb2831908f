// SPDX-License-Identifier: GPL-3.0-or-later
// The secular variation chart's core: yearly values against the models, the copied table, texts, axis ticks.
#include "calc/AnoDecimal.h"
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "present/VariacaoSecular.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

namespace ceravel {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);
constexpr double Lat = -23.55, Lon = -46.63;

double Esperado(const igrf::ElementosIgrf& e, ElementoSecular elemento, bool variacao)
{
    switch (elemento) {
    case ElementoSecular::D: return variacao ? static_cast<float>(e.dD * 60) : static_cast<float>(e.D);
    case ElementoSecular::I: return variacao ? static_cast<float>(e.dI * 60) : static_cast<float>(e.I);
    case ElementoSecular::F: return variacao ? static_cast<float>(e.dF) : static_cast<float>(e.F);
    case ElementoSecular::H: return variacao ? e.dH : e.H;
    case ElementoSecular::X: return variacao ? e.dX : e.X;
    case ElementoSecular::Y: return variacao ? e.dY : e.Y;
    case ElementoSecular::Z: return variacao ? e.dZ : e.Z;
    }
    return NAN;
}

// 1 July of 1900 to 2029 under IGRF-14; 1995 to 2005 under the regional model.
TEST(VariacaoSecular, SeriesNasDatasENosValoresDosModelos)
{
    const LeituraIgrf14 igrf = CarregaIgrf14(PastaDados);
    const LeituraConjuntos regional = LeConjuntos(PastaDados);
    ASSERT_TRUE(igrf.modelo && regional.conjuntos);
    AvaliadorIgrf14 avaliador(*igrf.modelo);
    for (int k = 0; k <= static_cast<int>(ElementoSecular::Z); ++k) {
        const auto elemento = static_cast<ElementoSecular>(k);
        SCOPED_TRACE(SiglaSecular(elemento).toStdString());
        const auto serie = SerieIgrf14(avaliador, elemento, Lat, Lon);
        ASSERT_EQ(serie.size(), 130u);
        for (const std::size_t i : {0u, 57u, 125u, 129u}) {
            const int ano = 1900 + static_cast<int>(i);
            const auto e = CampoIgrf14(*igrf.modelo, Lat, Lon, AnoDecimal(1, 7, ano));
            ASSERT_TRUE(e);
            EXPECT_EQ(serie[i].ano, ano);
            EXPECT_EQ(serie[i].valor, Esperado(*e, elemento, false)) << ano;
            EXPECT_EQ(serie[i].variacao, Esperado(*e, elemento, true)) << ano;
        }
        const auto r = SerieRegional(*regional.conjuntos, elemento, Lat, Lon);
        ASSERT_EQ(r.size(), 11u);
        const ResultadoModelo m = CalculaCampo(regional.conjuntos->declinacao, regional.conjuntos->inclinacao,
                                               regional.conjuntos->intensidade, Lat + 15, Lon + 55,
                                               AnoDecimal(1, 7, 2005) - 1990);
        ASSERT_TRUE(m.elementos);
        EXPECT_EQ(r.back().ano, 2005);
        EXPECT_EQ(r.back().valor, PontoDoCalculo(*m.elementos, elemento, 0).valor);
        // The regional fit follows IGRF-14 closely inside Brazil, and each
        // variation is its series' slope: a year's change is about the mean of
        // the variations at its two ends ('/year for angles, nT/year else).
        EXPECT_NEAR(r.back().valor, serie[105].valor, Angular(elemento) ? 0.25 : 150);
        EXPECT_NEAR((r[10].valor - r[9].valor) * (Angular(elemento) ? 60 : 1), (r[10].variacao + r[9].variacao) / 2,
                    Angular(elemento) ? 0.05 : 0.5);
    }
}

// What a spreadsheet reads from "Copiar tabela" is the series itself.
TEST(VariacaoSecular, TabelaLidaDeVoltaEmCadaLocale)
{
    const LeituraIgrf14 igrf = CarregaIgrf14(PastaDados);
    ASSERT_TRUE(igrf.modelo);
    AvaliadorIgrf14 avaliador(*igrf.modelo);
    const struct {
        QLocale locale;
        ElementoSecular elemento;
        double tolerancia, toleranciaVariacao;
    } casos[] = {
        {QLocale::c(), ElementoSecular::D, 5e-7, 5e-3},
        {QLocale(QLocale::German, QLocale::Germany), ElementoSecular::Z, 0.05, 0.05},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + SiglaSecular(c.elemento).toStdString());
        const auto serie = SerieIgrf14(avaliador, c.elemento, Lat, Lon);
        const QStringList linhas = TabelaSecular(serie, c.elemento, c.locale).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(linhas.size(), 131);
        for (int i = 0; i < 130; ++i) {
            const QStringList campos = linhas[i + 1].split(u'\t');
            ASSERT_EQ(campos.size(), Angular(c.elemento) ? 5 : 4) << linhas[i + 1].toStdString();
            bool ok[3] = {};
            EXPECT_EQ(campos[0].toInt(), serie[i].ano);
            EXPECT_NEAR(c.locale.toDouble(campos[1], &ok[0]), serie[i].anoDecimal, 5e-6);
            EXPECT_NEAR(c.locale.toDouble(campos[2], &ok[1]), serie[i].valor, c.tolerancia);
            EXPECT_NEAR(c.locale.toDouble(campos.back(), &ok[2]), serie[i].variacao, c.toleranciaVariacao);
            EXPECT_TRUE(ok[0] && ok[1] && ok[2]) << linhas[i + 1].toStdString();
        }
    }
}

TEST(VariacaoSecular, TextosEMarcasDoEixo)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    const struct {
        QString obtido, esperado;
    } textos[] = {
        {TextoValorSecular(ElementoSecular::D, -21.125, br), QStringLiteral("-21°07'30''")},
        {TextoValorSecular(ElementoSecular::D, -0.5 / 3600, br), QStringLiteral("-0°00'01''")},
        {TextoValorSecular(ElementoSecular::I, 59.99999, br), QStringLiteral("60°00'00''")},
        {TextoValorSecular(ElementoSecular::F, 23456.74, br), QStringLiteral("23456,7 nT")},
        {TextoVariacaoSecular(ElementoSecular::D, -7.46, br), QStringLiteral("-7,5'/ano")},
        {TextoMarcaSecular(ElementoSecular::D, -21.25, br), QStringLiteral("-21°15'")},
    };
    for (const auto& t : textos)
        EXPECT_EQ(t.obtido, t.esperado);

    const struct {
        ElementoSecular elemento;
        double minimo, maximo, passo, primeiro;
        std::size_t marcas;
    } eixos[] = {
        {ElementoSecular::D, -21.3, -20.9, 5.0 / 60, -21.25, 5},
        {ElementoSecular::F, 22000, 24500, 500, 22000, 6},
    };
    for (const auto& e : eixos) {
        const auto m = MarcasEixoSecular(e.elemento, e.minimo, e.maximo);
        ASSERT_EQ(m.size(), e.marcas) << e.minimo;
        EXPECT_NEAR(m[0], e.primeiro, 1e-9);
        EXPECT_NEAR(m[1] - m[0], e.passo, 1e-9);
    }
}

}  // namespace
}  // namespace ceravel
