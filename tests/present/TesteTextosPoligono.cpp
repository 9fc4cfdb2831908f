// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosPoligono.h"

#include <gtest/gtest.h>

#include <map>

using namespace ceravel;

namespace {

// The summary of a 100 m square whose south side reads 100.10 m (the traverse
// ends 0.10 m south of its start: 1:4001 of 400.10 m, though the gap computes
// a hair over 0.1 m), in each locale's form; R/(R+h) = 6378000/6379000. The
// table's first row is the first side's end, M2, 100 m north of M1 at (0, 0).
TEST(TextosPoligono, ResumoNoFormatoDaLocalidade)
{
    const struct {
        QLocale locale;
        std::map<QString, QString> esperado;
        QStringList linhaM2;
    } casos[] = {
        {QLocale(QLocale::Portuguese, QLocale::Brazil),
         {{"Perímetro (m)", "400,100"}, {"Área plana (ha)", "1,0005"}, {"Erro de fechamento (m)", "0,100"},
          {"Azimute do erro de fechamento", "180°00'00''"}, {"Precisão relativa", "1:4001"},
          {"Fator de elevação", "R/(R+h) = 0,99984324, com R = 6 378 000 m e h = 1000,0 m"}},
         {"0,000", "100,000"}},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         {{"Perímetro (m)", "400.100"}, {"Área plana (m²)", "10005.00"}, {"Precisão relativa", "1:4001"}},
         {"0.000", "100.000"}},
    };
    OpcoesPoligonal o;
    o.fatorEscala = false;
    const auto r = CalculaPoligonal({{"M1", "M2", 0, 100}, {"M2", "M3", 90, 100}, {"M3", "M4", 180, 100.10},
                                     {"M4", "M1", 270, 100}},
                                    {}, o);
    for (const auto& c : casos) {
        std::map<QString, QString> resumo;
        for (const auto& [legenda, valor] : ResumoPoligono(r, {23, true, false, 1000.0, false}, c.locale))
            resumo[legenda] = valor;
        for (const auto& [legenda, valor] : c.esperado)
            EXPECT_EQ(resumo[legenda], valor) << legenda.toStdString();
        EXPECT_EQ(ColunasPoligono(r, c.locale).at(0).mid(0, 2), c.linhaM2);
    }
}

}  // namespace
