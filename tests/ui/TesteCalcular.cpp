// SPDX-License-Identifier: GPL-3.0-or-later
// "Calcular": what a press writes into Main, DComp and Relatorio, and what a
// guard or a model failure shows without changing the results on display.
#include "AmbienteJanelas.h"

#include "ui/Forma.h"
#include "ui/Linha.h"

#include <QtTest/QTest>
#include <cmath>

namespace ceravel::teste {
namespace {

using Calcular = AmbienteJanelas;

// The boxes of the active forms read, the hidden ones (holding rubbish) not;
// D = -20 + 0.5 (lat + 15) + 0.25 (lon + 55); seconds cut, not rounded.
TEST_F(Calcular, FillsMainDCompAndRelatorioFromTheActiveForms)
{
    const struct {
        bool ptBR;
        QStringList latitude, longitude;  // one text: decimal degrees; three: D, M, S
        QString declinacao, relLatitude, relLongitude, latExp, longExp;
    } casos[] = {
        {false, {"-27", "30", "0"}, {"-48", "30", "0"}, "-24º37'30''", "-27°30'0''", "-48°30'0''", "-27.5", "-48.5"},
        {true, {"-23,50"}, {"-47,875"}, "-22º28'07''", "-23,50", "-47,875", "-23,50", "-47,875"},
        {true, {"3", "30", "0"}, {"-60,5"}, "-12º07'30''", "3°30'0''", "-60,5", "3,5", "-60,5"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.declinacao.toStdString());
        usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
        for (const char* caixa : {"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"})
            digita(caixa, "99x");
        preenche("1", "7", "2000", c.latitude, c.longitude);
        clica(main(), "BtCalcular");
        ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.todas();
        const QStringList vistos{texto(main(), "DMIN3"), texto(relatorio(), "DMIN2"), texto(main(), "LatExp"),
                                 texto(main(), "LongExp"), texto(relatorio(), "Latitude"),
                                 texto(relatorio(), "Longitude")};
        EXPECT_EQ(vistos, QStringList({c.declinacao, c.declinacao, c.latExp, c.longExp, c.relLatitude,
                                       c.relLongitude}));
        EXPECT_EQ(visivel(relatorio(), "Label16"), c.latitude.size() == 1);  // "graus" after decimal degrees
        EXPECT_EQ(visivel(relatorio(), "Label15"), c.longitude.size() == 1);
        EXPECT_EQ(texto(dcomp(), "CF") + u'|' + texto(relatorio(), "INC2") + u'|' + texto(main(), "VD2"),
                  "23456" + locale.decimalPoint() + "7|-30|-7'30''/ano");
        for (const char* nome : {"FD", "BtDComp", "NVLine"})
            EXPECT_TRUE(visivel(main(), nome)) << nome;
        EXPECT_TRUE(visivel(dcomp(), "FX") && habilitado("MAImp") && habilitado("MAExp") && habilitado("MAMapa"));
        EXPECT_TRUE(dcomp().isHidden() && relatorio().isHidden());
    }
}

// D = -20: the worked end points (twips) on both windows; D = -10 moves them again.
TEST_F(Calcular, WestDeclinationTurnsBothNeedlesLeftAndTheNextCalculationMovesThem)
{
    calculaComSucesso();
    const struct { QWidget* janela; double cx, cy, x2, y2; } casos[] = {
        {&main(), 5400, 1800, 4989.58, 672.37}, {&relatorio(), 2925, 5010, 2514.58, 3882.37}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.janela->objectName().toStdString());
        const auto& linha = controle<Linha>(*c.janela, "NVLine");
        EXPECT_EQ(QPointF(linha.x1(), linha.y1()), QPointF(c.cx, c.cy));
        EXPECT_NEAR(linha.x2(), c.x2, 0.005);
        EXPECT_NEAR(linha.y2(), c.y2, 0.005);
        EXPECT_NEAR(controle<Forma>(*c.janela, "NVCirc").topo(), c.y2 - 67.5, 0.005);
        EXPECT_EQ(controle(*c.janela, "NVTxt").pos(), QPoint(qRound((c.x2 - 270) / 15), qRound((c.y2 - 270) / 15)));
    }
    preenche("1", "7", "2000", {"5"}, {"-55", "0", "0"});
    clica(main(), "BtCalcular");
    EXPECT_NEAR(controle<Linha>(main(), "NVLine").x2(), 5400 - 1200 * std::sin(10 * 3.14159265359 / 180), 0.01);
    EXPECT_NEAR(controle<Linha>(main(), "NVLine").y2(), 1800 - 1200 * std::cos(10 * 3.14159265359 / 180), 0.01);
}

// After a success, a refusal: one message, the focus where the row says
// (kept on LatS when the check names no box), everything shown as it was.
TEST_F(Calcular, ARefusalShowsItsMessageMovesTheFocusAndChangesNothingElse)
{
    const struct {
        const char *caixa, *digitado, *mensagem, *foco;
        const char* arquivo = nullptr;  // coefficient file cut to `itens` lines (0: removed)
        int itens = 0;
    } casos[] = {
        {"Ano", "", "Por favor entre com todos os dados", "LatS"},
        {"Dia", "0", "Por favor, corrija o dia. Ele deve ser maior que zero!", "Dia"},
        {"LatM", "x", "Por favor, entre somente com números.", "LatM"},
        {"LatG", "-20", "COEF-D2000", "LatS", "COEF-D2000", 0},
        {"LatG", "-20", "COEF-F2000", "LatS", "COEF-F2000", 30},
    };
    for (const auto& f : casos) {
        SCOPED_TRACE(f.mensagem);
        usaLocale(QLocale::c());
        mensageiro.mensagens.clear();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        calculaComSucesso();
        const float x2 = controle<Linha>(main(), "NVLine").x2();
        if (f.arquivo)
            EscreveCoeficientes(pasta.path(), f.arquivo, {{1, 1.0}}, f.itens);
        ASSERT_TRUE(!f.arquivo || f.itens || QFile::remove(pasta.filePath(f.arquivo)));
        digita(f.caixa, f.digitado);
        controle(main(), "LatS").setFocus();
        clica(main(), "BtCalcular");
        ASSERT_EQ(mensageiro.mensagens.size(), 1);
        EXPECT_TRUE(mensageiro.mensagens[0].contains(f.mensagem)) << mensageiro.todas();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), f.foco);
        EXPECT_EQ(texto(main(), "DMIN3") + texto(main(), "LatExp") + texto(relatorio(), "Latitude"),
                  "-20º00'00''-15-15°0'0''");
        EXPECT_EQ(controle<Linha>(main(), "NVLine").x2(), x2);
        EXPECT_EQ(main().ultimoCalculo().value().textos.latExp, "-15");
        EXPECT_EQ(encerramentos, 0);
        SetUp();  // the coefficient files again
    }
}

}  // namespace
}  // namespace ceravel::teste
