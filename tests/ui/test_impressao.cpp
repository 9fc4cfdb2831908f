// SPDX-License-Identifier: GPL-3.0-or-later
// The report printed: texts read back from the PDF (poppler-utils), true size,
// reduced fit, the same page twice, failures, and the print server's page.
#include "AmbienteJanelas.h"

#include "ui/ImpressaoRelatorio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace ceravel::teste {
namespace {

// Runs a poppler tool; fails the test when it is missing or fails.
QByteArray Executa(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    const bool terminou = p.waitForFinished(30000);
    EXPECT_TRUE(terminou && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << programa.toStdString() << " (poppler-utils): " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// Text in reading order; each page ends with a form feed.
QString TextoDoPdf(const QString& pdf) { return QString::fromUtf8(Executa("pdftotext", {"-enc", "UTF-8", pdf, "-"})); }

QImage PaginaDoPdf(const QString& pdf, int pontosPorPolegada)
{
    QTemporaryDir pasta;
    const QString prefixo = pasta.filePath("pagina");
    Executa("pdftoppm", {"-r", QString::number(pontosPorPolegada), "-png", "-singlefile", pdf, prefixo});
    return QImage(prefixo + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// Each word's box, in points from the page's top left (pdftotext -bbox).
std::map<QString, QRectF> Palavras(const QString& pdf)
{
    static const QRegularExpression palavra(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::map<QString, QRectF> palavras;
    for (const auto& m : palavra.globalMatch(QString::fromUtf8(Executa("pdftotext", {"-bbox", pdf, "-"}))))
        palavras.try_emplace(m.captured(5), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    return palavras;
}

using Impressao = AmbienteJanelas;

// Text, not a picture: every text reads back from the PDF, which holds no image. At
// 1/20 point a twip, the page (10680 x 11145 twips) has its true size from the printable
// area's corner, or is reduced to fit; printing again gives the same page, report unchanged.
TEST_F(Impressao, EveryTextAtItsPlaceTheSameEveryTime)
{
    const struct { bool ptBR; QStringList latitude, longitude; QPageSize::PageSizeId pagina; } casos[] = {
        {false, {"-15", "30", "0"}, {"-55.25"}, QPageSize::A4}, {true, {"-15,5"}, {"-55", "15", "0"}, QPageSize::A6},
        {false, {"-15", "30", "0"}, {"-55.25"}, QPageSize::DoublePostcard}};  // reduced by its width, by its height
    for (const auto& c : casos) {
        SCOPED_TRACE(QPageSize(c.pagina).name().toStdString());
        usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
        preenche("1", "7", "2000", c.latitude, c.longitude);
        clica(main(), "BtCalcular");
        ASSERT_TRUE(main().ultimoCalculo().has_value()) << mensageiro.todas();
        const QImage antes = janelas->relatorio().grab().toImage();
        const auto imprime = [&](const QString& nome) {  // Qt's own PDF output, margins of 10 points
            QPrinter p(QPrinter::HighResolution);
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pasta.filePath(nome));
            p.setPageSize(QPageSize(c.pagina));
            p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
            EXPECT_TRUE(ImprimeRelatorio(janelas->relatorio(), p));
            return p.outputFileName();
        };
        const QString pdf = imprime("relatorio.pdf");
        const QString texto = TextoDoPdf(pdf);
        EXPECT_EQ(texto.count(u'\f'), 1);
        EXPECT_EQ(QString::fromUtf8(Executa("pdfimages", {"-list", pdf})).split(u'\n', Qt::SkipEmptyParts).size(),
                  2);  // the two header lines only
        const TextosResultado& t = main().ultimoCalculo()->textos;
        for (const QString& esperado : {t.relData, t.relEpoca, t.relLatitude, t.relLongitude, t.cx, t.vx2, t.cy,
                                        t.vy2, t.cz, t.vz2, t.cf, t.vf2, t.dmin, t.vd, t.inc2, t.aimin2, t.vi2,
                                        QStringLiteral("Dados de Entrada"), QStringLiteral("NM")})
            EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
        EXPECT_EQ(texto.count("graus"), 1);  // after the coordinate typed in decimal degrees only

        const QSizeF pagina = QPageSize(c.pagina).size(QPageSize::Point);
        const auto palavras = Palavras(pdf);
        ASSERT_TRUE(palavras.count("Data:") && palavras.count("Época:") && palavras.count("Latitude:"));
        for (const auto& [texto, p] : palavras)
            EXPECT_TRUE(p.right() <= pagina.width() - 9.5 && p.bottom() <= pagina.height() - 9.5) << texto.toStdString();
        const double reducao = std::min({1.0, (pagina.width() - 20) / 534.0, (pagina.height() - 20) / 557.25});
        const QRectF data = palavras.at("Data:");
        // "Data:" is 600 twips in; "Latitude:" 4920 twips to its right, "Época:" 360 below.
        EXPECT_NEAR(data.left(), 10 + 600 / 20.0 * reducao, 1.5);
        EXPECT_NEAR(palavras.at("Latitude:").left() - data.left(), 4920 / 20.0 * reducao, 1.0);
        EXPECT_NEAR(palavras.at("Época:").top() - data.top(), 360 / 20.0 * reducao, 1.0);

        EXPECT_EQ(TextoDoPdf(imprime("outra.pdf")), texto);
        EXPECT_EQ(janelas->relatorio().grab().toImage(), antes);
    }
}

TEST_F(Impressao, PageThatCannotBeWrittenOrNoPrinterGivesAMessage)
{
    calculaComSucesso();
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    const QString destino = pasta.filePath("sumiu/relatorio.pdf");
    p.setOutputFileName(destino);
    EXPECT_FALSE(ImprimeOuAvisa(janelas->relatorio(), p, mensageiro));
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].startsWith("Não foi possível imprimir o relatório: ")
                && mensageiro.mensagens[0].contains(destino)) << mensageiro.todas();

    ImprimeNaImpressora(janelas->relatorio(), QPrinterInfo(), mensageiro);
    EXPECT_EQ(mensageiro.mensagens.value(1), "Não foi possível imprimir o relatório: nenhuma impressora disponível.");
}

// Through "&Imprimir" to the default printer of the print server that
// scripts/start-cups.sh started: a cups-pdf queue that writes a PDF file.
TEST_F(Impressao, DefaultPrinterOfThePrintServerGetsOneNonBlankPage)
{
    const QString fila = qEnvironmentVariable("CERAVEL_CUPS_FILA");
    const QDir pastaPdf(qEnvironmentVariable("CERAVEL_CUPS_PDF_DIR"));
    if (fila.isEmpty() || qEnvironmentVariableIsEmpty("CERAVEL_CUPS_PDF_DIR"))
        GTEST_SKIP() << "no print server: scripts/test.sh starts one (scripts/start-cups.sh)";
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), fila);
    const auto arquivos = [&] {
        std::map<QString, QDateTime> a;
        for (const QFileInfo& f : pastaPdf.entryInfoList({"*.pdf"}, QDir::Files))
            a[f.absoluteFilePath()] = f.lastModified();
        return a;
    };
    const auto antes = arquivos();
    calculaComSucesso();
    aciona("MAImp");
    EXPECT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.todas();

    // cups-pdf writes the file some seconds later; it is complete once poppler reads it.
    QString novo;
    QElapsedTimer relogio;
    relogio.start();
    while (novo.isEmpty() && relogio.elapsed() < 30000) {
        QThread::msleep(250);
        for (const auto& [nome, quando] : arquivos()) {
            QProcess pdfinfo;
            if (antes.count(nome) == 0 || antes.at(nome) != quando)
                pdfinfo.start("pdfinfo", {nome});
            if (pdfinfo.waitForFinished(10000) && pdfinfo.exitCode() == 0)
                novo = nome;
        }
    }
    ASSERT_FALSE(novo.isEmpty()) << "no PDF arrived in " << pastaPdf.path().toStdString() << " within 30 s";
    EXPECT_EQ(TextoDoPdf(novo).count(u'\f'), 1);
    // Not blank: the rule, the compass and the texts darken a good part of it.
    const QImage pagina = PaginaDoPdf(novo, 30);
    int escuros = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            escuros += qGray(pagina.pixel(x, y)) < 128;
    EXPECT_GT(escuros, 500);
    QFile::remove(novo);
}

}  // namespace
}  // namespace ceravel::teste
