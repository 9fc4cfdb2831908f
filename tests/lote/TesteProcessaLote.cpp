// SPDX-License-Identifier: GPL-3.0-or-later
// A whole batch in the process: its lines, which lines count and their rows,
// both input encodings, what stops the batch, and the output's columns and
// numbers (a mixed input's counts: TesteParalelismo).
#include "lote/DecodificaLinha.h"
#include "lote/LeitorLinhas.h"
#include "lote/LinhaSaida.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "model/Igrf14.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include <limits>
#include <string>
#include <vector>

namespace ceravel::teste {
namespace {

using Linhas = std::vector<std::string>;
using lote::CodificacaoSaida;
constexpr auto Windows1252 = CodificacaoSaida::Windows1252;
constexpr qsizetype Maximo = lote::LeitorLinhas::TamanhoMaximoLinha;

// Lines without their end, across reads of one byte; a line of the largest
// size kept whole, overlong ones cut (the last without a line end).
TEST(Leitura, LinhasSemOFimAtravessandoAsLeituras)
{
    const QByteArray cheia(Maximo, 'y'), longa(3 * Maximo + 17, 'x');
    QByteArray conteudo = "a;b\r\n\na\rb\nc\r\n" + cheia + "\n" + longa + "\r\nb;c\n" + longa;
    QBuffer origem(&conteudo);
    origem.open(QIODevice::ReadOnly);
    lote::LeitorLinhas leitor(origem, 1);
    Linhas linhas;
    QByteArrayView linha;
    while (leitor.proxima(linha)) {
        EXPECT_EQ(leitor.numero(), static_cast<qint64>(linhas.size() + 1));
        linhas.push_back(leitor.longaDemais() ? "LONGA:" + std::to_string(linha.size()) : linha.toByteArray().toStdString());
    }
    EXPECT_EQ(leitor.bytesLidos(), conteudo.size());
    const std::string cortada = "LONGA:" + std::to_string(Maximo);
    EXPECT_EQ(linhas, (Linhas{"a;b", "", "a\rb", "c", cheia.toStdString(), cortada, "b;c", cortada}));
}

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

// Blocks of 7 lines, so the counts add up over many blocks.
Processado Processa(QByteArray entrada, const lote::ModeloLote& modelo, const QLocale& locale = QLocale::c(),
                    CodificacaoSaida codificacao = Windows1252, QIODevice* destino = nullptr)
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado r;
    QBuffer buffer(&r.saida);
    buffer.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino ? *destino : buffer, codificacao, locale.decimalPoint());
    r.resumo = lote::ProcessaLote(leitor, saida, modelo, locale, nullptr, {1, 7, nullptr});
    return r;
}

const ConjuntosCoeficientes Zeros;  // every point passing the checks is computed
const QByteArray Cabecalho = lote::CabecalhoSaida().toLatin1() + "\r\n";

