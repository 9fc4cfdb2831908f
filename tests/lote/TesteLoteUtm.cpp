// SPDX-License-Identifier: GPL-3.0-or-later
// ceravel-lote's UTM lines and datum option in the process: each row's
// SIRGAS 2000 position, γ and k against independent values, the field
// computed at that position, and each refusal's message in its row.
#include "lote/LeitorLinhas.h"
#include "lote/LinhaSaida.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "model/LeCoeficientes.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

// Every row's fields, the header's first.
QList<QStringList> Processa(const QByteArray& linhas, const lote::FormaPosicaoLote& forma, const QLocale& locale)
{
    static const LeituraConjuntos leitura = LeConjuntos(QStringLiteral(CERAVEL_DADOS_PROJETO));
    lote::ModeloLote modelo(*leitura.conjuntos);
    modelo.posicao = forma;
    modelo.posicao.pastaGrades = QStringLiteral(CERAVEL_DADOS_PROJETO);
    QByteArray entrada = linhas, bytes;
    QBuffer origem(&entrada), destino(&bytes);
    origem.open(QIODevice::ReadOnly);
    destino.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino, lote::CodificacaoSaida::Utf8, locale.decimalPoint());
    lote::ProcessaLote(leitor, saida, modelo, locale);
    QList<QStringList> rows;
    for (const QString& row : QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows.append(row.split(u';'));
    return rows;
}

double Numero(const QString& texto, const QLocale& locale)
{
    bool ok = false;
    const double v = locale.toDouble(texto, &ok);
    EXPECT_TRUE(ok) << texto.toStdString();
    return v;
}

struct Caso {
    const char* locale;
    const char* linha;
    bool utm;
    std::optional<geo::Datum> datum;
    double latSirgas, lonSirgas, gama, k;  // GeoConvert -c, cs2cs with IBGE's grids
};

class LoteUtm : public testing::TestWithParam<Caso> {};

// The row's SIRGAS 2000 columns, and its field equal to the row of a
// geographic line at that position.
TEST_P(LoteUtm, PosicaoSirgasConvergenciaEscalaECampoNoPonto)
{
    const Caso& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    const auto rows = Processa(QByteArray(c.linha) + "\n", {c.utm, c.datum, {}}, locale);
    ASSERT_EQ(rows.size(), 2);
    const QStringList& cabecalho = rows[0];
    const QStringList& row = rows[1];
    ASSERT_EQ(row.size(), cabecalho.size());
    ASSERT_EQ(row[cabecalho.indexOf(QStringLiteral("Mensagem"))], QString()) << row.join(u';').toStdString();
    const auto coluna = [&](const char* nome) { return Numero(row[cabecalho.indexOf(QString::fromUtf8(nome))], locale); };
    EXPECT_NEAR(coluna("Latitude SIRGAS 2000"), c.latSirgas, 1e-9);
    EXPECT_NEAR(coluna("Longitude SIRGAS 2000"), c.lonSirgas, 1e-9);
    EXPECT_NEAR(coluna("Convergência (graus)"), c.gama, 2e-8);
    EXPECT_NEAR(coluna("Fator de escala"), c.k, 2e-10);

    const QByteArray geografica = QByteArray::number(coluna("Latitude SIRGAS 2000"), 'f', 13) + ";" +
                                  QByteArray::number(coluna("Longitude SIRGAS 2000"), 'f', 13) + ";15/06/2000\n";
    const auto semDatum = Processa(geografica, {}, QLocale::c());
    const int d = cabecalho.indexOf(QStringLiteral("D (graus)"));
    EXPECT_EQ(Numero(row[d], locale), Numero(semDatum[1][semDatum[0].indexOf(QStringLiteral("D (graus)"))], QLocale::c()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteUtm,
    testing::Values(
        Caso{"pt_BR", "23S;192848,93;8252943,25;15/06/2000", true, {}, -15.78329998673, -47.86670002231, 0.780356172,
             1.00076689699},
        Caso{"C", "23s; 192848.93 ;8252943.25;15/06/2000", true, geo::Datum::Sirgas2000, -15.78329998673,
             -47.86670002231, 0.780356172, 1.00076689699},
        // Geographic Córrego Alegre 1961: the position through the grid, γ and k in its own zone 22S.
        Caso{"pt_BR", "-25,43;-49,27;15/06/2000", false, geo::Datum::CorregoAlegre61, -25.430377796, -49.270555414,
             -0.74283479, 0.9999735380}));

struct Recusa {
    const char* linha;
    bool utm;
    std::optional<geo::Datum> datum;
    const char* mensagem;  // a part of the row's message
};

class LoteUtmRecusa : public testing::TestWithParam<Recusa> {};

TEST_P(LoteUtmRecusa, MensagemNaLinhaECamposVazios)
{
    const Recusa& c = GetParam();
    const auto rows = Processa(QByteArray(c.linha) + "\n", {c.utm, c.datum, {}}, QLocale(QStringLiteral("pt_BR")));
    ASSERT_EQ(rows.size(), 2);
    ASSERT_EQ(rows[1].size(), rows[0].size());
    const QString mensagem = rows[1][rows[0].indexOf(QStringLiteral("Mensagem"))];
    EXPECT_TRUE(mensagem.contains(QString::fromUtf8(c.mensagem))) << mensagem.toStdString();
    EXPECT_EQ(rows[1].last(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteUtmRecusa,
    // The line's own shapes; the checks' rules are the core's (tests/calc), here only passed on.
    testing::Values(Recusa{"23;192848,93;8252943,25;15/06/2000", true, {}, "letra do hemisfério"},
                    Recusa{"23X;192848,93;8252943,25;15/06/2000", true, {}, "hemisfério deve ser S"},
                    Recusa{"23S;192848,93;8252943,25;15/06/2000;x", true, {}, "quatro campos"},
                    Recusa{"23S;192848,93;8252943,25;15/06/1990", true, {}, "1995"},
                    Recusa{"24S;555000;9590000;01/01/2000", true, geo::Datum::CorregoAlegre61, "Córrego Alegre 1961"},
                    Recusa{"-3,1;-60;01/01/2000", false, geo::Datum::CorregoAlegre7072, "Córrego Alegre 1970-72"}));

}  // namespace
}  // namespace ceravel::teste
