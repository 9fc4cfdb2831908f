// Main as the program starts, and the switching of the coordinate entry forms.
#include "AmbienteJanelas.h"

#include "ui/Main.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSet>
#include <QtTest/QTest>

namespace ceravel::teste {
namespace {

using Inicio = AmbienteJanelas;

TEST_F(Inicio, OnlyMainExistsAndNothingIsReadFromDisk)
{
    // No coefficient or help file is needed to start.
    for (const char* arquivo : {"COEF-D2000", "COEF-I2000", "COEF-F2000"})
        QFile::remove(pasta.filePath(QString::fromLatin1(arquivo)));
    main();
    EXPECT_TRUE(janelas->existe(Janela::Main));
    for (Janela j : {Janela::DComp, Janela::Relatorio, Janela::Exportar, Janela::Help, Janela::Sobre})
        EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

TEST_F(Inicio, ResultsNeedleAndMoreDataAreHiddenAndPrintExportDisabled)
{
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt", "Epoca", "LongExp", "LatExp"})
        EXPECT_FALSE(visivel(main(), QString::fromLatin1(nome))) << nome;
    EXPECT_FALSE(habilitado(QStringLiteral("MAImp")));
    EXPECT_FALSE(habilitado(QStringLiteral("MAExp")));
    for (const char* acao : {"MAFechar", "MAInf", "MASobre"})
        EXPECT_TRUE(habilitado(QString::fromLatin1(acao))) << acao;
}

TEST_F(Inicio, BothCoordinatesStartInDegreesMinutesSecondsWithEmptyBoxes)
{
    for (const char* nome : {"LatG", "LatM", "LatS", "LbG1", "LbM1", "LbS1", "BtLatG", "LongG", "LongM", "LongS",
                             "LbG2", "LbM2", "LbS2", "BtLonG", "Dia", "Mes", "Ano", "BtCalcular", "BtLimpar"})
        EXPECT_TRUE(visivel(main(), QString::fromLatin1(nome))) << nome;
    for (const char* nome : {"LatGraus", "BtLatGMS", "LonGraus", "BtLonGMS"})
        EXPECT_FALSE(visivel(main(), QString::fromLatin1(nome))) << nome;
    for (QLineEdit* caixa : main().findChildren<QLineEdit*>())
        EXPECT_TRUE(caixa->text().isEmpty()) << caixa->objectName().toStdString();
    EXPECT_EQ(main().findChildren<QLineEdit*>().size(), 11);
}

// A screen reader names every box and every result, each differently.
TEST_F(Inicio, InputBoxesAndResultLabelsHaveAccessibleNames)
{
    QList<QWidget*> controles;
    for (QLineEdit* caixa : main().findChildren<QLineEdit*>())
        controles << caixa;
    for (const char* nome : {"DMIN3", "VD2"})
        controles << &controle(main(), QString::fromLatin1(nome));
    for (const char* nome : {"CX", "VX2", "CY", "VY2", "CZ", "VZ2", "CF", "VF2", "INC2", "AIMIN2", "VI2"})
        controles << &controle(dcomp(), QString::fromLatin1(nome));
    QSet<QString> nomes;
    for (QWidget* c : controles) {
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
        nomes << c->accessibleName();
    }
    EXPECT_EQ(nomes.size(), controles.size()) << "two controls share an accessible name";
    EXPECT_EQ(controle(main(), QStringLiteral("LatGraus")).accessibleName(),
              QStringLiteral("Latitude em graus decimais"));
    EXPECT_EQ(controle(main(), QStringLiteral("VD2")).accessibleName(), QStringLiteral("Variação anual da declinação"));
}

TEST_F(Inicio, TabGoesThroughTheInputsInTheLayoutOrder)
{
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    controle(main(), QStringLiteral("Dia")).setFocus();
    QStringList ordem{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ordem << QApplication::focusWidget()->objectName();
    }
    // Hidden controls (decimal boxes, "GMS", "Mais Dados") are skipped; the "G" buttons come last.
    EXPECT_EQ(ordem, QStringList({"Dia", "Mes", "Ano", "LatG", "LatM", "LatS", "LongG", "LongM", "LongS",
                                  "BtCalcular", "BtLimpar", "BtLatG"}));

    clica(main(), QStringLiteral("BtLatG"));
    controle(main(), QStringLiteral("Ano")).setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("BtLatGMS"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("LatGraus"));
}

// Entry-form switching: each row presses one button and states what is shown.
struct Troca {
    const char* caso;
    QStringList botoes;          // pressed in order
    bool latitudeDecimal, longitudeDecimal;
};
void PrintTo(const Troca& p, std::ostream* os) { *os << p.caso; }

class TrocaForma : public AmbienteJanelas, public ::testing::WithParamInterface<Troca> {};

TEST_P(TrocaForma, OnlyTheOwnFrameChangesAndHiddenTextsStay)
{
    const Troca& t = GetParam();
    const QStringList caixas{"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"};
    for (const QString& c : caixas)
        digita(c, c + QStringLiteral("!"));
    for (const QString& b : t.botoes)
        clica(main(), b);

    const auto confere = [&](bool decimal, const char* caixaDecimal, const char* botaoG, const char* botaoGMS,
                             std::initializer_list<const char*> gms) {
        EXPECT_EQ(visivel(main(), QString::fromLatin1(caixaDecimal)), decimal) << caixaDecimal;
        EXPECT_EQ(visivel(main(), QString::fromLatin1(botaoGMS)), decimal) << botaoGMS;
        EXPECT_EQ(visivel(main(), QString::fromLatin1(botaoG)), !decimal) << botaoG;
        for (const char* nome : gms)
            EXPECT_EQ(visivel(main(), QString::fromLatin1(nome)), !decimal) << nome;
    };
    confere(t.latitudeDecimal, "LatGraus", "BtLatG", "BtLatGMS", {"LatG", "LatM", "LatS", "LbG1", "LbM1", "LbS1"});
    confere(t.longitudeDecimal, "LonGraus", "BtLonG", "BtLonGMS",
            {"LongG", "LongM", "LongS", "LbG2", "LbM2", "LbS2"});
    for (const QString& c : caixas)
        EXPECT_EQ(texto(main(), c), c + QStringLiteral("!")) << c.toStdString();

    const TextosEntrada e = main().entrada();
    EXPECT_EQ(e.formaLatitude == FormaEntrada::GrausDecimais, t.latitudeDecimal);
    EXPECT_EQ(e.formaLongitude == FormaEntrada::GrausDecimais, t.longitudeDecimal);
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, TrocaForma,
    ::testing::Values(Troca{"LatitudeToDecimal", {"BtLatG"}, true, false},
                      Troca{"LongitudeToDecimal", {"BtLonG"}, false, true},
                      Troca{"BothToDecimal", {"BtLonG", "BtLatG"}, true, true},
                      Troca{"LatitudeThereAndBack", {"BtLatG", "BtLatGMS"}, false, false},
                      Troca{"LongitudeThereAndBackLatitudeStays", {"BtLatG", "BtLonG", "BtLonGMS"}, true, false}),
    [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace ceravel::teste
