// "Calcular": what a press writes into Main, DComp and Relatorio, and what a
// guard or a model failure shows without changing the results on display.
#include "AmbienteJanelas.h"

#include "ui/Forma.h"
#include "ui/Linha.h"

#include <QApplication>
#include <QFile>
#include <QtTest/QTest>
#include <cmath>

namespace ceravel::teste {
namespace {

// One calculation per combination of entry forms, alternating the locales.
struct Combinacao {
    const char* caso;
    bool ptBR;
    QStringList latitude, longitude;  // one text: decimal degrees; three: D, M, S
    QString declinacao;               // D = -20 + 0.5 (lat + 15) + 0.25 (lon + 55)
    QString relLatitude, relLongitude, latExp, longExp;
};
void PrintTo(const Combinacao& c, std::ostream* os) { *os << c.caso; }

class CalculoPorForma : public AmbienteJanelas, public ::testing::WithParamInterface<Combinacao> {};

TEST_P(CalculoPorForma, FillsMainDCompAndRelatorio)
{
    const Combinacao& c = GetParam();
    usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
    // Rubbish in the hidden form, which the calculation must not read.
    for (const char* caixa : {"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"})
        digita(caixa, "99x");
    preenche("1", "7", "2000", c.latitude, c.longitude);
    const ResultadoCalculo direto = Calcula(main().entrada(), locale, pasta.path());
    clica(main(), "BtCalcular");
    ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();

    EXPECT_EQ(texto(main(), "DMIN3"), c.declinacao);
    EXPECT_EQ(texto(main(), "LatExp"), c.latExp);
    EXPECT_EQ(texto(main(), "LongExp"), c.longExp);
    EXPECT_EQ(texto(relatorio(), "Latitude"), c.relLatitude);
    EXPECT_EQ(texto(relatorio(), "Longitude"), c.relLongitude);
    // "graus" only after a coordinate typed in decimal degrees.
    EXPECT_EQ(visivel(relatorio(), "Label16"), c.latitude.size() == 1);
    EXPECT_EQ(visivel(relatorio(), "Label15"), c.longitude.size() == 1);
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt"})
        EXPECT_TRUE(visivel(main(), nome)) << nome;
    for (const char* moldura : {"FX", "FY", "FZ", "FF", "FI"})
        EXPECT_TRUE(visivel(dcomp(), moldura)) << moldura;
    EXPECT_TRUE(habilitado("MAImp"));
    EXPECT_TRUE(habilitado("MAExp"));
    EXPECT_TRUE(dcomp().isHidden());
    EXPECT_TRUE(relatorio().isHidden());

    // Every other text is the core's, each on its own label.
    const auto* calculo = std::get_if<Calculo>(&direto);
    ASSERT_NE(calculo, nullptr);
    const TextosResultado& t = calculo->textos;
    const std::tuple<QWidget*, const char*, QString> proprios[] = {
        {&main(), "VD2", t.vd}, {&main(), "Epoca", t.epoca}, {&relatorio(), "Data", t.relData},
        {&relatorio(), "Epoca", t.relEpoca}, {&relatorio(), "DMIN2", t.dmin}, {&relatorio(), "VD2", t.vd}};
    for (const auto& [janela, nome, esperado] : proprios)
        EXPECT_EQ(texto(*janela, nome), esperado) << nome;
    const std::pair<const char*, QString> componentes[] = {
        {"CX", t.cx}, {"VX2", t.vx2}, {"CY", t.cy}, {"VY2", t.vy2}, {"CZ", t.cz}, {"VZ2", t.vz2},
        {"CF", t.cf}, {"VF2", t.vf2}, {"INC2", t.inc2}, {"AIMIN2", t.aimin2}, {"VI2", t.vi2}};
    for (const auto& [nome, esperado] : componentes) {
        EXPECT_EQ(texto(dcomp(), nome), esperado) << nome;
        EXPECT_EQ(texto(relatorio(), nome), esperado) << nome;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, CalculoPorForma,
    ::testing::Values(
        Combinacao{"DmsDms_C", false, {"-27", "30", "0"}, {"-48", "30", "0"}, "-24º37'30''", "-27°30'0''",
                   "-48°30'0''", "-27.5", "-48.5"},
        // Seconds are cut, not rounded: 28.125 minutes are 28' 07''.
        Combinacao{"DecimalDecimal_ptBR", true, {"-23,50"}, {"-47,875"}, "-22º28'07''", "-23,50", "-47,875",
                   "-23,50", "-47,875"},
        Combinacao{"DmsLatitudeDecimalLongitude_ptBR", true, {"3", "30", "0"}, {"-60,5"}, "-12º07'30''",
                   "3°30'0''", "-60,5", "3,5", "-60,5"},
        Combinacao{"DecimalLatitudeDmsLongitude_C", false, {"-10.25"}, {"-35", "15", "0"}, "-12º41'15''", "-10.25",
                   "-35°15'0''", "-10.25", "-35.25"}),
    [](const auto& info) { return std::string(info.param.caso); });

using Agulhas = AmbienteJanelas;

// D = -20: the worked end points (twips, to two decimals) on both windows;
// a second calculation (D = -10) moves them again.
TEST_F(Agulhas, WestDeclinationTurnsBothNeedlesLeftAndTheNextCalculationMovesThem)
{
    calculaComSucesso();
    const struct { QWidget* janela; double cx, cy, x2, y2; } casos[] = {
        {&main(), 5400, 1800, 4989.58, 672.37},
        {&relatorio(), 2925, 5010, 2514.58, 3882.37},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.janela->objectName().toStdString());
        const auto& linha = controle<Linha>(*c.janela, "NVLine");
        // bit-exact: the start point is written once, from whole numbers.
        EXPECT_EQ(linha.x1(), static_cast<float>(c.cx));
        EXPECT_EQ(linha.y1(), static_cast<float>(c.cy));
        EXPECT_NEAR(linha.x2(), c.x2, 0.005);
        EXPECT_NEAR(linha.y2(), c.y2, 0.005);
        const auto& circulo = controle<Forma>(*c.janela, "NVCirc");
        EXPECT_NEAR(circulo.esquerda(), c.x2 - 67.5, 0.005);
        EXPECT_NEAR(circulo.topo(), c.y2 - 67.5, 0.005);
        EXPECT_EQ(controle(*c.janela, "NVTxt").pos(), QPoint(qRound((c.x2 - 270) / 15), qRound((c.y2 - 270) / 15)));
    }

    preenche("1", "7", "2000", {"5"}, {"-55", "0", "0"});
    clica(main(), "BtCalcular");
    ASSERT_TRUE(mensageiro.mensagens.isEmpty());
    EXPECT_NEAR(controle<Linha>(main(), "NVLine").x2(), 5400 - 1200 * std::sin(10 * 3.14159265359 / 180), 0.01);
    EXPECT_NEAR(controle<Linha>(main(), "NVLine").y2(), 1800 - 1200 * std::cos(10 * 3.14159265359 / 180), 0.01);
    // The report's "graus" labels follow the new entry forms.
    EXPECT_TRUE(visivel(relatorio(), "Label16"));
    EXPECT_FALSE(visivel(relatorio(), "Label15"));
}

// Each row starts after a successful calculation, breaks a coefficient file
// or types into some boxes, and presses "Calcular" with the focus on LatS: one
// message, the focus where the row says, everything on display as it was, the
// export's calculation kept and the program running.
struct Falha {
    const char* caso;
    std::vector<std::pair<const char*, const char*>> caixas;
    const char* mensagem;  // or the part of it that names the file
    const char* foco;
    const char* arquivo = nullptr;  // coefficient file cut to `itens` lines (0: removed)
    int itens = 0;
};
void PrintTo(const Falha& f, std::ostream* os) { *os << f.caso; }

class FalhaCalcular : public AmbienteJanelas, public ::testing::WithParamInterface<Falha> {};

TEST_P(FalhaCalcular, ShowsItsMessageMovesTheFocusAndChangesNothingElse)
{
    const Falha& f = GetParam();
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    calculaComSucesso();
    const float x2 = controle<Linha>(main(), "NVLine").x2();
    if (f.arquivo && f.itens == 0)
        ASSERT_TRUE(QFile::remove(pasta.filePath(f.arquivo)));
    else if (f.arquivo)
        EscreveCoeficientes(pasta.path(), f.arquivo, {{1, 1.0}}, f.itens);
    for (const auto& [caixa, t] : f.caixas)
        digita(caixa, t);
    controle(main(), "LatS").setFocus();
    clica(main(), "BtCalcular");

    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains(f.mensagem)) << mensageiro.mensagens[0].toStdString();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), f.foco);
    EXPECT_EQ(texto(main(), "DMIN3"), "-20º00'00''");
    EXPECT_EQ(texto(main(), "LatExp"), "-15");
    EXPECT_EQ(texto(dcomp(), "CF"), "23456.7");
    EXPECT_EQ(texto(relatorio(), "Latitude"), "-15°0'0''");
    EXPECT_EQ(controle<Linha>(main(), "NVLine").x2(), x2);  // bit-exact: not written again
    EXPECT_EQ(main().ultimoCalculo().value().textos.latExp, "-15");
    EXPECT_EQ(encerramentos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, FalhaCalcular,
    ::testing::Values(
        Falha{"YearEmpty", {{"Ano", ""}}, "Por favor entre com todos os dados", "LatS"},
        Falha{"LongitudeEastOfTheCoast", {{"LongG", "-29"}},
              "A longitude do território brasileiro varia de aproximadamente -30 a -75 graus. "
              "Verifique também o separador de decimais.", "LatS"},
        Falha{"DayZero", {{"Dia", "0"}}, "Por favor, corrija o dia. Ele deve ser maior que zero!", "Dia"},
        Falha{"Month13", {{"Mes", "13"}}, "Por favor, corrija o mês.", "Mes"},
        Falha{"TwoDigitYear", {{"Ano", "99"}}, "Por favor, insira o ano com 4 algarismos", "Ano"},
        Falha{"DeclinationFileMissing", {{"LatG", "-20"}}, "COEF-D2000", "LatS", "COEF-D2000", 0},
        Falha{"IntensityFileShort", {{"LatG", "-20"}}, "COEF-F2000", "LatS", "COEF-F2000", 30}),
    [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace ceravel::teste
