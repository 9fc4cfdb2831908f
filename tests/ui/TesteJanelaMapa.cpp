// SPDX-License-Identifier: GPL-3.0-or-later
// "Mapa do Campo": what it draws where,
// saving and printing, the coefficient files failing, IGRF-14 at another year.
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"
#include "ui/MapaCampo.h"

#include <QComboBox>
#include <QDir>
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
        for (int dx = -raio; dx <= raio; ++dx)
            if (const QPoint p = centro.toPoint() + QPoint(dx, dy); imagem.rect().contains(p))
                menor = std::min(menor, qGray(imagem.pixel(p)));
    return menor;
}

class JanelaMapa : public AmbienteJanelas {
protected:
    void abre(const std::function<void(MapaCampo&)>& f) { abreModal(QString("MAMapa"), Janela::MapaCampo, f); }
    void copiaFronteiras()
    {
        for (const char* nome : {"brasil-contorno.txt", "vizinhos-contorno.txt"})
            ASSERT_TRUE(QFile::copy(CERAVEL_DADOS_PROJETO "/" + QString::fromLatin1(nome), pasta.filePath(nome)));
    }
    QImage Imagem(MapaCampo& mapa)
    {
        mapa.resize(1000, 740);
        QApplication::processEvents();
        return controle(mapa, "AreaMapa").grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// At the last calculation's date and point: the marker on its pixel, the
// isolines every 2 degrees where the test model puts them.
TEST_F(JanelaMapa, DesenhaOPontoEAsIsolinhasDoUltimoCalculo)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        ASSERT_TRUE(mapa.cena());
        const CenaMapa& c = *mapa.cena();
        EXPECT_EQ(QString("%1 %2 %3 %4").arg(c.latitude).arg(c.longitude).arg(c.valorPonto).arg(c.data),
                  "-15 -55 -20 1/7/2000");
        // D of the test model: -20 + 0.5 (lat + 15) + 0.25 (lon + 55), at the window's date.
        EXPECT_DOUBLE_EQ(c.grade.valor(0, 0), -20 + 0.5 * -20 + 0.25 * -20);
        EXPECT_FALSE(controle(mapa, "Ano").isVisibleTo(&mapa));  // the regional model stays at its date

        const QImage imagem = Imagem(mapa);
        const ProjecaoMapa proj = mapa.projecao();
        // The marker: the centre of its fill colour inside the box (the legend shows it too).
        double sx = 0, sy = 0;
        int n = 0;
        const QRect caixa = proj.caixa().toAlignedRect();
        for (int y = caixa.top(); y <= caixa.bottom(); ++y)
            for (int x = caixa.left(); x <= caixa.right(); ++x)
                if (imagem.pixel(x, y) == CorMarcadorMapa.rgb())
                    sx += x + 0.5, sy += y + 0.5, ++n;
        ASSERT_GT(n, 20);
        EXPECT_NEAR(sx / n, proj.paraTela(-15, -55).x(), 1.0);
        EXPECT_NEAR(sy / n, proj.paraTela(-15, -55).y(), 1.0);

        // D = -24 where 0.5 (lat + 15) + 0.25 (lon + 55) = -4; halfway between two lines there is none.
        const auto latitudeDe = [](double d, double lon) { return (d + 20 - 0.25 * (lon + 55)) / 0.5 - 15; };
        EXPECT_EQ(c.intervalo, 2);
        for (const double lon : {-67.0, -62.0, -47.0}) {
            EXPECT_LT(MaisEscuroPerto(imagem, proj.paraTela(latitudeDe(-24, lon), lon), 1), 110) << lon;
            EXPECT_GT(MaisEscuroPerto(imagem, proj.paraTela(latitudeDe(-23, lon + 1), lon + 1), 3), 150) << lon + 1;
        }
    });
    EXPECT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.todas();
}

