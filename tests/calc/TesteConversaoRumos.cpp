// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AnoDecimal.h"
#include "calc/ConversaoRumos.h"
#include "calc/LeituraNumeros.h"
#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"
#include "tests/calc/EntradasTeste.h"
#include "tests/model/TabelaIgrfTeste.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace ceravel::teste {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);

// A position in decimal degrees, two dates and a bearing typed in degrees,
// minutes and seconds.
TextosConversao Entrada(const char* lat, const char* lon, const char* lev, const char* conv, const QLocale& locale)
{
    const QStringList l = QString::fromLatin1(lev).split(u'/'), c = QString::fromLatin1(conv).split(u'/');
    return {NoLocale(lat, locale), {}, {}, {}, NoLocale(lon, locale), {}, {}, {}, DEC, DEC, l[0], l[1], l[2],
            c[0], c[1], c[2], TipoRumo::Rumo, GMS, {}, "35", "20", "10", Quadrante::NO, ReferenciaRumo::Magnetico,
            {}, {}, {}};
}

bool CopiaTabelaIgrf(const QTemporaryDir& pasta)
{
    return QFile::copy(QDir(PastaDados).filePath(ArquivoIgrf14), pasta.filePath(ArquivoIgrf14));
}

// Each date's declination is IGRF-14's at the checked position and decimal
// year, to the bit; the bearing follows the rules with those two values; the
// regional model's D is kept for the years 1995 to 2005 only.
TEST(CalculaConversao, DeclinacoesDoIgrf14NasDuasDatas)
{
    const struct {
        const char *nome, *lat, *lon, *lev, *conv;
        bool regionalLev, regionalConv;
    } casos[] = {
        {"Macapá 1978 para 2000", "0.03", "-51.07", "01/07/1978", "31/12/2000", false, true},
        {"Porto Alegre 31/12/2005 para 01/01/2006", "-30.03", "-51.23", "31/12/2005", "01/01/2006", true, false},
        {"Manaus 01/01/1995 para 31/12/1994", "-3.1", "-60.02", "01/01/1995", "31/12/1994", true, false},
        {"extremos do modelo", "-35", "-75", "01/01/1900", "31/12/2029", false, false},
    };
    ASSERT_TRUE(Igrf14().modelo) << Igrf14().erro;
    const igrf::ModeloIgrf& modelo = *Igrf14().modelo;
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            const TextosConversao entrada = Entrada(caso.lat, caso.lon, caso.lev, caso.conv, locale);
            const ResultadoConversao r = CalculaConversao(entrada, locale, PastaDados);
            ASSERT_TRUE(std::holds_alternative<Conversao>(r));
            const Conversao& c = std::get<Conversao>(r);
            EXPECT_EQ(c.latitude, std::stod(caso.lat));
            EXPECT_EQ(c.longitude, std::stod(caso.lon));
            const std::pair<const DeclinacaoNaData*, const char*> datas[] = {{&c.levantamento, caso.lev},
                                                                              {&c.conversao, caso.conv}};
            for (const auto& [d, data] : datas) {
                SCOPED_TRACE(data);
                const QStringList partes = QString::fromLatin1(data).split(u'/');
                const double ano = AnoDecimal(partes[0].toDouble(), partes[1].toDouble(), partes[2].toDouble());
                EXPECT_EQ(d->anoDecimal, ano);
                const auto igrf = CampoIgrf14(modelo, c.latitude, c.longitude, ano);
                ASSERT_TRUE(igrf);
                EXPECT_EQ(d->D, igrf->D);
                EXPECT_EQ(d->dD, igrf->dD);
            }
            EXPECT_EQ(c.levantamento.regional.has_value(), caso.regionalLev);
            EXPECT_EQ(c.conversao.regional.has_value(), caso.regionalConv);
            EXPECT_TRUE(c.levantamento.erroRegional.isEmpty());
            EXPECT_TRUE(c.conversao.erroRegional.isEmpty());
        }
}

// Whole seconds of an angle text "-21°56'08''" (with a rumo's letters, its
// azimuth), as a surveyor reads it off the screen.
long long Le(const QString& texto)
{
    static const QRegularExpression forma(QStringLiteral("^(-?)(\\d+)\u00B0(\\d\\d)'(\\d\\d)''(?: ([NSLOE]+))?$"));
    const QRegularExpressionMatch m = forma.match(texto);
    EXPECT_TRUE(m.hasMatch()) << texto.toStdString();
    const long long s = (m.captured(2).toLongLong() * 60 + m.captured(3).toInt()) * 60 + m.captured(4).toInt();
    if (m.hasCaptured(5))
        return AzimuteDeRumo(s, *LeQuadrante(m.captured(5)));
    return m.captured(1).isEmpty() ? s : -s;
}

