// SPDX-License-Identifier: GPL-3.0-or-later
// "Ferramentas" → "Modelo": the choice kept between runs, what a change does
// to the shown results, and the main window computing with IGRF-14.
#include "AmbienteJanelas.h"

#include "calc/AnoDecimal.h"
#include "model/Igrf14.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace ceravel::teste {
namespace {

const QString FaixaRegional = QStringLiteral("Modelo regional para datas de 1995 a 2005");
const QString FaixaIgrf = QStringLiteral("Modelo IGRF-14 (IAGA) para datas de 1900 a 2029");

class Modelo : public AmbienteJanelas {
protected:
    void SetUp() override
    {
        AmbienteJanelas::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt"),
                                pasta.filePath(QStringLiteral("igrf14coeffs.txt"))));
    }
    QString configuracao() const { return perfil.filePath(QStringLiteral("Ceravel/Ceravel.ini")); }
    bool marcado(const char* acao) { return controle<QAction>(main(), QString::fromLatin1(acao)).isChecked(); }
    void EscreveConfiguracao(const QByteArray& texto)
    {
        QFile f(configuracao());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
    }
};

// A fresh profile, a remembered choice, and settings that cannot be used.
TEST_F(Modelo, EscolhaLembradaEntreExecucoes)
{
    const struct {
        const char* nome;
        std::function<void()> prepara;
        bool igrf;
    } casos[] = {
        {"perfil novo", [] {}, false},
        {"IGRF-14 escolhido", [&] { aciona("MAModeloIgrf"); }, true},
        {"continua na execução seguinte", [] {}, true},
        {"valor desconhecido", [&] { EscreveConfiguracao("[General]\nmodelo=IGRF-14\n"); }, false},
        {"arquivo ilegível", [&] { QFile::remove(configuracao()); QDir().mkpath(configuracao()); }, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        c.prepara();
        usaLocale(QLocale::c());  // the windows as a new run builds them
        EXPECT_EQ(main().modelo() == ModeloCalculo::Igrf14, c.igrf);
        EXPECT_EQ(marcado("MAModeloIgrf"), c.igrf);
        EXPECT_EQ(texto(main(), "Label11"), c.igrf ? FaixaIgrf : FaixaRegional);
    }
}

// Like "Limpar Dados" for the results, but what was typed stays.
TEST_F(Modelo, TrocarEscondeResultadosEMantemEntradas)
{
    const char* const resultados[] = {"MAImp", "MAExp", "MAMapa", "MAVariacao"};
    const struct {
        const char* acao;
        bool mostrados;  // after choosing it over a shown calculation
    } casos[] = {{"MAModeloIgrf", false}, {"MAModeloIgrf", true}, {"MAModeloRegional", false}};
    preenche("1", "7", "2000", {"-15", "0", "0"}, {"-55", "0", "0"});
    for (const auto& c : casos) {
        SCOPED_TRACE(c.acao);
        clica(main(), "BtCalcular");
        ASSERT_TRUE(main().ultimoCalculo());
        aciona(c.acao);
        EXPECT_EQ(visivel(main(), "FD"), c.mostrados);
        EXPECT_EQ(main().ultimoCalculo().has_value(), c.mostrados);
        for (const char* a : resultados)
            EXPECT_EQ(habilitado(a), c.mostrados) << a;
        EXPECT_EQ(texto(main(), "Dia") + texto(main(), "LatG") + texto(main(), "LongG"), "1-15-55");
    }
}

// Degrees of a declination as the main window writes it, cut to the second.
double GrausDoTexto(const QString& texto)
{
    const auto m = QRegularExpression(QStringLiteral("^(-?)(\\d+)º(\\d+)'(\\d+)''$")).match(texto);
    if (!m.hasMatch())
        return NAN;
    const double v = m.captured(2).toDouble() + m.captured(3).toDouble() / 60 + m.captured(4).toDouble() / 3600;
    return m.captured(1).isEmpty() ? v : -v;
}

// The results of IGRF-14 at the typed point and date; its period's bound
// (the refusal's bounds are the core's, tests/calc).
TEST_F(Modelo, JanelaPrincipalCalculaComIgrf14)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    const struct {
        QLocale locale;
        const char *dia, *mes, *ano;
        QStringList latitude, longitude;
        double lat, lon;
        bool aceito;
    } casos[] = {
        {br, "15", "6", "1957", {"-23", "30", "0"}, {"-46", "37", "30"}, -23.5, -46.625, true},
        {QLocale::c(), "1", "1", "2030", {"-15.5"}, {"-47.25"}, -15.5, -47.25, false},
    };
    aciona("MAModeloIgrf");
    const igrf::ModeloIgrf& modelo = *CarregaIgrf14(pasta.path()).modelo;
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.ano) + " " + c.locale.name().toStdString());
        usaLocale(c.locale);
        mensageiro.mensagens.clear();
        preenche(QString::fromLatin1(c.dia), QString::fromLatin1(c.mes), QString::fromLatin1(c.ano), c.latitude,
                 c.longitude);
        clica(main(), "BtCalcular");
        if (!c.aceito) {
            EXPECT_EQ(mensageiro.mensagens,
                      QStringList{QStringLiteral("O modelo IGRF-14 é válido somente para datas entre 1900 e 2029.")});
            EXPECT_FALSE(main().ultimoCalculo());
            continue;
        }
        ASSERT_TRUE(mensageiro.mensagens.isEmpty()) << mensageiro.mensagens.join(u'\n').toStdString();
        const auto e = CampoIgrf14(modelo, c.lat, c.lon,
                                   AnoDecimal(QString::fromLatin1(c.dia).toDouble(), QString::fromLatin1(c.mes).toDouble(),
                                              QString::fromLatin1(c.ano).toDouble()));
        ASSERT_TRUE(e);
        const double d = GrausDoTexto(texto(main(), "DMIN3"));
        EXPECT_NEAR(d, e->D, 1.0 / 3600) << texto(main(), "DMIN3").toStdString();
        EXPECT_NEAR(c.locale.toDouble(texto(dcomp(), "CF")), e->F, 0.051);
        EXPECT_NEAR(c.locale.toDouble(texto(dcomp(), "CZ")), e->Z, 0.051);
        EXPECT_EQ(texto(relatorio(), "Label11"), FaixaIgrf);
        EXPECT_TRUE(dcomp().windowTitle().contains(QStringLiteral("IGRF-14")));
    }
}

}  // namespace
}  // namespace ceravel::teste
