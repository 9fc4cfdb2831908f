// SPDX-License-Identifier: GPL-3.0-or-later
// Every point of a batch is split into its fields, fills the calculator's
// boxes as a user would type them, and gives, bit for bit and text for text,
// what its Calculate command gives.
#include "calc/Calculo.h"
#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"
#include "model/LeCoeficientes.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <bit>
#include <cstdint>
#include <random>

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

// bit-exact: the batch runs the calculator's own checks and model, so every
// value carries the same bits, signs of zero included.
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
    const ElementosCampo& a = *lote.elementos;
    const ElementosCampo& b = calculo->elementos;
    for (const auto& [x, y] : {std::pair{a.D, b.D}, {a.I, b.I}, {a.F, b.F}, {a.m, b.m}, {a.n, b.n}, {a.dF, b.dF}})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(x), std::bit_cast<std::uint32_t>(y));
    for (const auto& [x, y] : {std::pair{a.X, b.X}, {a.Y, b.Y}, {a.Z, b.Z}, {a.dX, b.dX}, {a.dY, b.dY},
                               {a.dZ, b.dZ}, {lote.anoDecimal, calculo->pedido.anoDecimal}})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(y));
    EXPECT_EQ(lote.declinacao.toStdString(), calculo->textos.dmin.toStdString());
}

// A line split at ";" into its three fields, without surrounding blanks.
TEST(Campos, SeparadosSemBrancosEmVolta)
{
    using Tipo = lote::LinhaSeparada::Tipo;
    const std::tuple<const char*, Tipo, const char*> casos[] = {
        {" -23.5\t; -46 52 30 ;\t15/06/2000 ", Tipo::Ponto, "-23.5|-46 52 30|15/06/2000"},
        {"-23.5;-46;1/1/2000;;", Tipo::Ponto, "-23.5|-46|1/1/2000"},  // as spreadsheets end rows
        {"-23.5", Tipo::Ponto, "-23.5||"},
        {"-23;#;1/1/2000", Tipo::Ponto, "-23|#|1/1/2000"},
        {"-23.5;-46;1/1/2000;obs", Tipo::Invalida, "-23.5|-46|1/1/2000"},
        {" ; ;; ", Tipo::Ignorada, "||"},
        {"   # comentário", Tipo::Ignorada, "||"},
    };
    for (const auto& [linha, tipo, campos] : casos) {
        const QString texto = QString::fromUtf8(linha);
        const lote::LinhaSeparada s = lote::SeparaLinha(texto);
        EXPECT_EQ(s.tipo, tipo) << linha;
        const QStringList obtidos{s.latitude.toString(), s.longitude.toString(), s.data.toString()};
        EXPECT_EQ(obtidos.join(u'|').toStdString(), campos) << linha;
        EXPECT_EQ(s.mensagem.isEmpty(), tipo != Tipo::Invalida) << linha;
    }
    // Column names: some letter and no digit.
    EXPECT_FALSE(lote::EhCabecalho(u"lat1;lon1;data"));
    EXPECT_FALSE(lote::EhCabecalho(u"-;-;/"));
}

const QString MensagemCoordenada = QStringLiteral(
    " deve ser um número em graus decimais ou três números separados por espaços (graus, minutos e segundos).");

