// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AnoDecimal.h"
#include "calc/ConversaoRumos.h"
#include "calc/LeituraNumeros.h"
#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"
#include "tests/calc/EntradasTeste.h"
#include "tests/model/TabelaIgrfTeste.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace ceravel::teste {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);

// A position in decimal degrees, two dates and a rumo typed in degrees, minutes and seconds.
TextosConversao Entrada(const char* lat, const char* lon, const char* lev, const char* conv, const QLocale& locale)
{
    const QStringList l = QString::fromLatin1(lev).split(u'/'), c = QString::fromLatin1(conv).split(u'/');
    return {NoLocale(lat, locale), {}, {}, {}, NoLocale(lon, locale), {}, {}, {}, DEC, DEC, l[0], l[1], l[2],
            c[0], c[1], c[2], TipoRumo::Rumo, GMS, {}, "35", "20", "10", Quadrante::NO, ReferenciaRumo::Magnetico,
            {}, {}, {}};
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

// Random positions, dates and bearings: each D is IGRF-14's (the regional one only in 1995–2005), shown rounded
// to the second, and the sums on screen check: change = conv. D - survey D; true = magnetic + survey D = grid + γ.
TEST(CalculaConversao, AsSomasNaTelaConferem)
{
    ASSERT_TRUE(Igrf14().modelo) << Igrf14().erro;
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
        e.referencia = static_cast<ReferenciaRumo>(sorte.bounded(3));
        SCOPED_TRACE(i);
        const ResultadoConversao r = CalculaConversao(e, locale, PastaDados);
        ASSERT_TRUE(std::holds_alternative<Conversao>(r)) << std::get<FalhaGuarda>(r).mensagem.toStdString();
        const Conversao& c = std::get<Conversao>(r);
        for (const auto& [d, dia, mes, ano] : {std::tuple{&c.levantamento, e.diaLev, e.mesLev, e.anoLev},
                                               std::tuple{&c.conversao, e.diaConv, e.mesConv, e.anoConv}}) {
            const double decimal = AnoDecimal(dia.toDouble(), mes.toDouble(), ano.toDouble());
            const auto igrf = CampoIgrf14(*Igrf14().modelo, c.latitude, c.longitude, decimal);
            EXPECT_EQ(std::pair(d->D, d->dD), std::pair(igrf->D, igrf->dD));
            EXPECT_EQ(d->regional.has_value(), ano.toInt() >= 1995 && ano.toInt() <= 2005);
        }
        const TextosResultadoConversao& t = c.textos;
        const long long lev = Le(t.decLev), conv = Le(t.decConv), gama = Le(t.convergencia), verdadeiro = Le(t.azVerd);
        EXPECT_EQ(lev, std::llround(c.levantamento.D * 3600));
        EXPECT_EQ(conv, std::llround(c.conversao.D * 3600));
        EXPECT_EQ(Le(t.difDec), conv - lev);
        const double dado = LeNumeroLocal(e.angGraus, locale).value();
        const long long informado = std::llround(dado * 3600) % SegundosNoCirculo;
        const long long azimute = e.tipo == TipoRumo::Azimute ? informado : AzimuteDeRumo(informado, e.quadrante);
        const long long somado[] = {lev, 0, gama};  // in ReferenciaRumo's order
        EXPECT_EQ(verdadeiro, ReduzAzimute(azimute + somado[static_cast<int>(e.referencia)]));
        EXPECT_EQ(Le(t.azQuad), ReduzAzimute(verdadeiro - gama));
        EXPECT_EQ(Le(t.azMagConv), ReduzAzimute(verdadeiro - conv));
        EXPECT_EQ(Le(t.rumoVerd), verdadeiro);
        EXPECT_EQ(Le(t.rumoMagConv), Le(t.azMagConv));
    }
}

// The checks come first (an empty folder is not looked at); without the IGRF-14 table, a message naming it;
// the table put back is found on the next press, and without the regional files the conversion still
// succeeds and says the regional value is missing.
TEST(CalculaConversao, ArquivosAusentes)
{
    const QLocale locale = PtBr;
    QTemporaryDir pasta;
    TextosConversao entrada = Entrada("-23.55", "-46.63", "15/06/2000", "10/03/2030", locale);
    const ResultadoConversao recusa = CalculaConversao(entrada, locale, pasta.path());
    ASSERT_TRUE(std::holds_alternative<FalhaGuarda>(recusa));
    EXPECT_EQ(std::get<FalhaGuarda>(recusa).foco, AnoConv);
    entrada.anoConv = "2024";
    const ResultadoConversao semTabela = CalculaConversao(entrada, locale, pasta.path());
    ASSERT_TRUE(std::holds_alternative<FalhaModelo>(semTabela));
    EXPECT_TRUE(std::get<FalhaModelo>(semTabela).mensagem.contains(ArquivoIgrf14));
    ASSERT_TRUE(QFile::copy(PastaDados + "/" + ArquivoIgrf14, pasta.filePath(ArquivoIgrf14)));
    const ResultadoConversao semRegional = CalculaConversao(entrada, locale, pasta.path());
    ASSERT_TRUE(std::holds_alternative<Conversao>(semRegional));
    const Conversao& c = std::get<Conversao>(semRegional);
    EXPECT_FALSE(c.levantamento.regional);
    EXPECT_TRUE(c.levantamento.erroRegional.contains(ArquivoDeclinacao)) << c.levantamento.erroRegional.toStdString();
    EXPECT_EQ(c.textos.regLev, QStringLiteral("indisponível"));
    EXPECT_EQ(c.textos.regConv, QString());  // 2024: no regional model at all
}

}  // namespace
}  // namespace ceravel::teste
