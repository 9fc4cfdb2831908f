// A whole batch in the process: its lines, which lines count, the rows and
// exact counts of a mixed input, both input encodings, what stops the batch,
// and the output's columns and numbers.
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
#include <random>
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

TEST(Texto, CadaLinhaEmUtf8OuWindows1252)
{
    lote::DecodificaLinha d;
    EXPECT_EQ(d.decodifica("Observa\xC3\xA7\xC3\xA3o \xE2\x88\x92" "23"), QStringLiteral("Observação −23"));
    EXPECT_EQ(d.decodifica("Observa\xE7\xE3o \x93" "dado\x94"), QStringLiteral("Observação “dado”"));
    EXPECT_EQ(d.decodifica("\xC3"), QStringLiteral("Ã"));  // UTF-8 cut short
    // A byte order mark: UTF-8 skipped, UTF-16 refused; a leading "ÿ" is neither.
    EXPECT_EQ(lote::ExaminaInicio("\xEF\xBB\xBFlat").marcaUtf8, 3);
    EXPECT_FALSE(lote::ExaminaInicio(QByteArrayView("\xFE\xFF\0l", 4)).erro.isEmpty());
    EXPECT_TRUE(lote::ExaminaInicio("\xFF" "a").erro.isEmpty());
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
    // Both input encodings give the same bytes.
    EXPECT_EQ(Processa("\xEF\xBB\xBFObserva\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;-46;1/1/2000\n", Zeros).saida,
              Processa("Observa\xE7\xE3o;Longitude;Data\n-23\xBA;-46;1/1/2000\n", Zeros).saida);
    // A full disk stops the batch.
    QFile cheio(QStringLiteral("/dev/full"));
    ASSERT_TRUE(cheio.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_EQ(Processa(ponto, Zeros, QLocale::c(), Windows1252, &cheio).resumo.erro.toStdString(),
              "não foi possível gravar a saída: não há espaço livre no disco.");
}

// ";" separates the output's fields, so no message may hold one: every row
// of a mixed input has the header's fields and no CR inside, in both output
// encodings, under C and pt_BR, with either model; and the counts are the
// sums of each kind's known outcome.
TEST(ProcessaLote, EntradaMistaComContagensExatas)
{
    const struct {
        QByteArray linha;
        int pontos, falhaRegional, falhaIgrf;  // 0 or 1 each
    } tipos[] = {
        {"-23.5;-46.625;31/12/2004", 1, 0, 0}, {"-15 30 0;-47 52 30;01/01/1995", 1, 0, 0},
        {"-23;-46;1/1/1950", 1, 1, 0},
        {"-23.5;-46.625;31/12/2004;extra", 1, 1, 1}, {"1 2;-46;1/1/2000", 1, 1, 1}, {"-23;-46;1/1", 1, 1, 1},
        {"abc;-46;1/1/2000", 1, 1, 1}, {"20;-46;1/1/2000", 1, 1, 1}, {"-15 70 0;-47 0 0;1/1/2000", 1, 1, 1},
        {"-23;;1/1/2000", 1, 1, 1}, {"-23;-46;31/2/2000", 1, 1, 1}, {"-23;-46;1/1/99", 1, 1, 1},
        {"-23;-46;1/1/2031", 1, 1, 1}, {"-23;\xE5\x8C\x97;1/1/2000", 1, 1, 1}, {"-23\xBA;-46;1/1/2000", 1, 1, 1},
        {QByteArray(Maximo + 5, '7'), 1, 1, 1}, {"-23\r5;-46;1/1/2000", 1, 1, 1},
        {QByteArray("-23;-46\0;1/1/2000", 17), 1, 1, 1},
        {"# nota", 0, 0, 0}, {"", 0, 0, 0}, {" ; ;; ", 0, 0, 0},
    };
    QByteArray entrada = "lat;lon;data\n";
    int pontos = 0, falhas[2] = {};
    std::mt19937 sorteio(14);
    for (int i = 0; i < 600; ++i) {
        const auto& t = tipos[sorteio() % std::size(tipos)];
        entrada += t.linha + (i % 3 ? "\n" : "\r\n");
        pontos += t.pontos, falhas[0] += t.falhaRegional, falhas[1] += t.falhaIgrf;
    }
    const LeituraIgrf14 igrf = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
    ASSERT_TRUE(igrf.modelo) << igrf.erro.toStdString();
    const qsizetype campos = lote::CabecalhoSaida().count(u';') + 1;
    for (const bool igrf14 : {false, true})
        for (const char* nomeLocale : {"C", "pt_BR"})
            for (const CodificacaoSaida codificacao : {Windows1252, CodificacaoSaida::Utf8}) {
                SCOPED_TRACE(std::string(nomeLocale) + (igrf14 ? " igrf14" : " regional")
                             + (codificacao == Windows1252 ? " windows-1252" : " utf-8"));
                const lote::ModeloLote modelo = igrf14 ? lote::ModeloLote(*igrf.modelo) : lote::ModeloLote(Zeros);
                const Processado r = Processa(entrada, modelo, QLocale(QString::fromLatin1(nomeLocale)), codificacao);
                ASSERT_TRUE(r.resumo.erro.isEmpty()) << r.resumo.erro.toStdString();
                EXPECT_EQ(r.resumo.pontos, pontos);
                EXPECT_EQ(r.resumo.falhas, falhas[igrf14]);
                const QList<QByteArray> linhas = r.saida.split('\n');
                ASSERT_EQ(linhas.size(), pontos + 2);  // the header, then after the last CR LF nothing
                for (const QByteArray& linha : linhas.first(pontos + 1)) {
                    ASSERT_EQ(linha.count(';') + 1, campos) << linha.left(300).toStdString();
                    ASSERT_EQ(linha.indexOf('\r'), linha.size() - 1) << linha.left(300).toStdString();
                }
            }
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
TEST(Saida, ColunasNaOrdemDoCabecalho)
{
    igrf::ElementosIgrf e;
    e.D = 1, e.dD = 0.5, e.I = 3, e.dI = 0.25, e.F = 5, e.dF = 6, e.X = 7, e.dX = 8, e.Y = 9, e.dY = 10, e.Z = 11;
    e.dZ = 12, e.H = 99, e.dH = 99;
    const std::pair<lote::ResultadoPonto, const char*> casos[] = {
        {{ElementosCampo{1, 3, 5, 7, 9, 11, 2, 4, 6, 8, 10, 12}, std::nullopt, 2000.5, QStringLiteral("x"), {}, {}},
         "9;a;b;c;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;\r\n"},
        {{std::nullopt, e, 1950.5, QStringLiteral("x"), {}, {}}, "9;a;b;c;1950.5;1;30;3;15;5;6;7;8;9;10;11;12;x;\r\n"}};
    for (const auto& [r, esperado] : casos)
        EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, {u"a", u"b", u"c", {}, false}, r); }),
                  esperado);
}

