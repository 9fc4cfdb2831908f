#include "export/LinhasExportacao.h"

#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace ceravel {
namespace {

// A whole calculation as the Calculate command would hand it over: the boxes
// as typed, the validated position with its export texts, the model results
// and their texts produced by the presentation step under `locale`.
Calculo UmCalculo(const QLocale& locale, const QString& longitudeDecimal, const QString& longExp,
                  const QString& latExp)
{
    Calculo c;
    c.entrada.dia = QStringLiteral("05");
    c.entrada.mes = QStringLiteral("6");
    c.entrada.ano = QStringLiteral("2000");
    c.entrada.formaLatitude = FormaEntrada::GrausMinutosSegundos;
    c.entrada.latG = QStringLiteral("-27");
    c.entrada.latM = QStringLiteral("35");
    c.entrada.latS = QStringLiteral("10");
    c.entrada.formaLongitude = FormaEntrada::GrausDecimais;
    c.entrada.lonGraus = longitudeDecimal;
    c.pedido.latExp = latExp;
    c.pedido.longExp = longExp;
    c.pedido.anoDecimal = 2000.0 + 157.0 / 366.0;
    c.elementos.D = -21.125f;
    c.elementos.I = -30.125f;
    c.elementos.F = 23456.74f;
    c.elementos.X = 18820.04;
    c.elementos.Y = -7283.96;
    c.elementos.Z = -11768.25;
    c.elementos.m = -7.5f;
    c.elementos.n = -1.234f;
    c.elementos.dF = -25.5f;
    c.elementos.dX = 3.004;
    c.elementos.dY = -10.125;
    c.elementos.dZ = 12.0;
    c.textos = FormataResultados(c.elementos, c.pedido.anoDecimal, c.entrada, locale);
    return c;
}

struct CasoLinhas {
    const char* nome;
    Calculo calculo;
    std::vector<const char16_t*> linhas;
};

void PrintTo(const CasoLinhas& c, std::ostream* os) { *os << c.nome; }

class LinhasExportacaoTeste : public testing::TestWithParam<CasoLinhas> {};

TEST_P(LinhasExportacaoTeste, GoldenLines)
{
    const QStringList linhas = LinhasExportacao(GetParam().calculo);
    const std::vector<const char16_t*>& esperadas = GetParam().linhas;
    ASSERT_EQ(linhas.size(), qsizetype(esperadas.size()));
    for (std::size_t i = 0; i < esperadas.size(); ++i)
        EXPECT_EQ(linhas[qsizetype(i)], QString::fromUtf16(esperadas[i])) << "line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LinhasExportacaoTeste,
    testing::Values(
        CasoLinhas{"FullStop",
                   UmCalculo(QLocale::c(), QStringLiteral("-48.50"), QStringLiteral("-48.50"),
                             QStringLiteral("-27.5861111111111")),
                   {u"Vestrada", u"Ceravel", u"", u"", u"",
                    u"Data;05;6;2000",
                    u"\u00C9poca;2000.42896174863",
                    u"",
                    u"Longitude;-48.50",
                    u"Latitude;-27.5861111111111",
                    u"", u"",
                    u"COMPONENTES",
                    u"Componentes Campo Geomagn\u00E9tico do Brasil;;;Variacao",
                    u"X;18820.0;;3.00 nT/ano",
                    u"Y;-7284.0;;-10.13 nT/ano",
                    u"Z;-11768.3;;12.00 nT/ano",
                    u"",
                    u"Intensidade Total",
                    u"F;23456.7;;-25.50 nT/ano",
                    u"",
                    u"Ceravel",
                    u"D;-21\u00BA07'30'';;-7'30''/ano",
                    u"",
                    u"Inclina\u00E7\u00E3o",
                    u"I;-30\u00BA7.50';;-1.23 '/ano"}},
        CasoLinhas{"DecimalComma",
                   UmCalculo(QLocale(QStringLiteral("pt_BR")), QStringLiteral("-48,50"),
                             QStringLiteral("-48,50"), QStringLiteral("-27,5861111111111")),
                   {u"Vestrada", u"Ceravel", u"", u"", u"",
                    u"Data;05;6;2000",
                    u"\u00C9poca;2000,42896174863",
                    u"",
                    u"Longitude;-48,50",
                    u"Latitude;-27,5861111111111",
                    u"", u"",
                    u"COMPONENTES",
                    u"Componentes Campo Geomagn\u00E9tico do Brasil;;;Variacao",
                    u"X;18820,0;;3,00 nT/ano",
                    u"Y;-7284,0;;-10,13 nT/ano",
                    u"Z;-11768,3;;12,00 nT/ano",
                    u"",
                    u"Intensidade Total",
                    u"F;23456,7;;-25,50 nT/ano",
                    u"",
                    u"Ceravel",
                    u"D;-21\u00BA07'30'';;-7'30''/ano",
                    u"",
                    u"Inclina\u00E7\u00E3o",
                    u"I;-30\u00BA7,50';;-1,23 '/ano"}}),
    [](const auto& info) { return std::string(info.param.nome); });

// The line for an inclination between -1 and 0 keeps the sign of the angle.
TEST(LinhasExportacao, InclinationBetweenMinusOneAndZero)
{
    Calculo c = UmCalculo(QLocale::c(), QStringLiteral("-48.5"), QStringLiteral("-48.5"), QStringLiteral("-27.5"));
    c.elementos.I = -0.5f;
    c.textos = FormataResultados(c.elementos, c.pedido.anoDecimal, c.entrada, QLocale::c());
    EXPECT_EQ(LinhasExportacao(c).at(25), QString::fromUtf16(u"I;-0\u00BA30.00';;-1.23 '/ano"));
}

}  // namespace
}  // namespace ceravel
