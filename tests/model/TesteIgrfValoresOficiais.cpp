// SPDX-License-Identifier: GPL-3.0-or-later
// The IGRF evaluator against other programs' values: the IAGA routine's 4000 IGRF-14 points (geocentric and
// geodetic input) and NOAA's sample output with annual changes (IGRF-13); see tests/data/igrf/FONTE.md.
#include "model/igrf/LeModeloIgrf.h"
#include "tests/model/TabelaIgrfTeste.h"
#include "model/igrf/CalculaIgrf.h"
#include "model/igrf/PalavrasTexto.h"
#include "model/igrf/PosicaoGeodetica.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <numbers>

namespace ceravel::igrf {
namespace {

const std::string pastaTeste = std::string(CERAVEL_DADOS_TESTE) + "/igrf/";
constexpr double grau = std::numbers::pi / 180.0;

// Rows: date, height or radius (km), colatitude, east longitude (deg), X, Y, Z, F (nT).
std::vector<std::array<double, 8>> LePontos(const std::string& nome) {
    std::vector<std::array<double, 8>> pontos;
    for (const auto& linha : LinhasArquivo(pastaTeste + nome).value_or(std::vector<std::string>{})) {
        const auto p = Palavras(linha);
        std::array<double, 8> v;
        for (std::size_t k = 0; k < v.size(); ++k)
            v[k] = p.size() == v.size() ? Numero(p[k]).value_or(NAN) : NAN;
        if (!p.empty())
            pontos.push_back(v);
    }
    return pontos;
}

// The reference routine works in single precision (worst point: 4.4e-7 of F); one wrong degree-13 term moves more.
TEST(IgrfOficial, GeocentricAndGeodeticInputMatchAllReferencePoints) {
    const auto& igrf = teste::Igrf14();
    ASSERT_TRUE(igrf.modelo) << igrf.erro;
    const auto geocentricos = LePontos("IGRF14_test_geocentric.txt");
    const auto geodeticos = LePontos("IGRF14_test_geodetic.txt");
    ASSERT_TRUE(geocentricos.size() == 2000u && geodeticos.size() == 2000u);
    for (std::size_t i = 0; i < geocentricos.size(); ++i) {
        const auto &c = geocentricos[i], &d = geodeticos[i];
        const auto coef = CoeficientesEm(*igrf.modelo, c[0]);
        const double altura = c[1] - SemiEixoWgs84Km;  // the geodetic file rounds it to 0.01 km
        const auto e = CalculaIgrf(*igrf.modelo, 90.0 - d[2], d[3], altura, d[0]);
        ASSERT_TRUE(coef && e) << "row " << i + 1;
        const VetorCampo v = CampoGeocentrico(coef->valor, c[1], c[2] * grau, c[3] * grau);
        const std::array<double, 4> calculados[] = {{v.X, v.Y, v.Z, std::hypot(v.X, v.Y, v.Z)},
                                                    {e->X, e->Y, e->Z, e->F}};
        const std::array<double, 8>* esperados[] = {&c, &d};
        for (std::size_t f = 0; f < 2; ++f)
            for (std::size_t k = 0; k < 4; ++k)
                EXPECT_NEAR(calculados[f][k], (*esperados[f])[4 + k], 1e-6 * (*esperados[f])[7])
                    << (f == 0 ? "geocentric" : "geodetic") << " row " << i + 1 << " column " << 5 + k;
    }
}

// "43,22,1" or "-30,8," (degrees, minutes, seconds; the sign covers all) or a decimal.
double GrausDoTexto(const std::string& texto) {
    int g = 0, m = 0, s = 0;
    if (texto.find(',') == std::string::npos || std::sscanf(texto.c_str(), "%d,%d,%d", &g, &m, &s) < 2)
        return Numero(texto).value_or(NAN);
    const double modulo = std::abs(g) + m / 60.0 + s / 3600.0;
    return texto.starts_with('-') ? -modulo : modulo;
}

// "2018,10,7" counts the given day as elapsed: year + day of year / days in the year.
double AnoDoTexto(const std::string& texto) {
    using namespace std::chrono;
    int a = 0;
    unsigned m = 0, d = 0;
    if (std::sscanf(texto.c_str(), "%d,%u,%u", &a, &m, &d) != 3)
        return Numero(texto).value_or(NAN);
    const auto diaDoAno = (sys_days{year{a} / month{m} / day{d}} - sys_days{year{a} / January / 0}).count();
    return a + diaDoAno / (year{a}.is_leap() ? 366.0 : 365.0);
}

// "K100" km, "M1042" metres, "F30000" feet.
double AlturaKmDoTexto(const std::string& texto) {
    const double v = Numero(std::string_view(texto).substr(1)).value_or(NAN);
    return texto[0] == 'K' ? v : texto[0] == 'M' ? v / 1000.0 : texto[0] == 'F' ? v * 0.3048 / 1000.0 : NAN;
}

// "15d" "21m", or "0d" "-48m": the minutes carry the sign when the degrees are 0.
double MinutosDoTexto(const std::string& graus, const std::string& minutos) {
    const int g = std::atoi(graus.c_str()), m = std::atoi(minutos.c_str());
    return graus.starts_with('-') ? g * 60.0 - m : g * 60.0 + m;
}

// NOAA's change is the field one year on along the current slope minus the field now: the rate itself for X, Y,
// Z, the chain-rule rate halfway for D, I, H, F. It keeps the date in single precision (up to 0.006 nT here),
// so each value may differ by half its printed step plus 0.01.
TEST(IgrfAmostraNoaa, ElementsAndAnnualChangesMatchTheSample) {
    auto leitura = LeArquivoShc(pastaTeste + "IGRF13.SHC");
    ASSERT_TRUE(leitura.modelo) << leitura.erro;
    ModeloIgrf& modelo = *leitura.modelo;
    // The last column is 2020 carried by its secular variation: the slope goes on.
    const auto ultimo = CoeficientesEm(modelo, modelo.epocas.back() - 1.0);
    ASSERT_TRUE(ultimo);
    modelo.variacaoFinal = ultimo->taxa;

    const auto linhas = LinhasArquivo(pastaTeste + "sample_out_IGRF13.txt");
    ASSERT_TRUE(linhas && linhas->size() == 21u);
    for (std::size_t i = 1; i < linhas->size(); ++i) {
        SCOPED_TRACE((*linhas)[i]);
        const auto palavras = Palavras((*linhas)[i]);
        const std::vector<std::string> p(palavras.begin(), palavras.end());
        ASSERT_EQ(p.size(), 21u);
        const double ano = AnoDoTexto(p[0]), lat = GrausDoTexto(p[3]), lon = GrausDoTexto(p[4]);
        const double distancia = AlturaKmDoTexto(p[2]);  // height, or radius when geocentric ("C")
        std::optional<ElementosIgrf> e;
        if (p[1] == "D")
            e = CalculaIgrf(modelo, lat, lon, distancia, ano);
        else if (const auto c = CoeficientesEm(modelo, ano))
            e = Elementos(CampoGeocentrico(c->valor, distancia, (90.0 - lat) * grau, lon * grau),
                          CampoGeocentrico(c->taxa, distancia, (90.0 - lat) * grau, lon * grau));
        ASSERT_TRUE(e);
        const VetorCampo taxa{e->dX, e->dY, e->dZ};
        const ElementosIgrf meio = Elementos({e->X + taxa.X / 2, e->Y + taxa.Y / 2, e->Z + taxa.Z / 2}, taxa);
        const double calculados[] = {e->D * 60,    e->I * 60,    e->H,    e->X,    e->Y,    e->Z,    e->F,
                                     meio.dD * 60, meio.dI * 60, meio.dH, meio.dX, meio.dY, meio.dZ, meio.dF};
        std::vector<double> impressos{MinutosDoTexto(p[5], p[6]), MinutosDoTexto(p[7], p[8])};
        for (std::size_t k = 9; k < 21; ++k)
            impressos.push_back(Numero(p[k]).value_or(NAN));
        for (std::size_t k = 0; k < impressos.size(); ++k)
            EXPECT_NEAR(calculados[k], impressos[k], (k < 2 ? 0.5 : 0.05) + 0.01) << "value " << k + 1;
    }
}

}  // namespace
}  // namespace ceravel::igrf
