// The IGRF evaluator against reference values computed by other programs:
// the 4000 IGRF-14 points of the IAGA Fortran routine (geodetic and
// geocentric input) and the NOAA sample output with annual changes (IGRF-13).
// Sources: tests/data/igrf/FONTE.md.
#include "tools/igrf/CalculaIgrf.h"
#include "tools/igrf/CampoGeocentrico.h"
#include "tools/igrf/LeModeloIgrf.h"
#include "tools/igrf/PalavrasTexto.h"
#include "tools/igrf/PosicaoGeodetica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

namespace ceravel::igrf {
namespace {

const std::string pastaTeste = std::string(CERAVEL_DADOS_TESTE) + "/igrf/";
const std::string tabelaIgrf14 = std::string(CERAVEL_DADOS_PROJETO) + "/igrf14coeffs.txt";
constexpr double grau = std::numbers::pi / 180.0;

// One row of IGRF14_test_*.txt: date, height (km) or radius (km),
// colatitude (deg), east longitude (deg), X, Y, Z, F (nT).
struct PontoReferencia {
    double ano, alturaOuRaio, colatitude, longitude, X, Y, Z, F;
};

std::vector<PontoReferencia> LePontos(const std::string& nome) {
    std::vector<PontoReferencia> pontos;
    const auto linhas = LinhasArquivo(pastaTeste + nome);
    EXPECT_TRUE(linhas) << nome;
    for (const auto& linha : linhas.value_or(std::vector<std::string>{})) {
        const auto p = Palavras(linha);
        if (p.empty()) {
            continue;
        }
        EXPECT_EQ(p.size(), 8u) << linha;
        double v[8];
        for (std::size_t i = 0; i < 8 && i < p.size(); ++i) {
            v[i] = Numero(p[i]).value_or(NAN);
        }
        pontos.push_back({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
    }
    return pontos;
}

class IgrfOficial : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto leitura = LeTabelaIgrf(tabelaIgrf14);
        ASSERT_TRUE(leitura.modelo) << leitura.erro;
        modelo = new ModeloIgrf(std::move(*leitura.modelo));
    }
    static void TearDownTestSuite() { delete modelo; }
    static inline ModeloIgrf* modelo = nullptr;
};

// The reference routine computes in single precision (about seven significant
// digits; the worst point here differs by 4.4e-7 of F), so the tolerance is a
// fraction of the field's magnitude. A wrong term of degree 13 alone would
// already move some points by more.
constexpr double toleranciaRelativa = 1e-6;

TEST_F(IgrfOficial, GeocentricInputMatchesAllReferencePoints) {
    const auto pontos = LePontos("IGRF14_test_geocentric.txt");
    ASSERT_EQ(pontos.size(), 2000u);
    double pior = 0;
    for (const auto& p : pontos) {
        const auto c = CoeficientesEm(*modelo, p.ano);
        ASSERT_TRUE(c) << p.ano;
        const VetorCampo v = CampoGeocentrico(c->valor, p.alturaOuRaio, p.colatitude * grau, p.longitude * grau);
        const double F = std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z);
        for (const auto& [calculado, esperado] : {std::pair{v.X, p.X}, {v.Y, p.Y}, {v.Z, p.Z}, {F, p.F}}) {
            pior = std::max(pior, std::fabs(calculado - esperado) / p.F);
            EXPECT_NEAR(calculado, esperado, toleranciaRelativa * p.F)
                << "ano " << p.ano << " r " << p.alturaOuRaio << " colat " << p.colatitude << " lon " << p.longitude;
        }
    }
    RecordProperty("worst_relative_difference", std::to_string(pior));
}

TEST_F(IgrfOficial, GeodeticInputMatchesAllReferencePoints) {
    const auto pontos = LePontos("IGRF14_test_geodetic.txt");
    // The generator printed the height rounded to 0.01 km but used r - 6378.137
    // with r from the same row of the geocentric file.
    const auto raios = LePontos("IGRF14_test_geocentric.txt");
    ASSERT_EQ(pontos.size(), raios.size());
    double pior = 0;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const auto& p = pontos[i];
        const double altura = raios[i].alturaOuRaio - SemiEixoWgs84Km;
        ASSERT_NEAR(altura, p.alturaOuRaio, 0.006) << "row " << i;
        const auto e = CalculaIgrf(*modelo, 90.0 - p.colatitude, p.longitude, altura, p.ano);
        ASSERT_TRUE(e) << p.ano;
        for (const auto& [calculado, esperado] : {std::pair{e->X, p.X}, {e->Y, p.Y}, {e->Z, p.Z}, {e->F, p.F}}) {
            pior = std::max(pior, std::fabs(calculado - esperado) / p.F);
            EXPECT_NEAR(calculado, esperado, toleranciaRelativa * p.F)
                << "ano " << p.ano << " h " << altura << " colat " << p.colatitude << " lon " << p.longitude;
        }
    }
    RecordProperty("worst_relative_difference", std::to_string(pior));
}


