// "Calcular": what a press writes into Main, DComp and Relatorio, what a guard
// or a model failure shows, and that neither changes the results on display.
#include "AmbienteJanelas.h"

#include "calc/Calculo.h"
#include "ui/Forma.h"
#include "ui/Linha.h"
#include "ui/Main.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QtTest/QTest>

namespace ceravel::teste {
namespace {

// One calculation per combination of entry forms. Texts are written with "."
// and typed with the locale's decimal separator. In the hidden form of each
// coordinate the boxes hold rubbish, which the calculation must not look at.
struct Combinacao {
    const char* caso;
    bool ptBR;
    QStringList latitude, longitude;  // one text: decimal degrees; three: D, M, S
    const char* declinacao;           // D = -20 + 0.5 (lat + 15) + 0.25 (lon + 55)
    const char* relLatitude;
    const char* relLongitude;
    const char* latExp;
    const char* longExp;
};
void PrintTo(const Combinacao& p, std::ostream* os) { *os << p.caso; }

class CalculoPorForma : public AmbienteJanelas, public ::testing::WithParamInterface<Combinacao> {
protected:
    QString noLocale(QString s) const { return s.replace(u'.', locale.decimalPoint()); }
    QStringList noLocale(QStringList l) const
    {
        for (QString& s : l)
            s = noLocale(s);
        return l;
    }
};

TEST_P(CalculoPorForma, FillsMainDCompAndRelatorio)
{
    const Combinacao& c = GetParam();
    usaLocale(c.ptBR ? QLocale(QLocale::Portuguese, QLocale::Brazil) : QLocale::c());
    // Rubbish in both forms first; the chosen form is then typed over it.
    for (const char* caixa : {"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"})
        digita(QString::fromLatin1(caixa), QStringLiteral("99x"));
    preenche(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("2000"), noLocale(c.latitude),
             noLocale(c.longitude));
    const TextosEntrada entrada = main().entrada();

    clica(main(), QStringLiteral("BtCalcular"));
    ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();

    // Main: the declination of this position, the epoch, the position for the export.
    EXPECT_EQ(texto(main(), QStringLiteral("DMIN3")), QString::fromUtf8(c.declinacao));
    EXPECT_EQ(texto(main(), QStringLiteral("VD2")), QStringLiteral("-7'30''/ano"));
    EXPECT_EQ(texto(main(), QStringLiteral("Epoca")), noLocale(QStringLiteral("2000.5")));
    EXPECT_EQ(texto(main(), QStringLiteral("LatExp")), noLocale(QString::fromUtf8(c.latExp)));
    EXPECT_EQ(texto(main(), QStringLiteral("LongExp")), noLocale(QString::fromUtf8(c.longExp)));
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt"})
        EXPECT_TRUE(visivel(main(), QString::fromLatin1(nome))) << nome;
    EXPECT_TRUE(habilitado(QStringLiteral("MAImp")));
    EXPECT_TRUE(habilitado(QStringLiteral("MAExp")));
    ASSERT_TRUE(main().ultimoCalculo().has_value());

    // DComp: filled while hidden, its five frames shown.
    ASSERT_TRUE(janelas->existe(Janela::DComp));
    EXPECT_TRUE(dcomp().isHidden());
    EXPECT_EQ(texto(dcomp(), QStringLiteral("CF")), noLocale(QStringLiteral("23456.7")));
    EXPECT_EQ(texto(dcomp(), QStringLiteral("VF2")), noLocale(QStringLiteral("-25.50 nT/ano")));
    EXPECT_EQ(texto(dcomp(), QStringLiteral("INC2")), QStringLiteral("-30"));
    EXPECT_EQ(texto(dcomp(), QStringLiteral("AIMIN2")), noLocale(QStringLiteral("7.50")));
    EXPECT_EQ(texto(dcomp(), QStringLiteral("VI2")), noLocale(QStringLiteral("0.00 '/ano")));
    for (const char* moldura : {"FX", "FY", "FZ", "FF", "FI"})
        EXPECT_TRUE(visivel(dcomp(), QString::fromLatin1(moldura))) << moldura;

    // The component texts are the core's, moved unchanged, and the same on both windows.
    const ResultadoCalculo direto = Calcula(entrada, locale, pasta.path());
    const auto* calculo = std::get_if<Calculo>(&direto);
    ASSERT_NE(calculo, nullptr);
    const TextosResultado& t = calculo->textos;
    const std::pair<const char*, QString> componentes[] = {
        {"CX", t.cx}, {"VX2", t.vx2}, {"CY", t.cy}, {"VY2", t.vy2}, {"CZ", t.cz}, {"VZ2", t.vz2},
        {"CF", t.cf}, {"VF2", t.vf2}, {"INC2", t.inc2}, {"AIMIN2", t.aimin2}, {"VI2", t.vi2}};
    for (const auto& [nome, esperado] : componentes) {
        EXPECT_EQ(texto(dcomp(), QString::fromLatin1(nome)), esperado) << nome;
        EXPECT_EQ(texto(relatorio(), QString::fromLatin1(nome)), esperado) << nome;
    }

    // Relatorio: filled, never shown; coordinates as typed, "graus" only after decimal degrees.
    ASSERT_TRUE(janelas->existe(Janela::Relatorio));
    EXPECT_TRUE(relatorio().isHidden());
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Data")), QStringLiteral("1 / 7 / 2000"));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Epoca")), noLocale(QStringLiteral("2000.50000")));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("DMIN2")), QString::fromUtf8(c.declinacao));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("VD2")), QStringLiteral("-7'30''/ano"));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Latitude")), noLocale(QString::fromUtf8(c.relLatitude)));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Longitude")), noLocale(QString::fromUtf8(c.relLongitude)));
    EXPECT_EQ(visivel(relatorio(), QStringLiteral("Label16")), c.latitude.size() == 1);
    EXPECT_EQ(visivel(relatorio(), QStringLiteral("Label15")), c.longitude.size() == 1);
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, CalculoPorForma,
    ::testing::Values(
        Combinacao{"DmsDms_C", false, {"-27", "30", "0"}, {"-48", "30", "0"}, "-24º37'30''", "-27°30'0''",
                   "-48°30'0''", "-27.5", "-48.5"},
        Combinacao{"DmsDms_ptBR", true, {"-27", "30", "0"}, {"-48", "30", "0"}, "-24º37'30''", "-27°30'0''",
                   "-48°30'0''", "-27.5", "-48.5"},
        // Seconds are cut, not rounded: 28.125 minutes are 28' 07''.
        Combinacao{"DecimalDecimal_C", false, {"-23.5"}, {"-47.875"}, "-22º28'07''", "-23.5", "-47.875", "-23.5",
                   "-47.875"},
        Combinacao{"DecimalDecimal_ptBR", true, {"-23.50"}, {"-47.875"}, "-22º28'07''", "-23.50", "-47.875",
                   "-23.50", "-47.875"},
        Combinacao{"DmsLatitudeDecimalLongitude_C", false, {"3", "30", "0"}, {"-60"}, "-12º00'00''", "3°30'0''",
                   "-60", "3.5", "-60"},
        Combinacao{"DmsLatitudeDecimalLongitude_ptBR", true, {"3", "30", "0"}, {"-60"}, "-12º00'00''",
                   "3°30'0''", "-60", "3.5", "-60"},
        Combinacao{"DecimalLatitudeDmsLongitude_C", false, {"-10.25"}, {"-35", "15", "0"}, "-12º41'15''",
                   "-10.25", "-35°15'0''", "-10.25", "-35.25"},
        Combinacao{"DecimalLatitudeDmsLongitude_ptBR", true, {"-10.25"}, {"-35", "15", "0"}, "-12º41'15''",
                   "-10.25", "-35°15'0''", "-10.25", "-35.25"}),
    [](const auto& info) { return std::string(info.param.caso); });

