#include "ui/ImpressaoRelatorio.h"

#include "test_impressao_apoio.h"
#include "ui/Forma.h"
#include "ui/Linha.h"
#include "ui/Relatorio.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <ostream>

namespace ceravel {
namespace {

using teste::MensageiroRegistro;

// What the report shows: every label's text and visibility, and the needle.
std::map<QString, QString> Estado(const Relatorio& r)
{
    std::map<QString, QString> estado;
    for (const QLabel* l : r.findChildren<QLabel*>())
        estado[l->objectName() + l->property("indice").toString()] =
            l->text() + (l->isHidden() ? QStringLiteral(" [hidden]") : QString());
    const Agulha& a = const_cast<Relatorio&>(r).agulha();
    estado[QStringLiteral("NVLine")] = QStringLiteral("%1 %2 %3").arg(a.linha->x2()).arg(a.linha->y2()).arg(a.linha->isHidden());
    estado[QStringLiteral("NVCirc")] = QStringLiteral("%1 %2").arg(a.circulo->esquerda()).arg(a.circulo->topo());
    return estado;
}

// The report as a successful calculation leaves it (texts, then needle).
void Preenche(Relatorio& r, const Calculo& c)
{
    r.preencheTextos(c.textos);
    r.agulha().mostra(true);
    r.agulha().posiciona(c.textos.agulhaRelatorio);
}

// A word of pdftotext -bbox: its box in points from the page's top left.
struct Palavra {
    QString texto;
    double x0, y0, x1, y1;
};

std::vector<Palavra> Palavras(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression palavra(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Palavra> palavras;
    for (const auto& m : palavra.globalMatch(html))
        palavras.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                            m.captured(3).toDouble(), m.captured(4).toDouble()});
    return palavras;
}

const Palavra* Acha(const std::vector<Palavra>& palavras, const QString& texto)
{
    for (const Palavra& p : palavras)
        if (p.texto == texto)
            return &p;
    return nullptr;
}

class Impressao : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programa.isValid());
        ASSERT_TRUE(m_saida.isValid());
        teste::EscreveModeloDeTeste(m_programa.path());
    }

    Calculo calculo(const QLocale& locale, FormaEntrada latitude, FormaEntrada longitude)
    {
        return teste::CalculoDeTeste(teste::EntradaDeTeste(latitude, longitude, locale), locale,
                                     m_programa.path());
    }

    // Prints to a PDF file through Qt's own PDF output; the page is A4 with
    // margins of 10 points unless the test says otherwise.
    QString imprime(Relatorio& r, const QString& nome, const QPageSize& pagina = QPageSize(QPageSize::A4))
    {
        const QString pdf = m_saida.filePath(nome);
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(pagina);
        p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        EXPECT_TRUE(ImprimeRelatorio(r, p));
        return pdf;
    }

    QTemporaryDir m_programa, m_saida;
};

struct CasoTextos {
    const char* nome;
    QLocale locale;
    FormaEntrada latitude, longitude;
};

void PrintTo(const CasoTextos& c, std::ostream* os) { *os << c.nome; }

class TextosImpressos : public Impressao, public ::testing::WithParamInterface<CasoTextos> {};

