// SPDX-License-Identifier: GPL-3.0-or-later
// A whole batch in the process: its lines and rows, both input encodings, what stops it, the output's columns,
// a mixed input's exact counts on any number of threads, the UTM lines and datums against independent values.
#include "lote/DecodificaLinha.h"
#include "lote/LeitorLinhas.h"
#include "lote/LinhaSaida.h"
#include "lote/MensagensLote.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"

#include <gtest/gtest.h>

#include <QBuffer>

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
        linhas.push_back(leitor.longaDemais() ? "LONGA:" + std::to_string(linha.size())
                                              : linha.toByteArray().toStdString());
    }
    EXPECT_EQ(leitor.bytesLidos(), conteudo.size());
    const std::string cortada = "LONGA:" + std::to_string(Maximo);
    EXPECT_EQ(linhas, (Linhas{"a;b", "", "a\rb", "c", cheia.toStdString(), cortada, "b;c", cortada}));
}

const ConjuntosCoeficientes Zeros;  // every point passing the checks is computed

// The program's regional model or IGRF-14.
const lote::ModeloLote& Modelo(bool igrf14)
{
    static const LeituraConjuntos regional = LeConjuntos(QStringLiteral(CERAVEL_DADOS_PROJETO));
    static const LeituraIgrf14 igrf = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
    static const lote::ModeloLote modelos[] = {lote::ModeloLote(*regional.conjuntos), lote::ModeloLote(*igrf.modelo)};
    return modelos[igrf14];
}

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

// By default one thread and blocks of 7 lines, so the counts add up over many blocks.
Processado Processa(QByteArray entrada, const lote::ModeloLote& modelo, const QLocale& locale = QLocale::c(),
                    CodificacaoSaida codificacao = Windows1252, lote::OpcoesProcessamento opcoes = {1, 7, nullptr},
                    qsizetype blocoLeitor = 1 << 20)
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado r;
    QBuffer buffer(&r.saida);
    buffer.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem, blocoLeitor);
    lote::SaidaLote saida(buffer, codificacao, locale.decimalPoint());
    r.resumo = lote::ProcessaLote(leitor, saida, modelo, locale, nullptr, opcoes);
    return r;
}