// Rows exactly: only the first line with content may be column names; a
// fourth field, an overlong line (a comment too), a character Windows-1252 lacks, a control
// character in a field and a model overflow each fail their point only.
TEST(ProcessaLote, LinhasQueNaoSaoPontosFalhamEOLoteContinua)
{
    ConjuntosCoeficientes estouro;
    estouro.intensidade.c(1) = estouro.intensidade.c(2) = 1e300;
    const QByteArray ponto = "-23.5;-46.625;31/12/2004";
    const std::tuple<QByteArray, const ConjuntosCoeficientes*, QByteArray> casos[] = {
        {"lat;lon;data\n# nada\n\n  \n;;\n", &Zeros, ""},
        {ponto + ";extra\nlat;lon;data\n", &Zeros,
         "1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;A linha deve ter tr\xEAs campos separados por ponto e v\xEDrgula: "
         "latitude, longitude e data.\r\n2;lat;lon;data;;;;;;;;;;;;;;;A data deve estar na forma dd/mm/aaaa.\r\n"},
        {ponto + "\n# " + QByteArray(Maximo, 'x'), &Zeros,  // overlong, even as a comment
         "1;-23.5;-46.625;31/12/2004;2005;0;0;0;0;0;0;0;0;0;0;0;0;0\xBA" "00'00'';\r\n"
         "2;;;;;;;;;;;;;;;;;;A linha \xE9 longa demais para conter um ponto.\r\n"},
        {"\xE2\x88\x92" "23.5;-46.625;31/12/2004", &Zeros,
         "1;;;;;;;;;;;;;;;;;;A linha tem o caractere U+2212, que a codifica\xE7\xE3o Windows-1252 n\xE3o representa. "
         "Os textos da linha foram omitidos: use a op\xE7\xE3o --utf8.\r\n"},
        {"-23\r5;-46;1/1/2000\n", &Zeros,
         "1;;;;;;;;;;;;;;;;;;A linha tem o caractere de controle U+000D dentro de um campo. Os textos da linha foram "
         "omitidos.\r\n"},
        {ponto, &estouro,
         "1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;O c\xE1lculo do modelo ultrapassou o limite num\xE9rico (estouro). "
         "Verifique os arquivos de coeficientes.\r\n"},
    };
    for (const auto& [entrada, modelo, linhas] : casos) {
        SCOPED_TRACE(entrada.left(40).toStdString());
        const Processado r = Processa(entrada, *modelo);
        EXPECT_EQ(r.saida, Cabecalho + linhas);
        EXPECT_EQ(r.resumo.pontos, linhas.count("\r\n"));
        EXPECT_EQ(r.resumo.falhas, linhas.count("\r\n") - linhas.count(";0\xBA"));
    }
    // In UTF-8 the U+2212 line keeps its texts, and the calculator judges it.
    EXPECT_TRUE(Processa(std::get<0>(casos[3]), Zeros, QLocale::c(), CodificacaoSaida::Utf8)
                    .saida.contains("\r\n1;\xE2\x88\x92" "23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;Por favor, entre"));
    EXPECT_EQ(lote::CodigoUnicode(u"😀"), QStringLiteral("U+1F600"));
    // Both input encodings give the same bytes (0x80-0x9F are not Latin-1's).
    EXPECT_EQ(Processa("\xEF\xBB\xBFObserva\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;\xE2\x80\x9C;1/1/2000\n",
                       Zeros).saida,
              Processa("Observa\xE7\xE3o;Longitude;Data\n-23\xBA;\x93;1/1/2000\n", Zeros).saida);
    // A byte order mark of UTF-16 stops the batch; a leading "ÿ" is no mark.
    EXPECT_FALSE(lote::ExaminaInicio(QByteArrayView("\xFE\xFF\0l", 4)).erro.isEmpty());
    EXPECT_TRUE(lote::ExaminaInicio("\xFF" "a").erro.isEmpty());
    // A full disk stops the batch.
    QFile cheio(QStringLiteral("/dev/full"));
    ASSERT_TRUE(cheio.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_EQ(Processa(ponto, Zeros, QLocale::c(), Windows1252, &cheio).resumo.erro.toStdString(),
              "não foi possível gravar a saída: não há espaço livre no disco.");
}

// Everything `escreve` puts in a fresh output, as bytes.
template <typename F>
std::string Escrito(F escreve, QStringView separador = u".", CodificacaoSaida codificacao = Windows1252)
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    lote::SaidaLote saida(destino, codificacao, separador);
    escreve(saida);
    saida.descarrega();
    return bytes.toStdString();
}

