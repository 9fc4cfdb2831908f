// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/FormataResultados.h"

#include "present/GeometriaAgulha.h"

#include <gtest/gtest.h>

#include <string>

namespace ceravel {
namespace {

struct CasoResultados {
    const char* locale;
    FormaEntrada latitude, longitude;
    const char16_t* esperado;  // every control text, joined by "|"
};

// Each text lands in its own control; the report keeps the typing (day "05",
// blanks) and each coordinate follows its own entry form.
TEST(FormataResultados, FillsEveryControl)
{
    const CasoResultados casos[] = {
        {"C", FormaEntrada::GrausMinutosSegundos, FormaEntrada::GrausDecimais,
         u"2000.45628415301|2000.45628|-21\u00BA07'30''|-6'07''/ano|18820.0|-7284.0|-11768.3|23456.7|"
         u"3.00 nT/ano|-10.13 nT/ano|0.00 nT/ano|-25.50 nT/ano|-30|7.50|-1.23 '/ano|05 / 6 / 2000|"
         u"-27\u00B035'10''|| -48.50|graus"},
        {"pt_BR", FormaEntrada::GrausDecimais, FormaEntrada::GrausMinutosSegundos,
         u"2000,45628415301|2000,45628|-21\u00BA07'30''|-6'07''/ano|18820,0|-7284,0|-11768,3|23456,7|"
         u"3,00 nT/ano|-10,13 nT/ano|0,00 nT/ano|-25,50 nT/ano|-30|7,50|-1,23 '/ano|05 / 6 / 2000|"
         u"-27,5|graus|-48\u00B030.5'00''|"}};
    for (const CasoResultados& c : casos) {
        ElementosCampo e;
        e.D = -21.125f, e.I = -30.125f, e.F = 23456.74f, e.m = -6.125f, e.n = -1.234f, e.dF = -25.5f;
        e.X = 18820.04, e.Y = -7283.96, e.Z = -11768.25, e.dX = 3.004, e.dY = -10.125, e.dZ = 0.0;
        TextosEntrada en;
        en.dia = QStringLiteral("05"), en.mes = QStringLiteral("6"), en.ano = QStringLiteral("2000");
        en.latGraus = QStringLiteral("-27,5"), en.lonGraus = QStringLiteral(" -48.50");
        en.latG = QStringLiteral("-27"), en.latM = QStringLiteral("35"), en.latS = QStringLiteral("10");
        en.longG = QStringLiteral("-48"), en.longM = QStringLiteral("30.5"), en.longS = QStringLiteral("00");
        en.formaLatitude = c.latitude;
        en.formaLongitude = c.longitude;
        PedidoValidado pedido;
        pedido.anoDecimal = 2000.0 + 167.0 / 366.0;
        const TextosResultado t = FormataResultados(e, pedido, en, QLocale(QString::fromLatin1(c.locale)));
        const auto graus = [](bool visivel) { return visivel ? QStringLiteral("graus") : QString(); };
        EXPECT_EQ(QStringList({t.epoca, t.relEpoca, t.dmin, t.vd, t.cx, t.cy, t.cz, t.cf, t.vx2, t.vy2, t.vz2,
                               t.vf2, t.inc2, t.aimin2, t.vi2, t.relData, t.relLatitude, graus(t.relGrausLatitude),
                               t.relLongitude, graus(t.relGrausLongitude)})
                      .join(u'|'),
                  QString::fromUtf16(c.esperado));
        // bit-exact: the same float computation, so a swapped centre shows.
        EXPECT_EQ(t.agulhaMain.x2, CalculaAgulha(e.D, CentroBussolaMain).x2);
        EXPECT_EQ(t.agulhaRelatorio.y2, CalculaAgulha(e.D, CentroBussolaRelatorio).y2);
    }
}

// LatExp and LongExp: decimal entry exactly as typed; a position from degrees,
// minutes and seconds as its general number text (15 significant digits).
TEST(FormataResultados, TextosDeExportacao)
{
    const struct {
        FormaEntrada forma;
        const char* digitado;
        double valor;
        const char* esperado;  // "." stands for the locale's separator
    } casos[] = {
        {FormaEntrada::GrausDecimais, " -047.875 ", -47.875, " -047.875 "},
        {FormaEntrada::GrausDecimais, "-23,50", -23.5, "-23,50"},
        {FormaEntrada::GrausMinutosSegundos, "", -0.5, "-0.5"},
        {FormaEntrada::GrausMinutosSegundos, "", -15.0, "-15"},
        {FormaEntrada::GrausMinutosSegundos, "", -75.99972222222222, "-75.9997222222222"},
    };
    for (const char* nome : {"C", "pt_BR"}) {
        const QLocale locale(QString::fromLatin1(nome));
        for (const auto& c : casos) {
            TextosEntrada en;
            en.formaLatitude = en.formaLongitude = c.forma;
            en.latGraus = en.lonGraus = QString::fromLatin1(c.digitado);
            PedidoValidado pedido;
            pedido.latitude = pedido.longitude = c.valor;
            const TextosResultado t = FormataResultados(ElementosCampo{}, pedido, en, locale);
            QString esperado = QString::fromLatin1(c.esperado);
            if (c.forma == FormaEntrada::GrausMinutosSegundos)
                esperado.replace(u'.', locale.decimalPoint());
            EXPECT_EQ(t.latExp, esperado) << nome << " " << c.valor;
            EXPECT_EQ(t.longExp, esperado) << nome << " " << c.valor;
        }
    }
}

}  // namespace
}  // namespace ceravel
