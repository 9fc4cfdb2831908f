// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ArquivoMemorial.h"
#include "poligono/PlanoSirgas.h"
#include "poligono/Poligonal.h"
#include "poligono/VerticeInicial.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <numbers>

using namespace ceravel;

namespace {

constexpr double Grau = std::numbers::pi / 180;

std::vector<SegmentoPoligonal> Segmentos(const std::vector<QString>& nomes, const std::vector<double>& azimutes,
                                        const std::vector<double>& distancias, bool fechado)
{
    std::vector<SegmentoPoligonal> s;
    for (std::size_t i = 0; i < azimutes.size(); ++i)
        s.push_back({nomes[i], fechado ? nomes[(i + 1) % nomes.size()] : nomes[i + 1], azimutes[i], distancias[i]});
    return s;
}

// A square of 100 m sides on cardinal bearings, no factors: it closes to the
// bit and encloses one hectare exactly, whichever way round.
TEST(Poligonal, QuadradoFechaEDaUmHectare)
{
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.verticeInicial = "m1";  // names match whatever the case
    o.inicio = {500000, 8000000};
    for (const auto& [azimutes, deflexoes] : {std::pair{std::vector<double>{0, 90, 180, 270}, 360.0},
                                              {std::vector<double>{0, 270, 180, 90}, -360.0}}) {
        const auto r = CalculaPoligonal(Segmentos({"M1", "M2", "M3", "M4"}, azimutes, {100, 100, 100, 100}, true),
                                        PlanoUtm{}, o);
        ASSERT_TRUE(r.fechamento && r.areas) << r.mensagem.toStdString();
        EXPECT_EQ(r.fechamento->erroLinear, 0);
        EXPECT_FALSE(r.fechamento->precisao);
        EXPECT_EQ(r.fechamento->perimetro, 400);
        EXPECT_EQ(r.fechamento->somaDeflexoes, deflexoes);
        EXPECT_EQ(r.areas->plana, 10000);  // 1 ha
    }
}

// A rotated polygon set in UTM, its deed derived (true = grid + γ at each side's start, ground = grid /
// (k at the side's middle × R/(R+h))): the traverse finds the vertices again. γ and k vary strongly, so
// either taken at the wrong point moves the vertices by centimetres.
double GamaTeste(PontoEN p) { return 0.78 + 2e-5 * (p.E - 192000); }
double KTeste(PontoEN p) { return 1.0002 + 3e-8 * (p.E - 192000) - 1e-8 * (p.N - 8252000); }

struct CasoGirado {
    const char* nome;
    bool fechado;
    bool escala;
    std::optional<double> altitude;
    int inicial;  // index of the vertex the traverse starts from
};

class Girado : public testing::TestWithParam<CasoGirado> {};

TEST_P(Girado, RecuperaOsVerticesAUmMilimetro)
{
    const CasoGirado& c = GetParam();
    // A hexagon in its own frame, turned 23.7° and moved into zone 23S.
    const double forma[][2] = {{0, 0}, {812.4, -95.2}, {1405.9, 388.1}, {1230.3, 1117.6}, {498.7, 1302.5},
                               {-140.6, 720.8}};
    const double giro = 23.7 * Grau;
    std::vector<PontoEN> v;
    for (const auto& f : forma)
        v.push_back({192000 + f[0] * std::cos(giro) - f[1] * std::sin(giro),
                     8252000 + f[0] * std::sin(giro) + f[1] * std::cos(giro)});
    const std::size_t n = c.fechado ? v.size() : v.size() - 1;
    const double elevacao = c.altitude ? 6378000 / (6378000 + *c.altitude) : 1;
    std::vector<QString> nomes;
    std::vector<double> azimutes, distancias;
    for (std::size_t i = 0; i < v.size(); ++i)
        nomes.push_back(QStringLiteral("V%1").arg(i + 1));
    for (std::size_t i = 0; i < n; ++i) {
        const PontoEN a = v[i], b = v[(i + 1) % v.size()];
        const double plano = std::atan2(b.E - a.E, b.N - a.N) / Grau;
        azimutes.push_back(std::fmod(plano + GamaTeste(a) + 360, 360));
        const double k = c.escala ? KTeste({(a.E + b.E) / 2, (a.N + b.N) / 2}) : 1;
        distancias.push_back(std::hypot(b.E - a.E, b.N - a.N) / (k * elevacao));
    }
    OpcoesPoligonal o;
    o.fatorEscala = c.escala;
    o.altitudeMedia = c.altitude;
    o.verticeInicial = nomes[static_cast<std::size_t>(c.inicial)];
    o.inicio = v[static_cast<std::size_t>(c.inicial)];
    const auto r = CalculaPoligonal(Segmentos(nomes, azimutes, distancias, c.fechado), {GamaTeste, KTeste, {}}, o);
    ASSERT_TRUE(r.mensagem.isEmpty()) << r.mensagem.toStdString();
    ASSERT_EQ(r.vertices.size(), v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_NEAR(r.vertices[i].plano.E, v[i].E, 1e-3) << i;
        EXPECT_NEAR(r.vertices[i].plano.N, v[i].N, 1e-3) << i;
    }
    if (c.fechado) {
        EXPECT_LT(r.fechamento->erroLinear, 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(Poligonal, Girado,
                         testing::Values(CasoGirado{"fechado_sem_fatores", true, false, {}, 0},
                                         CasoGirado{"fechado_escala_e_altitude_de_V4", true, true, 850.0, 3},
                                         CasoGirado{"aberto_de_V4_para_os_dois_lados", false, true, 850.0, 3}),
                         [](const auto& i) { return std::string(i.param.nome); });

// The compass rule on a square whose south side reads 100.10 m: the traverse
// ends 0.10 m south of its start. Each vertex moves north by 0.10 m × the
// distance travelled to it / 400.10 m (worked out by hand: 100/400.1 × 0.1 =
// 0.0249937515…, 200/400.1 × 0.1 = 0.0499875031…, 300.1/400.1 × 0.1 =
// 0.0750062484…); starting at M3 the rule counts from M3, which stays put:
// 100.1/400.1 × 0.1 = 0.0250187453… at M4, 200.1/400.1 × 0.1 = 0.0500124968… at M1.
struct CasoBowditch {
    const char* nome;
    QString inicial;
    PontoEN inicio;
    std::vector<PontoEN> esperados;  // M1..M4, compensated
};

class Bowditch : public testing::TestWithParam<CasoBowditch> {};

TEST_P(Bowditch, DistribuiOErroPelaDistancia)
{
    const CasoBowditch& c = GetParam();
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.compensar = true;
    o.verticeInicial = c.inicial;
    o.inicio = c.inicio;
    const auto r = CalculaPoligonal(
        Segmentos({"M1", "M2", "M3", "M4"}, {0, 90, 180, 270}, {100, 100, 100.10, 100}, true), PlanoUtm{}, o);
    ASSERT_TRUE(r.fechamento);
    EXPECT_NEAR(r.fechamento->erroLinear, 0.10, 1e-9);
    EXPECT_NEAR(r.fechamento->azimuteErro, 180, 1e-9);
    EXPECT_NEAR(*r.fechamento->precisao, 4001, 1e-6);
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_TRUE(r.vertices[i].compensado) << i;
        EXPECT_NEAR(r.vertices[i].compensado->E, c.esperados[i].E, 1e-9) << i;
        EXPECT_NEAR(r.vertices[i].compensado->N, c.esperados[i].N, 1e-9) << i;
    }
    // The area is the compensated figure's: 100 m wide by its mean height.
    const auto& e = c.esperados;
    EXPECT_NEAR(r.areas->plana, 100 * ((e[1].N - e[0].N) + (e[2].N - e[3].N)) / 2, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Poligonal, Bowditch,
    testing::Values(CasoBowditch{"de_M1", "M1", {0, 0},
                                 {{0, 0}, {0, 100.02499375156211}, {100, 100.04998750312422},
                                  {100, -0.1 + 0.07500624843789054}}},
                    // From M3 (100, 0): M4 (100, -100.10), M1 (0, -100.10), M2 (0, -0.10), back at (100, -0.10).
                    CasoBowditch{"de_M3", "M3", {100, 0},
                                 {{0, -100.1 + 0.050012496875781055}, {0, -0.1 + 0.07500624843789054},
                                  {100, 0}, {100, -100.1 + 0.02501874531367158}}}),
    [](const auto& i) { return std::string(i.param.nome); });

// A 10 km square of zone 23S (SIRGAS 2000, EPSG:31983): 10⁸ m² exactly on the
// plane, and on the ellipsoid what GeographicLib's Planimeter gives. The
// corners' latitudes and longitudes are PROJ's:
//   printf '300000 8200000\n310000 8200000\n310000 8210000\n300000 8210000\n' |
//     cs2cs -f %.12f EPSG:31983 EPSG:4674
// and the area and perimeter, from geographiclib-tools 2.1.2 on GRS80:
//   ... | Planimeter -e 6378137 1/298.257222101 -p 6   →   39997.182231 m, 99985952.8 m²
// (printed to 0.1 m²). k ≈ 1.00007 there, so the plane area exceeds the ellipsoid's by about 2k−2.
TEST(AreaElipsoidal, QuadradoDeDezQuilometrosComoOPlanimeter)
{
    const std::map<std::pair<double, double>, PontoGeografico> cantos = {
        {{300000, 8200000}, {-16.272556694059, -46.871582182424}},
        {{310000, 8200000}, {-16.273363351758, -46.778036500721}},
        {{310000, 8210000}, {-16.183004914277, -46.777225310655}},
        {{300000, 8210000}, {-16.182202974558, -46.870728373369}}};
    PlanoUtm plano;
    plano.geograficas = [&](PontoEN p) { return cantos.at({p.E, p.N}); };
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.inicio = {300000, 8200000};
    const auto r = CalculaPoligonal(
        Segmentos({"A", "B", "C", "D"}, {90, 0, 270, 180}, {10000, 10000, 10000, 10000}, true), plano, o);
    ASSERT_TRUE(r.areas && r.areas->elipsoidal);
    EXPECT_EQ(r.areas->plana, 1e8);
    EXPECT_NEAR(*r.areas->elipsoidal, 99985952.8, 0.05);
    EXPECT_NEAR(*r.areas->perimetroElipsoidal, 39997.182231, 1e-6);
    EXPECT_NEAR(r.vertices[2].geograficas->latitude, -16.183004914277, 1e-12);
}

}  // namespace

// The plane through PROJ (zones and datums: the geodesy's tests), as GeoConvert (WGS84, within these tolerances):
//   echo "23s 192848.93 8252943.25" | GeoConvert -g -p 4   (and -c -p 4 for γ and k)
TEST(PlanoSirgasProj, ComoOGeoConvert)
{
    const PlanoUtm plano = PlanoSirgas(geo::GeodesiaDaThread(QStringLiteral(CERAVEL_DADOS_PROJETO)), 23, true);
    const PontoEN p{192848.93, 8252943.25};
    plano.escala({p.E, p.N - 1000});  // a point due south asked first, as on a side going north
    const PontoGeografico g = plano.geograficas(p);
    EXPECT_NEAR(g.latitude, -15.783299987, 1e-8);
    EXPECT_NEAR(g.longitude, -47.866700022, 1e-8);
    EXPECT_NEAR(plano.convergencia(p), 0.780356172, 1e-8);
    EXPECT_NEAR(plano.escala(p), 1.00076689699, 1e-9);
}

namespace {

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);

// The start vertex as the command line gives it. Expected values:
//   echo "23s 192848.93 8252943.25" | GeoConvert -g -p 4  →  -15.783299987 -47.866700022
//   echo "192848.93 8252943.25" | PROJ_DATA=data:/usr/share/proj cs2cs -f %.4f EPSG:29193 EPSG:31983
//     →  192804.9876 8252900.6760   (SAD69 / UTM 23S to SIRGAS 2000 / UTM 23S with IBGE's grid)
struct CasoInicial {
    const char* nome;
    QString texto;
    geo::Datum datum;
    QLocale locale;
    PontoEN plano;         // SIRGAS 2000 / UTM
    double tolerancia;        // metres
    QString recusa;           // a part of the message when refused
};

class VerticeInicialLido : public testing::TestWithParam<CasoInicial> {};

TEST_P(VerticeInicialLido, NoPlanoSirgas)
{
    const CasoInicial& c = GetParam();
    const auto t = DivideVerticeInicial(c.texto);
    ASSERT_TRUE(t);
    const auto r = ChecaVerticeInicial(*t, c.datum, c.locale, geo::GeodesiaDaThread(QStringLiteral(CERAVEL_DADOS_PROJETO)));
    if (!c.recusa.isEmpty()) {
        ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(r));
        EXPECT_TRUE(std::get<FalhaGuarda>(r).mensagem.contains(c.recusa)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
        return;
    }
    ASSERT_TRUE(std::holds_alternative<VerticeInicial>(r)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
    const VerticeInicial& v = std::get<VerticeInicial>(r);
    EXPECT_EQ(v.nome, QStringLiteral("M1"));
    EXPECT_EQ(v.zona, 23);
    EXPECT_TRUE(v.sul);
    EXPECT_NEAR(v.plano.E, c.plano.E, c.tolerancia);
    EXPECT_NEAR(v.plano.N, c.plano.N, c.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, VerticeInicialLido,
    testing::Values(
        CasoInicial{"utm_sirgas_pt_BR", " M1 ;192848,93;8252943,25; 23s", geo::Datum::Sirgas2000, Brasil,
                    {192848.93, 8252943.25}, 0, {}},
        CasoInicial{"geograficas_pt_BR", "M1;-15,783299987;-47,866700022", geo::Datum::Sirgas2000, Brasil,
                    {192848.93, 8252943.25}, 1e-3, {}},
        CasoInicial{"utm_sad69_com_grade", "M1;192848,93;8252943,25;23S", geo::Datum::Sad69, Brasil,
                    {192804.9876, 8252900.6760}, 2e-3, {}},
        CasoInicial{"latitude_ilegivel", "M1;-15.78;-47,86", geo::Datum::Sirgas2000, Brasil, {}, 0,
                    QStringLiteral("latitude do vértice inicial")}),
    [](const auto& i) { return std::string(i.param.nome); });

struct Execucao {
    int status = -1;
    QStringList linhas;
    QString erro;
};

Execucao Executa(const QTemporaryDir& pasta, const QStringList& opcoes, QString entrada = {})
{
    if (entrada.isEmpty()) {
        entrada = pasta.filePath(QStringLiteral("quadrado.txt"));
        QFile f(entrada);
        f.open(QIODevice::WriteOnly);
        f.write("M1;M2;0;100\nM2;M3;90;100\nM3;M4;180;100\nM4;M1;270;100\n");
    }
    QProcess p;
    p.start(QStringLiteral(CERAVEL_MEMORIAL_EXECUTAVEL),
            QStringList{entrada} +
                QStringLiteral("--utf8 --levantamento 2000 --conversao 07/12/2026 --posicao -15,78;-47,87 "
                               "--referencia verdadeiro").split(u' ') +
                opcoes);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("\r\n")),
            QString::fromUtf8(p.readAllStandardError())};
}

// A 100 m square of true bearings from M1 at UTM 23S, through the options of
// the polygon: its columns come before the message, its summary after the
// rows, in the locale's form, and the KML is written. Without --inicio the
// polygon's options are refused before any work.
TEST(MemorialPoligono, ColunasResumoEKml)
{
    QTemporaryDir pasta;
    const QString kml = pasta.filePath(QStringLiteral("q.kml"));
    const Execucao e = Executa(
        pasta, QStringLiteral("--locale pt_BR --inicio M1;192848,93;8252943,25;23S --sem-fator-escala --kml").split(u' ')
                   << kml);
    ASSERT_EQ(e.status, 0) << e.erro.toStdString();
    EXPECT_TRUE(e.linhas[0].endsWith(QStringLiteral(
        ";E (m);N (m);Latitude SIRGAS 2000;Longitude SIRGAS 2000;Convergência (graus);Mensagem")));
    // The last side ends at M1, where the traverse started.
    EXPECT_TRUE(e.linhas[4].endsWith(QStringLiteral(";192848,930;8252943,250;-15,783299987;-47,866700022;0,780102;")))
        << e.linhas[4].toStdString();
    EXPECT_TRUE(e.linhas.contains(QStringLiteral("Perímetro (m);400,000")));
    QFile k(kml);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_EQ(k.readAll().count("<Placemark>"), 5);

    const Execucao sem = Executa(pasta, {QStringLiteral("--compensar")});
    EXPECT_EQ(sem.status, 2);
    EXPECT_TRUE(sem.erro.contains(QStringLiteral("--inicio")));
}

// A memorial saved with its start vertex and options gives the polygon without
// --inicio, named after the file; an option given still replaces the file's.
TEST(MemorialPoligono, VerticeInicialDoMemorialSalvo)
{
    QTemporaryDir pasta;
    Memorial m;
    for (const char* s : {"M1;M2;0;100", "M2;M3;90;100", "M3;M4;180;100", "M4;M1;270;100"}) {
        const QStringList c = QString::fromUtf8(s).split(u';');
        m.segmentos.push_back({c[0], c[1], c[2], c[3], {}});
    }
    m.poligono.zona = QStringLiteral("23");
    m.poligono.leste = QStringLiteral("192848,93");
    m.poligono.norte = QStringLiteral("8252943,25");
    m.poligono.fatorEscala = false;
    const QString salvo = pasta.filePath(QStringLiteral("Sítio.memorial.json")), kml = pasta.filePath(QStringLiteral("s.kml"));
    ASSERT_EQ(SalvaMemorial(salvo, m), QString());
    const Execucao e = Executa(pasta, {QStringLiteral("--locale"), QStringLiteral("pt_BR"), QStringLiteral("--kml"), kml}, salvo);
    ASSERT_EQ(e.status, 0) << e.erro.toStdString();
    EXPECT_TRUE(e.linhas[4].endsWith(QStringLiteral(";192848,930;8252943,250;-15,783299987;-47,866700022;0,780102;")))
        << e.linhas[4].toStdString();
    QFile k(kml);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_TRUE(k.readAll().contains("<name>Sítio</name>"));
    const Execucao outra = Executa(pasta, {QStringLiteral("--locale"), QStringLiteral("pt_BR"), QStringLiteral("--datum"), QStringLiteral("sad69")}, salvo);
    ASSERT_EQ(outra.status, 0) << outra.erro.toStdString();
    EXPECT_FALSE(outra.linhas[4].endsWith(QStringLiteral(";192848,930;8252943,250;-15,783299987;-47,866700022;0,780102;")));
}

}  // namespace