TEST(Equivalencia, CaixasDigitadasEResultadoDaCalculadora)
{
    const std::tuple<const char*, QLocale, const char*, QString> casos[] = {
        // name, locale, line, the boxes (as Caixas writes them) or why the line cannot fill them
        {"AgrupamentoRecusado", PtBr, "-1.023,5;-46;15/06/2000", "DD -1,023,5||||-46||||15|06|2000"},
        {"PontoDaDataFica", PtBr, "-23.5;-46;1.5/06/2000", "DD -23,5||||-46||||1.5|06|2000"},
        {"VirgulaNoLocaleC", QLocale::c(), "-23,5;-46;15/06/2000", "DD -23,5||||-46||||15|06|2000"},
        {"GmsComBrancos", QLocale::c(), "-23 30 0;-47  52\t30;29/02/1996", "GG |-23|30|0||-47|52|30|29|02|1996"},
        {"MenosZeroGraus", PtBr, " -0 30 12.5 ;\t-48.5;5/6/2000", "GD |-0|30|12,5|-48,5||||5|6|2000"},
        {"DataComoDigitada", QLocale::c(), "3.25;-60;1 / 1 / 1995", "DD 3.25||||-60||||1 | 1 | 1995"},
        {"CamposVazios", QLocale::c(), "-23;;/6/", "DD -23|||||||||6|"},
        {"DataVazia", PtBr, "-23;-46;", "DD -23||||-46||||||"},
        {"LatitudeComDoisNumeros", QLocale::c(), "-23 30;-46;1/1/2000", "A latitude" + MensagemCoordenada},
        {"LongitudeComQuatroNumeros", PtBr, "-23;-46 30 0 0;1/1/2000", "A longitude" + MensagemCoordenada},
        {"DataComHifens", QLocale::c(), "-23;-46;15-06-2000", "A data deve estar na forma dd/mm/aaaa."},
        {"DataComQuatroPartes", QLocale::c(), "-23;-46;15/06/2000/1", "A data deve estar na forma dd/mm/aaaa."},
    };
    for (const auto& [nome, locale, linha, esperado] : casos) {
        SCOPED_TRACE(nome);
        const QString texto = QString::fromUtf8(linha);
        const lote::EntradaPonto e = lote::MontaEntrada(lote::SeparaLinha(texto), locale.decimalPoint());
        if (!e.mensagem.isEmpty()) {
            EXPECT_EQ(e.mensagem.toStdString(), esperado.toStdString());
            continue;
        }
        EXPECT_EQ(Caixas(e.textos), esperado.toStdString());
        ConfereIgual(e.textos, locale);
    }
}

// Random positions a little beyond every bound, both entry forms, both
// separators, dates beyond the period and the calendar: many are refused.
TEST(Equivalencia, MilPontosAleatoriosPorLocale)
{
    std::mt19937 aleatorio(1995);
    std::uniform_real_distribution<double> lat(-36, 11), lon(-76, -29);
    std::uniform_int_distribution<int> dia(0, 32), mes(0, 13), ano(1994, 2006), minuto(0, 60), moeda(0, 1);
    for (const QLocale& locale : {QLocale::c(), PtBr}) {
        for (int i = 0; i < 1000 && !HasFailure(); ++i) {
            const QString separador = moeda(aleatorio) ? locale.decimalPoint() : QStringLiteral(".");
            QString linha, formas;
            QStringList caixas;
            for (const double valor : {lat(aleatorio), lon(aleatorio)}) {
                if (moeda(aleatorio)) {
                    const QString g = QString::number(int(valor)), m = QString::number(minuto(aleatorio));
                    const QString s = QString::number(minuto(aleatorio)) + QStringLiteral(".25");
                    linha += g + u' ' + m + u' ' + QString(s).replace(u'.', separador) + u';';
                    caixas << QString() << g << m << QString(s).replace(u'.', locale.decimalPoint());
                    formas += u'G';
                } else {
                    const QString graus = QString::number(valor, 'f', 6);
                    linha += QString(graus).replace(u'.', separador) + u';';
                    caixas << QString(graus).replace(u'.', locale.decimalPoint()) << QString() << QString()
                           << QString();
                    formas += u'D';
                }
            }
            for (auto* parte : {&dia, &mes, &ano})
                caixas << QString::number((*parte)(aleatorio));
            linha += caixas.mid(8).join(u'/');
            SCOPED_TRACE(linha.toStdString());
            const lote::EntradaPonto e = lote::MontaEntrada(lote::SeparaLinha(linha), locale.decimalPoint());
            ASSERT_EQ(Caixas(e.textos), (formas + u' ' + caixas.join(u'|')).toStdString());
            ConfereIgual(e.textos, locale);
        }
    }
}

}  // namespace
}  // namespace ceravel::teste