// The UTM form's zone before E and N; the geodesic fields last, after the
// message, empty on a refused point.
TEST(Saida, ColunasGeodesicasNoFim)
{
    lote::ResultadoPonto r{ElementosCampo{1, 3, 5, 7, 9, 11, 2, 4, 6, 8, 10, 12}, std::nullopt, 2000.5,
                           QStringLiteral("x"), {}, lote::ResultadoGeodesico{-15.5, -47.25, 0.75, 1.5}};
    EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, {u"E", u"N", u"d", u"23S", true}, r, true); }),
              "9;23S;E;N;d;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;;-15.5;-47.25;0.75;1.5\r\n");
    r.recusa(QStringLiteral("m"));
    EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, {u"E", u"N", u"d", u"23S", true}, r, true); }),
              "9;23S;E;N;d;;;;;;;;;;;;;;;m;;;;\r\n");
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
    for (int i = 0; i < 1000; ++i) {
        const QStringList c = linhas[i].split(u';');
        ASSERT_EQ(c.size(), 19);
        EXPECT_EQ(c[0].toInt(), i);
        EXPECT_EQ(c[5].toFloat(), -maximo);  // D
        for (const int k : {4, 11, 15})  // the year, X, Z
            EXPECT_EQ(c[k].toDouble(), -minimo);
        EXPECT_EQ(c[16].toDouble(), minimo);  // dZ
    }
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
