// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/LeituraSegmentos.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

// Ten lines in every shape a paste takes, two of them unreadable: the eight
// good ones become rows, the two bad ones are named with their line numbers.
TEST(LeituraSegmentos, ColagemComDuasLinhasRuins)
{
    const QString texto = QStringLiteral(
        "De\tPara\tRumo\tDistância\tConfrontante\n"                           // 1: titles, skipped
        "M1\tM2\t45°30' NE\t120,50\tFulano\n"                                 // 2
        "M2\tM3\tS 12°15' O\t87,30\n"                                         // 3 (no confrontante)
        "M3\tM4\t95° NE\t10\n"                                                // 4: bad bearing
        "\n"                                                                  // 5: blank
        "87 41 06\t33,3\n"                                                    // 6: bearing, distance
        "do marco M5 segue com rumo N 10° L e distância de 20,5 m até o marco M6, confrontando com Beltrano\n"  // 7
        "daí segue com azimute 200,5, 30 m, até M7; daí segue com rumo S, 40 m, até M8\n"  // 8: two segments
        "N 33°00' W 55,1\n"                                                   // 9
        "M9;M10;O;12,5;Sicrano\n"                                             // 10
        "M10\tM11\t10 NE\tdez\n");                                           // 11: bad distance
    const QLocale pt(QStringLiteral("pt_BR"));
    const std::vector<LinhaSegmento> l = LeSegmentos(texto, pt, QStringLiteral("M0"));
    struct Esperado {
        int linha;
        const char *de, *para, *rumo, *distancia, *confrontante;
        bool recusada;
    };
    const Esperado esperado[] = {
        {2, "M1", "M2", "45°30' NE", "120,50", "Fulano", false},
        {3, "M2", "M3", "S 12°15' O", "87,30", "", false},
        {4, "M3", "M4", "95° NE", "10", "", true},
        {6, "M4", "", "87 41 06", "33,3", "", false},
        {7, "M5", "M6", "N 10° L", "20,5", "Beltrano", false},
        {8, "M6", "M7", "200,5", "30", "", false},
        {8, "M7", "M8", "S", "40", "", false},
        {9, "M8", "", "N 33°00' W", "55,1", "", false},
        {10, "M9", "M10", "O", "12,5", "Sicrano", false},
        {11, "M10", "M11", "10 NE", "dez", "", true},
    };
    ASSERT_EQ(l.size(), std::size(esperado));
    for (size_t i = 0; i < l.size(); ++i) {
        const Esperado& e = esperado[i];
        SCOPED_TRACE(e.linha);
        EXPECT_EQ(l[i].linha, e.linha);
        EXPECT_EQ(l[i].segmento.de.toStdString(), e.de);
        EXPECT_EQ(l[i].segmento.para.toStdString(), e.para);
        EXPECT_EQ(l[i].segmento.rumo.toStdString(), e.rumo);
        EXPECT_EQ(l[i].segmento.distancia.toStdString(), e.distancia);
        EXPECT_EQ(l[i].segmento.confrontante.toStdString(), e.confrontante);
        EXPECT_EQ(l[i].motivo.isEmpty(), !e.recusada) << l[i].motivo.toStdString();
    }
    EXPECT_EQ(MensagemLinhasRecusadas(l).toStdString(),
              "Linha 4: Rumo: O ângulo de um rumo vai de 0 a 90 graus.\n"
              "Linha 11: Distância: A distância «dez» não é um número em metros (separador decimal «,»).\n");
}

}  // namespace
}  // namespace ceravel::teste
