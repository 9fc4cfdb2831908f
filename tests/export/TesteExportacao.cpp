// SPDX-License-Identifier: GPL-3.0-or-later
// The export: golden files, refusals that name file and reason and leave the folder as it was, the
// documents folder when the program's is not writable; the code page; the polygon's files read back.
#include "export/EscreveExportacao.h"
#include "export/ExportaPoligono.h"
#include "export/LinhasExportacao.h"
#include "export/Windows1252.h"
#include "poligono/Poligonal.h"
#include "present/FormataResultados.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ceravel {
namespace {

QByteArray Conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Modo(const QString& caminho, mode_t modo) { ::chmod(QFile::encodeName(caminho).constData(), modo); }

// Root ignores permissions, so a read-only folder is made so for every user
// by giving root's rights up meanwhile; /proc refuses new files to anyone.
struct SemDireitosDeRaiz {
    SemDireitosDeRaiz() : raiz(::geteuid() == 0) { certo = !raiz || ::seteuid(65534) == 0; }
    ~SemDireitosDeRaiz() { (void)!(raiz && certo && ::seteuid(0)); }
    bool ok() const { return certo; }
    bool raiz, certo;
};

// Windows-1252, not Latin-1: 0x80 to 0x9F hold the euro, quotes and ligature.
const QString Cp1252 = QStringLiteral("°€“Œ”");
const QByteArray Cp1252Bytes("\xB0\x80\x93\x8C\x94\r\n");

class Escrita : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile f(caminho());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(1000, 'v')) == 1000);
        f.close();
        ASSERT_TRUE(QDir(pasta()).mkdir(QStringLiteral("sub")) && QDir(pasta()).mkdir(QStringLiteral("pasta-Ceravel.csv")));
        m_inicial = estado();
    }
    QString pasta() const { return m_dir.path(); }
    QString caminho(const QString& digitado = QStringLiteral("dados")) const
    {
        return QDir(pasta()).filePath(digitado + QStringLiteral("-Ceravel.csv"));
    }
    QStringList estado() const
    {
        QStringList s{QString::fromLatin1(Conteudo(caminho()))};
        QDirIterator it(pasta(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            s << it.next();
        s.sort();
        return s;
    }
    // A refusal names the file and the reason, and leaves the folder as it was.
    void confereRecusa(const ResultadoExportacao& r, const QString& nome, const QString& motivo) const
    {
        EXPECT_FALSE(r.gravado);
        EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"%1\": ").arg(nome))
                    && r.mensagem.contains(motivo)) << r.mensagem.toStdString();
        EXPECT_EQ(estado(), m_inicial);
    }

    QTemporaryDir m_dir;
    QStringList m_inicial;
};

// Bytes, so the 26 lines, the code page and the CR LF all count; the earlier
// file is replaced without asking. The calculation of 31/12/2004.
TEST_F(Escrita, WritesTheGoldenFiles)
{
    const std::tuple<const char*, QString, QString, const char*> casos[] = {
        {"C", "-27.5861111111111", "-48.25", "exportacao-ponto-lat-gms-lon-decimal.csv"},
        {"pt_BR", "-27,5", "-48,5125", "exportacao-virgula-lat-decimal-lon-gms.csv"}};
    for (const auto& [locale, latExp, longExp, arquivo] : casos) {
        SCOPED_TRACE(arquivo);
        Calculo c;
        c.entrada.dia = QStringLiteral("31"), c.entrada.mes = QStringLiteral("12"), c.entrada.ano = QStringLiteral("2004");
        c.pedido.anoDecimal = 2005.0;
        ElementosCampo& e = c.elementos;
        e.D = -20.5f, e.I = -30.125f, e.F = 23456.8f, e.m = -7.5f, e.n = 3.75f, e.dF = -25.5f;
        e.X = 19003.7, e.Y = -7105.2, e.Z = -11772.7, e.dX = -24.13, e.dY = -38.23, e.dZ = 34.93;
        c.textos = FormataResultados(e, c.pedido, c.entrada, QLocale(QString::fromLatin1(locale)));
        c.textos.latExp = latExp, c.textos.longExp = longExp;
        const ResultadoExportacao r = EscreveExportacao(pasta(), QStringLiteral("dados"), LinhasExportacao(c));
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo dados-Ceravel.csv"));
        EXPECT_EQ(Conteudo(caminho()), Conteudo(QStringLiteral(CERAVEL_DADOS_TESTE "/") + QString::fromLatin1(arquivo)));
        EXPECT_EQ(estado().size(), m_inicial.size()) << "no temporary file left";
    }
}