// Under IGRF-14 the year box moves the whole map, its point and its legend.
TEST_F(JanelaMapa, IgrfEmOutroAno)
{
    copiaFronteiras();
    copiaIgrf();
    const igrf::ModeloIgrf& modelo = *CarregaIgrf14(pasta.path()).modelo;
    usaLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    aciona("MAModeloIgrf");
    preenche("29", "2", "2000", {"-15", "0", "0"}, {"-55", "0", "0"});
    clica(main(), "BtCalcular");
    ASSERT_TRUE(main().ultimoCalculo()) << mensageiro.todas();
    abre([&](MapaCampo& mapa) {
        auto& ano = controle<QSpinBox>(mapa, "Ano");
        EXPECT_TRUE(ano.isVisibleTo(&mapa));
        EXPECT_EQ(ano.value(), 2000);
        EXPECT_EQ(mapa.cena()->data, QStringLiteral("29/2/2000"));
        const struct {
            int ano;
            const char *data, *epoca;
        } casos[] = {{1960, "29/2/1960", "1960,164"}, {2029, "28/2/2029", "2029,162"}};
        for (const auto& c : casos) {
            ano.setValue(c.ano);
            ASSERT_TRUE(mapa.cena());
            const CenaMapa& cena = *mapa.cena();
            EXPECT_EQ(cena.data + u' ' + cena.epoca, QString::fromLatin1(c.data) + u' ' + QString::fromLatin1(c.epoca));
            const double t = AnoDecimal(c.ano == 1960 ? 29 : 28, 2, c.ano);
            EXPECT_EQ(cena.valorPonto, static_cast<float>(CampoIgrf14(modelo, -15, -55, t)->D)) << c.ano;
        }
        // IGRF-14 is no fit: no paler shading outside Brazil in the legend.
        QTemporaryDir saida;
        ASSERT_TRUE(mapa.salvaEm(saida.filePath("mapa.pdf")));
        const QString legenda = TextoDoPdf(saida.filePath("mapa.pdf"));
        EXPECT_TRUE(legenda.contains("Modelo IGRF-14") && legenda.contains("28/2/2029 (época 2029,162)")
                    && !legenda.contains("fora do Brasil")) << legenda.toStdString();
    });
}

// Saved whole or not at all, each format by its extension (another one gets
// ".png"), each saying where it went; printed as one page of text.
TEST_F(JanelaMapa, SalvaPngSvgEPdfInteirosOuNadaEImprime)
{
    copiaFronteiras();
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        Imagem(mapa);
        QTemporaryDir saida;
        const QString png = saida.filePath("mapa.png"), pdf = saida.filePath("mapa.pdf");
        const struct {
            QString nome, gravado;
            QByteArray inicio;
        } formatos[] = {{png, png, "\x89PNG"},
                        {saida.filePath("mapa.svg"), saida.filePath("mapa.svg"), "<?xml"},
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
        EXPECT_TRUE(TextoDoPdf(pdf).contains(QStringLiteral("Ponto calculado")));  // text, not a picture of text

        EXPECT_FALSE(mapa.salvaEm(saida.filePath("nao-existe/mapa.png")));
        EXPECT_FALSE(mapa.salvaEm(saida.path() + "/"));
        ASSERT_EQ(mensageiro.mensagens.size(), 2);
        for (const QString& m : mensageiro.mensagens)
            EXPECT_TRUE(m.startsWith(QStringLiteral("Não foi possível salvar a imagem "))) << m.toStdString();
        EXPECT_EQ(QDir(saida.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
        EXPECT_TRUE(mapa.isVisible());

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
        EXPECT_TRUE(mensageiro.mensagens[0].contains("mudaram desde o último cálculo")) << mensageiro.todas();
        EXPECT_FALSE(mapa.cena());
        EXPECT_FALSE(controle(mapa, "BtSalvar").isEnabled() || controle(mapa, "BtImprimir").isEnabled());
        EXPECT_FALSE(Imagem(mapa).isNull());
        EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -18.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}});
        controle<QComboBox>(mapa, "Elemento").setCurrentIndex(1);
        EXPECT_TRUE(mapa.cena());
        EXPECT_TRUE(controle(mapa, "BtSalvar").isEnabled());
    });
}

}  // namespace
}  // namespace ceravel::teste
