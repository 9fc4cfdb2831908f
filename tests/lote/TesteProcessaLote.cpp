// A whole batch in the process: its lines and their text, which lines count, the
// rows and counts, both input encodings, what stops the batch, and the output.
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

// Each line as its bytes or, when cut for being overlong, "LONGA:<size>".
Linhas LeTudo(QByteArray conteudo)
{
    QBuffer origem(&conteudo);
    origem.open(QIODevice::ReadOnly);
    lote::LeitorLinhas leitor(origem, 1);  // the smallest block: long inputs straddle the reads
    Linhas linhas;
    QByteArrayView linha;
    while (leitor.proxima(linha)) {
        EXPECT_EQ(leitor.numero(), static_cast<qint64>(linhas.size() + 1));
        linhas.push_back(leitor.longaDemais() ? "LONGA:" + std::to_string(linha.size())
                                              : linha.toByteArray().toStdString());
    }
    EXPECT_EQ(leitor.bytesLidos(), conteudo.size());
    return linhas;
}

// Lines without their end, short lines across many reads, a line of the largest size kept
// whole, and overlong ones cut (the last one without a line end) with the next read whole.
TEST(Leitura, LinhasSemOFimAtravessandoAsLeituras)
{
    EXPECT_EQ(LeTudo(""), Linhas{});
    EXPECT_EQ(LeTudo("a;b\r\n\na\rb\nc\r"), (Linhas{"a;b", "", "a\rb", "c"}));
    constexpr qsizetype maximo = lote::LeitorLinhas::TamanhoMaximoLinha;
    QByteArray conteudo;
    Linhas esperadas;
    for (int i = 0; i < 30000; ++i) {
        esperadas.push_back("-23." + std::to_string(i) + ";-46;1/1/2000");
        conteudo += QByteArray::fromStdString(esperadas.back()) + (i % 2 ? "\r\n" : "\n");
    }
    const QByteArray cheia(maximo, 'y'), longa(3 * maximo + 17, 'x');
    conteudo += cheia + "\n" + longa + "\r\nb;c\n" + longa;
    esperadas.insert(esperadas.end(), {cheia.toStdString(), "LONGA:" + std::to_string(maximo), "b;c",
                                       "LONGA:" + std::to_string(maximo)});
    EXPECT_EQ(LeTudo(conteudo), esperadas);
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

using lote::CodificacaoSaida;
constexpr auto Windows1252 = CodificacaoSaida::Windows1252;
const QByteArray Cabecalho = lote::CabecalhoSaida().toLatin1() + "\r\n";

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

// With a model of zeros, unless given: every point passing the checks is computed.
Processado Processa(QByteArray entrada, CodificacaoSaida codificacao = Windows1252,
                    const ConjuntosCoeficientes& conjuntos = {}, QIODevice* destino = nullptr)
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado resultado;
    QBuffer buffer(&resultado.saida);
    buffer.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino ? *destino : buffer, codificacao, u".");
    resultado.resumo = lote::ProcessaLote(leitor, saida, conjuntos, QLocale::c());
    return resultado;
}

TEST(ProcessaLote, SemPontosSoOCabecalho)
{
    for (const QByteArray& entrada : {QByteArray(), QByteArray("# nada\n\n  \n;;\n"), QByteArray("lat;lon;data\n")}) {
        const Processado r = Processa(entrada);
        EXPECT_EQ(r.saida, Cabecalho) << entrada.toStdString();
        EXPECT_EQ(r.resumo.pontos, 0);
    }
}

// Only the first line with content may be column names; later ones, a line
// with a fourth field and an overlong one are failing points, numbered as in the input.
TEST(ProcessaLote, LinhasQueNaoSaoPontosFalhamEOLoteContinua)
{
    const QByteArray longa(lote::LeitorLinhas::TamanhoMaximoLinha + 10, '1');
    const Processado r =
        Processa("-23.5;-46.625;31/12/2004;extra\nlat;lon;data\n" + longa + "\n-23.5;-46.625;31/12/2004\n");
    EXPECT_EQ(r.resumo.pontos, 4);
    EXPECT_EQ(r.resumo.falhas, 3);
    EXPECT_TRUE(r.saida.startsWith(Cabecalho + "1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;A linha deve ter tr\xEAs "
                                   "campos separados por ponto e v\xEDrgula: latitude, longitude e data.\r\n"
                                   "2;lat;lon;data;;;;;;;;;;;;;;;A data deve estar na forma dd/mm/aaaa.\r\n"
                                   "3;;;;;;;;;;;;;;;;;;A linha \xE9 longa demais para conter um ponto.\r\n"
                                   "4;-23.5;-46.625;31/12/2004;2005;0;0;0;0;0;0;0;0;0;0;0;0;0\xBA" "00'00'';\r\n"))
        << r.saida.left(1000).toStdString();
}

