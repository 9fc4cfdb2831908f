// "Mapa do Campo": its menu state, how it opens, what it draws where, the
// hover readout, saving and printing, the coefficient files failing, and
// IGRF-14 at another year.
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"
#include "ui/MapaCampo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

namespace ceravel::teste {
namespace {

QString TextoDoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int Luminancia(QRgb c)
{
    return (qRed(c) * 2126 + qGreen(c) * 7152 + qBlue(c) * 722) / 10000;
}

// The darkest pixel within `raio` pixels of `centro`.
int MaisEscuroPerto(const QImage& imagem, QPointF centro, int raio)
{
    int menor = 255;
    for (int dy = -raio; dy <= raio; ++dy)
        for (int dx = -raio; dx <= raio; ++dx) {
            const QPoint p(static_cast<int>(std::lround(centro.x())) + dx, static_cast<int>(std::lround(centro.y())) + dy);
            if (imagem.rect().contains(p))
                menor = std::min(menor, Luminancia(imagem.pixel(p)));
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

    static QImage Imagem(MapaCampo& mapa)
    {
        mapa.resize(1000, 740);
        QApplication::processEvents();
        return controle(mapa, "AreaMapa").grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static QWidget& controle(QWidget& janela, const char* nome)
    {
        auto* c = janela.findChild<QWidget*>(QString::fromLatin1(nome));
        if (!c)
            throw std::runtime_error(std::string("no control ") + nome);
        return *c;
    }
};

TEST_F(JanelaMapa, MenuHabilitadoComoImprimir)
{
    auto& ferramentas = AmbienteJanelas::controle<QMenu>(main(), "MFerr");
    const auto acoes = ferramentas.actions();
    ASSERT_GE(acoes.size(), 2);
    EXPECT_EQ(acoes[0]->objectName(), "MAConv");
    EXPECT_EQ(acoes[1]->objectName(), "MAMapa");
    EXPECT_EQ(acoes[1]->text(), QStringLiteral("&Mapa do Campo..."));

    struct Passo {
        const char* nome;
        std::function<void()> faz;
        bool habilitado;
    };
    const Passo passos[] = {
        {"início", [] {}, false},
        {"cálculo recusado", [&] { clica(main(), "BtCalcular"); }, false},
        {"cálculo", [&] { calculaComSucesso(); }, true},
        {"cálculo recusado depois", [&] { digita("Ano", "1990"); clica(main(), "BtCalcular"); }, true},
        {"Limpar Dados", [&] { clica(main(), "BtLimpar"); }, false},
        {"de novo", [&] { calculaComSucesso(); }, true},
    };
    for (const Passo& p : passos) {
        p.faz();
        EXPECT_EQ(habilitado("MAMapa"), p.habilitado) << p.nome;
        EXPECT_EQ(habilitado("MAMapa"), habilitado("MAImp")) << p.nome;
        EXPECT_EQ(habilitado("MAVariacao"), habilitado("MAImp")) << p.nome;
    }
}

TEST_F(JanelaMapa, AbreModalNaDataENaPosicaoDoUltimoCalculo)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        EXPECT_EQ(mapa.windowTitle(), QStringLiteral("Ceravel - Mapa do Campo"));
        EXPECT_EQ(mapa.objectName(), "MapaCampo");
        EXPECT_TRUE(mapa.isModal());
        EXPECT_EQ(AmbienteJanelas::controle<QComboBox>(mapa, "Elemento").currentText(),
                  QStringLiteral("Declinação (D)"));
        ASSERT_TRUE(mapa.cena());
        const CenaMapa& c = *mapa.cena();
        EXPECT_EQ(c.elemento, ElementoMapa::Declinacao);
        EXPECT_EQ(c.latitude, -15);
        EXPECT_EQ(c.longitude, -55);
        EXPECT_EQ(c.valorPonto, -20);
        EXPECT_EQ(c.data, QStringLiteral("1/7/2000"));
        // D of the test model: -20 + 0.5 (lat + 15) + 0.25 (lon + 55), at the window's date.
        EXPECT_DOUBLE_EQ(c.grade.valor(0, 0), -20 + 0.5 * -20 + 0.25 * -20);
        EXPECT_TRUE(mapa.findChild<QPushButton*>(QStringLiteral("BtSalvar"))->isEnabled());
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
        auto& ano = AmbienteJanelas::controle<QSpinBox>(mapa, "Ano");
        EXPECT_TRUE(ano.isVisibleTo(&mapa));
        EXPECT_EQ(ano.value(), 2000);
        EXPECT_EQ(mapa.cena()->data, QStringLiteral("29/2/2000"));
        const struct {
            int ano;
            const char *data, *epoca;
            double anoDecimal;
        } casos[] = {{1960, "29/2/1960", "1960,164", AnoDecimal(29, 2, 1960)},
                     {1961, "28/2/1961", "1961,162", AnoDecimal(28, 2, 1961)},
                     {2029, "28/2/2029", "2029,162", AnoDecimal(28, 2, 2029)}};
        for (const auto& c : casos) {
            ano.setValue(c.ano);
            ASSERT_TRUE(mapa.cena());
            const CenaMapa& cena = *mapa.cena();
            EXPECT_TRUE(cena.igrf);
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
        EXPECT_TRUE(legenda.contains(QStringLiteral("Modelo IGRF-14"))) << legenda.toStdString();
        EXPECT_TRUE(legenda.contains(QStringLiteral("28/2/2029 (época 2029,162)"))) << legenda.toStdString();
        EXPECT_FALSE(legenda.contains(QStringLiteral("fora do Brasil")));
    });
}

// Enter and the keypad's Enter on a focused button press it, as in every window.
TEST_F(JanelaMapa, EnterNoBotaoFocadoPressiona)
{
    calculaComSucesso();
    for (const auto& [tecla, modificador] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        abre([&](MapaCampo& mapa) {
            QWidget& fechar = controle(mapa, "BtFechar");
            fechar.setFocus(Qt::TabFocusReason);
            QKeyEvent pressiona(QEvent::KeyPress, tecla, modificador);
            QApplication::sendEvent(&fechar, &pressiona);
            EXPECT_FALSE(mapa.isVisible()) << tecla;
        });
    }
}

TEST_F(JanelaMapa, DesenhaOPontoEAsIsolinhasOndeDevem)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        const QImage imagem = Imagem(mapa);
        const ProjecaoMapa proj = mapa.projecao();