// In the program's folder: the name as typed, or a refusal; a read-only
// folder and a write failing half-way (the file size limit, as a full disk).
TEST_F(Escrita, WritesOrRefusesInTheProgramFolder)
{
    const struct {
        QString subpasta, digitado, linha, motivo;  // motivo empty: written
        mode_t modo = 0777;  // of the program folder, during the call
        rlim_t limite = RLIM_INFINITY;
    } casos[] = {
        {{}, " dados ", Cp1252, {}},
        {{}, "sub/dados", Cp1252, "pasta do programa"},
        {{}, QStringLiteral("da") + QChar(u'\0') + QStringLiteral("dos"), Cp1252, "não aceita esse nome"},
        {{}, "dados", "5\r;6", "quebra de linha"},
        {{}, "dados", "Łódź", "o texto \"Łódź\" tem o caractere \"Ł\", que a codificação Windows-1252 não representa."},
        {"/sumiu", "dados", Cp1252, "não foi encontrada"},
        {{}, "pasta", Cp1252, "já existe uma pasta"},
        {{}, "dados", Cp1252, "permissão negada para gravar na pasta do programa", 0555},
        {{}, "dados", QString(100, u'x'), "tamanho máximo", 0777, 8},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.digitado.toStdString() + " " + c.linha.toStdString());
        Modo(pasta(), c.modo);
        const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
        rlimit anterior{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
        rlimit limite = anterior;
        limite.rlim_cur = c.limite;
        ResultadoExportacao r;
        {
            SemDireitosDeRaiz semRaiz;
            ASSERT_TRUE(semRaiz.ok() && ::setrlimit(RLIMIT_FSIZE, &limite) == 0);
            r = EscreveExportacao(pasta() + c.subpasta, c.digitado, {c.linha});
            ::setrlimit(RLIMIT_FSIZE, &anterior);
        }
        std::signal(SIGXFSZ, sinalAnterior);
        Modo(pasta(), 0700);
        EXPECT_EQ(r.arquivo, c.digitado + QStringLiteral("-Ceravel.csv"));
        if (!c.motivo.isEmpty()) {
            confereRecusa(r, r.arquivo, c.motivo);
            continue;
        }
        EXPECT_TRUE(r.gravado) << r.mensagem.toStdString();
        EXPECT_EQ(Conteudo(caminho(c.digitado)), Cp1252Bytes);
        QFile::remove(caminho(c.digitado));
    }
}

// Export's folder: the program's when writable (as before: the name alone in
// the message, no documents folder created), else the documents folder,
// created when missing, named in full in the message.
TEST_F(Escrita, BesideTheProgramOrInTheDocumentsFolder)
{
    const auto documentosNovos = [](const QString& casa) { return casa + QStringLiteral("/Documentos"); };
    const struct {
        bool programaGravavel;
        std::function<QString(const QString&)> documentos;  // from a fresh home folder
        QString digitado, linha, motivo;                    // motivo empty: written
        bool semRaiz = false;                               // the call without root's rights
    } casos[] = {
        {true, documentosNovos, "outro", Cp1252, {}},
        {false, [](const QString& casa) { return casa + QStringLiteral("/a/Documentos"); }, " dados ", Cp1252, {}},
        {false,
         [&](const QString& casa) {  // exists, and refuses the write
             QDir(casa).mkdir(QStringLiteral("Documentos"));
             Modo(casa, 0755), Modo(documentosNovos(casa), 0555);
             return documentosNovos(casa);
         },
         "dados", Cp1252, "permissão negada para gravar na pasta de documentos", true},
        {false, [](const QString&) { return QStringLiteral("/proc/Documentos"); }, "dados", Cp1252,
         "não foi possível criar a pasta de documentos \"/proc/Documentos\""},
        {false, [](const QString&) { return QString(); }, "dados", Cp1252,
         "a pasta de documentos do usuário não foi encontrada"},
    };
    for (const auto& c : casos) {
        QTemporaryDir casa;
        const QString documentos = c.documentos(casa.path());
        SCOPED_TRACE(documentos.toStdString() + " " + c.digitado.toStdString() + " " + c.motivo.toStdString());
        const QString programa = c.programaGravavel ? pasta() : QStringLiteral("/proc");
        ResultadoExportacao r;
        {
            std::optional<SemDireitosDeRaiz> semRaiz;
            if (c.semRaiz) {
                ASSERT_TRUE(semRaiz.emplace().ok());
            }
            r = ExportaArquivo(programa, c.digitado, {c.linha}, DestinoExportacao{PastaGravavel, [&] { return documentos; }});
        }
        const QString arquivo = c.digitado + QStringLiteral("-Ceravel.csv");
        const QString destino = c.programaGravavel     ? caminho(c.digitado)
                                : documentos.isEmpty() ? arquivo
                                                       : QDir(documentos).filePath(arquivo);
        const QString nome = c.programaGravavel ? arquivo : QDir::toNativeSeparators(destino);
        EXPECT_EQ(r.arquivo, arquivo);
        if (!c.motivo.isEmpty()) {
            confereRecusa(r, nome, c.motivo);
            EXPECT_FALSE(QFileInfo(destino).isFile());
            continue;
        }
        ASSERT_TRUE(r.gravado) << r.mensagem.toStdString();
        EXPECT_EQ(r.caminho, destino);
        EXPECT_EQ(Conteudo(destino), Cp1252Bytes);
        EXPECT_EQ(r.mensagem, QStringLiteral("Os dados foram salvos no arquivo ") + nome
                                  + (c.programaGravavel ? QString()
                                                        : QStringLiteral("\n\nA pasta do programa não permite gravação; "
                                                                         "por isso o arquivo foi salvo na pasta de documentos.")));
        EXPECT_EQ(QFileInfo::exists(documentos), !c.programaGravavel);
        QFile::remove(caminho(QStringLiteral("outro")));
        if (!c.programaGravavel) {
            EXPECT_EQ(estado(), m_inicial);
        }
    }
}

