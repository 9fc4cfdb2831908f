// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"
#include "poligono/Poligonal.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace ceravel;

namespace {

// A 10 km square of zone 23S given clockwise (north, east, south), so the
// GeoJSON ring must be turned; names with an accent and the CSV's separator.
PoligonoExportado Exemplo()
{
    return {QStringLiteral("Fazenda São João"), 23, true, true,
            {{QStringLiteral("M1"), {300000, 8200000}, PontoGeografico{-16.272556694059, -46.871582182424}},
             {QStringLiteral("Marco Ç;2"), {300000, 8210000}, PontoGeografico{-16.182202974558, -46.870728373369}},
             {QStringLiteral("M3"), {310000.0004, 8210000.0004}, PontoGeografico{-16.183004914277, -46.777225310655}},
             {QStringLiteral("M4"), {310000, 8200000}, PontoGeografico{-16.273363351758, -46.778036500721}}}};
}

// What a reader found: each vertex's name and coordinates as the file gives them, and the outline.
struct Lido {
    QString nome;
    double x = 0, y = 0;
};
struct Leitura {
    std::vector<Lido> vertices;
    std::vector<std::pair<double, double>> contorno;
};

QByteArray Bytes(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Points "x<entre>y[<entre>z]" separated by `pontos`.
std::vector<std::pair<double, double>> Pares(const QString& t, const QRegularExpression& pontos, QChar entre)
{
    std::vector<std::pair<double, double>> r;
    for (const QString& p : t.split(pontos, Qt::SkipEmptyParts)) {
        const QStringList c = p.trimmed().split(entre);
        r.emplace_back(c[0].toDouble(), c[1].toDouble());
    }
    return r;
}

Leitura LeGeoJson(const QString& caminho, const QLocale&)
{
    const QByteArray bytes = Bytes(caminho);
    // At most 8 decimals in any number.
    EXPECT_FALSE(QString::fromUtf8(bytes).contains(QRegularExpression(QStringLiteral("\\d\\.\\d{9}"))));
    QJsonParseError erro;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &erro);
    EXPECT_EQ(erro.error, QJsonParseError::NoError);
    Leitura l;
    for (const QJsonValue f : doc[u"features"].toArray()) {
        const QJsonObject g = f[u"geometry"].toObject();
        const QJsonArray c = g[u"coordinates"].toArray();
        if (g[u"type"].toString() == u"Polygon")
            for (const QJsonValue p : c[0].toArray())
                l.contorno.emplace_back(p[0].toDouble(), p[1].toDouble());
        else if (g[u"type"].toString() == u"Point")
            l.vertices.push_back({f[u"properties"][u"nome"].toString(), c[0].toDouble(), c[1].toDouble()});
    }
    // The right-hand rule: the exterior ring runs counterclockwise.
    double dobro = 0;
    for (std::size_t i = 0; i + 1 < l.contorno.size(); ++i)
        dobro += l.contorno[i].first * l.contorno[i + 1].second - l.contorno[i + 1].first * l.contorno[i].second;
    EXPECT_GT(dobro, 0);
    return l;
}

// The DXF through GDAL's own reader (ogrinfo, from gdal-bin, which install-deps.sh installs).
Leitura LeDxf(const QString& caminho, const QLocale&)
{
    QProcess p;
    p.start(QStringLiteral("ogrinfo"), {QStringLiteral("-ro"), QStringLiteral("-al"), caminho});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QString saida = QString::fromUtf8(p.readAllStandardOutput());
    Leitura l;
    const auto numeros = [](const QString& wkt) { return Pares(wkt, QRegularExpression(QStringLiteral(",")), u' '); };
    QString texto;
    for (const QString& linha : saida.split(u'\n')) {
        const QString t = linha.trimmed();
        if (t.startsWith(QStringLiteral("Text (String) = ")))
            texto = t.mid(16);
        else if (t.startsWith(QStringLiteral("LINESTRING Z (")))
            l.contorno = numeros(t.mid(14).chopped(1));
        else if (t.startsWith(QStringLiteral("POINT Z (")) && !texto.isEmpty()) {
            const auto p = numeros(t.mid(9).chopped(1));
            l.vertices.push_back({texto, p[0].first, p[0].second});
            texto.clear();
        }
    }
    // Names are placed beside their vertex: half the text height up and right.
    for (Lido& t : l.vertices)
        for (const auto& c : l.contorno)
            if (std::abs(t.x - c.first) < 200 && std::abs(t.y - c.second) < 200)
                t.x = c.first, t.y = c.second;
    return l;
}

Leitura LeCsv(const QString& caminho, const QLocale& locale)
{
    const QByteArray bytes = Bytes(caminho);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    Leitura l;
    // Fields split on ";" outside quotes; the one quoted name holds the separator.
    static const QRegularExpression campo(QStringLiteral("(\"(?:[^\"]|\"\")*\"|[^;]*)(?:;|$)"));
    for (const QString& linha : QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
        QStringList c;
        for (auto m = campo.globalMatch(linha); m.hasNext() && c.size() < 5;)
            c << m.next().captured(1);
        if (c.size() != 5) {
            ADD_FAILURE() << linha.toStdString();
            continue;
        }
        if (c[0].startsWith(u'"'))
            c[0] = c[0].mid(1).chopped(1).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        bool ok[2];
        l.vertices.push_back({c[0], locale.toDouble(c[1], &ok[0]), locale.toDouble(c[2], &ok[1])});
        EXPECT_TRUE(ok[0] && ok[1]) << linha.toStdString();
    }
    return l;
}

struct CasoExporta {
    const char* nome;
    FormatoPoligono formato;
    QLocale locale;
    std::function<Leitura(const QString&, const QLocale&)> le;
    bool geografico;     // the file gives longitude and latitude, else E and N
    double tolerancia;   // degrees or metres
};

class ExportaPoligonoLido : public testing::TestWithParam<CasoExporta> {};

TEST_P(ExportaPoligonoLido, DevolveNomesECoordenadas)
{
    const CasoExporta& c = GetParam();
    if (c.formato == FormatoPoligono::Dxf && QStandardPaths::findExecutable(QStringLiteral("ogrinfo")).isEmpty())
        GTEST_SKIP() << "sem ogrinfo (gdal-bin)";
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("poligono"));
    const PoligonoExportado p = Exemplo();
    ASSERT_EQ(ExportaPoligono(c.formato, caminho, p, c.locale), QString());
    const Leitura l = c.le(caminho, c.locale);
    const auto coordenadas = [&](const VerticeExportado& v) {
        return c.geografico ? std::pair{v.geograficas->longitude, v.geograficas->latitude}
                            : std::pair{v.plano.E, v.plano.N};
    };
    ASSERT_EQ(l.vertices.size(), p.vertices.size());
    for (std::size_t i = 0; i < p.vertices.size(); ++i) {
        EXPECT_EQ(l.vertices[i].nome, p.vertices[i].nome);
        EXPECT_NEAR(l.vertices[i].x, coordenadas(p.vertices[i]).first, c.tolerancia) << i;
        EXPECT_NEAR(l.vertices[i].y, coordenadas(p.vertices[i]).second, c.tolerancia) << i;
    }
    if (c.formato == FormatoPoligono::Csv)
        return;
    // The outline passes through every vertex and closes.
    ASSERT_EQ(l.contorno.size(), p.vertices.size() + 1);
    EXPECT_EQ(l.contorno.front(), l.contorno.back());
    for (const VerticeExportado& v : p.vertices) {
        const auto [x, y] = coordenadas(v);
        EXPECT_TRUE(std::any_of(l.contorno.begin(), l.contorno.end(), [&](const auto& q) {
            return std::abs(q.first - x) < c.tolerancia && std::abs(q.second - y) < c.tolerancia;
        })) << v.nome.toStdString();
    }
}

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);

