// SPDX-License-Identifier: GPL-3.0-or-later
// Every point of a batch is split into its fields, fills the calculator's boxes as a user would type them,
// and gives, bit for bit and text for text, what its Calculate command gives.
#include "calc/Calculo.h"
#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"
#include "model/LeCoeficientes.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <bit>
#include <cstdint>

namespace ceravel::teste {
namespace {

const QString PastaDados = QStringLiteral(CERAVEL_DADOS_PROJETO);
const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

// Forms (D decimal, G degrees-minutes-seconds), then latGraus|latG|latM|latS|lonGraus|longG|longM|longS|dia|mes|ano.
std::string Caixas(const TextosEntrada& t)
{
    const auto forma = [](FormaEntrada f) { return f == FormaEntrada::GrausDecimais ? u'D' : u'G'; };
    const QStringList caixas{t.latGraus, t.latG, t.latM, t.latS, t.lonGraus, t.longG, t.longM, t.longS,
                             t.dia,      t.mes,  t.ano};
    return (QString(forma(t.formaLatitude)) + forma(t.formaLongitude) + u' ' + caixas.join(u'|')).toStdString();
}

// The batch runs the calculator's own checks and model: the same bits, signs of zero included.
void ConfereIgual(const TextosEntrada& caixas, const QLocale& locale)
{
    static const LeituraConjuntos leitura = LeConjuntos(PastaDados);
    ASSERT_TRUE(leitura.conjuntos) << leitura.erro.toStdString();
    const lote::ResultadoPonto lote = lote::CalculaPonto(caixas, *leitura.conjuntos, locale);
    const ResultadoCalculo calculadora = Calcula(caixas, locale, PastaDados);
    const Calculo* calculo = std::get_if<Calculo>(&calculadora);
    if (!calculo) {
        const auto* guarda = std::get_if<FalhaGuarda>(&calculadora);
        EXPECT_FALSE(lote.elementos.has_value());
        EXPECT_TRUE(lote.mensagem.startsWith(guarda ? guarda->mensagem : std::get<FalhaModelo>(calculadora).mensagem))
            << lote.mensagem.toStdString();  // the batch may add a hint (a date: --modelo igrf14)
        return;
    }
    ASSERT_TRUE(lote.elementos.has_value()) << lote.mensagem.toStdString();
    const ElementosCampo &a = *lote.elementos, &b = calculo->elementos;
    for (const auto& [x, y] : {std::pair{a.D, b.D}, {a.I, b.I}, {a.F, b.F}, {a.m, b.m}, {a.n, b.n}, {a.dF, b.dF}})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(x), std::bit_cast<std::uint32_t>(y));
    for (const auto& [x, y] : {std::pair{a.X, b.X}, {a.Y, b.Y}, {a.Z, b.Z}, {a.dX, b.dX}, {a.dY, b.dY},
                               {a.dZ, b.dZ}, {lote.anoDecimal, calculo->pedido.anoDecimal}})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(y));
    EXPECT_EQ(lote.declinacao.toStdString(), calculo->textos.dmin.toStdString());
}

// A line split at ";" into its fields without surrounding blanks, each box as typed.
TEST(Equivalencia, CaixasDigitadasEResultadoDaCalculadora)
{
    const QLocale C = QLocale::c();
    const std::tuple<QLocale, const char*, QString> casos[] = {
        // locale, line, the boxes (as Caixas writes them) or why the line cannot fill them
        {C, " -23.5\t; -46 52 30 ;\t15/06/2000 ", "DG -23.5|||||-46|52|30|15|06|2000"},
        {C, "-23.5;-46;1/1/2000;;", "DD -23.5||||-46||||1|1|2000"},  // as spreadsheets end rows
        {C, "-23.5;-46;1/1/2000;obs",
         "A linha deve ter três campos separados por ponto e vírgula: latitude, longitude e data."},
        {PtBr, "-1.023,5;-46;15/06/2000", "DD -1,023,5||||-46||||15|06|2000"},  // digit grouping refused
        {PtBr, "-23.5;-46;1.5/06/2000", "DD -23,5||||-46||||1.5|06|2000"},  // the date's full stop stays
        {C, "-23,5;-46;15/06/2000", "DD -23,5||||-46||||15|06|2000"},
        {C, "-23 30 0;-47  52\t30;29/02/1996", "GG |-23|30|0||-47|52|30|29|02|1996"},
        {PtBr, " -0 30 12.5 ;\t-48.5;5/6/2000", "GD |-0|30|12,5|-48,5||||5|6|2000"},
        {PtBr, "-23;-46;", "DD -23||||-46||||||"},  // refused by both
        {C, "-23 30;-46;1/1/2000", "A latitude deve ser um número em graus decimais ou três números separados por "
                                   "espaços (graus, minutos e segundos)."},
        {C, "-23;-46;15/06", "A data deve estar na forma dd/mm/aaaa."},
    };
    for (const auto& [locale, linha, esperado] : casos) {
        SCOPED_TRACE(linha);
        const QString texto = QString::fromUtf8(linha);  // the boxes refer to its characters
        const lote::LinhaSeparada separada = lote::SeparaLinha(texto);
        const lote::EntradaPonto e = lote::MontaEntrada(separada, locale.decimalPoint());
        const QString mensagem = separada.mensagem.isEmpty() ? e.mensagem : separada.mensagem;
        if (separada.tipo == lote::LinhaSeparada::Tipo::Ignorada || !mensagem.isEmpty()) {
            EXPECT_EQ(mensagem.toStdString(), esperado.toStdString());
            continue;
        }
        EXPECT_EQ(Caixas(e.textos), esperado.toStdString());
        ConfereIgual(e.textos, locale);
    }
    // Column names: some letter and no digit.
    EXPECT_FALSE(lote::EhCabecalho(u"lat1;lon1;data"));
    EXPECT_FALSE(lote::EhCabecalho(u"-;-;/"));
}

}  // namespace
}  // namespace ceravel::teste
