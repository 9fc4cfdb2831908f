// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinates core against GeoConvert (γ, k), cs2cs with IBGE's grids (datums), proj.db (EPSG codes).
#include "geo/Geodesia.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <proj.h>

namespace ceravel::geo {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);

template <class T>
const T& Valor(const ResultadoGeo<T>& r)
{
    if (const FalhaGeo* f = std::get_if<FalhaGeo>(&r))
        ADD_FAILURE() << f->mensagem.toStdString();
    static const T vazio{};
    return std::holds_alternative<T>(r) ? std::get<T>(r) : vazio;
}

// Geographic → UTM → geographic within a millimetre, in every zone, both sides of the equator and meridian.
TEST(Geodesia, RoundTripsInEveryZoneToAMillimetre)
{
    Geodesia& g = GeodesiaDaThread(PastaDados);
    for (int zona = 18; zona <= 25; ++zona)
        for (bool sul : {true, false})
            for (double desvio : {-2.9, 0.0, 2.9}) {
                const Geografico ponto{sul ? -21.3 : 3.7, MeridianoCentral(zona) + desvio};
                const PontoUtm utm = Valor(g.ParaUtm(ponto, zona, sul));
                const Geografico volta = Valor(g.UtmParaGeografico(Datum::Sirgas2000, utm));
                EXPECT_LT(std::hypot(volta.latitude - ponto.latitude, volta.longitude - ponto.longitude) * 111320,
                          1e-3) << zona << sul << desvio;  // metres per degree
            }
}

// γ and k as GeographicLib's GeoConvert -c prints them, in a neighbouring zone as well.
TEST(Geodesia, ConvergenceAndScaleAgreeWithGeoConvert)
{
    const struct {
        double latitude, longitude;
        int zona;
        bool sul;
        double gama, k;
    } casos[] = {
        {-15.78329998673, -47.86670002231, 23, true, 0.780356172, 1.00076689699},  // Brasília
        {4, -60.01, 20, false, 0.20876429, 1.0009651253},     // north, east edge of 20
        {-20, -48.5, 23, true, 1.19841056, 1.0012587197},     // zone 22's point in 23
    };
    Geodesia& g = GeodesiaDaThread(PastaDados);
    for (const auto& c : casos) {
        const FatoresUtm f = Valor(g.Fatores({c.latitude, c.longitude}, c.zona, c.sul));
        EXPECT_NEAR(f.convergencia, c.gama, 2e-8) << c.latitude << ' ' << c.longitude;
        EXPECT_NEAR(f.escala, c.k, 2e-10) << c.latitude << ' ' << c.longitude;
    }
}

// Each old datum through its IBGE grid, as PROJ_DATA=grids:/usr/share/proj cs2cs -f %.9f EPSG:<datum> EPSG:4674.
TEST(Geodesia, EachDatumThroughItsGridAsCs2cs)
{
    const struct {
        Datum datum;
        double latitude, longitude, latSirgas, lonSirgas;
    } casos[] = {
        {Datum::Sad69, -23.55, -46.63, -23.550446698, -46.630456858},
        {Datum::Sad6996, -22.9, -43.2, -22.900495975, -43.200422700},
        {Datum::CorregoAlegre7072, -19.92, -43.94, -19.920310739, -43.940213586},
        {Datum::CorregoAlegre61, -25.43, -49.27, -25.430377796, -49.270555414},
    };
    Geodesia& g = GeodesiaDaThread(PastaDados);
    for (const auto& c : casos) {
        const PosicaoSirgas p = Valor(g.ParaSirgas(c.datum, {c.latitude, c.longitude}));
        EXPECT_NEAR(p.ponto.latitude, c.latSirgas, 1e-9) << Dados(c.datum).nome;
        EXPECT_NEAR(p.ponto.longitude, c.lonSirgas, 1e-9) << Dados(c.datum).nome;
        EXPECT_EQ(p.operacao.grade.toStdString(), Dados(c.datum).grade);
        EXPECT_GT(p.operacao.precisao, 0);
        EXPECT_LE(p.operacao.precisao, 2);
    }
}

template <class T>
std::optional<FalhaGeo> Falha(const ResultadoGeo<T>& r)
{
    return std::holds_alternative<FalhaGeo>(r) ? std::optional(std::get<FalhaGeo>(r)) : std::nullopt;
}

