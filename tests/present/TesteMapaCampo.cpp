// SPDX-License-Identifier: GPL-3.0-or-later
// The map's core: its grid against the model run, intervals, texts, colours,
// projection, the border files and the accuracy figures of its legend.
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "present/ContornosMapa.h"
#include "present/CoresMapa.h"
#include "present/MapaCampo.h"
#include "model/Igrf14.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

namespace ceravel {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);
constexpr ElementoMapa Elementos[] = {ElementoMapa::Declinacao, ElementoMapa::Inclinacao,
                                      ElementoMapa::Intensidade, ElementoMapa::VariacaoDeclinacao};

// Each node holds the model's own value at its place, bit for bit (the same
// polynomials in the same order), and the grid covers the box exactly. Under
// IGRF-14 the asked year, whichever year the evaluator was asked before.
TEST(MapaCampo, GradeIgualAoModeloNosNos)
{
    const LeituraConjuntos leitura = LeConjuntos(PastaDados);
    const LeituraIgrf14 igrf = CarregaIgrf14(PastaDados);
    ASSERT_TRUE(leitura.conjuntos && igrf.modelo);
    const ConjuntosCoeficientes& c = *leitura.conjuntos;
    AvaliadorIgrf14 avaliador(*igrf.modelo);
    for (const ElementoMapa elemento : Elementos) {
        const GradeValores g = GradeElementoMapa(c, elemento, 15.999, 19, 10);
        ASSERT_EQ(g.valores.size(), 190u);
        for (int j = 0; j < g.linhas; ++j)
            for (int i = 0; i < g.colunas; ++i) {
                const PontoPlano no = g.no(i, j);
                const ResultadoModelo r = CalculaCampo(c.declinacao, c.inclinacao, c.intensidade, no.y + 15, no.x + 55, 15.999);
                ASSERT_TRUE(r.elementos);
                EXPECT_EQ(g.valor(i, j), ValorDoElemento(*r.elementos, elemento)) << no.y << " " << no.x;
            }
        EXPECT_EQ(g.no(0, 0).x, LongitudeMinimaMapa);
        EXPECT_EQ(g.no(0, 0).y, LatitudeMinimaMapa);
        EXPECT_DOUBLE_EQ(g.no(18, 9).x, LongitudeMaximaMapa);
        EXPECT_DOUBLE_EQ(g.no(18, 9).y, LatitudeMaximaMapa);
        for (const double ano : {1960.5, 2026.25, 1960.5}) {
            const GradeValores gi = GradeElementoMapa(avaliador, elemento, ano, 7, 5);
            for (const auto& [i, j] : {std::pair{6, 4}, {5, 1}}) {
                const PontoPlano no = gi.no(i, j);
                const auto e = CampoIgrf14(*igrf.modelo, no.y, no.x, ano);
                ASSERT_TRUE(e);
                const double esperado = elemento == ElementoMapa::Declinacao    ? e->D
                                        : elemento == ElementoMapa::Inclinacao  ? e->I
                                        : elemento == ElementoMapa::Intensidade ? e->F
                                                                                : e->dD * 60;
                EXPECT_EQ(gi.valor(i, j), static_cast<float>(esperado)) << ano << " " << no.y << " " << no.x;
            }
        }
    }
    EXPECT_TRUE(std::isnan(ValorElementoMapa(avaliador, ElementoMapa::Declinacao, -15, -47, 2030.5)));
}

// The calculated point's label stays whole inside the box and off the point.
TEST(MapaCampo, RotuloDoPontoDentroDaCaixa)
{
    const QRectF caixa(10, 20, 500, 400);
    const QSizeF tamanho(120, 16);
    const struct {
        QPointF ponto;
        double esquerda;  // where the label starts; NaN: only inside
    } casos[] = {
        {{200, 200}, 214},      // room on the right
        {{450, 200}, 316},      // near the east edge: on the left
        {{12, 419}, 26},        // south-west corner
        {{509, 21}, 375},       // north-east corner
    };
    for (const auto& c : casos) {
        const QRectF r = RetanguloRotuloPonto(c.ponto, tamanho, caixa);
        EXPECT_TRUE(caixa.contains(r)) << c.ponto.x() << " " << c.ponto.y();
        EXPECT_FALSE(r.contains(c.ponto));
        EXPECT_EQ(r.left(), c.esquerda);
        EXPECT_EQ(r.size(), tamanho);
    }
}