TEST(ProcessaLote, AsDuasCodificacoesDaEntradaDaoOsMesmosBytes)
{
    const Processado utf8 = Processa("\xEF\xBB\xBFObserva\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;-46;1/1/2000\n");
    const Processado windows1252 = Processa("Observa\xE7\xE3o;Longitude;Data\n-23\xBA;-46;1/1/2000\n");
    EXPECT_EQ(utf8.saida, windows1252.saida);
    EXPECT_TRUE(utf8.saida.contains("\r\n2;-23\xBA;-46;1/1/2000;")) << utf8.saida.toStdString();
}

TEST(ProcessaLote, CaractereForaDeWindows1252NaoEMutilado)
{
    const QByteArray entrada = "\xE2\x88\x92" "23.5;-46.625;31/12/2004\n-23.5;-46.625;31/12/2004\n";
    const Processado w = Processa(entrada);
    EXPECT_EQ(w.resumo.falhas, 1);
    EXPECT_TRUE(w.saida.contains("\r\n1;;;;;;;;;;;;;;;;;;A linha tem o caractere U+2212, que a codifica\xE7\xE3o "
                                 "Windows-1252 n\xE3o representa. Os textos da linha foram omitidos: use a op\xE7\xE3o "
                                 "--utf8.\r\n2;-23.5;"))
        << w.saida.toStdString();
    // In UTF-8 the text is kept, and the calculator judges it.
    const Processado u = Processa(entrada, CodificacaoSaida::Utf8);
    EXPECT_TRUE(u.saida.contains("\r\n1;\xE2\x88\x92" "23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;Por favor, entre "
                                 "somente com n\xC3\xBAmeros."))
        << u.saida.toStdString();
    // The code point, not the UTF-16 units, with at least four digits.
    EXPECT_EQ(lote::CodigoUnicode(u"😀"), QStringLiteral("U+1F600"));
    EXPECT_EQ(lote::CodigoUnicode(u"\u0080"), QStringLiteral("U+0080"));
    // A control character inside a field: the row without the line's texts.
    const Processado c = Processa("-23\r5;-46;1/1/2000\n");
    EXPECT_TRUE(c.saida.endsWith("\r\n1;;;;;;;;;;;;;;;;;;A linha tem o caractere de controle U+000D dentro de um "
                                 "campo. Os textos da linha foram omitidos.\r\n"))
        << c.saida.toStdString();
}