// Rows exactly: only the first line with content may be column names; a fourth field, an overlong line (a
// comment too), a character Windows-1252 lacks, and a control character in a field fail their point only.
TEST(ProcessaLote, LinhasQueNaoSaoPontosFalhamEOLoteContinua)
{
    const QByteArray ponto = "-23.5;-46.625;31/12/2004";
    const std::pair<QByteArray, QByteArray> casos[] = {
        {"lat;lon;data\n# nada\n\n  \n;;\n", ""},
        {ponto + ";extra\nlat;lon;data\n",
         "1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;A linha deve ter tr\xEAs campos separados por ponto e v\xEDrgula: "
         "latitude, longitude e data.\r\n2;lat;lon;data;;;;;;;;;;;;;;;A data deve estar na forma dd/mm/aaaa.\r\n"},
        {ponto + "\n# " + QByteArray(Maximo, 'x'),  // overlong, even as a comment
         "1;-23.5;-46.625;31/12/2004;2005;0;0;0;0;0;0;0;0;0;0;0;0;0\xBA" "00'00'';\r\n"
         "2;;;;;;;;;;;;;;;;;;A linha \xE9 longa demais para conter um ponto.\r\n"},
        {"\xE2\x88\x92" "23.5;-46.625;31/12/2004",
         "1;;;;;;;;;;;;;;;;;;A linha tem o caractere U+2212, que a codifica\xE7\xE3o Windows-1252 n\xE3o representa. "
         "Os textos da linha foram omitidos: use a op\xE7\xE3o --utf8.\r\n"},
        {"-23\r5;-46;1/1/2000\n",
         "1;;;;;;;;;;;;;;;;;;A linha tem o caractere de controle U+000D dentro de um campo. Os textos da linha foram "
         "omitidos.\r\n"},
    };
    for (const auto& [entrada, linhas] : casos) {
        SCOPED_TRACE(entrada.left(40).toStdString());
        const Processado r = Processa(entrada, Zeros);
        EXPECT_EQ(r.saida, lote::CabecalhoSaida().toLatin1() + "\r\n" + linhas);
        EXPECT_EQ(r.resumo.pontos, linhas.count("\r\n"));
        EXPECT_EQ(r.resumo.falhas, linhas.count("\r\n") - linhas.count(";0\xBA"));
    }
    // In UTF-8 the U+2212 line keeps its texts, and the calculator judges it.
    EXPECT_TRUE(Processa(casos[3].first, Zeros, QLocale::c(), CodificacaoSaida::Utf8)
                    .saida.contains("\r\n1;\xE2\x88\x92" "23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;Por favor, entre"));
    // Both input encodings give the same bytes (0x80-0x9F are not Latin-1's).
    EXPECT_EQ(Processa("\xEF\xBB\xBFObserva\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;\xE2\x80\x9C;1/1/2000\n",
                       Zeros).saida,
              Processa("Observa\xE7\xE3o;Longitude;Data\n-23\xBA;\x93;1/1/2000\n", Zeros).saida);
    // A byte order mark of UTF-16 stops the batch; a leading "ÿ" is no mark.
    EXPECT_FALSE(lote::ExaminaInicio(QByteArrayView("\xFE\xFF\0l", 4)).erro.isEmpty());
    EXPECT_TRUE(lote::ExaminaInicio("\xFF" "a").erro.isEmpty());
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

// Every value in its header's column; IGRF's rates of D and I come in degrees per year, the columns hold
// minutes; no H. The UTM zone before E and N; the geodesic fields last.
TEST(Saida, ColunasNaOrdemDoCabecalho)
{
    igrf::ElementosIgrf e;
    e.D = 1, e.dD = 0.5, e.I = 3, e.dI = 0.25, e.F = 5, e.dF = 6, e.X = 7, e.dX = 8, e.Y = 9, e.dY = 10, e.Z = 11;
    e.dZ = 12, e.H = 99, e.dH = 99;
    const ElementosCampo regional{1, 3, 5, 7, 9, 11, 2, 4, 6, 8, 10, 12};
    const lote::ResultadoGeodesico geodesico{-15.5, -47.25, 0.75, 1.5};
    const lote::TextosLinha geograficas{u"a", u"b", u"c", {}, false}, utm{u"E", u"N", u"d", u"23S", true};
    const std::tuple<lote::ResultadoPonto, lote::TextosLinha, bool, const char*> casos[] = {
        {{std::nullopt, e, 1950.5, QStringLiteral("x"), {}, {}}, geograficas, false,
         "9;a;b;c;1950.5;1;30;3;15;5;6;7;8;9;10;11;12;x;\r\n"},
        {{regional, std::nullopt, 2000.5, QStringLiteral("x"), {}, geodesico}, utm, true,
         "9;23S;E;N;d;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;;-15.5;-47.25;0.75;1.5\r\n"}};
    for (const auto& [r, textos, geo, esperado] : casos)
        EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, textos, r, geo); }), esperado);
    // The locale's separator in every number; one Windows-1252 lacks (U+066B) stops everything.
    const QString arabe = QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint();
    EXPECT_EQ(Escrito([](lote::SaidaLote& s) { s.numero(-0.5); }, arabe, CodificacaoSaida::Utf8), "-0\xD9\xAB" "5");
    EXPECT_EQ(Escrito([](lote::SaidaLote& s) { s.numero(-0.5); }, arabe), "");
}

