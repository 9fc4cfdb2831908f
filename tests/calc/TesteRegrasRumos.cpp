#include "calc/RegrasRumos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace ceravel::teste {
namespace {

constexpr TipoRumo AZ = TipoRumo::Azimute, RUMO = TipoRumo::Rumo;
constexpr ReferenciaRumo MAG = ReferenciaRumo::Magnetico, VERD = ReferenciaRumo::Verdadeiro;
using enum Quadrante;

const char* Letras(Quadrante q)
{
    switch (q) {
    case NE: return "NE";
    case SE: return "SE";
    case SO: return "SO";
    case NO: return "NO";
    }
    return "?";
}

// "G MM SS" of a whole number of seconds, and the rumo of the same seconds.
std::string Texto(long long segundos)
{
    const GrausMinutosSegundos p = SeparaSegundos(segundos);
    char texto[40];
    std::snprintf(texto, sizeof texto, "%s%lld %02d %02d", p.negativo ? "-" : "", p.graus, p.minutos, p.segundos);
    return texto;
}

std::string TextoRumo(long long segundosAzimute)
{
    const RumoSegundos r = RumoDeSegundos(segundosAzimute);
    return Texto(r.angulo) + " " + Letras(r.quadrante);
}

// Degrees, minutes, seconds as a user types them, in the same three operations as the checks.
double Gms(double g, double m, double s)
{
    return g + m / 60 + s / 3600;
}

// A bearing through the whole rule chain: rumo to azimuth, conversion, whole
// seconds, rumo of those seconds. Expected values worked out by hand.
TEST(RegrasRumos, ConversaoDeUmRumo)
{
    const struct {
        const char* nome;
        TipoRumo tipo;
        double angulo;
        Quadrante quadrante;  // rumo only
        ReferenciaRumo referencia;
        double dLev, dConv;
        const char *azVerd, *rumoVerd, *azMag, *rumoMag;
    } casos[] = {
        // Quadrant boundaries: each belongs to the quadrant it opens.
        {"azimute 0", AZ, 0, NE, VERD, 0, 0, "0 00 00", "0 00 00 NE", "0 00 00", "0 00 00 NE"},
        {"azimute 90", AZ, 90, NE, VERD, 0, 0, "90 00 00", "90 00 00 SE", "90 00 00", "90 00 00 SE"},
        {"azimute 180", AZ, 180, NE, VERD, 0, 0, "180 00 00", "0 00 00 SO", "180 00 00", "0 00 00 SO"},
        {"azimute 270", AZ, 270, NE, VERD, 0, 0, "270 00 00", "90 00 00 NO", "270 00 00", "90 00 00 NO"},
        {"azimute 89°59'59''", AZ, Gms(89, 59, 59), NE, VERD, 0, 0, "89 59 59", "89 59 59 NE", "89 59 59",
         "89 59 59 NE"},
        {"azimute 269°59'59''", AZ, Gms(269, 59, 59), NE, VERD, 0, 0, "269 59 59", "89 59 59 SO", "269 59 59",
         "89 59 59 SO"},
        // Rumo to azimuth, in each quadrant and at its ends.
        {"rumo 35°20'10'' NO", RUMO, Gms(35, 20, 10), NO, VERD, 0, 0, "324 39 50", "35 20 10 NO", "324 39 50",
         "35 20 10 NO"},
        {"rumo 45 SE", RUMO, 45, SE, VERD, 0, 0, "135 00 00", "45 00 00 SE", "135 00 00", "45 00 00 SE"},
        {"rumo 30 SO", RUMO, 30, SO, VERD, 0, 0, "210 00 00", "30 00 00 SO", "210 00 00", "30 00 00 SO"},
        {"rumo 12°30' NE", RUMO, 12.5, NE, VERD, 0, 0, "12 30 00", "12 30 00 NE", "12 30 00", "12 30 00 NE"},
        {"rumo 90 NE e 90 SE", RUMO, 90, NE, VERD, 0, 0, "90 00 00", "90 00 00 SE", "90 00 00", "90 00 00 SE"},
        {"rumo 0 SE e 0 SO", RUMO, 0, SE, VERD, 0, 0, "180 00 00", "0 00 00 SO", "180 00 00", "0 00 00 SO"},
        {"rumo 0 NO e 0 NE", RUMO, 0, NO, VERD, 0, 0, "0 00 00", "0 00 00 NE", "0 00 00", "0 00 00 NE"},
        {"rumo 90 SO e 90 NO", RUMO, 90, SO, VERD, 0, 0, "270 00 00", "90 00 00 NO", "270 00 00", "90 00 00 NO"},
        // Given magnetic: true = magnetic + D(survey); magnetic now = true - D(conversion).
        {"magnetico 100, D -20 e -22", AZ, 100, NE, MAG, -20, -22, "80 00 00", "80 00 00 NE", "102 00 00",
         "78 00 00 SE"},
        // Given true: the true bearing is the one given.
        {"verdadeiro 100, D -20 e -22", AZ, 100, NE, VERD, -20, -22, "100 00 00", "80 00 00 SE", "122 00 00",
         "58 00 00 SE"},
        {"rumo magnetico 10 NE, D -21.5 e -23", RUMO, 10, NE, MAG, -21.5, -23, "348 30 00", "11 30 00 NO",
         "11 30 00", "11 30 00 NE"},
        // Crossing 0°/360° both ways, with positive and negative D.
        {"magnetico 355 D +10 cruza 360", AZ, 355, NE, MAG, 10, 10, "5 00 00", "5 00 00 NE", "355 00 00",
         "5 00 00 NO"},
        {"magnetico 5 D -10 cruza 0", AZ, 5, NE, MAG, -10, -20, "355 00 00", "5 00 00 NO", "15 00 00",
         "15 00 00 NE"},
        {"magnetico 350 D -5 para +15 cruza 360", AZ, 350, NE, MAG, -5, 15, "345 00 00", "15 00 00 NO", "330 00 00",
         "30 00 00 NO"},
        {"verdadeiro 2 D +5 cruza 0", AZ, 2, NE, VERD, 0, 5, "2 00 00", "2 00 00 NE", "357 00 00", "3 00 00 NO"},
        {"verdadeiro 358 D -5 cruza 360", AZ, 358, NE, VERD, 0, -5, "358 00 00", "2 00 00 NO", "3 00 00",
         "3 00 00 NE"},
        {"magnetico exatamente a 360", AZ, 340, NE, MAG, 20, 20, "0 00 00", "0 00 00 NE", "340 00 00",
         "20 00 00 NO"},
        // Seconds: rounded once, carried into minutes and degrees, never 60''.
        {"59.9995'' sobe o minuto", AZ, Gms(10, 59, 59.9995), NE, VERD, 0, 0, "11 00 00", "11 00 00 NE",
         "11 00 00", "11 00 00 NE"},
        {"59.4'' fica", AZ, Gms(10, 59, 59.4), NE, VERD, 0, 0, "10 59 59", "10 59 59 NE", "10 59 59",
         "10 59 59 NE"},
        {"meio segundo sobe", AZ, Gms(12, 0, 0.5), NE, VERD, 0, 0, "12 00 01", "12 00 01 NE", "12 00 01",
         "12 00 01 NE"},
        {"59.9995'' antes de 90 vira 90 SE", AZ, Gms(89, 59, 59.9995), NE, VERD, 0, 0, "90 00 00", "90 00 00 SE",
         "90 00 00", "90 00 00 SE"},
        {"59.9995'' antes de 360 vira 0", AZ, Gms(359, 59, 59.9995), NE, VERD, 0, 0, "0 00 00", "0 00 00 NE",
         "0 00 00", "0 00 00 NE"},
        {"rumo 0°00'00.0004'' NO vira 0 NE", RUMO, Gms(0, 0, 0.0004), NO, MAG, 0, 0, "0 00 00", "0 00 00 NE",
         "0 00 00", "0 00 00 NE"},
        // The same date: magnetic in, the same magnetic out.
        {"mesma data, magnetico", AZ, Gms(123, 45, 6), NE, MAG, -21.7, -21.7, "102 03 06", "77 56 54 SE",
         "123 45 06", "56 14 54 SE"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const double azimute =
            caso.tipo == AZ ? ReduzAzimute(caso.angulo) : AzimuteDeRumo(caso.angulo, caso.quadrante);
        const RumosConvertidos r = ConverteRumo(azimute, caso.referencia, caso.dLev, caso.dConv);
        EXPECT_GE(r.verdadeiro, 0);
        EXPECT_LT(r.verdadeiro, 360);
        EXPECT_GE(r.magneticoConversao, 0);
        EXPECT_LT(r.magneticoConversao, 360);
        const long long verdadeiro = SegundosAzimute(r.verdadeiro);
        const long long magnetico = SegundosAzimute(r.magneticoConversao);
        EXPECT_EQ(Texto(verdadeiro), caso.azVerd);
        EXPECT_EQ(TextoRumo(verdadeiro), caso.rumoVerd);
        EXPECT_EQ(Texto(magnetico), caso.azMag);
        EXPECT_EQ(TextoRumo(magnetico), caso.rumoMag);
    }
}

// Equal declinations give back the magnetic bearing to the bit, where the
// round trip (az + D) - D does not (0.1 + -21.7 - -21.7 is 0.0999999999999659).
TEST(RegrasRumos, MesmaDataDevolveOMagneticoExato)
{
    const double azimutes[] = {0.1, 0.3, 10.7, 123.456789, 359.9999999};
    const double declinacoes[] = {-21.7, -21.3, -0.3, 0.7, 13.1};
    for (const double az : azimutes)
        for (const double d : declinacoes) {
            SCOPED_TRACE(std::to_string(az) + " " + std::to_string(d));
            EXPECT_EQ(ConverteRumo(az, MAG, d, d).magneticoConversao, az);
        }
}

TEST(RegrasRumos, ReduzAzimute)
{
    const struct {
        const char* nome;
        double entrada, esperado;
    } casos[] = {
        {"dentro", 123.25, 123.25},
        {"360 vira 0", 360, 0},
        {"720.5", 720.5, 0.5},
        {"-90", -90, 270},
        {"-360", -360, 0},
        {"-0 vira +0", -0.0, 0},
        // 360 - 1e-15 rounds to 360 in double: the result must still be below 360.
        {"negativo minusculo", -1e-15, 0},
        {"abaixo de 360", 360 - 1e-13, 360 - 1e-13},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const double r = ReduzAzimute(caso.entrada);
        EXPECT_EQ(r, caso.esperado);
        EXPECT_FALSE(std::signbit(r));
    }
}

}  // namespace
}  // namespace ceravel::teste