using Agulhas = AmbienteJanelas;

// D = -20: the worked end points (twips, given to two decimals).
TEST_F(Agulhas, WestDeclinationTurnsBothNeedlesLeftFromAFixedStart)
{
    calculaComSucesso();
    const struct { QWidget* janela; double cx, cy, x2, y2; } casos[] = {
        {&static_cast<QWidget&>(main()), 5400, 1800, 4989.58, 672.37},
        {&relatorio(), 2925, 5010, 2514.58, 3882.37},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.janela->objectName().toStdString());
        const auto& linha = controle<Linha>(*c.janela, QStringLiteral("NVLine"));
        // bit-exact: the start point is written once, from these whole numbers.
        EXPECT_EQ(linha.x1(), static_cast<float>(c.cx));
        EXPECT_EQ(linha.y1(), static_cast<float>(c.cy));
        EXPECT_NEAR(linha.x2(), c.x2, 0.005);
        EXPECT_NEAR(linha.y2(), c.y2, 0.005);
        EXPECT_LT(linha.x2(), c.cx);  // west: to the left of the north axis
        const auto& circulo = controle<Forma>(*c.janela, QStringLiteral("NVCirc"));
        EXPECT_NEAR(circulo.esquerda(), c.x2 - 67.5, 0.005);
        EXPECT_NEAR(circulo.topo(), c.y2 - 67.5, 0.005);
        const auto& rotulo = controle(*c.janela, QStringLiteral("NVTxt"));
        EXPECT_EQ(rotulo.pos(), QPoint(qRound((c.x2 - 270) / 15), qRound((c.y2 - 270) / 15)));
        EXPECT_TRUE(rotulo.isVisibleTo(c.janela));
    }
}