// A mixed input drawn from kinds of line of known outcome (points, failures under the regional model
// and under IGRF-14), with CR LF and LF line ends; `deslocamento` moves the reader's buffer boundaries.
struct Mista {
    QByteArray texto;
    int pontos = 0, falhas[2] = {};
};
Mista EntradaMista(int linhas, int deslocamento)
{
    static const struct {
        QByteArray linha;
        int pontos, falhaRegional, falhaIgrf;  // 0 or 1 each
    } tipos[] = {
        {"-23.5;-46.625;31/12/2004", 1, 0, 0}, {"-15 30 0;-47 52 30;01/01/1995", 1, 0, 0},
        {"-23;-46;1/1/1950", 1, 1, 0}, {"-23.5;-46.625;31/12/2004;extra", 1, 1, 1}, {"1 2;-46;1/1/2000", 1, 1, 1},
        {"-23;-46;1/1/2031", 1, 1, 1}, {"-23;\xE5\x8C\x97;1/1/2000", 1, 1, 1}, {"-23\xBA;-46;1/1/2000", 1, 1, 1},
        {"\xE2\x88\x92" "23;-46;1/1/2000", 1, 1, 1}, {QByteArray(Maximo + 5, '7'), 1, 1, 1},
        {"-23\r5;-46;1/1/2000", 1, 1, 1}, {QByteArray("-23;-46\0;1/1/2000", 17), 1, 1, 1},
        {"# nota: \xC2\xBA", 0, 0, 0}, {"# n\xBA", 0, 0, 0}, {"", 0, 0, 0}, {" ; ;; ", 0, 0, 0},
    };
    Mista m{"# " + QByteArray(deslocamento, 'x') + "\nlat;lon;data\r\n"};
    std::mt19937 sorteio(static_cast<unsigned>(linhas + deslocamento));
    for (int i = 0; i < linhas; ++i) {
        const auto& t = tipos[sorteio() % std::size(tipos)];
        m.texto += t.linha + (i % 3 ? "\n" : "\r\n");
        m.pontos += t.pontos, m.falhas[0] += t.falhaRegional, m.falhas[1] += t.falhaIgrf;
    }
    return m;
}

// Under C and pt_BR, in both encodings, with either model: the counts add up the kinds' outcomes; several
// threads write the same bytes (the rows' fields: the fuzz target).
TEST(Paralelismo, ContagensExatasEMesmaSaidaQueUmNucleo)
{
    int deslocamento = 0;
    for (const bool igrf14 : {false, true})
        for (const char* nomeLocale : {"C", "pt_BR"})
            for (const CodificacaoSaida codificacao : {Windows1252, CodificacaoSaida::Utf8}) {
                deslocamento = (deslocamento + 4093) % 4099;  // 0, 4093, 4087, ...
                SCOPED_TRACE(std::string(nomeLocale) + (igrf14 ? " igrf14 " : " regional ")
                             + std::to_string(static_cast<int>(codificacao)));
                const QLocale locale(QString::fromLatin1(nomeLocale));
                const Mista entrada = EntradaMista(600, deslocamento);
                const Processado um = Processa(entrada.texto, Modelo(igrf14), locale, codificacao);
                ASSERT_TRUE(um.resumo.erro.isEmpty()) << um.resumo.erro.toStdString();
                EXPECT_EQ(um.resumo.pontos, entrada.pontos);
                EXPECT_EQ(um.resumo.falhas, entrada.falhas[igrf14]);
                // Threads, lines per block; the smallest reader buffer, cutting CR LF pairs and long lines.
                for (const auto& [nucleos, linhasPorBloco] : {std::pair{3, 1}, {3, 4096}, {8, 1}, {8, 4096}}) {
                    SCOPED_TRACE(std::to_string(nucleos) + " nucleos, " + std::to_string(linhasPorBloco));
                    const Processado r = Processa(entrada.texto, Modelo(igrf14), locale, codificacao,
                                                  {nucleos, linhasPorBloco, nullptr}, Maximo + 1);
                    EXPECT_TRUE(r.saida == um.saida);
                    EXPECT_EQ(std::tuple(r.resumo.pontos, r.resumo.falhas, r.resumo.erro),
                              std::tuple(um.resumo.pontos, um.resumo.falhas, QString()));
                }
            }
}