        // The marker: the centre of its fill colour is the calculated point's pixel.
        double sx = 0, sy = 0;
        int n = 0;
        // Inside the box only: the legend shows the marker too.
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

TEST_F(JanelaMapa, LeituraSobOCursor)
{
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        Imagem(mapa);
        QWidget& area = controle(mapa, "AreaMapa");
        const auto move = [&](QPointF p) {
            QMouseEvent evento(QEvent::MouseMove, p, area.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&area, &evento);
            return texto(mapa, "Leitura");
        };
        const ProjecaoMapa proj = mapa.projecao();
        const QPointF ponto = proj.paraTela(-15, -55);
        const PontoPlano g = proj.paraGeografico(ponto);
        const LeituraConjuntos c = LeConjuntos(pasta.path());
        ASSERT_TRUE(c.conjuntos);
        const double d = ValorElementoMapa(*c.conjuntos, ElementoMapa::Declinacao, g.y, g.x, 10.5);
        EXPECT_NEAR(d, -20, 0.05);
        EXPECT_EQ(move(ponto), QStringLiteral("Latitude %1    Longitude %2    D = %3")
                                   .arg(TextoCoordenadaMapa(g.y, locale), TextoCoordenadaMapa(g.x, locale),
                                        TextoValorMapa(ElementoMapa::Declinacao, d, locale)));
        EXPECT_EQ(move(proj.caixa().topLeft() - QPointF(5, 5)), QString());
    });
}