TEST(MapaCampo, IntervaloRedondoConformeAFaixa)
{
    struct Caso {
        ElementoMapa elemento;
        double minimo, maximo, intervalo;
    };
    const Caso casos[] = {
        {ElementoMapa::Declinacao, -6.5, 3.2, 1},      {ElementoMapa::Declinacao, -24.1, 2.3, 2},
        {ElementoMapa::Declinacao, -60, 10, 5},        {ElementoMapa::Inclinacao, -80, 80, 10},
        {ElementoMapa::Intensidade, 22300, 34900, 1000}, {ElementoMapa::VariacaoDeclinacao, -20, 8, 2},
        {ElementoMapa::Intensidade, -1e6, 1e6, 200000},
        // Exactly the most lines allowed (-23 to -4, 20 lines) keeps the finer step.
        {ElementoMapa::Declinacao, -23.4, -3.1, 1},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(IntervaloIsolinhas(c.elemento, c.minimo, c.maximo), c.intervalo) << c.minimo << " " << c.maximo;
}

TEST(MapaCampo, TextosNoFormatoDaCalculadora)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    struct Caso {
        QString obtido, esperado;
    };
    const Caso casos[] = {
        {TextoCoordenadaMapa(-15.5, QLocale::c()), QStringLiteral("-15°30'00''")},
        {TextoCoordenadaMapa(-12.99999, QLocale::c()), QStringLiteral("-13°00'00''")},
        {TextoCoordenadaMapa(-0.5, QLocale::c()), QStringLiteral("-0°30'00''")},
        {TextoCoordenadaMapa(-0.00001, QLocale::c()), QStringLiteral("0°00'00''")},
        {TextoValorMapa(ElementoMapa::Declinacao, -21.125, QLocale::c()), QStringLiteral("-21º07'30''")},
        {TextoValorMapa(ElementoMapa::Inclinacao, -30.125, br), QStringLiteral("-30º7,50'")},
        {TextoValorMapa(ElementoMapa::Intensidade, 23456.74, br), QStringLiteral("23456,7 nT")},
        {TextoValorMapa(ElementoMapa::VariacaoDeclinacao, -7.5, QLocale::c()), QStringLiteral("-7'30''/ano")},
        {TextoNivelMapa(ElementoMapa::Declinacao, -20, br), QStringLiteral("-20°")},
        {TextoNivelMapa(ElementoMapa::VariacaoDeclinacao, -7, br), QStringLiteral("-7'")},
        {TextoIntervaloMapa(ElementoMapa::VariacaoDeclinacao, 1, br), QStringLiteral("1'/ano")},
        {TextoEpocaMapa(2000.45628415301, br), QStringLiteral("2000,456")},
        {TextoEpocaMapa(2025.9996, br), QStringLiteral("2026")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(c.obtido, c.esperado);
}

// The legend's figures are the fit report's (columns D, I, F, dD), so they
// follow it when the fit is run again.
TEST(MapaCampo, ErrosDaLegendaSaoOsDoRelatorioDoAjuste)
{
    QFile arquivo(PastaDados + QStringLiteral("/ajuste-igrf.md"));
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(arquivo.readAll()).split(u'\n');
    const QRegularExpression celula(QStringLiteral("\\|\\s*([0-9.]+)"));
    for (const auto& [inicio, caixa] : {std::pair{"| Brazil, max |", false}, {"| whole accepted box, max |", true}}) {
        auto it = celula.globalMatch(linhas.filter(QString::fromLatin1(inicio)).value(0));
        for (const ElementoMapa elemento : Elementos) {
            ASSERT_TRUE(it.hasNext()) << inicio;
            EXPECT_EQ(caixa ? ErroMaximoMapa(elemento).caixa : ErroMaximoMapa(elemento).brasil,
                      it.next().captured(1).toDouble()) << inicio;
        }
    }
    EXPECT_TRUE(TextoPrecisaoMapa(ElementoMapa::Declinacao, QLocale(QLocale::Portuguese, QLocale::Brazil))
                    .contains(QStringLiteral("28,5'")));
}

double Luminancia(std::uint32_t cor)
{
    return 0.2126 * ((cor >> 16) & 0xff) + 0.7152 * ((cor >> 8) & 0xff) + 0.0722 * (cor & 0xff);
}

TEST(MapaCampo, MapasDeCores)
{
    // Sequential: lighter to darker all the way; diverging: lightest at the centre.
    double anterior = 1e9;
    for (int k = 0; k <= 16; ++k) {
        const double l = Luminancia(CorSequencial(k / 16.0));
        EXPECT_LT(l, anterior) << k;
        anterior = l;
    }
    for (int k = 0; k < 8; ++k) {
        EXPECT_LT(Luminancia(CorDivergente(k / 16.0)), Luminancia(CorDivergente((k + 1) / 16.0))) << k;
        EXPECT_LT(Luminancia(CorDivergente(1 - k / 16.0)), Luminancia(CorDivergente(1 - (k + 1) / 16.0))) << k;
    }
    // Diverging: zero gets the centre even on a lopsided range; blue below, red above.
    const EscalaCores d(true, -24, 3);
    EXPECT_EQ(d.posicao(0), 0.5);
    EXPECT_EQ(d.cor(0), CorDivergente(0.5));
    EXPECT_GT(d.cor(-20) & 0xff, (d.cor(-20) >> 16) & 0xff);
    EXPECT_GT((d.cor(20) >> 16) & 0xff, d.cor(20) & 0xff);
    const EscalaCores s(false, 22000, 34000);
    EXPECT_EQ(s.posicao(22000), 0);
    EXPECT_EQ(s.posicao(34000), 1);
}

TEST(MapaCampo, ProjecaoCentradaComOCossenoDaLatitudeCentral)
{
    const QRectF area(10, 20, 800, 600);
    const ProjecaoMapa p(area);
    const QRectF caixa = p.caixa();
    EXPECT_NEAR(caixa.height(), 600, 1e-9);
    EXPECT_NEAR(caixa.width() / caixa.height(), std::cos(12.5 * M_PI / 180), 1e-12);
    EXPECT_NEAR(caixa.center().x(), area.center().x(), 1e-9);
    const QPointF so = p.paraTela(LatitudeMinimaMapa, LongitudeMinimaMapa);
    EXPECT_NEAR(so.x(), caixa.left(), 1e-9);
    EXPECT_NEAR(so.y(), caixa.bottom(), 1e-9);
    for (const auto& [lat, lon] : {std::pair{-15.5, -47.875}, std::pair{10.0, -30.0}, std::pair{-35.0, -75.0}}) {
        const PontoPlano g = p.paraGeografico(p.paraTela(lat, lon));
        EXPECT_NEAR(g.y, lat, 1e-9);
        EXPECT_NEAR(g.x, lon, 1e-9);
    }
}

TEST(MapaCampo, ContornosEntreguesLidosEDentroDoBrasil)
{
    const LeituraContornoMapa brasil = LeContornoMapa(PastaDados + QStringLiteral("/brasil-contorno.txt"));
    const LeituraContornoMapa vizinhos = LeContornoMapa(PastaDados + QStringLiteral("/vizinhos-contorno.txt"));
    ASSERT_TRUE(brasil.contorno) << brasil.erro.toStdString();
    ASSERT_TRUE(vizinhos.contorno) << vizinhos.erro.toStdString();
    struct Lugar {
        const char* nome;
        double lat, lon;
        bool noBrasil, nosVizinhos;
    };
    const Lugar lugares[] = {
        {"Brasília", -15.79, -47.88, true, false}, {"Buenos Aires", -34.6, -58.4, false, true},
        {"Caiena", 4.92, -52.32, false, true},      {"Atlântico", -20, -32, false, false},
    };
    for (const Lugar& l : lugares) {
        EXPECT_EQ(DentroDoContornoMapa(*brasil.contorno, l.lat, l.lon), l.noBrasil) << l.nome;
        EXPECT_EQ(DentroDoContornoMapa(*vizinhos.contorno, l.lat, l.lon), l.nosVizinhos) << l.nome;
    }

    QTemporaryDir pasta;
    const QString ruim = pasta.filePath(QStringLiteral("ruim.txt"));
    QFile f(ruim);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comentario\n-50 -10\n-49 -10\n-49 x\n");
    f.close();
    const LeituraContornoMapa erro = LeContornoMapa(ruim);
    EXPECT_FALSE(erro.contorno);
    EXPECT_TRUE(erro.erro.contains(QStringLiteral("linha 4"))) << erro.erro.toStdString();
    EXPECT_FALSE(LeContornoMapa(pasta.filePath(QStringLiteral("nao-existe.txt"))).contorno);
}

}  // namespace
}  // namespace ceravel