INSTANTIATE_TEST_SUITE_P(
    Poligono, ExportaPoligonoLido,
    testing::Values(CasoExporta{"geojson", FormatoPoligono::GeoJson, Brasil, LeGeoJson, true, 0.6e-8},
                    CasoExporta{"dxf_ogrinfo", FormatoPoligono::Dxf, Brasil, LeDxf, false, 1e-4},
                    CasoExporta{"csv_pt_BR", FormatoPoligono::Csv, Brasil, LeCsv, false, 0.6e-3}),
    [](const auto& i) { return std::string(i.param.nome); });

// A compensated traverse exports its compensated vertices (the compass rule
// moves M2 of this square 0.0249937… m north, see the traverse's tests); a
// folder where the file should go is refused by name.
TEST(ExportaPoligono, VerticesCompensadosEPastaNoLugarDoArquivo)
{
    OpcoesPoligonal o;
    o.fatorEscala = false;
    o.compensar = true;
    const auto r = CalculaPoligonal({{"M1", "M2", 0, 100}, {"M2", "M3", 90, 100}, {"M3", "M4", 180, 100.10},
                                     {"M4", "M1", 270, 100}}, {}, o);
    const PoligonoExportado p = PoligonoParaExportar(r, QStringLiteral("Q"), 23, true);
    ASSERT_EQ(p.vertices.size(), 4u);
    EXPECT_TRUE(p.fechado);
    EXPECT_NEAR(p.vertices[1].plano.N, 100.02499375156211, 1e-9);
    QTemporaryDir pasta;
    EXPECT_TRUE(ExportaPoligono(FormatoPoligono::Csv, pasta.path(), p, Brasil).contains(QStringLiteral("já existe uma pasta")));
}

}  // namespace