TEST_F(JanelaMapa, CadaElementoComSuaEscala)
{
    copiaFronteiras();
    calculaComSucesso();
    abre([&](MapaCampo& mapa) {
        auto& lista = AmbienteJanelas::controle<QComboBox>(mapa, "Elemento");
        const std::pair<ElementoMapa, bool> esperados[] = {{ElementoMapa::Declinacao, true},
                                                           {ElementoMapa::Inclinacao, true},
                                                           {ElementoMapa::Intensidade, false},
                                                           {ElementoMapa::VariacaoDeclinacao, true}};
        for (int k = 0; k < 4; ++k) {
            lista.setCurrentIndex(k);
            ASSERT_TRUE(mapa.cena());
            EXPECT_EQ(mapa.cena()->elemento, esperados[k].first);
            EXPECT_EQ(mapa.cena()->escala.divergente(), esperados[k].second);
            // The test model's I and F are constant: a map without lines still draws.
            EXPECT_FALSE(Imagem(mapa).isNull());
        }
        EXPECT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
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
                        {saida.filePath("mapa.jpeg"), saida.filePath("mapa.jpeg"), "\xFF\xD8\xFF"},
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

        // SVG: well-formed XML with the legend as text elements.
        QFile arquivo(svg);
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&arquivo);
        int textos = 0;
        QString todos;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
                ++textos;
                todos += xml.readElementText(QXmlStreamReader::IncludeChildElements) + u'\n';
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(textos, 20);
        EXPECT_TRUE(todos.contains(QStringLiteral("Declinação (D)")));

        // PDF: text, not a picture of text.
        const QString conteudo = TextoDoPdf(pdf);
        EXPECT_TRUE(conteudo.contains(QStringLiteral("Declinação (D)"))) << conteudo.toStdString();
        EXPECT_TRUE(conteudo.contains(QStringLiteral("Ponto calculado")));

        // A failure says so and leaves nothing behind.
        EXPECT_TRUE(mensageiro.mensagens.isEmpty());
        EXPECT_FALSE(mapa.salvaEm(saida.filePath("nao-existe/mapa.png")));
        EXPECT_FALSE(mapa.salvaEm(saida.path() + "/"));
        ASSERT_EQ(mensageiro.mensagens.size(), 2);
        for (const QString& m : mensageiro.mensagens)
            EXPECT_TRUE(m.startsWith(QStringLiteral("Não foi possível salvar a imagem "))) << m.toStdString();
        EXPECT_EQ(QDir(saida.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
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

TEST_F(JanelaMapa, ArquivosDeCoeficientesIlegiveisOuMudados)
{
    calculaComSucesso();
    struct Caso {
        const char* nome;
        std::function<void()> estraga;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"arquivo ausente", [&] { QFile::remove(pasta.filePath("COEF-I2000")); }, "COEF-I2000"},
        {"arquivo mudado",
         [&] { EscreveCoeficientes(pasta.path(), "COEF-D2000", {{1, -17.6875}, {2, 0.5}, {3, 0.25}, {4, -0.125}}); },
         "mudaram desde o último cálculo"},
    };
    std::map<QString, QByteArray> originais;
    for (const char* nome : {"COEF-D2000", "COEF-I2000", "COEF-F2000"}) {
        QFile f(pasta.filePath(QString::fromLatin1(nome)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        originais[f.fileName()] = f.readAll();
    }
    const auto restaura = [&] {
        for (const auto& [caminho, bytes] : originais) {
            QFile f(caminho);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        restaura();
        c.estraga();
        mensageiro.mensagens.clear();
        abre([&](MapaCampo& mapa) {
            // The window is there, without a map, and says why.
            ASSERT_EQ(mensageiro.mensagens.size(), 1);
            EXPECT_TRUE(mensageiro.mensagens[0].contains(QString::fromUtf8(c.mensagem)))
                << mensageiro.mensagens[0].toStdString();
            EXPECT_FALSE(mapa.cena());
            EXPECT_FALSE(mapa.findChild<QPushButton*>(QStringLiteral("BtSalvar"))->isEnabled());
            EXPECT_FALSE(mapa.findChild<QPushButton*>(QStringLiteral("BtImprimir"))->isEnabled());
            EXPECT_FALSE(Imagem(mapa).isNull());
            // Put right, the files give the map back on the next element.
            restaura();
            AmbienteJanelas::controle<QComboBox>(mapa, "Elemento").setCurrentIndex(1);
            EXPECT_TRUE(mapa.cena());
            EXPECT_TRUE(mapa.findChild<QPushButton*>(QStringLiteral("BtSalvar"))->isEnabled());
        });
    }
}

}  // namespace
}  // namespace ceravel::teste