// The page is text, not a picture: every text of the report reads back from
// the PDF, and the PDF holds no image at all.
TEST_P(TextosImpressos, EveryReportTextIsOnThePageAsText)
{
    const Calculo c = calculo(GetParam().locale, GetParam().latitude, GetParam().longitude);
    Relatorio r;
    Preenche(r, c);
    const QString pdf = imprime(r, QStringLiteral("relatorio.pdf"));

    EXPECT_EQ(teste::PaginasDoPdf(pdf), 1);
    EXPECT_EQ(teste::ImagensDoPdf(pdf), 0);
    const QString texto = teste::TextoDoPdf(pdf);
    const TextosResultado& t = c.textos;
    for (const QString& esperado :
         {t.relData, t.relEpoca, t.relLatitude, t.relLongitude, t.cx, t.vx2, t.cy, t.vy2, t.cz, t.vz2, t.cf,
          t.vf2, t.dmin, t.vd, t.inc2, t.aimin2, t.vi2})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
    for (const char* fixo :
         {"Ceravel", "Dados de Entrada", "Data:", "Época:", "Latitude:", "Longitude:", "Dados Complementares",
          "Intensidade Total", "Inclinação", "Componente:", "Variação:", "NG", "NM",
          "Modelo regional para datas de 1995 a 2005"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(fixo))) << fixo;
    // "graus" stands only after the coordinate typed in decimal degrees.
    EXPECT_EQ(texto.count(QStringLiteral("graus")), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Locais, TextosImpressos,
    ::testing::Values(CasoTextos{"FullStopLatitudeDmsLongitudeDecimal", QLocale::c(),
                                 FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais},
                      CasoTextos{"DecimalCommaLatitudeDecimalLongitudeDms",
                                 QLocale(QLocale::Portuguese, QLocale::Brazil), FormaEntrada::GrausDecimais,
                                 FormaEntrada::GrausMinutosSegundos}),
    [](const auto& info) { return std::string(info.param.nome); });

// A report printed before any calculation shows its design captions and no
// needle; the needle's label only comes with a calculation.
TEST_F(Impressao, FreshReportPrintsItsDesignCaptionsWithoutNeedle)
{
    Relatorio r;
    const QString texto = teste::TextoDoPdf(imprime(r, QStringLiteral("vazio.pdf")));
    for (const char* design : {"DMIN", "VD", "CX", "VX", "INC", "AIMIN", "VI", "Epoca", "Lat", "Long"})
        EXPECT_TRUE(texto.contains(QString::fromLatin1(design))) << design;
    EXPECT_FALSE(texto.contains(QStringLiteral("NM")));
    EXPECT_EQ(texto.count(QStringLiteral("graus")), 2);
}

// One twip is 1/20 point on paper: the page is printed at its true size
// (10680 x 11145 twips, 7.4 x 7.7 inches) from the printable area's corner.
TEST_F(Impressao, PageComesOutAtItsTrueSize)
{
    Relatorio r;
    Preenche(r, calculo(QLocale::c(), FormaEntrada::GrausDecimais, FormaEntrada::GrausDecimais));
    const auto palavras = Palavras(imprime(r, QStringLiteral("tamanho.pdf")));
    const Palavra* data = Acha(palavras, QStringLiteral("Data:"));
    const Palavra* epoca = Acha(palavras, QStringLiteral("Época:"));
    const Palavra* latitude = Acha(palavras, QStringLiteral("Latitude:"));
    ASSERT_TRUE(data && epoca && latitude);
    // "Data:" sits 240 twips into Frame1 (at 360): 30 points, plus the margin.
    EXPECT_NEAR(data->x0, 10 + 600 / 20.0, 1.5);
    // "Latitude:" stands 4920 twips to the right of "Data:", "Época:" 360 below.
    EXPECT_NEAR(latitude->x0 - data->x0, 4920 / 20.0, 1.0);
    EXPECT_NEAR(epoca->y0 - data->y0, 360 / 20.0, 1.0);
}

// A page smaller than the report gets the whole report, reduced to fit.
TEST_F(Impressao, SmallerPageGetsTheWholeReportReduced)
{
    Relatorio r;
    const Calculo c = calculo(QLocale::c(), FormaEntrada::GrausDecimais, FormaEntrada::GrausDecimais);
    Preenche(r, c);
    const QPageSize a6(QPageSize::A6);
    const QString pdf = imprime(r, QStringLiteral("a6.pdf"), a6);
    const auto palavras = Palavras(pdf);
    const QSizeF pagina = a6.size(QPageSize::Point);
    ASSERT_FALSE(palavras.empty());
    for (const Palavra& p : palavras) {
        EXPECT_LE(p.x1, pagina.width() - 10 + 0.5) << p.texto.toStdString();
        EXPECT_LE(p.y1, pagina.height() - 10 + 0.5) << p.texto.toStdString();
    }
    const QString texto = teste::TextoDoPdf(pdf);
    for (const QString& esperado : {c.textos.vi2, c.textos.vz2, c.textos.relLongitude})
        EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString();
    // Reduced by the tighter of width and height: (419.53 - 20) / (11145 / 20).
    const double reducao = std::min((pagina.width() - 20) / 534.0, (pagina.height() - 20) / 557.25);
    const Palavra* data = Acha(palavras, QStringLiteral("Data:"));
    const Palavra* latitude = Acha(palavras, QStringLiteral("Latitude:"));
    ASSERT_TRUE(data && latitude);
    EXPECT_NEAR(latitude->x0 - data->x0, 4920 / 20.0 * reducao, 1.0);
}

TEST_F(Impressao, PrintingTwiceGivesTheSamePageAndLeavesTheReportAsItWas)
{
    Relatorio r;
    Preenche(r, calculo(QLocale::c(), FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais));
    const auto antes = Estado(r);
    const QString primeiro = imprime(r, QStringLiteral("primeiro.pdf"));
    const QString segundo = imprime(r, QStringLiteral("segundo.pdf"));
    EXPECT_EQ(teste::TextoDoPdf(primeiro), teste::TextoDoPdf(segundo));
    const QImage a = teste::PaginaDoPdf(primeiro, 60);
    const QImage b = teste::PaginaDoPdf(segundo, 60);
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(a, b);
    EXPECT_EQ(Estado(r), antes);
    EXPECT_FALSE(r.isVisible()) << "the report is never shown";
}

TEST_F(Impressao, PageThatCannotBeProducedIsReportedAndTheReportKept)
{
    Relatorio r;
    Preenche(r, calculo(QLocale::c(), FormaEntrada::GrausDecimais, FormaEntrada::GrausDecimais));
    const auto antes = Estado(r);
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    const QString destino = m_saida.filePath(QStringLiteral("sumiu/relatorio.pdf"));
    p.setOutputFileName(destino);
    MensageiroRegistro m;
    EXPECT_FALSE(ImprimeOuAvisa(r, p, m));
    ASSERT_EQ(m.mensagens.size(), 1);
    EXPECT_TRUE(m.mensagens[0].startsWith(QStringLiteral("Não foi possível imprimir o relatório: ")))
        << m.mensagens[0].toStdString();
    EXPECT_TRUE(m.mensagens[0].contains(destino));
    EXPECT_EQ(Estado(r), antes);
}

TEST_F(Impressao, NoPrinterIsReportedAndTheReportKept)
{
    Relatorio r;
    Preenche(r, calculo(QLocale::c(), FormaEntrada::GrausDecimais, FormaEntrada::GrausDecimais));
    const auto antes = Estado(r);
    MensageiroRegistro m;
    ImprimeNaImpressora(r, QPrinterInfo(), m);
    EXPECT_EQ(m.mensagens,
              QStringList{QStringLiteral("Não foi possível imprimir o relatório: nenhuma impressora disponível.")});
    EXPECT_EQ(Estado(r), antes);
}

// ----------------------------------------------------------------- CUPS

using Instantaneo = std::map<QString, std::pair<QDateTime, qint64>>;

Instantaneo Arquivos(const QString& pasta)
{
    Instantaneo arquivos;
    for (const QFileInfo& f : QDir(pasta).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        arquivos[f.fileName()] = {f.lastModified(), f.size()};
    return arquivos;
}

// Through the real print path: the default printer of a print server that
// scripts/start-cups.sh started, a cups-pdf queue that writes a PDF file.
TEST_F(Impressao, DefaultPrinterOfThePrintServerGetsOneNonBlankPage)
{
    const QString fila = qEnvironmentVariable("CERAVEL_CUPS_FILA");
    const QString pasta = qEnvironmentVariable("CERAVEL_CUPS_PDF_DIR");
    if (fila.isEmpty() || pasta.isEmpty())
        GTEST_SKIP() << "no print server: scripts/test.sh starts one (scripts/start-cups.sh)";
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), fila) << "start-cups.sh made the cups-pdf queue the default";

    Relatorio r;
    Preenche(r, calculo(QLocale::c(), FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais));
    const Instantaneo antes = Arquivos(pasta);
    MensageiroRegistro m;
    ImprimeNaImpressoraPadrao(r, m);
    EXPECT_TRUE(m.mensagens.isEmpty()) << m.mensagens.join(u'\n').toStdString();

    // cups-pdf writes the file some seconds later; it is complete once
    // poppler can read it.
    QString novo;
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < 30000) {
        for (const auto& [nome, info] : Arquivos(pasta)) {
            const auto anterior = antes.find(nome);
            if (anterior == antes.end() || anterior->second != info) {
                QProcess pdfinfo;
                pdfinfo.start(QStringLiteral("pdfinfo"), {QDir(pasta).filePath(nome)});
                if (pdfinfo.waitForFinished(10000) && pdfinfo.exitCode() == 0)
                    novo = QDir(pasta).filePath(nome);
            }
        }
        if (!novo.isEmpty())
            break;
        QThread::msleep(250);
    }
    ASSERT_FALSE(novo.isEmpty()) << "no PDF arrived in " << pasta.toStdString() << " within 30 s";
    EXPECT_EQ(teste::PaginasDoPdf(novo), 1);
    // Not blank: the rule, the compass and the texts darken a good part of it.
    const QImage pagina = teste::PaginaDoPdf(novo, 30).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(pagina.isNull());
    int escuros = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            escuros += qGray(pagina.pixel(x, y)) < 128;
    EXPECT_GT(escuros, 500);
    QFile::remove(novo);
}

}  // namespace
}  // namespace ceravel