TEST_F(Agulhas, ASecondCalculationMovesTheSameNeedle)
{
    calculaComSucesso();
    preenche(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("2000"), {QStringLiteral("-15")},
             {QStringLiteral("-55")});
    digita(QStringLiteral("LatGraus"), QStringLiteral("25"));  // out of range: nothing moves
    clica(main(), QStringLiteral("BtCalcular"));
    digita(QStringLiteral("LatGraus"), QStringLiteral("5"));   // D = -10
    clica(main(), QStringLiteral("BtCalcular"));
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_EQ(main().findChildren<Linha*>(QStringLiteral("NVLine")).size(), 1);
    const auto& linha = controle<Linha>(main(), QStringLiteral("NVLine"));
    EXPECT_EQ(linha.x1(), 5400.0f);  // bit-exact: never rewritten
    EXPECT_NEAR(linha.x2(), 5400 - 1200 * std::sin(10 * 3.14159265359 / 180), 0.01);
    EXPECT_NEAR(linha.y2(), 1800 - 1200 * std::cos(10 * 3.14159265359 / 180), 0.01);
}

// Guards: each row starts after a successful calculation, changes some boxes,
// presses "Calcular" with the focus on LatS, and expects one message and the
// focus where the row says; everything on display stays as it was.
struct Guarda {
    const char* caso;
    std::vector<std::pair<const char*, const char*>> caixas;  // box -> text typed
    const char* mensagem;
    const char* foco;
};
void PrintTo(const Guarda& p, std::ostream* os) { *os << p.caso; }

class GuardaCalcular : public AmbienteJanelas, public ::testing::WithParamInterface<Guarda> {};

TEST_P(GuardaCalcular, ShowsItsMessageMovesTheFocusAndChangesNothingElse)
{
    const Guarda& g = GetParam();
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    calculaComSucesso();
    const QString latExp = texto(main(), QStringLiteral("LatExp"));
    const float x2 = controle<Linha>(main(), QStringLiteral("NVLine")).x2();

    for (const auto& [caixa, t] : g.caixas)
        digita(QString::fromLatin1(caixa), QString::fromUtf8(t));
    controle(main(), QStringLiteral("LatS")).setFocus();
    clica(main(), QStringLiteral("BtCalcular"));

    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_EQ(mensageiro.mensagens[0], QString::fromUtf8(g.mensagem));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(g.foco));

    EXPECT_EQ(texto(main(), QStringLiteral("DMIN3")), QStringLiteral("-20º00'00''"));
    EXPECT_EQ(texto(main(), QStringLiteral("Epoca")), QStringLiteral("2000.5"));
    EXPECT_EQ(texto(main(), QStringLiteral("LatExp")), latExp);
    EXPECT_EQ(texto(dcomp(), QStringLiteral("CF")), QStringLiteral("23456.7"));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Data")), QStringLiteral("1 / 7 / 2000"));
    // bit-exact: the needle was not written again.
    EXPECT_EQ(controle<Linha>(main(), QStringLiteral("NVLine")).x2(), x2);
    EXPECT_TRUE(visivel(main(), QStringLiteral("FD")));
    EXPECT_TRUE(visivel(main(), QStringLiteral("BtDComp")));
    EXPECT_TRUE(habilitado(QStringLiteral("MAImp")));
}

const char* const Todos = "Por favor entre com todos os dados";
const char* const Longitude =
    "A longitude do território brasileiro varia de aproximadamente -30 a -75 graus. "
    "Verifique também o separador de decimais.";