// ";" separates the output's fields, so no message may hold one: every row of
// a mixed input (points, every kind of refusal, overlong lines, characters
// Windows-1252 lacks) has the header's number of fields, in both output
// encodings, under C and pt_BR, with either model.
TEST(ProcessaLote, CadaLinhaComOsCamposDoCabecalho)
{
    const QByteArray longa(lote::LeitorLinhas::TamanhoMaximoLinha + 5, '7');
    const QByteArray tipos[] = {
        "-23.5;-46.625;31/12/2004", "-23,5;-46,625;15/06/2000", "-15 30 0;-47 52 30;01/01/1995",
        "-23.5;-46.625;31/12/2004;extra", "1 2;-46;1/1/2000", "-23;1 2;1/1/2000", "-23;-46;1/1",
        "abc;-46;1/1/2000", "20;-46;1/1/2000", "-23;-96;1/1/2000", "-15 70 0;-47 0 0;1/1/2000",
        "-23;;1/1/2000", "-23;-46;0/1/2000", "-23;-46;1/13/2000", "-23;-46;31/2/2000", "-23;-46;1/1/99",
        "-23;-46;1/1/1850", "-23;-46;1/1/2031", "\xE2\x88\x92" "23,5;-46;1/1/2000", "-23;\xE5\x8C\x97;1/1/2000",
        "-23\xBA;-46;1/1/2000", "-23;-46;1/1/2000 \xF0\x9F\x98\x80", "lat;lon;data", longa, "# nota", "",
        "-23\r5;-46;1/1/2000", QByteArray("-23;-46\0;1/1/2000", 17), "-23;-46;1/1/2000\r\r",
    };
    QByteArray entrada;
    std::mt19937 sorteio(14);
    for (int i = 0; i < 600; ++i)
        entrada += tipos[sorteio() % std::size(tipos)] + (i % 3 ? "\n" : "\r\n");
    for (const QByteArray& t : tipos)  // each kind at least once
        entrada += t + "\n";

    const LeituraIgrf14 igrf = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
    ASSERT_TRUE(igrf.modelo) << igrf.erro.toStdString();
    const ConjuntosCoeficientes zeros;
    const qsizetype campos = lote::CabecalhoSaida().count(u';') + 1;
    for (const bool igrf14 : {false, true}) {
        for (const char* nomeLocale : {"C", "pt_BR"}) {
            for (const CodificacaoSaida codificacao : {Windows1252, CodificacaoSaida::Utf8}) {
                SCOPED_TRACE(std::string(nomeLocale) + (igrf14 ? " igrf14" : " regional")
                             + (codificacao == Windows1252 ? " windows-1252" : " utf-8"));
                const QLocale locale(QString::fromLatin1(nomeLocale));
                QBuffer origem(&entrada);
                origem.open(QIODevice::ReadOnly);
                QByteArray bytes;
                QBuffer destino(&bytes);
                destino.open(QIODevice::WriteOnly);
                lote::LeitorLinhas leitor(origem);
                lote::SaidaLote saida(destino, codificacao, locale.decimalPoint());
                const lote::ModeloLote modelo = igrf14 ? lote::ModeloLote(*igrf.modelo) : lote::ModeloLote(zeros);
                const lote::ResumoLote resumo = lote::ProcessaLote(leitor, saida, modelo, locale);
                ASSERT_TRUE(resumo.erro.isEmpty()) << resumo.erro.toStdString();
                ASSERT_TRUE(bytes.endsWith("\r\n"));
                const QList<QByteArray> linhas = bytes.chopped(2).split('\n');
                EXPECT_EQ(linhas.size(), resumo.pontos + 1);
                EXPECT_GT(resumo.falhas, 0);
                EXPECT_LT(resumo.falhas, resumo.pontos);
                for (const QByteArray& linha : linhas) {
                    ASSERT_TRUE(linha.endsWith('\r') || &linha == &linhas.back()) << linha.toStdString();
                    ASSERT_EQ(linha.count(';') + 1, campos) << linha.left(300).toStdString();
                    // A lone CR splits a row for many spreadsheets: the line's texts are left out.
                    ASSERT_EQ(linha.indexOf('\r'), linha.endsWith('\r') ? linha.size() - 1 : -1)
                        << linha.left(300).toStdString();
                }
            }
        }
    }
}

// A model overflow refuses only its point; a full disk stops the batch.
TEST(ProcessaLote, SoUmaFalhaDeSaidaParaOLote)
{
    ConjuntosCoeficientes estouro;
    estouro.intensidade.c(1) = estouro.intensidade.c(2) = 1e300;
    const Processado r = Processa("-23.5;-46.625;31/12/2004\n", Windows1252, estouro);
    EXPECT_TRUE(r.resumo.erro.isEmpty() && r.resumo.falhas == 1);
    EXPECT_TRUE(r.saida.contains("\r\n1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;O c\xE1lculo do modelo ultrapassou"))
        << r.saida.toStdString();

    QFile cheio(QStringLiteral("/dev/full"));
    ASSERT_TRUE(cheio.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const Processado c = Processa("-23.5;-46.625;31/12/2004\n", Windows1252, {}, &cheio);
    EXPECT_EQ(c.resumo.erro.toStdString(), "não foi possível gravar a saída: não há espaço livre no disco.");
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

// Every value in the column the header names for it.
TEST(Saida, ColunasNaOrdemDoCabecalho)
{
    // The struct holds D, I, F, X, Y, Z, dD, dI, dF, dX, dY, dZ.
    const lote::ResultadoPonto r{ElementosCampo{1, 3, 5, 7, 9, 11, 2, 4, 6, 8, 10, 12}, std::nullopt, 2000.5,
                                 QStringLiteral("x"), {}, {}};
    EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, {u"a", u"b", u"c", {}, false}, r); }),
              "9;a;b;c;2000.5;1;2;3;4;5;6;7;8;9;10;11;12;x;\r\n");
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

