// The windows that open modally over Main: DComp, Help and Sobre.
#include "AmbienteJanelas.h"

#include <QDialog>
#include <QFile>
#include <optional>

namespace ceravel::teste {
namespace {

using JanelasModais = AmbienteJanelas;

// "Mais Dados" opens DComp; closed by its OK button or by the title bar, it
// shows the same texts in visible frames at the next opening.
TEST_F(JanelasModais, DCompReopenedShowsTheSameTexts)
{
    calculaComSucesso();
    const auto abre = [&](const std::function<void(QDialog&)>& fecha) {
        QStringList textos;
        EXPECT_EQ(comModal([&] { clica(main(), "BtDComp"); }, [&](QWidget& janela) {
            EXPECT_EQ(janela.objectName(), "DComp");
            EXPECT_TRUE(visivel(janela, "FI"));
            for (const char* n : {"CX", "VY2", "CZ", "CF", "INC2", "AIMIN2", "VI2"})
                textos << texto(janela, n);
            fecha(static_cast<QDialog&>(janela));
        }), 1);
        return textos;
    };
    const QStringList primeira = abre([](QDialog& d) { d.findChild<QAbstractButton*>("Command1")->click(); });
    EXPECT_EQ(primeira.value(3), "23456.7");
    EXPECT_EQ(abre([](QDialog& d) { d.close(); }), primeira);
    EXPECT_EQ(abre([](QDialog& d) { d.close(); }), primeira);
}

// Each opening reads Termov.txt afresh, as a text file of the program, and the
// closed window is unloaded; without the file a message names it instead.
TEST_F(JanelasModais, HelpShowsTheFileOrSaysWhyNot)
{
    const struct { std::optional<QByteArray> conteudo; std::optional<QString> naJanela; } casos[] = {
        {QByteArray(), QString()},
        {QByteArray("Declina\xE7\xE3o\r\n"), "Declinação\n"},
        {std::nullopt, std::nullopt}};
    for (const auto& c : casos) {
        QFile f(pasta.filePath("Termov.txt"));
        f.remove();
        if (c.conteudo) {
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*c.conteudo);
            f.close();
        }
        std::optional<QString> visto;
        const int modais = comModal([&] { aciona("MAInf"); }, [&](QWidget& janela) {
            EXPECT_EQ(janela.objectName(), "Help");
            visto = texto(janela, "Acordo");
            janela.close();
        });
        EXPECT_EQ(visto, c.naJanela);
        EXPECT_EQ(modais, c.naJanela ? 1 : 0);
        EXPECT_FALSE(janelas->existe(Janela::Help));
    }
    ASSERT_EQ(mensageiro.mensagens.size(), 1);
    EXPECT_TRUE(mensageiro.mensagens[0].contains("Termov.txt"));
}

TEST_F(JanelasModais, SobreIsUnloadedWhenClosed)
{
    const auto fecha = [](QWidget& janela) {
        EXPECT_EQ(janela.objectName(), "Sobre");
        janela.close();
    };
    EXPECT_EQ(comModal([&] { aciona("MASobre"); }, fecha), 1);
    EXPECT_FALSE(janelas->existe(Janela::Sobre));
}

}  // namespace
}  // namespace ceravel::teste
