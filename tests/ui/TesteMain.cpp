// SPDX-License-Identifier: GPL-3.0-or-later
// Main without calculating: start, entry forms and tab order, Limpar, Enter on
// buttons, closing, and the modal windows it opens (DComp, Help, Sobre).
#include "AmbienteJanelas.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest/QTest>
#include <optional>

namespace ceravel::teste {
namespace {

const Janela Outras[] = {Janela::DComp, Janela::Relatorio, Janela::Exportar, Janela::Help, Janela::Sobre};

class Principal : public AmbienteJanelas {
protected:
    // As it starts and after Limpar: no result shown, no window loaded, every box empty.
    void confereSemResultados()
    {
        for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt"})
            EXPECT_FALSE(visivel(main(), nome)) << nome;
        for (const char* acao : {"MAImp", "MAExp", "MAMapa", "MAVariacao"})
            EXPECT_FALSE(habilitado(acao)) << acao;
        for (Janela j : Outras)
            EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
        for (QLineEdit* caixa : main().findChildren<QLineEdit*>())
            EXPECT_TRUE(caixa->text().isEmpty()) << caixa->objectName().toStdString();
        EXPECT_FALSE(main().ultimoCalculo().has_value());
        EXPECT_TRUE(mensageiro.mensagens.isEmpty());
    }
};

TEST_F(Principal, StartsAndClearsToNoResultsKeepingTheEntryForms)
{
    for (const char* arquivo : {"COEF-D2000", "COEF-I2000", "COEF-F2000"})
        QFile::remove(pasta.filePath(arquivo));  // nothing is read before Calcular
    confereSemResultados();
    EXPECT_TRUE(visivel(main(), "LatG") && visivel(main(), "LongG"));
    SetUp();
    calculaComSucesso();
    clica(main(), "BtLonG");
    clica(main(), "BtLimpar");
    confereSemResultados();
    EXPECT_TRUE(visivel(main(), "LonGraus") && !visivel(main(), "LatGraus"));
    // Unloaded: the next reference builds them afresh, with their captions.
    EXPECT_EQ(texto(dcomp(), "CF") + texto(relatorio(), "DMIN2"), "CFDMIN");
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
    digita("LatG", "7");
    clica(main(), "BtLatG");  // only the latitude's frame changes; its hidden box keeps its text
    EXPECT_EQ(ordem("Ano", 2), QStringList({"Ano", "BtLatGMS", "LatGraus"}));
    EXPECT_TRUE(texto(main(), "LatG") == "7" && visivel(main(), "LongG"));
}

// Enter and the keypad's Enter on a focused button press it once; in a box
// nothing. "Mais Dados" opens DComp, whose focused OK answers Enter the same way.
TEST_F(Principal, EnterOnAFocusedButtonPressesItOnceAndInABoxNothing)
{
    const struct { const char* controle; Qt::Key tecla; bool pressiona; } casos[] = {
        {"BtCalcular", Qt::Key_Return, true}, {"BtDComp", Qt::Key_Enter, true}, {"Dia", Qt::Key_Return, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.controle) + (c.tecla == Qt::Key_Enter ? " keypad Enter" : " Enter"));
        const auto modificador = c.tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        usaLocale(QLocale::c());
        calculaComSucesso();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        QStringList pressionados;
        for (QPushButton* b : main().findChildren<QPushButton*>())
            QObject::connect(b, &QPushButton::clicked, b, [&, b] { pressionados << b->objectName(); });
        QWidget& alvo = controle(main(), c.controle);
        alvo.setFocus();
        const int modais = comModal([&] { QTest::keyClick(&alvo, c.tecla, modificador); }, [&](QWidget& d) {
            auto& ok = controle<QPushButton>(d, "Command1");
            ok.setFocus();
            QTest::keyClick(&ok, c.tecla, modificador);
        });
        EXPECT_EQ(modais, c.controle == std::string("BtDComp") ? 1 : 0);
        EXPECT_EQ(pressionados, c.pressiona ? QStringList{c.controle} : QStringList());
    }
}

// By its close control or by "&Fechar": every window unloaded, the program ended at once.
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
        for (Janela j : Outras)
            EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(janelas->existe(Janela::Main));
    }
}

// Help reads Termov.txt (Windows-1252, CR LF) afresh each time, a message
// naming it when missing; Help and Sobre unload on closing.
TEST_F(Principal, ModalWindowsOverMain)
{
    for (const QByteArray conteudo : {"Declina\xE7\xE3o\r\n", ""}) {
        QFile f(pasta.filePath("Termov.txt"));
        f.remove();
        ASSERT_TRUE(conteudo.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(conteudo) == conteudo.size()));
        f.close();
        std::optional<QString> visto;
        comModal([&] { aciona("MAInf"); }, [&](QWidget& janela) {
            visto = texto(janela, "Acordo");
            janela.close();
        });
        EXPECT_EQ(visto, conteudo.isEmpty() ? std::nullopt : std::optional<QString>("Declinação\n"));
        EXPECT_FALSE(janelas->existe(Janela::Help));
    }
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains("Termov.txt"));
    EXPECT_EQ(comModal([&] { aciona("MASobre"); }, [](QWidget& janela) { janela.close(); }), 1);
    EXPECT_FALSE(janelas->existe(Janela::Sobre));
}

}  // namespace
}  // namespace ceravel::teste