// --- NOAA sample output (IGRF-13): elements and annual changes ---------------

// "43,22,1" or "-30,8," (degrees, minutes, seconds; the sign covers all) or a
// plain decimal.
double GrausDoTexto(std::string_view texto) {
    double partes[3] = {0, 0, 0};
    std::size_t i = 0;
    for (std::size_t inicio = 0; i < 3 && inicio <= texto.size(); ++i) {
        const std::size_t fim = std::min(texto.find(',', inicio), texto.size());
        if (fim > inicio) {
            partes[i] = Numero(texto.substr(inicio, fim - inicio)).value_or(NAN);
        }
        inicio = fim + 1;
    }
    const double modulo = std::fabs(partes[0]) + partes[1] / 60.0 + partes[2] / 3600.0;
    return texto.starts_with('-') ? -modulo : modulo;
}

// "2018,10,7" counts the given day as elapsed: year + day of year / days in year.
double AnoDoTexto(std::string_view texto) {
    if (texto.find(',') == std::string_view::npos) {
        return Numero(texto).value_or(NAN);
    }
    const auto p = Palavras(std::string(texto).replace(texto.find(','), 1, " ").replace(texto.rfind(','), 1, " "));
    const int ano = static_cast<int>(Numero(p[0]).value_or(0));
    const int mes = static_cast<int>(Numero(p[1]).value_or(0));
    const int dia = static_cast<int>(Numero(p[2]).value_or(0));
    const bool bissexto = (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
    static constexpr int diasAntes[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int diaDoAno = diasAntes[mes - 1] + dia + (bissexto && mes > 2 ? 1 : 0);
    return ano + diaDoAno / (bissexto ? 366.0 : 365.0);
}

// "K100" km, "M1042" metres, "F30000" feet above the ellipsoid.
double AlturaKmDoTexto(std::string_view texto) {
    const double valor = Numero(texto.substr(1)).value_or(NAN);
    switch (texto.front()) {
    case 'K': return valor;
    case 'M': return valor / 1000.0;
    case 'F': return valor * 0.3048 / 1000.0;
    default: return NAN;
    }
}

// "15d" "21m" or "0d" "-48m": the minutes carry the sign when the degrees are 0.
double AnguloDoTexto(std::string_view graus, std::string_view minutos) {
    const double g = Numero(graus.substr(0, graus.size() - 1)).value_or(NAN);
    const double m = Numero(minutos.substr(0, minutos.size() - 1)).value_or(NAN);
    return g < 0 || graus.starts_with('-') ? g - m / 60.0 : g + m / 60.0;
}

// The sample's elements and annual changes. NOAA's program prints as change
// the field one year on along the coefficients' current slope minus the field
// at the date: for X, Y, Z exactly the rate, for D, I, H, F the rate halfway.
// It also keeps the date in single precision (up to 0.006 nT at these rates),
// so every comparison allows half a printed step plus 0.01.
struct LinhaAmostra {
    std::string texto;
    std::optional<ElementosIgrf> agora;
    double ano = 0;
    std::vector<double> impressos;  // columns 9 to 20 as printed
    double D = 0, I = 0;            // minutes of arc
};

std::vector<LinhaAmostra> LeAmostra(const ModeloIgrf& modelo) {
    std::vector<LinhaAmostra> amostra;
    const auto linhas = LinhasArquivo(pastaTeste + "sample_out_IGRF13.txt");
    EXPECT_TRUE(linhas);
    for (std::size_t i = 1; linhas && i < linhas->size(); ++i) {
        const auto p = Palavras((*linhas)[i]);
        if (p.size() != 21) {
            ADD_FAILURE() << (*linhas)[i];
            continue;
        }
        LinhaAmostra l;
        l.texto = (*linhas)[i];
        l.ano = AnoDoTexto(p[0]);
        const double lat = GrausDoTexto(p[3]);
        const double lon = GrausDoTexto(p[4]);
        const auto calcula = [&](double ano) -> std::optional<ElementosIgrf> {
            if (p[1] == "D") {
                return CalculaIgrf(modelo, lat, lon, AlturaKmDoTexto(p[2]), ano);
            }
            // Geocentric rows give the distance from the centre instead of a height.
            const auto c = CoeficientesEm(modelo, ano);
            if (!c) {
                return std::nullopt;
            }
            const double r = AlturaKmDoTexto(p[2]);
            return Elementos(CampoGeocentrico(c->valor, r, (90.0 - lat) * grau, lon * grau),
                             CampoGeocentrico(c->taxa, r, (90.0 - lat) * grau, lon * grau));
        };
        l.agora = calcula(l.ano);
        l.D = AnguloDoTexto(p[5], p[6]) * 60.0;
        l.I = AnguloDoTexto(p[7], p[8]) * 60.0;
        for (std::size_t k = 9; k < 21; ++k) {
            l.impressos.push_back(Numero(p[k]).value_or(NAN));
        }
        amostra.push_back(std::move(l));
    }
    return amostra;
}

class IgrfAmostraNoaa : public ::testing::Test {
protected:
    void SetUp() override {
        auto leitura = LeArquivoShc(pastaTeste + "IGRF13.SHC");
        ASSERT_TRUE(leitura.modelo) << leitura.erro;
        // The file's last column is IGRF 2020 carried five years by its
        // secular variation, so the same slope continues past it.
        auto& m = *leitura.modelo;
        ASSERT_GE(m.epocas.size(), 2u);
        const double passo = m.epocas.back() - m.epocas[m.epocas.size() - 2];
        CoeficientesGauss sv;
        for (int n = 1; n <= CoeficientesGauss::GrauMaximo; ++n) {
            for (int k = 0; k <= n; ++k) {
                sv.g[n][k] = (m.instantaneos.back().g[n][k] - m.instantaneos[m.instantaneos.size() - 2].g[n][k]) / passo;
                sv.h[n][k] = (m.instantaneos.back().h[n][k] - m.instantaneos[m.instantaneos.size() - 2].h[n][k]) / passo;
            }
        }
        m.variacaoFinal = sv;
        amostra = LeAmostra(m);
        ASSERT_EQ(amostra.size(), 20u);
    }
    std::vector<LinhaAmostra> amostra;
};

constexpr double meioPasso = 0.05 + 0.01;

TEST_F(IgrfAmostraNoaa, ElementsMatchTheSample) {
    for (const auto& l : amostra) {
        SCOPED_TRACE(l.texto);
        ASSERT_TRUE(l.agora);
        // D and I are printed to the whole minute.
        EXPECT_NEAR(l.agora->D * 60.0, l.D, 0.5 + 0.01);
        EXPECT_NEAR(l.agora->I * 60.0, l.I, 0.5 + 0.01);
        const double calculados[] = {l.agora->H, l.agora->X, l.agora->Y, l.agora->Z, l.agora->F};
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_NEAR(calculados[k], l.impressos[k], meioPasso) << "column " << 9 + k;
        }
    }
}

// The field vector a fraction of a year on along its rate.
VetorCampo Avanca(const ElementosIgrf& e, double anos) {
    return {e.X + e.dX * anos, e.Y + e.dY * anos, e.Z + e.dZ * anos};
}

TEST_F(IgrfAmostraNoaa, OneYearChangesMatchTheSample) {
    for (const auto& l : amostra) {
        SCOPED_TRACE(l.texto);
        ASSERT_TRUE(l.agora);
        const auto& a = *l.agora;
        const ElementosIgrf b = Elementos(Avanca(a, 1.0), {});
        const double mudancas[] = {(b.D - a.D) * 60.0, (b.I - a.I) * 60.0, b.H - a.H, b.X - a.X,
                                   b.Y - a.Y,         b.Z - a.Z,          b.F - a.F};
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_NEAR(mudancas[k], l.impressos[5 + k], meioPasso) << "column " << 14 + k;
        }
    }
}

// The chain-rule rates of D, I, H, F halfway along that year equal the
// printed changes (the elements are smooth along a straight path).
TEST_F(IgrfAmostraNoaa, ChainRuleRatesAtMidYearMatchTheSample) {
    for (const auto& l : amostra) {
        SCOPED_TRACE(l.texto);
        ASSERT_TRUE(l.agora);
        const VetorCampo taxa{l.agora->dX, l.agora->dY, l.agora->dZ};
        const ElementosIgrf e = Elementos(Avanca(*l.agora, 0.5), taxa);
        const double taxas[] = {e.dD * 60.0, e.dI * 60.0, e.dH, e.dX, e.dY, e.dZ, e.dF};
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_NEAR(taxas[k], l.impressos[5 + k], meioPasso) << "column " << 14 + k;
        }
    }
}

}  // namespace
}  // namespace ceravel::igrf