// The header's fields, then the row's, of one line in the given form (the program's regional model).
QList<QStringList> Campos(const QByteArray& linha, lote::FormaPosicaoLote forma, const QLocale& locale)
{
    lote::ModeloLote modelo = Modelo(false);
    modelo.posicao = forma;
    modelo.posicao.pastaGrades = QStringLiteral(CERAVEL_DADOS_PROJETO);
    QList<QStringList> rows;
    for (const QString& row : QString::fromUtf8(Processa(linha + "\n", modelo, locale, CodificacaoSaida::Utf8).saida)
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows.append(row.split(u';'));
    return rows;
}

struct CasoUtm {
    const char* locale;
    const char* linha;
    bool utm;
    std::optional<geo::Datum> datum;
    double latSirgas, lonSirgas, gama, k;  // GeoConvert -c, cs2cs with IBGE's grids
    const char* recusa = nullptr;           // a part of the row's message
};

class LoteUtm : public testing::TestWithParam<CasoUtm> {};

// A computed row: its SIRGAS 2000 columns, and the field of a geographic line at that position. A refused
// one: its message, the geodesic fields empty.
TEST_P(LoteUtm, PosicaoSirgasConvergenciaEscalaECampoNoPonto)
{
    const CasoUtm& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    const auto rows = Campos(c.linha, {c.utm, c.datum, {}}, locale);
    ASSERT_EQ(rows.size(), 2);
    ASSERT_EQ(rows[1].size(), rows[0].size());
    const auto coluna = [](const QList<QStringList>& r, const char* nome, const QLocale& l) {
        return l.toDouble(r[1][r[0].indexOf(QString::fromUtf8(nome))]);  // 0 when unreadable
    };
    const QString mensagem = rows[1][rows[0].indexOf(QStringLiteral("Mensagem"))];
    if (c.recusa) {
        EXPECT_TRUE(mensagem.contains(QString::fromUtf8(c.recusa)) && rows[1].last().isEmpty())
            << rows[1].join(u';').toStdString();
        return;
    }
    ASSERT_EQ(mensagem, QString()) << rows[1].join(u';').toStdString();
    const double lat = coluna(rows, "Latitude SIRGAS 2000", locale), lon = coluna(rows, "Longitude SIRGAS 2000", locale);
    EXPECT_NEAR(lat, c.latSirgas, 1e-9);
    EXPECT_NEAR(lon, c.lonSirgas, 1e-9);
    EXPECT_NEAR(coluna(rows, "Convergência (graus)", locale), c.gama, 2e-8);
    EXPECT_NEAR(coluna(rows, "Fator de escala", locale), c.k, 2e-10);
    const auto geografica = Campos(QByteArray::number(lat, 'f', 13) + ";" + QByteArray::number(lon, 'f', 13)
                                       + ";15/06/2000", {}, QLocale::c());
    EXPECT_EQ(coluna(rows, "D (graus)", locale), coluna(geografica, "D (graus)", QLocale::c()));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteUtm,
    testing::Values(
        CasoUtm{"pt_BR", "23S;192848,93;8252943,25;15/06/2000", true, {}, -15.78329998673, -47.86670002231,
                0.780356172, 1.00076689699},
        // Geographic Córrego Alegre 1961: the position through the grid, γ and k in its own zone 22S.
        CasoUtm{"pt_BR", "-25,43;-49,27;15/06/2000", false, geo::Datum::CorregoAlegre61, -25.430377796,
                -49.270555414, -0.74283479, 0.9999735380},
        // The line's own shapes; the checks' rules are the core's (tests/calc), here only passed on.
        CasoUtm{"pt_BR", "23X;192848,93;8252943,25;15/06/2000", true, {}, 0, 0, 0, 0, "hemisfério deve ser S"},
        CasoUtm{"pt_BR", "23S;192848,93;8252943,25;15/06/2000;x", true, {}, 0, 0, 0, 0, "quatro campos"},
        CasoUtm{"pt_BR", "-3,1;-60;01/01/2000", false, geo::Datum::CorregoAlegre7072, 0, 0, 0, 0,
                "Córrego Alegre 1970-72"}));

}  // namespace
}  // namespace ceravel::teste
