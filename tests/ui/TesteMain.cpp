// Main as the program starts, its coordinate entry forms, "Limpar Dados" and closing.
#include "AmbienteJanelas.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QtTest/QTest>

namespace ceravel::teste {
namespace {

using Principal = AmbienteJanelas;

TEST_F(Principal, StartsAloneWithEmptyDmsBoxesNoResultsAndNothingReadFromDisk)
{
    for (const char* arquivo : {"COEF-D2000", "COEF-I2000", "COEF-F2000"})
        QFile::remove(pasta.filePath(arquivo));
    main();
    for (Janela j : {Janela::DComp, Janela::Relatorio, Janela::Exportar, Janela::Help, Janela::Sobre})
        EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt", "LatGraus", "LonGraus"})
        EXPECT_FALSE(visivel(main(), nome)) << nome;
    for (const char* nome : {"LatG", "LatM", "LatS", "LongG", "LongM", "LongS", "BtLatG", "BtLonG"})
        EXPECT_TRUE(visivel(main(), nome)) << nome;
    EXPECT_FALSE(habilitado("MAImp"));
    EXPECT_FALSE(habilitado("MAExp"));
    // Every box empty; a screen reader names every box and result, each differently.
    QList<QWidget*> controles{&controle(main(), "DMIN3"), &controle(main(), "VD2")};
    for (QLineEdit* caixa : main().findChildren<QLineEdit*>()) {
        EXPECT_TRUE(caixa->text().isEmpty()) << caixa->objectName().toStdString();
        controles << caixa;
    }
    for (const char* nome : {"CX", "VX2", "CY", "VY2", "CZ", "VZ2", "CF", "VF2", "INC2", "AIMIN2", "VI2"})
        controles << &controle(dcomp(), nome);
    QSet<QString> nomes;
    for (QWidget* c : controles)
        nomes << c->accessibleName();
    EXPECT_EQ(nomes.size(), controles.size());
    EXPECT_FALSE(nomes.contains(QString()));
}

TEST_F(Principal, TabSkipsHiddenControlsAndLeavesTheGButtonsLast)
{
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    const auto ordem = [&](const char* inicio, int passos) {
        controle(main(), inicio).setFocus();
        QStringList nomes{inicio};
        for (int i = 0; i < passos; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            nomes << QApplication::focusWidget()->objectName();
        }
        return nomes;
    };
    EXPECT_EQ(ordem("Dia", 11), QStringList({"Dia", "Mes", "Ano", "LatG", "LatM", "LatS", "LongG", "LongM", "LongS",
                                             "BtCalcular", "BtLimpar", "BtLatG"}));
    clica(main(), "BtLatG");
    EXPECT_EQ(ordem("Ano", 2), QStringList({"Ano", "BtLatGMS", "LatGraus"}));
}

// Each step presses one button and states both coordinates' forms after it:
// only the own frame changes, and no box loses its text.
TEST_F(Principal, EntryFormSwitchingChangesOnlyItsFrameAndKeepsHiddenTexts)
{
    const QStringList caixas{"LatGraus", "LatG", "LatM", "LatS", "LonGraus", "LongG", "LongM", "LongS"};
    for (const QString& c : caixas)
        digita(c, c + "!");
    const struct { const char* botao; bool latitudeDecimal, longitudeDecimal; } passos[] = {
        {"BtLonG", false, true}, {"BtLatG", true, true}, {"BtLonGMS", true, false}, {"BtLatGMS", false, false}};
    for (const auto& p : passos) {
        SCOPED_TRACE(p.botao);
        clica(main(), p.botao);
        const auto confere = [&](bool decimal, const QStringList& soDecimal, const QStringList& soGms) {
            for (const QString& nome : soDecimal)
                EXPECT_EQ(visivel(main(), nome), decimal) << nome.toStdString();
            for (const QString& nome : soGms)
                EXPECT_EQ(visivel(main(), nome), !decimal) << nome.toStdString();
        };
        confere(p.latitudeDecimal, {"LatGraus", "BtLatGMS"},
                {"BtLatG", "LatG", "LatM", "LatS", "LbG1", "LbM1", "LbS1"});
        confere(p.longitudeDecimal, {"LonGraus", "BtLonGMS"},
                {"BtLonG", "LongG", "LongM", "LongS", "LbG2", "LbM2", "LbS2"});
        for (const QString& c : caixas)
            EXPECT_EQ(texto(main(), c), c + "!") << c.toStdString();
        EXPECT_EQ(main().entrada().formaLatitude == FormaEntrada::GrausDecimais, p.latitudeDecimal);
        EXPECT_EQ(main().entrada().formaLongitude == FormaEntrada::GrausDecimais, p.longitudeDecimal);
    }
}

TEST_F(Principal, LimparEmptiesBoxesHidesResultsKeepsFormsAndTheNextCalculationFillsFreshWindows)
{
    calculaComSucesso();
    clica(main(), "BtLonG");
    digita("LonGraus", "-40");
    clica(main(), "BtLimpar");

    for (QLineEdit* caixa : main().findChildren<QLineEdit*>())
        EXPECT_TRUE(caixa->text().isEmpty()) << caixa->objectName().toStdString();
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt", "LatGraus"})
        EXPECT_FALSE(visivel(main(), nome)) << nome;
    EXPECT_TRUE(visivel(main(), "LonGraus"));
    EXPECT_FALSE(habilitado("MAImp"));
    EXPECT_FALSE(habilitado("MAExp"));
    EXPECT_FALSE(main().ultimoCalculo().has_value());
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());