// IGRF's rates of D and I come in degrees per year; their columns hold minutes.
TEST(Saida, ColunasDoIgrfNaOrdemDoCabecalho)
{
    igrf::ElementosIgrf e;
    e.D = 1, e.dD = 0.5, e.I = 3, e.dI = 0.25, e.F = 5, e.dF = 6, e.X = 7, e.dX = 8, e.Y = 9, e.dY = 10, e.Z = 11;
    e.dZ = 12, e.H = 99, e.dH = 99;  // H is not a column
    const lote::ResultadoPonto r{std::nullopt, e, 1950.5, QStringLiteral("x"), {}, {}};
    EXPECT_EQ(Escrito([&](lote::SaidaLote& s) { lote::EscreveLinhaPonto(s, 9, {u"a", u"b", u"c", {}, false}, r); }),
              "9;a;b;c;1950.5;1;30;3;15;5;6;7;8;9;10;11;12;x;\r\n");
}

// Rows far longer than usual (every number at its longest positional text,
// hundreds of characters for the smallest doubles), enough of them to cross
// the point where the buffer is written out: each piece makes its own room,
// and every field reads back exactly.
TEST(Saida, LinhasDeNumerosLongos)
{
    constexpr int Linhas = 1000;  // about 2.5 MB
    const double minimo = std::numeric_limits<double>::denorm_min();
    const float maximo = std::numeric_limits<float>::max();
    const lote::ResultadoPonto r{ElementosCampo{-maximo, maximo, maximo, -minimo, minimo, -minimo, maximo, -maximo,
                                                maximo, minimo, -minimo, minimo},
                                 std::nullopt, -minimo, QStringLiteral("x"), {}, {}};
    const std::string escrito = Escrito([&](lote::SaidaLote& s) {
        for (int i = 0; i < Linhas; ++i)
            lote::EscreveLinhaPonto(s, i, {u"a", u"b", u"c", {}, false}, r);
    });
    std::size_t inicio = 0;
    for (int i = 0; i < Linhas; ++i) {
        const std::size_t fim = escrito.find("\r\n", inicio);
        ASSERT_NE(fim, std::string::npos);
        const QStringList campos = QString::fromStdString(escrito.substr(inicio, fim - inicio)).split(u';');
        ASSERT_EQ(campos.size(), 19);
        EXPECT_EQ(campos[0].toInt(), i);
        EXPECT_EQ(campos[4].toDouble(), -minimo);
        EXPECT_EQ(campos[5].toFloat(), -maximo);  // D
        EXPECT_EQ(campos[11].toDouble(), -minimo);  // X
        EXPECT_EQ(campos[12].toDouble(), minimo);   // dX
        EXPECT_EQ(campos[15].toDouble(), -minimo);  // Z
        EXPECT_EQ(campos[16].toDouble(), minimo);   // dZ
        EXPECT_EQ(campos[17], u"x");
        inicio = fim + 2;
    }
    EXPECT_EQ(inicio, escrito.size());
}

// The fewest digits that read back as the value of its own type, never an
// exponent, with the locale's separator.
TEST(Saida, NumerosExatosComOSeparadorDoLocale)
{
    const auto texto = [](auto valor, QStringView separador, CodificacaoSaida codificacao = Windows1252) {
        return Escrito([&](lote::SaidaLote& s) { s.numero(valor); }, separador, codificacao);
    };
    EXPECT_EQ(texto(25050.02734375f, u","), "25050,027");  // the double would need all its digits
    EXPECT_EQ(texto(25050.02734375, u","), "25050,02734375");
    EXPECT_EQ(texto(25150.0f, u","), "25150");
    EXPECT_EQ(texto(1e-7f, u","), "0,0000001");
    EXPECT_EQ(texto(3e20f, u"."), "300000006012263202816");  // every whole digit is needed anyway
    EXPECT_EQ(texto(-0.0f, u"."), "-0");
    const QString arabe = QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint();  // U+066B
    EXPECT_EQ(texto(-0.5, arabe, CodificacaoSaida::Utf8), "-0\xD9\xAB" "5");
    EXPECT_EQ(texto(-0.5, arabe), "");  // a separator Windows-1252 lacks stops everything
}

}  // namespace
}  // namespace ceravel::teste