struct CasoCodificacao {
    const char* nome;
    QString texto;
    QByteArray bytes;   // empty when refused
    QString recusado;   // the character named when refused
};

class Codificacao : public testing::TestWithParam<CasoCodificacao> {};

// Appended behind earlier bytes, which a refusal leaves as they were.
TEST_P(Codificacao, WritesEveryCharacterOrNamesTheFirstItLacks)
{
    const CasoCodificacao& c = GetParam();
    QByteArray destino("x;");
    EXPECT_EQ(AcrescentaWindows1252(destino, c.texto), c.recusado.isEmpty());
    EXPECT_EQ(destino, "x;" + c.bytes);
    EXPECT_EQ(PrimeiroNaoRepresentavel(c.texto), c.recusado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Codificacao,
    testing::Values(
        CasoCodificacao{"Latin1RangeByteForByte", QStringLiteral("Aé º\u00FF"), "A\xE9 \xBA\xFF", {}},
        // 0x80 to 0x9F hold the euro, quotes and ligature, not Latin-1's controls.
        CasoCodificacao{"NotLatin1From0x80To0x9F", QStringLiteral("°€“Œ”"), "\xB0\x80\x93\x8C\x94", {}},
        CasoCodificacao{"ControlWithoutAByte", QStringLiteral("a\u0080"), {}, QStringLiteral("\u0080")},
        // Ł has a "best fit" l in some converters: it must be named, not replaced.
        CasoCodificacao{"NoBestFit", QStringLiteral("Łódź"), {}, QStringLiteral("Ł")},
        CasoCodificacao{"SurrogatePairNamedWhole", QStringLiteral("a€😀Ł"), {}, QStringLiteral("😀")}),
    [](const auto& info) { return std::string(info.param.nome); });

// The five bytes the code page leaves undefined read as the controls of the same number, as Windows reads them.
TEST(Decodificacao, EveryByteIsACharacter)
{
    DecodificadorWindows1252 decodificador;
    EXPECT_EQ(decodificador.decodifica("Observa\xE7\xE3o \x93" "dado\x94 \x80 \x81\x8D\x8F\x90\x9D"),
              QStringLiteral("Observação “dado” € \u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(decodificador.decodifica("21\xBA"), QStringLiteral("21º"));  // the same decoder again
    // On screen a line ends in "\n"; a lone CR is text.
    EXPECT_EQ(TextoArquivoWindows1252("Declina\xE7\xE3o\r\n\r\nfim\r"), QStringLiteral("Declinação\n\nfim\r"));
}

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

std::vector<std::pair<double, double>> Pares(const QString& t, const QRegularExpression& pontos, QChar entre)
{
    std::vector<std::pair<double, double>> r;
    for (const QString& p : t.split(pontos, Qt::SkipEmptyParts)) {
        const QStringList c = p.trimmed().split(entre);
        r.emplace_back(c[0].toDouble(), c[1].toDouble());
    }
    return r;
}

// The KML through Qt's XML reader: a placemark per vertex, and the polygon.
Leitura LeKml(const QString& caminho, const QLocale&)
{
    Leitura l;
    QXmlStreamReader x(Bytes(caminho));
    QString nome, pai;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"Polygon" || x.name() == u"Point")
            pai = x.name().toString();
        if (x.name() == u"name") {
            nome = x.readElementText();
        } else if (x.name() == u"coordinates") {
            const auto p = Pares(x.readElementText(), QRegularExpression(QStringLiteral("\\s+")), u',');
            pai == u"Polygon" ? void(l.contorno = p) : l.vertices.push_back({nome, p.at(0).first, p.at(0).second});
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return l;
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
    testing::Values(CasoExporta{"kml", FormatoPoligono::Kml, Brasil, LeKml, true, 1e-9},
                    CasoExporta{"geojson", FormatoPoligono::GeoJson, Brasil, LeGeoJson, true, 0.6e-8},
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
}  // namespace ceravel