const char* const Latitude =
    "A latitude do território brasileiro varia de aproximadamente +10 a -35 graus. "
    "Verifique também o separador de decimais.";

INSTANTIATE_TEST_SUITE_P(
    Janelas, GuardaCalcular,
    ::testing::Values(
        Guarda{"AllEmpty", {{"Dia", ""}, {"Mes", ""}, {"Ano", ""}, {"LatG", ""}, {"LatM", ""}, {"LatS", ""},
                            {"LongG", ""}, {"LongM", ""}, {"LongS", ""}}, Todos, "LatS"},
        Guarda{"YearEmpty", {{"Ano", ""}}, Todos, "LatS"},
        Guarda{"LongitudeEastOfTheCoast", {{"LongG", "-29"}}, Longitude, "LatS"},
        Guarda{"LatitudeNorthOfTheTerritory", {{"LatG", "11"}}, Latitude, "LatS"},
        Guarda{"BothOutLongitudeFirst", {{"LatG", "11"}, {"LongG", "-80"}}, Longitude, "LatS"},
        Guarda{"SixtyMinutes", {{"LatM", "60"}}, "Por favor verifique os minutos e segundos.", "LatS"},
        Guarda{"PositionOutAndDateBadPositionWins", {{"LongG", "-29"}, {"Dia", "0"}}, Longitude, "LatS"},
        Guarda{"DayZero", {{"Dia", "0"}}, "Por favor, corrija o dia. Ele deve ser maior que zero!", "Dia"},
        Guarda{"Month13", {{"Mes", "13"}}, "Por favor, corrija o mês.", "Mes"},
        Guarda{"ThirtyFirstOfApril", {{"Dia", "31"}, {"Mes", "4"}},
               "Por favor, corrija o dia. Não pode ser maior do que o número de dias no mês!", "Dia"},
        Guarda{"TwoDigitYear", {{"Ano", "99"}}, "Por favor, insira o ano com 4 algarismos", "Ano"},
        Guarda{"YearAfterTheModel", {{"Ano", "2006"}}, "Este software é válido somente para datas entre 1995 e 2005.",
               "Ano"}),
    [](const auto& info) { return std::string(info.param.caso); });

// A model failure names its file, leaves the previous results and the program running.
struct FalhaArquivo {
    const char* caso;
    const char* arquivo;
    int itens;  // 0: the file is removed
};
void PrintTo(const FalhaArquivo& p, std::ostream* os) { *os << p.caso; }

class FalhaDoModelo : public AmbienteJanelas, public ::testing::WithParamInterface<FalhaArquivo> {};

TEST_P(FalhaDoModelo, NamesTheFileAndLeavesThePreviousResults)
{
    const FalhaArquivo& f = GetParam();
    calculaComSucesso();
    const QString arquivo = QString::fromLatin1(f.arquivo);
    if (f.itens == 0)
        ASSERT_TRUE(QFile::remove(pasta.filePath(arquivo)));
    else
        EscreveCoeficientes(pasta.path(), arquivo, {{1, 1.0}}, f.itens);

    digita(QStringLiteral("LatG"), QStringLiteral("-20"));
    clica(main(), QStringLiteral("BtCalcular"));

    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains(arquivo)) << mensageiro.mensagens[0].toStdString();
    EXPECT_EQ(texto(main(), QStringLiteral("DMIN3")), QStringLiteral("-20º00'00''"));
    EXPECT_EQ(texto(main(), QStringLiteral("LatExp")), QStringLiteral("-15"));
    EXPECT_EQ(texto(dcomp(), QStringLiteral("CF")), QStringLiteral("23456.7"));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("Latitude")), QStringLiteral("-15°0'0''"));
    EXPECT_TRUE(visivel(main(), QStringLiteral("FD")));
    // The export still offers the calculation that is on display.
    ASSERT_TRUE(main().ultimoCalculo().has_value());
    EXPECT_EQ(main().ultimoCalculo()->textos.dmin, QStringLiteral("-20º00'00''"));
    EXPECT_EQ(encerramentos, 0);
}

INSTANTIATE_TEST_SUITE_P(Janelas, FalhaDoModelo,
                         ::testing::Values(FalhaArquivo{"DeclinationFileMissing", "COEF-D2000", 0},
                                           FalhaArquivo{"InclinationFileShort", "COEF-I2000", 30},
                                           FalhaArquivo{"IntensityFileMissing", "COEF-F2000", 0}),
                         [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace ceravel::teste
