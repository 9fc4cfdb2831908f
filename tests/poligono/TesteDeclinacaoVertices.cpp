// SPDX-License-Identifier: GPL-3.0-or-later
// The declination at each segment's start vertex, on a rectangle of cardinal
// bearings from M1 (UTM 23S, near -15,78; -47,87, where D changes by about 25''
// per km): beyond 10 km of perimeter every row takes D (and a grid deed's γ) at
// its start vertex of the first traverse, and is traversed again with it.
#include "calc/RegrasRumos.h"
#include "memorial/TabelaMemorial.h"
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "poligono/DeclinacaoVertices.h"
#include "present/TextosAngulo.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace ceravel;

namespace {

const QString Dados = QStringLiteral(CERAVEL_DADOS_PROJETO);

struct Caso {
    const char* nome;
    int norte, leste;  // the rectangle's sides, metres
    ReferenciaMemorial referencia;
    ModeloMemorial modelo;
    const char *levantamento, *conversao, *locale;
    bool porVertice;
    const char* frase;  // in the summary's last line; up to 10 km, followed by the largest difference of D(survey)
};
using R = ReferenciaMemorial;
const Caso Casos[] = {
    {"Magnetico12km", 4000, 2000, R::Magnetico, ModeloMemorial::Igrf14, "1960", "07/12/2026", "pt_BR", true,
     "Perímetro de 12,000 km, mais de 10 km"},
    {"Quadricula12km", 4000, 2000, R::Quadricula, ModeloMemorial::Igrf14, "1960", "07/12/2026", "C", true,
     "Perímetro de 12.000 km, mais de 10 km"},
    {"Regional12km", 4000, 2000, R::Magnetico, ModeloMemorial::Regional, "1996", "01/07/2004", "pt_BR", true, "de -"},
    {"Exatamente10km", 2500, 2500, R::Magnetico, ModeloMemorial::Igrf14, "1960", "07/12/2026", "pt_BR", false,
     "(perímetro de 10,000 km, até 10 km): nos vértices de partida ela difere da usada em até "},
};

class DeclinacaoVertices : public testing::TestWithParam<Caso> {};

TEST_P(DeclinacaoVertices, CadaLinhaUsaOsValoresDoSeuVertice)
{
    const Caso& k = GetParam();
    const QLocale locale(QString::fromLatin1(k.locale));
    const auto numero = [&locale](double x) { return QString::number(x, 'f', 2).replace(u'.', locale.decimalPoint()); };
    Memorial m;
    m.dados = {QString::fromLatin1(k.levantamento), QString::fromLatin1(k.conversao), k.referencia, {}, k.modelo};
    m.dados.posicao.latGraus = numero(-15.78);
    m.dados.posicao.lonGraus = numero(-47.87);
    const QString n = QString::number(k.norte), l = QString::number(k.leste);
    m.segmentos = {{"M1", "M2", "0", n, {}}, {"M2", "M3", "90", l, {}}, {"M3", "M4", "180", n, {}}, {"M4", "M1", "270", l, {}}};
    const ConversaoMemorial c0 = std::get<ConversaoMemorial>(ConverteMemorial(m, locale, Dados));
    PedidoPoligono pedido;
    pedido.inicio.posicaoUtm = {"23", "S", numero(192848.93), numero(8252943.25)};
    const auto primeiro = std::get<PoligonoMemorial>(CalculaPoligonoMemorial(c0, pedido, locale, geo::GeodesiaDaThread(Dados)));
    const auto r = std::get<MemorialNoTerreno>(CalculaMemorialNoTerreno(c0, pedido, locale, Dados));
    const ConversaoMemorial& c = r.conversao;
    const TabelaMemorial tabela = TabelaResultados(c, locale);
    EXPECT_EQ(c.porVertice, k.porVertice);
    long long diferenca = 0;  // the largest between a start vertex's D(survey) and the position's
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        // The model evaluated directly at the start vertex of the first traverse.
        const PontoGeografico g = *primeiro.poligonal.vertices[i].geograficas;
        const auto D = [&](double ano) {
            return SegundosArredondados(k.modelo == ModeloMemorial::Regional
                                            ? CalculaCampo(Dados, g.latitude + 15, g.longitude + 55, ano - 1990).elementos->D
                                            : CampoIgrf14(*CarregaIgrf14(Dados).modelo, g.latitude, g.longitude, ano)->D);
        };
        const auto fatores = geo::GeodesiaDaThread(Dados).Fatores({g.latitude, g.longitude}, 23, true);
        const long long gama = SegundosArredondados(std::get<geo::FatoresUtm>(fatores).convergencia);
        diferenca = std::max(diferenca, std::abs(D(c.levantamento.anoDecimal) - c.levantamento.segundos));
        const long long lev = k.porVertice ? D(c.levantamento.anoDecimal) : c.levantamento.segundos;
        const long long conv = k.porVertice ? D(c.conversao.anoDecimal) : c.conversao.segundos;
        EXPECT_EQ(tabela.linhas[i][static_cast<int>(ColunaMemorial::DecLevantamento)], TextoGms(lev, locale));
        EXPECT_EQ(tabela.linhas[i][static_cast<int>(ColunaMemorial::DecConversao)], TextoGms(conv, locale));
        // true = magnetic + D(survey), = grid + γ; magnetic now = true − D(conversion).
        const long long dado = i * 90 * 3600;
        const long long verdadeiro = ReduzAzimute(k.referencia == R::Magnetico    ? dado + lev
                                                  : k.referencia == R::Quadricula ? dado + (k.porVertice ? gama : c.convergenciaSegundos)
                                                                                  : dado);
        const SegmentoConvertido& s = *c.segmentos[i].convertido;
        EXPECT_EQ(SegundosArredondados(s.verdadeiro), verdadeiro);
        EXPECT_EQ(SegundosArredondados(s.magneticoConversao), ReduzAzimute(verdadeiro - conv));
        // The traverse kept is the one of these bearings: grid azimuth = true − γ.
        const SegmentoPlano& p = r.poligono.poligonal.segmentos[i];
        EXPECT_NEAR(std::remainder(p.azimutePlano + p.convergencia - s.verdadeiro, 360), 0, 1e-9);
    }
    const QString frase = QString::fromUtf8(k.frase) + (k.porVertice ? QString() : TextoGms(diferenca, locale));
    EXPECT_TRUE(FraseDeclinacao(c, locale).contains(frase)) << FraseDeclinacao(c, locale).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Casos, DeclinacaoVertices, testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.nome); });

// ceravel-memorial prints the rows of the second conversion and says so.
TEST(DeclinacaoVerticesExecutavel, LinhasEResumo)
{
    QTemporaryDir pasta;
    QFile f(pasta.filePath("r.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("M1;M2;0;4000\nM2;M3;90;2000\nM3;M4;180;4000\nM4;M1;270;2000\n"));
    f.close();
    QProcess p;
    p.start(QStringLiteral(CERAVEL_MEMORIAL_EXECUTAVEL),
            {f.fileName(), "--utf8", "--locale", "pt_BR", "--levantamento", "1960", "--posicao", "-15,78;-47,87",
             "--inicio", "M1;192848,93;8252943,25;23S"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QStringList linhas = QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("\r\n"));
    const qsizetype coluna = linhas[0].split(u';').indexOf(QStringLiteral("Declinação no levantamento"));
    EXPECT_NE(linhas[1].split(u';').value(coluna), linhas[3].split(u';').value(coluna));
    EXPECT_EQ(linhas.filter(QStringLiteral("Declinação;Perímetro de 12,000 km")).size(), 1);
}

}  // namespace
