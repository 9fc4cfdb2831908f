// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ArquivoMemorial.h"
#include "memorial/CsvMemorial.h"
#include "memorial/NomesPoligono.h"
#include "memorial/TabelaMemorial.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace ceravel::teste {
namespace {

Memorial Exemplo()
{
    Memorial m;
    m.dados.levantamento = QStringLiteral("1987");
    m.dados.conversao = QStringLiteral("07/12/2026");
    m.dados.referencia = ReferenciaMemorial::Quadricula;
    m.dados.modelo = ModeloMemorial::Regional;
    m.dados.posicao.formaLongitude = FormaEntrada::GrausMinutosSegundos;
    m.dados.posicao.latGraus = QStringLiteral("-23,5");
    m.dados.posicao.longG = QStringLiteral("-46");
    m.dados.posicao.longM = QStringLiteral("37");
    m.dados.posicao.longS = QStringLiteral("30");
    m.dados.posicao.utm = true;
    m.dados.posicao.posicaoUtm = {QStringLiteral("23"), QStringLiteral("S"), QStringLiteral("333000,5"),
                                  QStringLiteral("7395000")};
    m.dados.posicao.datum = QStringLiteral("sad69");
    // Texts that JSON must escape, and characters outside Latin-1.
    m.segmentos = {{QStringLiteral("M1"), QStringLiteral("M2"), QStringLiteral("45°30' NE"), QStringLiteral("120,50"),
                    QStringLiteral("Fulano \"Tico\" de Tal; estrada\\velha")},
                   {QStringLiteral("M2"), QStringLiteral("M3"), QStringLiteral("S 12°15′ O"), QStringLiteral("87,30"),
                    QStringLiteral("Córrego\tdo Ипсилон\n2ª gleba")}};
    m.poligono = {QStringLiteral("M1"), false, QStringLiteral("23"), QStringLiteral("N"), QStringLiteral("333000"),
                  QStringLiteral("7395000"), QStringLiteral("-23,5"), QStringLiteral("-46,6"),
                  QStringLiteral("corrego-alegre-1961"), QStringLiteral("760"), false, true};
    return m;
}

// Save, open, save: the same bytes, the same memorial.
TEST(ArquivoMemorial, SalvaAbreSalva)
{
    QTemporaryDir pasta;
    const QString a = pasta.filePath(QStringLiteral("a.memorial.json")), b = pasta.filePath(QStringLiteral("b.memorial.json"));
    for (const Memorial& m : {Exemplo(), Memorial{}}) {
        ASSERT_EQ(SalvaMemorial(a, m), QString());
        // An untouched polygon pane leaves the file as before the pane existed.
        EXPECT_EQ(SerializaMemorial(m).contains("\"poligono\""), m.poligono != TextosPoligonoMemorial{});
        const LeituraMemorial lido = AbreMemorial(a);
        ASSERT_TRUE(lido.memorial) << lido.erro.toStdString();
        EXPECT_EQ(*lido.memorial, m);
        ASSERT_EQ(SalvaMemorial(b, *lido.memorial), QString());
        QFile fa(a), fb(b);
        ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        EXPECT_EQ(fa.readAll(), fb.readAll());
    }
}

// Damaged and newer files refused with a reason; nothing half-loaded.
TEST(ArquivoMemorial, Recusas)
{
    const QByteArray bom = SerializaMemorial(Exemplo());
    QByteArray semDistancia = bom;
    semDistancia.replace("\"distancia\": \"87,30\",", "");
    QByteArray nova = bom;
    nova.replace("\"versao\": 1", "\"versao\": 2");
    const struct {
        const char* nome;
        QByteArray bytes;
        const char* motivo;
    } casos[] = {
        {"cortado", bom.left(bom.size() / 2), "danificado"},
        {"sem campo", semDistancia, "falta o texto \u201Cdistancia\u201D no segmento 2"},
        {"versão mais nova", nova, "versão mais nova"},
        {"referência desconhecida", QByteArray(bom).replace("\"quadricula\"", "\"grade\""), "\u201Creferencia\u201D"},
        {"sim/não em texto", QByteArray(bom).replace("\"compensar\": true", "\"compensar\": \"sim\""),
         "\u201Ccompensar\u201D do polígono"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const LeituraMemorial l = DesserializaMemorial(c.bytes);
        EXPECT_FALSE(l.memorial);
        EXPECT_TRUE(l.erro.contains(QString::fromUtf8(c.motivo))) << l.erro.toStdString();
    }
}


// The CSV's cells and bytes: a cell holding ";" or a quote is quoted, lines
// end in CR LF; Windows-1252 unless a text needs UTF-8 (then with a BOM).
TEST(CsvMemorial, CelulasECodificacao)
{
    const struct {
        const char* confrontante;
        QByteArray bytes;
        bool utf8;
    } casos[] = {
        {"Córrego", "De;Confrontante\r\nM1;C\xf3rrego\r\n", false},
        {"Fulano; Beltrano", "De;Confrontante\r\nM1;\"Fulano; Beltrano\"\r\n", false},
        {"Tico \"Preto\"", "De;Confrontante\r\nM1;\"Tico \"\"Preto\"\"\"\r\n", false},
        {"Ипсилон", "\xef\xbb\xbf" "De;Confrontante\r\nM1;\xd0\x98\xd0\xbf\xd1\x81\xd0\xb8\xd0\xbb\xd0\xbe\xd0\xbd\r\n", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.confrontante);
        TabelaMemorial t;
        t.titulos = {QStringLiteral("De"), QStringLiteral("Confrontante")};
        t.linhas = {{QStringLiteral("M1"), QString::fromUtf8(c.confrontante)}};
        const BytesCsv b = CodificaCsv(LinhasCsv(t));
        EXPECT_EQ(b.bytes, c.bytes);
        EXPECT_EQ(b.utf8, c.utf8);
    }
}


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
}  // namespace ceravel::teste
