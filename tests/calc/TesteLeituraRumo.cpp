// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LeituraRumo.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

// Every notation a deed writes, and the refusals: `az` is the azimuth in seconds of arc (-1: refused,
// `motivo` a part of the reason).
struct CasoRumo {
    const char* locale;
    const char* texto;
    long long az;
    const char* motivo;
};

constexpr long long S(int g, int m, int s) { return g * 3600LL + m * 60 + s; }

const CasoRumo Casos[] = {
    // Azimuths: marks, blanks, decimal degrees or minutes in the locale's form.
    {"pt_BR", "87°41'06\"", S(87, 41, 6), ""}, {"C", "87º41'06''", S(87, 41, 6), ""}, {"C", "87.685", S(87, 41, 6), ""},
    {"pt_BR", "87,685", S(87, 41, 6), ""}, {"pt_BR", "87°41,1'", S(87, 41, 6), ""},
    {"pt_BR", "87 41 06", S(87, 41, 6), ""}, {"pt_BR", "87°41′06″", S(87, 41, 6), ""},
    // Rumos: quadrant after, before, around; L/E, O/W; any case.
    {"pt_BR", "45°30' NE", S(45, 30, 0), ""}, {"pt_BR", "NE 45°30'", S(45, 30, 0), ""},
    {"pt_BR", "N 45°30' E", S(45, 30, 0), ""}, {"pt_BR", "S 12°15' O", S(192, 15, 0), ""},
    {"pt_BR", "s 12°15' w", S(192, 15, 0), ""}, {"pt_BR", "12°15'30\" SE", S(167, 44, 30), ""},
    {"pt_BR", "N 10° L", S(10, 0, 0), ""}, {"pt_BR", "90° NO", S(270, 0, 0), ""}, {"C", "N 33.5 W", S(326, 30, 0), ""},
    // Cardinal directions alone, and with their angle as the program writes them.
    {"pt_BR", "N", 0, ""}, {"pt_BR", " s ", S(180, 0, 0), ""}, {"pt_BR", "O", S(270, 0, 0), ""},
    {"pt_BR", "90°00'00'' L", S(90, 0, 0), ""}, {"pt_BR", "0°00'00'' S", S(180, 0, 0), ""},
    // Refusals, each with its reason.
    {"pt_BR", "", -1, "Falta o rumo"}, {"pt_BR", "87.685", -1, "separador decimal é «,»"},
    {"C", "87,685", -1, "separador decimal é «.»"}, {"pt_BR", "360", -1, "menor que 360"},
    {"pt_BR", "91° NE", -1, "de 0 a 90"}, {"pt_BR", "45°60' NE", -1, "menores que 60"},
    {"pt_BR", "45 30 12 5", -1, "mais de três"}, {"pt_BR", "45,5°30'", -1, "último número"},
    {"pt_BR", "30' 45°", -1, "fora de ordem"}, {"pt_BR", "N 45°", -1, "segunda letra"},
    {"pt_BR", "NE 45° SO", -1, "dois lados"}, {"pt_BR", "NS 45", -1, "inválido"},
    {"pt_BR", "X 45", -1, "não é um quadrante"}, {"pt_BR", "45 N 30", -1, "no meio do ângulo"},
    {"pt_BR", "NE", -1, "Falta o ângulo"}, {"pt_BR", "-45", -1, "não reconhecido"}, {"pt_BR", "'45", -1, "sem número"},
};

TEST(LeituraRumo, Notacoes)
{
    for (const CasoRumo& c : Casos) {
        SCOPED_TRACE(std::string(c.locale) + " \"" + c.texto + "\"");
        const LeituraRumo l = LeRumo(QString::fromUtf8(c.texto), QLocale(QString::fromLatin1(c.locale)));
        if (c.az < 0) {
            EXPECT_FALSE(l.azimute);
            EXPECT_TRUE(l.motivo.contains(QString::fromUtf8(c.motivo))) << l.motivo.toStdString();
        } else {
            ASSERT_TRUE(l.azimute) << l.motivo.toStdString();
            EXPECT_EQ(std::llround(*l.azimute * 3600), c.az);
        }
    }
}

TEST(LeituraRumo, Distancias)
{
    const std::tuple<const char*, const char*, double> casos[] = {  // locale, text, metres (0: refused)
        {"pt_BR", "120,50", 120.5}, {"pt_BR", "87,30 m", 87.3}, {"C", "87.30m", 87.3},
        {"pt_BR", "87.30", 0},      {"pt_BR", "0", 0},          {"pt_BR", "-5", 0}, {"pt_BR", "", 0}};
    for (const auto& [locale, texto, metros] : casos) {
        QString motivo;
        const auto d = LeDistancia(QString::fromUtf8(texto), QLocale(QString::fromLatin1(locale)), motivo);
        EXPECT_EQ(d.value_or(0), metros) << locale << " \"" << texto << "\"";
        EXPECT_EQ(motivo.isEmpty(), metros > 0);
    }
}

}  // namespace
}  // namespace ceravel::teste
