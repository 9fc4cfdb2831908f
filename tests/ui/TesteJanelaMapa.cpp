// SPDX-License-Identifier: GPL-3.0-or-later
// "Mapa do Campo": what it draws where,
// saving and printing, the coefficient files failing, IGRF-14 at another year.
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"
#include "ui/MapaCampo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <cmath>

namespace ceravel::teste {
namespace {

QString TextoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The darkest pixel within `raio` pixels of `centro`.
int MaisEscuroPerto(const QImage& imagem, QPointF centro, int raio)
{
    int menor = 255;
    for (int dy = -raio; dy <= raio; ++dy)
        for (int dx = -raio; dx <= raio; ++dx) {
            const QPoint p(static_cast<int>(std::lround(centro.x())) + dx, static_cast<int>(std::lround(centro.y())) + dy);
            if (imagem.rect().contains(p))
                menor = std::min(menor, qGray(imagem.pixel(p)));
        }
    return menor;
}

class JanelaMapa : public AmbienteJanelas {
protected:
    // Opens the map from Main's menu, hands it to `naJanela`, then closes it.
    void abre(const std::function<void(MapaCampo&)>& naJanela)
    {
        const int modais = comModal([&] { aciona("MAMapa"); }, [&](QWidget& janela) {
            auto* mapa = qobject_cast<MapaCampo*>(&janela);
            ASSERT_NE(mapa, nullptr) << janela.objectName().toStdString();
            naJanela(*mapa);
            if (mapa->isVisible())
                clica(*mapa, "BtFechar");
        });
        EXPECT_EQ(modais, 1);
        EXPECT_FALSE(janelas->existe(Janela::MapaCampo));
    }

    void copiaFronteiras()
    {
        for (const char* nome : {"brasil-contorno.txt", "vizinhos-contorno.txt"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/") + QString::fromLatin1(nome),
                                    pasta.filePath(QString::fromLatin1(nome))));
    }

    QImage Imagem(MapaCampo& mapa)
    {
        mapa.resize(1000, 740);
        QApplication::processEvents();
        return controle(mapa, "AreaMapa").grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(JanelaMapa, AbreModalNaDataENaPosicaoDoUltimoCalculo)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        ASSERT_TRUE(mapa.cena());
        const CenaMapa& c = *mapa.cena();
        EXPECT_EQ(c.latitude, -15);
        EXPECT_EQ(c.longitude, -55);
        EXPECT_EQ(c.valorPonto, -20);
        EXPECT_EQ(c.data, QStringLiteral("1/7/2000"));
        // D of the test model: -20 + 0.5 (lat + 15) + 0.25 (lon + 55), at the window's date.
        EXPECT_DOUBLE_EQ(c.grade.valor(0, 0), -20 + 0.5 * -20 + 0.25 * -20);
        // The regional model stays at its calculation's date.
        EXPECT_FALSE(controle(mapa, "Ano").isVisibleTo(&mapa));
    });
    EXPECT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
}

// Under IGRF-14 the year box moves the whole map, its point and its legend.
TEST_F(JanelaMapa, IgrfEmOutroAno)
{
    copiaFronteiras();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"),
                            pasta.filePath(QStringLiteral("igrf14coeffs.txt"))));
    const igrf::ModeloIgrf& modelo = *CarregaIgrf14(pasta.path()).modelo;
    usaLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    aciona("MAModeloIgrf");
    preenche("29", "2", "2000", {"-15", "0", "0"}, {"-55", "0", "0"});
    clica(main(), "BtCalcular");
    ASSERT_TRUE(main().ultimoCalculo()) << mensageiro.mensagens.join(u'\n').toStdString();
    abre([&](MapaCampo& mapa) {
        auto& ano = controle<QSpinBox>(mapa, "Ano");
        EXPECT_TRUE(ano.isVisibleTo(&mapa));
        EXPECT_EQ(ano.value(), 2000);
        EXPECT_EQ(mapa.cena()->data, QStringLiteral("29/2/2000"));
        const struct {
            int ano;
            const char *data, *epoca;
            double anoDecimal;
        } casos[] = {{1960, "29/2/1960", "1960,164", AnoDecimal(29, 2, 1960)},
                     {2029, "28/2/2029", "2029,162", AnoDecimal(28, 2, 2029)}};
        for (const auto& c : casos) {
            ano.setValue(c.ano);
            ASSERT_TRUE(mapa.cena());
            const CenaMapa& cena = *mapa.cena();
            EXPECT_EQ(cena.data, QString::fromLatin1(c.data));
            EXPECT_EQ(cena.epoca, QString::fromLatin1(c.epoca));
            const auto canto = CampoIgrf14(modelo, -35, -75, c.anoDecimal), ponto = CampoIgrf14(modelo, -15, -55, c.anoDecimal);
            EXPECT_EQ(cena.grade.valor(0, 0), static_cast<float>(canto->D)) << c.ano;
            EXPECT_EQ(cena.valorPonto, static_cast<float>(ponto->D)) << c.ano;
        }
        // IGRF-14 is no fit: no paler shading outside Brazil in the legend.
        QTemporaryDir saida;
        ASSERT_TRUE(mapa.salvaEm(saida.filePath("mapa.pdf")));
        const QString legenda = TextoDoPdf(saida.filePath("mapa.pdf"));
        EXPECT_TRUE(legenda.contains(QStringLiteral("Modelo IGRF-14"))
                    && legenda.contains(QStringLiteral("28/2/2029 (época 2029,162)"))) << legenda.toStdString();
        EXPECT_FALSE(legenda.contains(QStringLiteral("fora do Brasil")));
    });
}