// Every value in the column the header names for it; IGRF's rates of D and I
// come in degrees per year, their columns hold minutes; H is not a column.
// The UTM form's zone before E and N; the geodesic fields last, after the
// message, empty on a refused point.
TEST(Saida, ColunasNaOrdemDoCabecalho)
{
    igrf::ElementosIgrf e;
    e.D = 1, e.dD = 0.5, e.I = 3, e.dI = 0.25, e.F = 5, e.dF = 6, e.X = 7, e.dX = 8, e.Y = 9, e.dY = 10, e.Z = 11;
    e.dZ = 12, e.H = 99, e.dH = 99;
    const ElementosCampo regional{1, 3, 5, 7, 9, 11, 2, 4, 6, 8, 10, 12};
    const lote::ResultadoGeodesico geodesico{-15.5, -47.25, 0.75, 1.5};
    lote::ResultadoPonto recusado{regional, std::nullopt, 2000.5, QStringLiteral("x"), {}, geodesico};
    recusado.recusa(QStringLiteral("m"));
    const lote::TextosLinha geograficas{u"a", u"b", u"c", {}, false}, utm{u"E", u"N", u"d", u"23S", true};
    const std::tuple<lote::ResultadoPonto, lote::TextosLinha, bool, const char*> casos[] = {
        {{regional, std::nullopt, 2000.5, QStringLiteral("x"), {}, {}}, geograficas, false,
         "9;a;b;c;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;\r\n"},
        {{std::nullopt, e, 1950.5, QStringLiteral("x"), {}, {}}, geograficas, false,
         "9;a;b;c;1950.5;1;30;3;15;5;6;7;8;9;10;11;12;x;\r\n"},
        {{regional, std::nullopt, 2000.5, QStringLiteral("x"), {}, geodesico}, utm, true,
         "9;23S;E;N;d;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;;-15.5;-47.25;0.75;1.5\r\n"},
        {recusado, utm, true, "9;23S;E;N;d;;;;;;;;;;;;;;;m;;;;\r\n"}};
    for (const auto& [r, textos, geo, esperado] : casos)
        EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, textos, r, geo); }), esperado);
}

// Rows far longer than usual (the smallest doubles take hundreds of digits),
// enough to cross the point where the buffer is written out: each piece
// makes its own room, and every field reads back exactly.
TEST(Saida, LinhasDeNumerosLongos)
{
    const double minimo = std::numeric_limits<double>::denorm_min();
    const float maximo = std::numeric_limits<float>::max();
    const lote::ResultadoPonto r{ElementosCampo{-maximo, maximo, maximo, -minimo, minimo, -minimo, maximo, -maximo,
                                                maximo, minimo, -minimo, minimo},
                                 std::nullopt, -minimo, QStringLiteral("x"), {}, {}};
    const QString escrito = QString::fromStdString(Escrito([&](lote::SaidaLote& s) {
        for (int i = 0; i < 1000; ++i)
            lote::EscreveLinhaPonto(s, i, {u"a", u"b", u"c", {}, false}, r);
    }));
    const QStringList linhas = escrito.split(QStringLiteral("\r\n"));
    ASSERT_EQ(linhas.size(), 1001);
    const QStringList c = linhas[0].split(u';');
    ASSERT_EQ(c.size(), 19);
    EXPECT_EQ(c[5].toFloat(), -maximo);  // D
    for (const int k : {4, 11, 15})  // the year, X, Z
        EXPECT_EQ(c[k].toDouble(), -minimo);
    EXPECT_EQ(c[16].toDouble(), minimo);  // dZ
    for (int i = 1; i < 1000; ++i)
        ASSERT_EQ(linhas[i], QString::number(i) + linhas[0].mid(1));
}

// The fewest digits that read back as the value of its own type, never an
// exponent, with the locale's separator.
TEST(Saida, NumerosExatosComOSeparadorDoLocale)
{
    const QString arabe = QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint();  // U+066B
    const std::tuple<double, bool, QString, CodificacaoSaida, const char*> casos[] = {
        {25050.02734375, true, ",", Windows1252, "25050,027"},  // the double would need all its digits
        {25050.02734375, false, ",", Windows1252, "25050,02734375"},
        {1e-7, true, ",", Windows1252, "0,0000001"},
        {3e20, true, ".", Windows1252, "300000006012263202816"},  // every whole digit is needed anyway
        {-0.0, true, ".", Windows1252, "-0"},
        {-0.5, false, arabe, CodificacaoSaida::Utf8, "-0\xD9\xAB" "5"},
        {-0.5, false, arabe, Windows1252, ""},  // a separator Windows-1252 lacks stops everything
    };
    for (const auto& [valor, simples, separador, codificacao, esperado] : casos)
        EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { simples ? s.numero(float(valor)) : s.numero(valor); },
                          separador, codificacao),
                  esperado);
}

}  // namespace
}  // namespace ceravel::teste
