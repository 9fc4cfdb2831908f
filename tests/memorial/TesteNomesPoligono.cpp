// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/NomesPoligono.h"

#include <gtest/gtest.h>

using namespace ceravel;

namespace {

// Beside the memorial file and after its name, never over the deed table's "X.csv".
TEST(NomesPoligono, DoArquivoDoMemorial)
{
    const struct {
        const char* memorial;
        FormatoPoligono formato;
        const char* arquivo;
        const char* nome;
    } casos[] = {
        {"", FormatoPoligono::Kml, "poligono.kml", "memorial"},
        {"/d/Sítio Boa Vista.memorial.json", FormatoPoligono::Kml, "/d/Sítio Boa Vista.kml", "Sítio Boa Vista"},
        {"/d/Sítio Boa Vista.memorial.json", FormatoPoligono::GeoJson, "/d/Sítio Boa Vista.geojson", "Sítio Boa Vista"},
        {"/d/a.b.memorial.json", FormatoPoligono::Dxf, "/d/a.b.dxf", "a.b"},
        {"/d/lote.memorial.json", FormatoPoligono::Csv, "/d/lote-vertices.csv", "lote"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ArquivoDoPoligono(QString::fromUtf8(c.memorial), c.formato).toStdString(), c.arquivo);
        EXPECT_EQ(NomeDoPoligono(QString::fromUtf8(c.memorial)).toStdString(), c.nome);
    }
    // ceravel-memorial's other files of rows name the polygon without their extension.
    EXPECT_EQ(NomeDoPoligono(QStringLiteral("/d/Fazenda Buriti.txt")).toStdString(), "Fazenda Buriti");
}

}  // namespace
