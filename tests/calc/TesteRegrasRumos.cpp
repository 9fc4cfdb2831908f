// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RegrasRumos.h"

#include <QString>
#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

constexpr TipoRumo AZ = TipoRumo::Azimute, RUMO = TipoRumo::Rumo;
constexpr ReferenciaRumo MAG = ReferenciaRumo::Magnetico, VERD = ReferenciaRumo::Verdadeiro;
using enum Quadrante;

constexpr long long Gms(long long g, long long m = 0, long long s = 0) { return (g * 60 + m) * 60 + s; }

// "G MM SS = G MM SS QQ": an azimuth in whole seconds and its rumo.
std::string Texto(long long segundos)
{
    const char* const letras[] = {"N", "NE", "L", "SE", "S", "SO", "O", "NO"};
    const auto gms = [](long long s) {
        const GrausMinutosSegundos p = SeparaSegundos(s);
        return QString::asprintf("%s%lld %02d %02d", p.negativo ? "-" : "", p.graus, p.minutos, p.segundos)
            .toStdString();
    };
    const RumoSegundos r = RumoDeSegundos(segundos);
    return gms(segundos) + " = " + gms(r.angulo) + " " + letras[static_cast<int>(r.quadrante)];
}

// A bearing through the rules in whole seconds: rumo to azimuth, conversion with the declinations as shown,
// rumo of the results. Worked out by hand; without declinations the magnetic bearing is the true one.
TEST(RegrasRumos, ConversaoDeUmRumo)
{
    const struct {
        const char* nome;
        TipoRumo tipo;
        long long angulo;
        Quadrante quadrante;  // rumo only
        ReferenciaRumo referencia;
        long long dLev, dConv;
        const char *verdadeiro, *magnetico = nullptr;
    } casos[] = {
        // Exact cardinal directions have their own letters, both ways.
        {"azimute 0", AZ, 0, NE, VERD, 0, 0, "0 00 00 = 0 00 00 N"},
        {"azimute 90", AZ, Gms(90), NE, VERD, 0, 0, "90 00 00 = 90 00 00 L"},
        {"rumo 0 N", RUMO, 0, N, VERD, 0, 0, "0 00 00 = 0 00 00 N"},
        {"rumo 0 S", RUMO, 0, S, VERD, 0, 0, "180 00 00 = 0 00 00 S"},
        // One second off each boundary stays in the quadrant.
        {"azimute 89°59'59''", AZ, Gms(89, 59, 59), NE, VERD, 0, 0, "89 59 59 = 89 59 59 NE"},
        {"azimute 90°00'01''", AZ, Gms(90, 0, 1), NE, VERD, 0, 0, "90 00 01 = 89 59 59 SE"},
        {"azimute 359°59'59''", AZ, Gms(359, 59, 59), NE, VERD, 0, 0, "359 59 59 = 0 00 01 NO"},
        // Rumo to azimuth, in each quadrant and at its ends.
        {"rumo 35°20'10'' NO", RUMO, Gms(35, 20, 10), NO, VERD, 0, 0, "324 39 50 = 35 20 10 NO"},
        {"rumo 30 SO", RUMO, Gms(30), SO, VERD, 0, 0, "210 00 00 = 30 00 00 SO"},
        {"rumo 90 SO e 90 O", RUMO, Gms(90), SO, VERD, 0, 0, "270 00 00 = 90 00 00 O"},
        {"rumo 0 NO e 0 N", RUMO, 0, NO, VERD, 0, 0, "0 00 00 = 0 00 00 N"},
        // true = magnetic + D(survey), or as given; magnetic now = true - D(conversion).
        {"verdadeiro 100, D -20 e -22", AZ, Gms(100), NE, VERD, Gms(-20), Gms(-22), "100 00 00 = 80 00 00 SE",
         "122 00 00 = 58 00 00 SE"},
        {"sobre 32°32'55'' mais 21°56'08''", AZ, Gms(32, 32, 55), NE, MAG, Gms(21, 56, 8), Gms(20, 0, 0),
         "54 29 03 = 54 29 03 NE", "34 29 03 = 34 29 03 NE"},
        // Crossing 0°/360° both ways, with positive and negative D.
        {"magnetico 355 D +10 cruza 360", AZ, Gms(355), NE, MAG, Gms(10), Gms(10), "5 00 00 = 5 00 00 NE",
         "355 00 00 = 5 00 00 NO"},
        {"magnetico 5 D -10 cruza 0", AZ, Gms(5), NE, MAG, Gms(-10), Gms(-20), "355 00 00 = 5 00 00 NO",
         "15 00 00 = 15 00 00 NE"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const long long azimute = caso.tipo == AZ ? caso.angulo : AzimuteDeRumo(caso.angulo, caso.quadrante);
        const RumosConvertidos r = ConverteRumo(azimute, caso.referencia, caso.dLev, caso.dConv);
        EXPECT_EQ(r.informado, azimute);
        EXPECT_EQ(Texto(r.verdadeiro), caso.verdadeiro);
        EXPECT_EQ(Texto(r.magneticoConversao), caso.magnetico ? caso.magnetico : caso.verdadeiro);
    }
}

}  // namespace
}  // namespace ceravel::teste