    // Unloaded: the next reference builds them with their design captions.
    EXPECT_FALSE(janelas->existe(Janela::DComp));
    EXPECT_FALSE(janelas->existe(Janela::Relatorio));
    EXPECT_EQ(texto(dcomp(), "CF"), "CF");
    EXPECT_EQ(texto(dcomp(), "VI2"), "VI");
    for (const char* moldura : {"FX", "FY", "FZ", "FF", "FI"})
        EXPECT_FALSE(visivel(dcomp(), moldura)) << moldura;
    EXPECT_EQ(texto(relatorio(), "Latitude"), "Lat");
    EXPECT_EQ(texto(relatorio(), "DMIN2"), "DMIN");
    EXPECT_FALSE(visivel(relatorio(), "NVLine"));

    calculaComSucesso();
    EXPECT_EQ(texto(dcomp(), "CF"), "23456.7");
    EXPECT_EQ(texto(relatorio(), "DMIN2"), "-20º00'00''");
    EXPECT_TRUE(visivel(relatorio(), "NVLine"));
    EXPECT_TRUE(habilitado("MAExp"));
}

// Closing Main, by its close control or by "&Fechar", unloads every window and
// ends the program at once.
TEST_F(Principal, ClosingUnloadsEveryWindowAndEndsTheProgram)
{
    for (bool pelaMenu : {false, true}) {
        SCOPED_TRACE(pelaMenu ? "&Fechar" : "close control");
        usaLocale(QLocale::c());
        encerramentos = 0;
        main().show();
        calculaComSucesso();
        if (pelaMenu)
            aciona("MAFechar");
        else
            main().close();
        EXPECT_EQ(encerramentos, 1);
        for (Janela j : {Janela::DComp, Janela::Relatorio, Janela::Exportar, Janela::Help, Janela::Sobre})
            EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
        ASSERT_TRUE(janelas->existe(Janela::Main));  // goes once the event loop runs
        EXPECT_TRUE(main().isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(janelas->existe(Janela::Main));
    }
}

// Enter and the keypad's Enter on a focused button press it once, as Space
// does; in a box they press nothing. "Mais Dados" opens DComp, whose focused
// OK answers Enter the same way and closes it.
TEST_F(Principal, EnterOnAFocusedButtonPressesItAndInABoxNothing)
{
    const struct {
        const char* controle;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificador;
        bool pressiona;
    } casos[] = {
        {"BtCalcular", Qt::Key_Return, Qt::NoModifier, true},
        {"BtCalcular", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"BtLimpar", Qt::Key_Return, Qt::NoModifier, true},
        {"BtLatG", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"BtLonG", Qt::Key_Return, Qt::NoModifier, true},
        {"BtDComp", Qt::Key_Return, Qt::NoModifier, true},
        {"BtDComp", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Dia", Qt::Key_Return, Qt::NoModifier, false},
        {"LatG", Qt::Key_Enter, Qt::KeypadModifier, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.controle) + (c.tecla == Qt::Key_Enter ? " keypad Enter" : " Enter"));
        usaLocale(QLocale::c());
        calculaComSucesso();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        QStringList pressionados;
        for (QPushButton* b : main().findChildren<QPushButton*>())
            QObject::connect(b, &QPushButton::clicked, b, [&, b] { pressionados << b->objectName(); });
        QWidget& alvo = controle(main(), c.controle);
        alvo.setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &alvo);
        const bool abreDComp = c.controle == std::string("BtDComp");
        const int modais = comModal([&] { QTest::keyClick(&alvo, c.tecla, c.modificador); }, [&](QWidget& d) {
            ASSERT_EQ(d.objectName(), dcomp().objectName());
            auto& ok = controle<QPushButton>(d, "Command1");
            ok.setFocus();
            QTest::keyClick(&ok, c.tecla, c.modificador);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(modais, abreDComp ? 1 : 0);
        EXPECT_EQ(pressionados, c.pressiona ? QStringList{c.controle} : QStringList());
    }
}

}  // namespace
}  // namespace ceravel::teste