// Refused with the reason, never a silent shift (PROJ without the grid turns Córrego Alegre 1961 into SIRGAS
// 2000 unshifted); without proj.db nothing converts; SAD69 without its grid falls back to its 5 m parameters.
TEST(Geodesia, RecusasComOMotivo)
{
    const QTemporaryDir vazia;
    const QByteArray antes = qgetenv("PROJ_DATA");
    qputenv("PROJ_DATA", vazia.path().toLocal8Bit());
    Geodesia semProjDb(vazia.path());
    antes.isNull() ? qunsetenv("PROJ_DATA") : qputenv("PROJ_DATA", antes);
    Geodesia semGrades(vazia.path());
    Geodesia& g = GeodesiaDaThread(PastaDados);
    const struct {
        std::optional<FalhaGeo> falha;
        FalhaGeo::Motivo motivo;
        QStringList textos;
    } casos[] = {
        {Falha(semGrades.ParaSirgas(Datum::CorregoAlegre61, {-25.43, -49.27})), FalhaGeo::Motivo::SemGrade,
         {"br_ibge_CA61_003.tif", "Córrego Alegre 1961"}},
        {Falha(semProjDb.UtmParaGeografico(Datum::Sirgas2000, {23, true, 192848.93, 8252943.25})),
         FalhaGeo::Motivo::SemProj, {"proj.db"}},
        {Falha(g.ParaSirgas(Datum::CorregoAlegre7072, {-3.1, -60.0})), FalhaGeo::Motivo::ForaDaArea, {"1970-72"}},
        {Falha(g.UtmParaGeografico(Datum::CorregoAlegre7072, {19, true, 500000, 9000000})),
         FalhaGeo::Motivo::ZonaForaDoDatum, {"zona UTM 19S"}},
    };
    for (const auto& c : casos) {
        ASSERT_TRUE(c.falha) << c.textos.join(u' ').toStdString();
        EXPECT_EQ(c.falha->motivo, c.motivo) << c.falha->mensagem.toStdString();
        for (const QString& texto : c.textos)
            EXPECT_TRUE(c.falha->mensagem.contains(texto)) << c.falha->mensagem.toStdString();
    }
    const PosicaoSirgas sad69 = Valor(semGrades.ParaSirgas(Datum::Sad69, {-23.55, -46.63}));
    EXPECT_TRUE(sad69.operacao.grade.isEmpty());
    EXPECT_EQ(sad69.operacao.precisao, 5);
}

// Every code the table gives is in proj.db as that datum's UTM zone.
TEST(Geodesia, EpsgCodesAreTheDatumsUtmZonesInProjDb)
{
    PJ_CONTEXT* ctx = proj_context_create();
    int conferidos = 0;
    for (const DadosDatum& d : Datums()) {
        PJ* geografico = proj_create_from_database(ctx, "EPSG", std::to_string(d.epsgGeografico).c_str(),
                                                   PJ_CATEGORY_CRS, false, nullptr);
        ASSERT_NE(geografico, nullptr) << d.nome;
        for (int zona = 18; zona <= 25; ++zona)
            for (bool sul : {true, false}) {
                const int codigo = EpsgUtm(d.datum, zona, sul);
                if (codigo == 0)
                    continue;
                PJ* crs = proj_create_from_database(ctx, "EPSG", std::to_string(codigo).c_str(), PJ_CATEGORY_CRS,
                                                    false, nullptr);
                ASSERT_NE(crs, nullptr) << codigo;
                const std::string nome = proj_get_name(crs);
                const std::string zonaUtm = "UTM zone " + std::to_string(zona) + (sul ? "S" : "N");
                EXPECT_NE(nome.find(zonaUtm), std::string::npos) << codigo << ' ' << nome;
                PJ* base = proj_crs_get_geodetic_crs(ctx, crs);
                EXPECT_TRUE(proj_is_equivalent_to(base, geografico, PJ_COMP_EQUIVALENT)) << codigo << ' ' << nome;
                proj_destroy(base);
                proj_destroy(crs);
                ++conferidos;
            }
        proj_destroy(geografico);
    }
    EXPECT_EQ(conferidos, 15 + 13 + 8 + 5 + 4);  // the codes the table names
    proj_context_destroy(ctx);
}

}  // namespace
}  // namespace ceravel::geo