TEST_F(JanelaMapa, DesenhaOPontoEAsIsolinhasOndeDevem)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        const QImage imagem = Imagem(mapa);
        const ProjecaoMapa proj = mapa.projecao();
        // The marker: the centre of its fill colour (inside the box: the legend
        // shows it too) is the calculated point's pixel.
        double sx = 0, sy = 0;
        int n = 0;
        const QRect caixa = proj.caixa().toAlignedRect();
        for (int y = caixa.top(); y <= caixa.bottom(); ++y)
            for (int x = caixa.left(); x <= caixa.right(); ++x)
                if (imagem.pixel(x, y) == CorMarcadorMapa.rgb()) {
                    sx += x + 0.5;
                    sy += y + 0.5;
                    ++n;
                }
        ASSERT_GT(n, 20);
        const QPointF esperado = proj.paraTela(-15, -55);
        EXPECT_NEAR(sx / n, esperado.x(), 1.0);
        EXPECT_NEAR(sy / n, esperado.y(), 1.0);

        // Isolines every 2 degrees: D = -24 where 0.5 (lat + 15) + 0.25 (lon + 55) = -4.
        const auto latitudeDe = [](double d, double lon) { return (d + 20 - 0.25 * (lon + 55)) / 0.5 - 15; };
        EXPECT_EQ(mapa.cena()->intervalo, 2);
        for (const double lon : {-67.0, -62.0, -47.0}) {
            const QPointF p = proj.paraTela(latitudeDe(-24, lon), lon);
            EXPECT_LT(MaisEscuroPerto(imagem, p, 1), 110) << "D = -24 em lon " << lon;
            // Halfway between two lines there is none.
            const QPointF meio = proj.paraTela(latitudeDe(-23, lon + 1), lon + 1);
            EXPECT_GT(MaisEscuroPerto(imagem, meio, 3), 150) << "D = -23 em lon " << lon + 1;
        }
    });
}

TEST_F(JanelaMapa, SalvaPngSvgEPdfInteirosOuNada)
{
    copiaFronteiras();
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        Imagem(mapa);
        QTemporaryDir saida;
        const QString png = saida.filePath("mapa.png"), svg = saida.filePath("mapa.svg"), pdf = saida.filePath("mapa.pdf");
        // The extension names the format; another one gets ".png" added. Each says where it went.
        const struct {
            QString nome, gravado;
            QByteArray inicio;
        } formatos[] = {{png, png, "\x89PNG"},
                        {svg, svg, "<?xml"},
                        {pdf, pdf, "%PDF"},
                        {saida.filePath("mapa.JPG"), saida.filePath("mapa.JPG"), "\xFF\xD8\xFF"},
                        {saida.filePath("mapa.bmp"), saida.filePath("mapa.bmp.png"), "\x89PNG"}};
        for (const auto& f : formatos) {
            mensageiro.mensagens.clear();
            ASSERT_TRUE(mapa.salvaEm(f.nome));
            QFile gravado(f.gravado);
            ASSERT_TRUE(gravado.open(QIODevice::ReadOnly)) << f.gravado.toStdString();
            EXPECT_TRUE(gravado.readAll().startsWith(f.inicio)) << f.gravado.toStdString();
            EXPECT_EQ(mensageiro.mensagens, QStringList{QStringLiteral("Imagem salva em ") + f.gravado});
        }
        mensageiro.mensagens.clear();
        EXPECT_EQ(QImage(png).size(), controle(mapa, "AreaMapa").size() * 2);

        // PDF: text, not a picture of text.
        EXPECT_TRUE(TextoDoPdf(pdf).contains(QStringLiteral("Ponto calculado")));

        // A failure says so and leaves nothing behind.
        EXPECT_TRUE(mensageiro.mensagens.isEmpty());
        EXPECT_FALSE(mapa.salvaEm(saida.filePath("nao-existe/mapa.png")));
        EXPECT_FALSE(mapa.salvaEm(saida.path() + "/"));
        ASSERT_EQ(mensageiro.mensagens.size(), 2);
        for (const QString& m : mensageiro.mensagens)
            EXPECT_TRUE(m.startsWith(QStringLiteral("Não foi possível salvar a imagem "))) << m.toStdString();
        EXPECT_EQ(QDir(saida.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
        EXPECT_TRUE(mapa.isVisible());
    });
}

TEST_F(JanelaMapa, ImprimeUmaPaginaComTexto)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        QTemporaryDir saida;
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(saida.filePath("impresso.pdf"));
        ASSERT_TRUE(mapa.imprimeEm(impressora));
        EXPECT_TRUE(TextoDoPdf(saida.filePath("impresso.pdf")).contains(QStringLiteral("Modelo regional do Ceravel")));
    });
}

// A coefficient file changed since the calculation: the window opens without
// a map and says why; put right, the next element gives the map back.
TEST_F(JanelaMapa, ArquivoDeCoeficientesMudado)
{
    calculaComSucesso();
    EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -17.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}});
    abre([&](MapaCampo& mapa) {
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(mensageiro.mensagens[0].contains("mudaram desde o último cálculo")) << mensageiro.mensagens[0].toStdString();
        EXPECT_FALSE(mapa.cena());
        EXPECT_FALSE(controle(mapa, "BtSalvar").isEnabled());
        EXPECT_FALSE(controle(mapa, "BtImprimir").isEnabled());
        EXPECT_FALSE(Imagem(mapa).isNull());
        EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -18.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}});
        controle<QComboBox>(mapa, "Elemento").setCurrentIndex(1);
        EXPECT_TRUE(mapa.cena());
        EXPECT_TRUE(controle(mapa, "BtSalvar").isEnabled());
    });
}

}  // namespace
}  // namespace ceravel::teste