// The sums on screen check exactly, for random positions, dates and bearings
// of every kind: the change is the difference of the declinations shown, the
// true bearing the given one plus the survey declination shown, the magnetic
// one the true one minus the conversion declination shown, each rumo its
// azimuth; and each declination shown is IGRF's rounded to the second.
TEST(CalculaConversao, AsSomasNaTelaConferem)
{
    QRandomGenerator sorte(19);
    const auto numero = [&sorte](double de, double ate) { return de + sorte.generateDouble() * (ate - de); };
    for (int i = 0; i < 1000; ++i) {
        const QLocale& locale = Locales[i % 2];
        TextosConversao e = Entrada("0", "0", "1/1/1900", "1/1/1900", locale);
        e.latGraus = locale.toString(numero(-35, 10), 'f', 4);
        e.lonGraus = locale.toString(numero(-75, -30), 'f', 4);
        e.anoLev = QString::number(sorte.bounded(1900, 2030));
        e.diaConv = QString::number(sorte.bounded(1, 29)), e.mesConv = QString::number(sorte.bounded(1, 13));
        e.anoConv = QString::number(sorte.bounded(1900, 2030));
        e.tipo = sorte.bounded(2) ? TipoRumo::Azimute : TipoRumo::Rumo;
        e.quadrante = static_cast<Quadrante>(sorte.bounded(8));
        const bool cardinal = e.tipo == TipoRumo::Rumo && static_cast<int>(e.quadrante) % 2 == 0;
        e.formaAngulo = FormaEntrada::GrausDecimais;
        e.angGraus = cardinal ? QString::number(static_cast<int>(e.quadrante) % 4 == 0 ? 0 : 90)
                              : locale.toString(numero(0, e.tipo == TipoRumo::Azimute ? 359.9 : 90), 'f', 5);
        e.referencia = sorte.bounded(2) ? ReferenciaRumo::Magnetico : ReferenciaRumo::Verdadeiro;
        SCOPED_TRACE(i);
        const ResultadoConversao r = CalculaConversao(e, locale, PastaDados);
        ASSERT_TRUE(std::holds_alternative<Conversao>(r)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
        const Conversao& c = std::get<Conversao>(r);
        const TextosResultadoConversao& t = c.textos;
        const long long lev = Le(t.decLev), conv = Le(t.decConv), verdadeiro = Le(t.azVerd);
        EXPECT_EQ(lev, std::llround(c.levantamento.D * 3600));
        EXPECT_EQ(conv, std::llround(c.conversao.D * 3600));
        EXPECT_EQ(Le(t.difDec), conv - lev);
        const double dado = LeNumeroLocal(e.angGraus, locale).value();
        const long long informado = std::llround(dado * 3600) % SegundosNoCirculo;
        const long long azimute = e.tipo == TipoRumo::Azimute ? informado : AzimuteDeRumo(informado, e.quadrante);
        const bool magnetico = e.referencia == ReferenciaRumo::Magnetico;
        EXPECT_EQ(verdadeiro, ReduzAzimute(azimute + (magnetico ? lev : 0)));
        EXPECT_EQ(Le(t.azMagConv), ReduzAzimute(verdadeiro - conv));
        EXPECT_EQ(Le(t.rumoVerd), verdadeiro);
        EXPECT_EQ(Le(t.rumoMagConv), Le(t.azMagConv));
    }
}

// The cross-check must pass the position and date exactly as the Calculate command does.
TEST(CalculaConversao, ModeloRegionalComoNoCalculo)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(CopiaTabelaIgrf(pasta));
    const TextosConversao entrada = Entrada("-27.5", "-48.5", "15/06/2000", "15/06/2000", QLocale::c());
    const double ano = AnoDecimal(15, 6, 2000);
    const std::pair<int, double> casos[] = {{2, -27.5 + 15}, {3, -48.5 + 55}, {4, ano - 1990}};
    for (const auto& [termo, esperado] : casos) {
        SCOPED_TRACE(termo);
        ASSERT_TRUE(EscreveModeloEspelho(pasta, 1000, termo));
        const ResultadoConversao r = CalculaConversao(entrada, QLocale::c(), pasta.path());
        ASSERT_TRUE(std::holds_alternative<Conversao>(r));
        const Conversao& c = std::get<Conversao>(r);
        ASSERT_TRUE(c.levantamento.regional);
        EXPECT_EQ(*c.levantamento.regional, static_cast<float>(esperado));
    }
}

TEST(CalculaConversao, ArquivosAusentes)
{
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(locale.name().toStdString());
        QTemporaryDir pasta;
        TextosConversao entrada = Entrada("-23.55", "-46.63", "15/06/2000", "10/03/2024", locale);
        // The checks come first: an empty folder is not looked at.
        entrada.anoConv = "2030";
        const ResultadoConversao recusa = CalculaConversao(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(recusa));
        EXPECT_EQ(std::get<FalhaGuarda>(recusa).foco, AnoConv);

        // Without the IGRF-14 table: a message naming it.
        entrada.anoConv = "2024";
        const ResultadoConversao semTabela = CalculaConversao(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<FalhaModelo>(semTabela));
        EXPECT_TRUE(std::get<FalhaModelo>(semTabela).mensagem.contains(ArquivoIgrf14))
            << std::get<FalhaModelo>(semTabela).mensagem.toStdString();

        // The table put back is found on the next press; without the regional
        // files the conversion still succeeds and says the regional value is missing.
        ASSERT_TRUE(CopiaTabelaIgrf(pasta));
        const ResultadoConversao semRegional = CalculaConversao(entrada, locale, pasta.path());
        ASSERT_TRUE(std::holds_alternative<Conversao>(semRegional));
        const Conversao& c = std::get<Conversao>(semRegional);
        EXPECT_FALSE(c.levantamento.regional);
        EXPECT_TRUE(c.levantamento.erroRegional.contains(ArquivoDeclinacao))
            << c.levantamento.erroRegional.toStdString();
        EXPECT_EQ(c.textos.regLev, QStringLiteral("indisponível"));
        EXPECT_EQ(c.textos.regConv, QString());  // 2024: no regional model at all
        EXPECT_FALSE(c.textos.azVerd.isEmpty());
    }
}

}  // namespace
}  // namespace ceravel::teste
