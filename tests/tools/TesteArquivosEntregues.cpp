// The shipped coefficient files against IGRF-14 at points the fit never saw,
// read by the program's own reader and evaluated by its own CalculaElemento
// and CalculaVariacao.
#include "model/LeCoeficientes.h"
#include "tools/ajuste/AmostrasIgrf.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/igrf/LeModeloIgrf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ceravel::ajuste {
namespace {

const std::string pastaDados = CERAVEL_DADOS_PROJETO;

// Both ends, then inicio + desvio + k·passo up to fim: a grid unrelated to
// the fit's own (1°, half a year) and to its held-out grid (offset by half).
std::vector<double> Valores(double inicio, double fim, double desvio, double passo) {
    std::vector<double> v{inicio};
    for (double x = inicio + desvio; x < fim; x += passo) {
        v.push_back(x);
    }
    v.push_back(fim);
    return v;
}

std::vector<PontoAmostra> GradeIndependente() {
    std::vector<PontoAmostra> pontos;
    for (const double lat : Valores(LatitudeMinima, LatitudeMaxima, 0.35, 0.9)) {
        for (const double lon : Valores(LongitudeMinima, LongitudeMaxima, 0.35, 0.9)) {
            for (const double ano : Valores(AnoInicial, AnoFinal, 0.35, 0.8)) {
                pontos.push_back({lat, lon, ano});
            }
        }
    }
    return pontos;
}

class ArquivosEntregues : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto igrf = igrf::LeTabelaIgrf(pastaDados + "/igrf14coeffs.txt");
        const auto brasil = LeContorno(pastaDados + "/brasil-contorno.txt");
        ASSERT_TRUE(igrf.modelo) << igrf.erro;
        ASSERT_TRUE(brasil.contorno) << brasil.erro;
        auto pontos = AmostraIgrf(*igrf.modelo, *brasil.contorno, GradeIndependente(), 0.0);
        ASSERT_TRUE(pontos);
        amostras = new std::vector<Amostra>(std::move(*pontos));
    }
    static void TearDownTestSuite() { delete amostras; }
    static inline std::vector<Amostra>* amostras = nullptr;
};

// The goals, except where the fit measured that 31 terms cannot reach one:
// inclination's Brazil RMS (5' asked, 5.34' shipped on the fit's held-out
// grid, the box's 2° worst case kept instead; data/ajuste-igrf.md shows the
// trade-off).
struct Limites {
    const char* nome;
    Elemento elemento;
    double rmsBrasil, maxBrasil, maxCaixa, rmsTaxaBrasil;
};

class ArquivoEntregue : public ArquivosEntregues, public ::testing::WithParamInterface<Limites> {};

TEST_P(ArquivoEntregue, ReproducesIgrfWithinItsGoals) {
    const Limites& l = GetParam();
    const auto lidos = LeCoeficientes(QString::fromStdString(pastaDados), Descricao(l.elemento).arquivo);
    ASSERT_TRUE(lidos.coeficientes) << lidos.erro.toStdString();
    const Residuos r = AvaliaAjuste(*amostras, l.elemento, *lidos.coeficientes);
    ASSERT_GT(r.pontosBrasil, 10000u);
    EXPECT_LE(r.rmsBrasil, l.rmsBrasil);
    EXPECT_LE(r.maxBrasil, l.maxBrasil) << "at " << r.piorBrasil.latitude << " " << r.piorBrasil.longitude << " "
                                        << r.piorBrasil.ano;
    EXPECT_LE(r.maxCaixa, l.maxCaixa) << "at " << r.piorCaixa.latitude << " " << r.piorCaixa.longitude << " "
                                      << r.piorCaixa.ano;
    EXPECT_LE(r.rmsTaxaBrasil, l.rmsTaxaBrasil);
}

INSTANTIATE_TEST_SUITE_P(AjusteIgrf, ArquivoEntregue,
                         ::testing::Values(Limites{"Declination", Elemento::D, 1.0, 3.0, 30.0, 0.3},
                                           Limites{"Inclination", Elemento::I, 5.4, 12.0, 120.0, 0.7},
                                           Limites{"Intensity", Elemento::F, 10.0, 25.0, 200.0, 2.0}),
                         [](const auto& info) { return std::string(info.param.nome); });

// --- The residual statistics themselves --------------------------------------------

// A set that is IGRF's value plus a known offset can only come from a constant
// polynomial against a constant field: residual = offset everywhere.
TEST(AvaliaAjuste, ConstantOffsetGivesThatOffsetAsRmsAndWorstCase) {
    std::vector<Amostra> pontos;
    for (int i = 0; i < 6; ++i) {
        Amostra a;
        a.ponto = {-10.0 + i, -50.0, 2000.0};
        a.noBrasil = i < 4;
        a.igrf.D = -21.0;                  // -20° - 0.1°/yr · 10 yr
        a.igrf.dD = i < 4 ? -0.1 : -0.2;  // the rate misses by 0.1°/yr outside Brazil only
        pontos.push_back(a);
    }
    Coeficientes c;
    c.c(1) = -20.0 + 0.5 / 60.0;  // half a minute above
    c.c(4) = -0.1;                // constant rate; the date is t = 10
    const Residuos r = AvaliaAjuste(pontos, Elemento::D, c);
    EXPECT_EQ(r.pontosBrasil, 4u);
    EXPECT_EQ(r.pontosCaixa, 6u);
    // Near, not equal: the polynomial is rounded to single precision.
    EXPECT_NEAR(r.rmsBrasil, 0.5, 1e-4);
    EXPECT_NEAR(r.maxBrasil, 0.5, 1e-4);
    EXPECT_NEAR(r.maxCaixa, 0.5, 1e-4);
    EXPECT_NEAR(r.rmsTaxaBrasil, 0.0, 1e-4);
    EXPECT_NEAR(r.maxTaxaCaixa, 6.0, 1e-4);  // 0.1°/yr in minutes
}

}  // namespace
}  // namespace ceravel::ajuste
