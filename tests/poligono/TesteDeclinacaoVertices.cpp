// SPDX-License-Identifier: GPL-3.0-or-later
// The declination at each segment's start vertex. A rectangle of cardinal
// bearings from M1 (UTM 23S, near -15,78; -47,87, where D changes by about
// 25'' per km): beyond 10 km of perimeter every row takes D (and a grid deed's
// γ) from the model at its start vertex of the first traverse, and the
// traverse is done again with the bearings so converted; up to 10 km every
// row keeps the position's values.
#include "calc/RegrasRumos.h"
#include "memorial/TabelaMemorial.h"
#include "model/CalculaCampo.h"
#include "model/Igrf14.h"
#include "poligono/DeclinacaoVertices.h"
#include "present/TextosAngulo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace ceravel;

namespace {

struct Caso {
    const char* nome;
    double norte, leste;  // the rectangle's sides, metres
    ReferenciaMemorial referencia;
    ModeloMemorial modelo;
    const char *levantamento, *conversao, *locale;
    bool porVertice;
    const char* frase;  // in the summary's last line (up to 10 km, followed by the largest difference)
};

const Caso Casos[] = {
    {"Magnetico12km", 4000, 2000, ReferenciaMemorial::Magnetico, ModeloMemorial::Igrf14, "1960", "07/12/2026",
     "pt_BR", true, "Perímetro de 12,000 km, mais de 10 km"},
    {"Quadricula12km", 4000, 2000, ReferenciaMemorial::Quadricula, ModeloMemorial::Igrf14, "1960", "07/12/2026", "C",
     true, "Perímetro de 12.000 km, mais de 10 km"},
    {"Verdadeiro12km", 4000, 2000, ReferenciaMemorial::Verdadeiro, ModeloMemorial::Igrf14, "1960", "07/12/2026",
     "pt_BR", true, "mais de 10 km"},
    {"Regional12km", 4000, 2000, ReferenciaMemorial::Magnetico, ModeloMemorial::Regional, "1996", "01/07/2004",
     "pt_BR", true, "mais de 10 km"},
    {"Exatamente10km", 2500, 2500, ReferenciaMemorial::Magnetico, ModeloMemorial::Igrf14, "1960", "07/12/2026",
     "pt_BR", false, "(perímetro de 10,000 km, até 10 km): nos vértices de partida ela difere da usada em até "},
};

class DeclinacaoVertices : public testing::TestWithParam<Caso> {};

TEST_P(DeclinacaoVertices, CadaLinhaUsaOsValoresDoSeuVertice)
{
    const Caso& k = GetParam();
    const QString dados = QStringLiteral(CERAVEL_DADOS_PROJETO);
    const QLocale locale(QString::fromLatin1(k.locale));
    const auto numero = [&locale](double x) { return QString::number(x, 'f', 2).replace(u'.', locale.decimalPoint()); };
    Memorial m;
    m.dados = {QString::fromLatin1(k.levantamento), QString::fromLatin1(k.conversao), k.referencia, {}, k.modelo};
    m.dados.posicao.latGraus = numero(-15.78);
    m.dados.posicao.lonGraus = numero(-47.87);
    const QString n = QString::number(k.norte), l = QString::number(k.leste);
    m.segmentos = {{"M1", "M2", "0", n, {}}, {"M2", "M3", "90", l, {}}, {"M3", "M4", "180", n, {}},
                   {"M4", "M1", "270", l, {}}};
    const auto convertido = ConverteMemorial(m, locale, dados);
    ASSERT_TRUE(std::holds_alternative<ConversaoMemorial>(convertido));
    const ConversaoMemorial& c0 = std::get<ConversaoMemorial>(convertido);
    PedidoPoligono pedido;
    pedido.inicio.posicaoUtm = {"23", "S", numero(192848.93), numero(8252943.25)};
    const auto primeiro = CalculaPoligonoMemorial(c0, pedido, locale, geo::GeodesiaDaThread(dados));
    const auto r = CalculaMemorialNoTerreno(c0, pedido, locale, dados);
    ASSERT_TRUE(std::holds_alternative<PoligonoMemorial>(primeiro) && std::holds_alternative<MemorialNoTerreno>(r));
    const ConversaoMemorial& c = std::get<MemorialNoTerreno>(r).conversao;
    const ResultadoPoligonal& pol = std::get<MemorialNoTerreno>(r).poligono.poligonal;
    const TabelaMemorial tabela = TabelaResultados(c, locale);
    EXPECT_EQ(c.porVertice, k.porVertice);

    const igrf::ModeloIgrf& igrf = *CarregaIgrf14(dados).modelo;
    long long diferenca = 0;  // the largest between a start vertex's D(survey) and the position's
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        // The model evaluated directly at the start vertex of the first traverse.
        const PontoGeografico g = *std::get<PoligonoMemorial>(primeiro).poligonal.vertices[i].geograficas;
        const auto D = [&](double ano) {
            return SegundosArredondados(k.modelo == ModeloMemorial::Regional
                                            ? CalculaCampo(dados, g.latitude + 15, g.longitude + 55, ano - 1990).elementos->D
                                            : CampoIgrf14(igrf, g.latitude, g.longitude, ano)->D);
        };
        const auto fatores = geo::GeodesiaDaThread(dados).Fatores({g.latitude, g.longitude}, 23, true);
        const long long gama = SegundosArredondados(std::get<geo::FatoresUtm>(fatores).convergencia);
        const long long noVertice = D(c.levantamento.anoDecimal);
        diferenca = std::max(diferenca, std::abs(noVertice - c.levantamento.segundos));
        const long long lev = k.porVertice ? noVertice : c.levantamento.segundos;
        const long long conv = k.porVertice ? D(c.conversao.anoDecimal) : c.conversao.segundos;
        if (k.porVertice && i > 0) {  // away from the position, the vertex's own D is another
            EXPECT_NE(lev, c.levantamento.segundos);
        }
        EXPECT_EQ(tabela.linhas[i][static_cast<int>(ColunaMemorial::DecLevantamento)], TextoGms(lev, locale));
        EXPECT_EQ(tabela.linhas[i][static_cast<int>(ColunaMemorial::DecConversao)], TextoGms(conv, locale));
        // true = magnetic + D(survey), = grid + γ; magnetic now = true − D(conversion).
        const long long dado = i * 90 * 3600;
        const long long verdadeiro = ReduzAzimute(
            k.referencia == ReferenciaMemorial::Magnetico    ? dado + lev
            : k.referencia == ReferenciaMemorial::Quadricula ? dado + (k.porVertice ? gama : c.convergenciaSegundos)
                                                             : dado);
        const SegmentoConvertido& s = *c.segmentos[i].convertido;
        EXPECT_EQ(SegundosArredondados(s.verdadeiro), verdadeiro);
        EXPECT_EQ(SegundosArredondados(s.magneticoConversao), ReduzAzimute(verdadeiro - conv));
        // The traverse kept is the one of these bearings: grid azimuth = true − γ.
        EXPECT_NEAR(std::remainder(pol.segmentos[i].azimutePlano + pol.segmentos[i].convergencia - s.verdadeiro, 360),
                    0, 1e-9);
    }
    const QString frase = QString::fromUtf8(k.frase) + (k.porVertice ? QString() : TextoGms(diferenca, locale));
    EXPECT_TRUE(FraseDeclinacao(c, locale).contains(frase)) << FraseDeclinacao(c, locale).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Casos, DeclinacaoVertices, testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
