#include "test_impressao_apoio.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace ceravel::teste {

namespace {

// Widgets need one QApplication for the whole run; no screen is needed.
class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "test_impressao";
        static char* argv[] = {nome, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const ambiente =
    ::testing::AddGlobalTestEnvironment(new AmbienteQt);

void EscreveCoeficientes(const QString& pasta, const char* nome, double c1, double c4)
{
    QStringList itens;
    for (int k = 1; k <= 31; ++k)
        itens << (k == 1 ? QString::number(c1, 'g', 17) : k == 4 ? QString::number(c4, 'g', 17)
                                                                 : QStringLiteral("0"));
    QFile f(pasta + u'/' + QString::fromLatin1(nome));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << nome;
    f.write(itens.join(u'\n').toLatin1() + '\n');
}

// Runs a poppler tool; fails the test when it is missing or fails.
QByteArray Executa(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    const bool terminou = p.waitForFinished(30000);
    EXPECT_TRUE(terminou && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << programa.toStdString() << " " << argumentos.join(u' ').toStdString()
        << " (poppler-utils is installed by scripts/install-deps.sh): "
        << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

}  // namespace

void EscreveModeloDeTeste(const QString& pasta)
{
    EscreveCoeficientes(pasta, "COEF-D2000", -18.625, -0.125);
    EscreveCoeficientes(pasta, "COEF-I2000", -31.0625, 0.0625);
    EscreveCoeficientes(pasta, "COEF-F2000", 23839.25, -25.5);
}

TextosEntrada EntradaDeTeste(FormaEntrada latitude, FormaEntrada longitude, const QLocale& locale)
{
    TextosEntrada e;
    e.dia = QStringLiteral("31");
    e.mes = QStringLiteral("12");
    e.ano = QStringLiteral("2004");
    e.latGraus = locale.toString(-27.5);
    e.latG = QStringLiteral("-27");
    e.latM = QStringLiteral("35");
    e.latS = QStringLiteral("10");
    e.lonGraus = locale.toString(-48.25);
    e.longG = QStringLiteral("-48");
    e.longM = QStringLiteral("30");
    e.longS = QStringLiteral("45");
    e.formaLatitude = latitude;
    e.formaLongitude = longitude;
    return e;
}

Calculo CalculoDeTeste(const TextosEntrada& entrada, const QLocale& locale, const QString& pasta)
{
    ResultadoCalculo r = Calcula(entrada, locale, pasta);
    if (auto* c = std::get_if<Calculo>(&r))
        return *c;
    if (auto* g = std::get_if<FalhaGuarda>(&r))
        ADD_FAILURE() << "guard failed: " << g->mensagem.toStdString();
    if (auto* m = std::get_if<FalhaModelo>(&r))
        ADD_FAILURE() << "model failed: " << m->mensagem.toStdString();
    return {};
}

QString TextoDoPdf(const QString& pdf)
{
    return QString::fromUtf8(
        Executa(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                              QStringLiteral("-")}));
}

int PaginasDoPdf(const QString& pdf)
{
    const QString info = QString::fromUtf8(Executa(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString& linha : info.split(u'\n'))
        if (linha.startsWith(QStringLiteral("Pages:")))
            return linha.mid(6).trimmed().toInt();
    return -1;
}

QImage PaginaDoPdf(const QString& pdf, int pontosPorPolegada)
{
    QTemporaryDir pasta;
    const QString prefixo = pasta.filePath(QStringLiteral("pagina"));
    Executa(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(pontosPorPolegada),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                                         prefixo});
    return QImage(prefixo + QStringLiteral(".png"));
}

int ImagensDoPdf(const QString& pdf)
{
    // Two header lines, then one line per image.
    const QString lista = QString::fromUtf8(Executa(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}));
    return static_cast<int>(lista.split(u'\n', Qt::SkipEmptyParts).size()) - 2;
}

QByteArray ConteudoDe(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace ceravel::teste
