// "Limpar Dados", the complementary data window opened and closed, and closing
// the program.
#include "AmbienteJanelas.h"

#include "ui/Main.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>

namespace ceravel::teste {
namespace {

using Limpar = AmbienteJanelas;

TEST_F(Limpar, EmptiesBothFormsHidesResultsAndKeepsTheEntryForms)
{
    calculaComSucesso();
    clica(main(), QStringLiteral("BtLonG"));  // longitude now in decimal degrees
    digita(QStringLiteral("LonGraus"), QStringLiteral("-40"));

    clica(main(), QStringLiteral("BtLimpar"));

    for (QLineEdit* caixa : main().findChildren<QLineEdit*>())
        EXPECT_TRUE(caixa->text().isEmpty()) << caixa->objectName().toStdString();
    for (const char* nome : {"FD", "BtDComp", "NVLine", "NVCirc", "NVTxt"})
        EXPECT_FALSE(visivel(main(), QString::fromLatin1(nome))) << nome;
    EXPECT_FALSE(habilitado(QStringLiteral("MAImp")));
    EXPECT_FALSE(habilitado(QStringLiteral("MAExp")));
    EXPECT_FALSE(main().ultimoCalculo().has_value());
    EXPECT_TRUE(visivel(main(), QStringLiteral("LonGraus")));
    EXPECT_FALSE(visivel(main(), QStringLiteral("LatGraus")));
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

TEST_F(Limpar, DCompAndRelatorioComeBackWithTheirDesignCaptions)
{
    calculaComSucesso();
    clica(main(), QStringLiteral("BtLimpar"));
    EXPECT_FALSE(janelas->existe(Janela::DComp));
    EXPECT_FALSE(janelas->existe(Janela::Relatorio));

    const struct { const char* nome; const char* design; } dcompDesign[] = {
        {"CX", "CX"}, {"VX2", "VX"}, {"CY", "CY"}, {"VY2", "VY"}, {"CZ", "CZ"}, {"VZ2", "VZ"},
        {"CF", "CF"}, {"VF2", "VF"}, {"INC2", "INC"}, {"AIMIN2", "AIMIN"}, {"VI2", "VI"}};
    for (const auto& d : dcompDesign)
        EXPECT_EQ(texto(dcomp(), QString::fromLatin1(d.nome)), QString::fromLatin1(d.design)) << d.nome;
    for (const char* moldura : {"FX", "FY", "FZ", "FF", "FI"})
        EXPECT_FALSE(visivel(dcomp(), QString::fromLatin1(moldura))) << moldura;

    const struct { const char* nome; const char* design; } relatorioDesign[] = {
        {"Data", "Data"}, {"Epoca", "Epoca"}, {"Latitude", "Lat"}, {"Longitude", "Long"}, {"DMIN2", "DMIN"},
        {"CX", "CX"}, {"VI2", "VI"}};
    for (const auto& d : relatorioDesign)
        EXPECT_EQ(texto(relatorio(), QString::fromLatin1(d.nome)), QString::fromLatin1(d.design)) << d.nome;
    EXPECT_FALSE(visivel(relatorio(), QStringLiteral("NVLine")));
}

TEST_F(Limpar, RightAfterStartUpChangesNothingVisible)
{
    clica(main(), QStringLiteral("BtLimpar"));
    EXPECT_FALSE(visivel(main(), QStringLiteral("FD")));
    EXPECT_FALSE(habilitado(QStringLiteral("MAImp")));
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

TEST_F(Limpar, TheNextCalculationFillsFreshWindows)
{
    calculaComSucesso();
    clica(main(), QStringLiteral("BtLimpar"));
    calculaComSucesso();
    EXPECT_EQ(texto(dcomp(), QStringLiteral("CF")), QStringLiteral("23456.7"));
    EXPECT_EQ(texto(relatorio(), QStringLiteral("DMIN2")), QStringLiteral("-20º00'00''"));
    EXPECT_TRUE(visivel(relatorio(), QStringLiteral("NVLine")));
    EXPECT_TRUE(habilitado(QStringLiteral("MAExp")));
}

using Exportacao = AmbienteJanelas;

// The export dialog is the print helper's; here only how Main opens it.
TEST_F(Exportacao, OpensModallyOnlyWhileACalculationIsOnDisplay)
{
    const auto fecha = [](QWidget& janela) {
        EXPECT_EQ(janela.objectName(), QStringLiteral("Exportar"));
        EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
        static_cast<QDialog&>(janela).reject();
    };
    EXPECT_EQ(comModal([&] { aciona(QStringLiteral("MAExp")); }, fecha), 0);
    calculaComSucesso();
    EXPECT_EQ(comModal([&] { aciona(QStringLiteral("MAExp")); }, fecha), 1);
    EXPECT_FALSE(janelas->existe(Janela::Exportar));
    clica(main(), QStringLiteral("BtLimpar"));
    EXPECT_EQ(comModal([&] { aciona(QStringLiteral("MAExp")); }, fecha), 0);
}

// "Mais Dados" opens DComp modally; each row closes it one way, and the next
// opening shows the same texts in visible frames.
struct Fechamento {
    const char* caso;
    std::function<void(QDialog&)> fecha;
};
void PrintTo(const Fechamento& p, std::ostream* os) { *os << p.caso; }

class ReabreDComp : public AmbienteJanelas, public ::testing::WithParamInterface<Fechamento> {};

TEST_P(ReabreDComp, ShowsTheSameTextsAgain)
{
    calculaComSucesso();
    const QStringList nomes{"CX", "VX2", "CY", "VY2", "CZ", "VZ2", "CF", "VF2", "INC2", "AIMIN2", "VI2"};
    QList<QStringList> vistos;
    for (int vez = 0; vez < 2; ++vez) {
        const int modais = comModal([&] { clica(main(), QStringLiteral("BtDComp")); },
                                    [&](QWidget& janela) {
                                        ASSERT_EQ(janela.objectName(), QStringLiteral("DComp"));
                                        EXPECT_EQ(janela.windowModality(), Qt::ApplicationModal);
                                        EXPECT_TRUE(visivel(janela, QStringLiteral("FI")));
                                        QStringList textos;
                                        for (const QString& n : nomes)
                                            textos << texto(janela, n);
                                        vistos << textos;
                                        GetParam().fecha(static_cast<QDialog&>(janela));
                                    });
        EXPECT_EQ(modais, 1);
        EXPECT_TRUE(janelas->existe(Janela::DComp));
    }
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[0], vistos[1]);
    EXPECT_EQ(vistos[0].value(6), QStringLiteral("23456.7"));
}

INSTANTIATE_TEST_SUITE_P(
    Janelas, ReabreDComp,
    ::testing::Values(Fechamento{"ByItsOkButton",
                                 [](QDialog& d) { d.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click(); }},
                      Fechamento{"ByTheTitleBar", [](QDialog& d) { d.close(); }}),
    [](const auto& info) { return std::string(info.param.caso); });

// Closing Main, by its close control or by "&Fechar", ends the program at once.
struct Encerramento {
    const char* caso;
    bool pelaMenu;
};
void PrintTo(const Encerramento& p, std::ostream* os) { *os << p.caso; }

class FechaPrograma : public AmbienteJanelas, public ::testing::WithParamInterface<Encerramento> {};

TEST_P(FechaPrograma, UnloadsEveryWindowAndEndsTheProgram)
{
    main().show();
    calculaComSucesso();
    ASSERT_TRUE(janelas->existe(Janela::DComp));
    if (GetParam().pelaMenu)
        aciona(QStringLiteral("MAFechar"));
    else
        main().close();

    EXPECT_EQ(encerramentos, 1);
    for (Janela j : {Janela::DComp, Janela::Relatorio, Janela::Exportar, Janela::Help, Janela::Sobre})
        EXPECT_FALSE(janelas->existe(j)) << static_cast<int>(j);
    ASSERT_TRUE(janelas->existe(Janela::Main));
    EXPECT_TRUE(main().isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(janelas->existe(Janela::Main));
    EXPECT_TRUE(mensageiro.mensagens.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Janelas, FechaPrograma,
                         ::testing::Values(Encerramento{"ByTheCloseControl", false},
                                           Encerramento{"ByTheFileMenu", true}),
                         [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace ceravel::teste
