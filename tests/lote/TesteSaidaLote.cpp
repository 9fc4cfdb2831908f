// The output file: exact numbers with the locale's separator, the two
// encodings, CR LF, the rows of a point and of a failure.
#include "lote/LinhaSaida.h"
#include "lote/SaidaLote.h"
#include "tests/lote/ApoioLote.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

namespace ceravel::teste {
namespace {

using lote::CodificacaoSaida;
using lote::SaidaLote;

// Everything `escreve` puts in a fresh output, as bytes.
template <typename F>
QByteArray Saida(F escreve, CodificacaoSaida codificacao = CodificacaoSaida::Windows1252,
                 QStringView separador = u".")
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    SaidaLote saida(destino, codificacao, separador);
    escreve(saida);
    EXPECT_TRUE(saida.descarrega()) << saida.erro().toStdString();
    return bytes;
}

// ---- numbers

struct CasoNumero {
    const char* nome;
    double valor;
    bool simples;       // written as a float
    const char* texto;  // with "." as separator
};

void PrintTo(const CasoNumero& c, std::ostream* os) { *os << c.nome; }

class Numero : public testing::TestWithParam<std::tuple<CasoNumero, const char*>> {};

TEST_P(Numero, MenosAlgarismosQueVoltamAoMesmoValor)
{
    const auto& [caso, separador] = GetParam();
    const QString sep = QString::fromUtf8(separador);
    const QByteArray texto = Saida(
        [&](SaidaLote& s) {
            if (caso.simples)
                s.numero(static_cast<float>(caso.valor));
            else
                s.numero(caso.valor);
        },
        CodificacaoSaida::Windows1252, sep);
    EXPECT_EQ(texto.toStdString(), QByteArray(caso.texto).replace('.', separador).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Numero,
    testing::Combine(
        testing::Values(
            // 25050.02734375 is the float nearest 25050.027397...; within half
            // a step (2^-10) of it, 25050.027 is the shortest text.
            CasoNumero{"FloatDeIntensidade", 25050.02734375, true, "25050.027"},
            CasoNumero{"FloatNegativo", -0.1, true, "-0.1"},
            CasoNumero{"FloatInteiro", 25150, true, "25150"},
            CasoNumero{"FloatPequenoSemExpoente", 1e-7, true, "0.0000001"},
            // Every whole digit is needed anyway, so the exact ones are written.
            CasoNumero{"FloatGrandeSemExpoente", 3e20, true, "300000006012263202816"},
            CasoNumero{"FloatZeroNegativo", -0.0, true, "-0"},
            CasoNumero{"DoubleUmTerco", 1.0 / 3, false, "0.3333333333333333"},
            CasoNumero{"DoubleAnoDecimal", 1995.0027397260274, false, "1995.0027397260274"},
            CasoNumero{"DoubleInteiro", 2005, false, "2005"},
            CasoNumero{"DoublePequenoSemExpoente", 1e-5, false, "0.00001"},
            CasoNumero{"DoubleMenorQueUmFloat", 2.5e-50, false,
                       "0.000000000000000000000000000000000000000000000000025"}),
        testing::Values(".", ",")),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nome) + (*std::get<1>(info.param) == '.' ? "_ponto" : "_virgula");
    });

// bit-exact: reading the text back must give the very value written.
TEST(Numero, TextosVoltamAosMesmosBits)
{
    std::mt19937_64 aleatorio(2005);
    std::uniform_real_distribution<double> escala(-12, 6);
    std::uniform_int_distribution<int> sinal(0, 1);
    for (int i = 0; i < 20000; ++i) {
        const double valor = (sinal(aleatorio) ? -1 : 1) * std::pow(10.0, escala(aleatorio));
        const bool simples = i % 2 == 0;
        const QByteArray texto = Saida(
            [&](SaidaLote& s) {
                if (simples)
                    s.numero(static_cast<float>(valor));
                else
                    s.numero(valor);
            },
            CodificacaoSaida::Utf8, u",");
        ASSERT_FALSE(texto.contains('e') || texto.contains('E') || texto.contains('.')) << texto.toStdString();
        const std::string lido = QByteArray(texto).replace(',', '.').toStdString();
        if (simples) {
            float volta = 0;
            std::from_chars(lido.data(), lido.data() + lido.size(), volta);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(volta), std::bit_cast<std::uint32_t>(static_cast<float>(valor)))
                << lido;
        } else {
            double volta = 0;
            std::from_chars(lido.data(), lido.data() + lido.size(), volta);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(volta), std::bit_cast<std::uint64_t>(valor)) << lido;
        }
    }
}

// ---- encodings

struct CasoCodificacao {
    const char* nome;
    QString texto;
    CodificacaoSaida codificacao;
    bool aceito;
    QByteArray bytes;
};

void PrintTo(const CasoCodificacao& c, std::ostream* os) { *os << c.nome; }

class Codificacao : public testing::TestWithParam<CasoCodificacao> {};

TEST_P(Codificacao, NuncaTrocaUmCaractere)
{
    const CasoCodificacao& caso = GetParam();
    bool aceito = false;
    const QByteArray bytes = Saida(
        [&](SaidaLote& s) {
            s.iniciaLinha();
            s.texto(u"a;");
            aceito = s.texto(caso.texto);
            if (!aceito)
                s.desfazLinha();
        },
        caso.codificacao);
    EXPECT_EQ(aceito, caso.aceito);
    EXPECT_EQ(bytes.toHex(' ').toStdString(), caso.bytes.toHex(' ').toStdString());
}

constexpr auto W = CodificacaoSaida::Windows1252;
constexpr auto U = CodificacaoSaida::Utf8;

INSTANTIATE_TEST_SUITE_P(
    Tabela, Codificacao,
    testing::Values(
        CasoCodificacao{"OrdinalDaDeclinacaoW", QStringLiteral("-21º07'30''"), W, true, QByteArray("a;-21\xBA" "07'30''")},
        CasoCodificacao{"OrdinalDaDeclinacaoU", QStringLiteral("-21º07'30''"), U, true,
                        QByteArray("a;-21\xC2\xBA" "07'30''")},
        CasoCodificacao{"AcentosW", QStringLiteral("mês"), W, true, QByteArray("a;m\xEAs")},
        CasoCodificacao{"EuroSoEmWindows1252", QStringLiteral("€"), W, true, QByteArray("a;\x80")},
        CasoCodificacao{"SinalDeMenosUnicodeW", QStringLiteral("−23"), W, false, QByteArray()},
        CasoCodificacao{"SinalDeMenosUnicodeU", QStringLiteral("−23"), U, true, QByteArray("a;\xE2\x88\x92" "23")},
        CasoCodificacao{"ForaDoPlanoBasicoW", QStringLiteral("😀"), W, false, QByteArray()}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Codificacao, NomeiaOCaractereQueFalta)
{
    EXPECT_EQ(lote::PrimeiroNaoRepresentavel(u"-23 € −5"), QStringLiteral("U+2212"));
    EXPECT_EQ(lote::PrimeiroNaoRepresentavel(QStringLiteral("a😀")), QStringLiteral("U+1F600"));
    EXPECT_EQ(lote::PrimeiroNaoRepresentavel(u"ação"), QString());
}

TEST(Codificacao, SeparadorQueAPaginaNaoTem)
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    const QString arabe = QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint();  // U+066B
    SaidaLote w(destino, W, arabe);
    EXPECT_FALSE(w.erro().isEmpty());
    EXPECT_FALSE(w.descarrega());
    EXPECT_TRUE(bytes.isEmpty());

    const QByteArray utf8 = Saida([](SaidaLote& s) { s.numero(-0.5); }, U, arabe);
    EXPECT_EQ(utf8, QByteArray("-0") + arabe.toUtf8() + "5");
}

// ---- rows

lote::ResultadoPonto ResultadoConhecido()
{
    lote::ResultadoPonto r;
    ElementosCampo e;
    e.D = -21.125f;
    e.I = -30.5f;
    e.F = 23456.75f;
    e.m = -7.5f;
    e.n = -1.25f;
    e.dF = -25.5f;
    e.X = 18820.0625;
    e.Y = -7283.5;
    e.Z = -11768.25;
    e.dX = 3.0;
    e.dY = -10.125;
    e.dZ = 12.0;
    r.elementos = e;
    r.anoDecimal = 2000.5;
    r.declinacao = QStringLiteral("-21º07'30''");
    return r;
}

const lote::TextosLinha Textos{u"-23,5", u"-46 52 30", u"15/06/2000"};

TEST(Linhas, PontoComTodasAsColunas)
{
    const QByteArray bytes = Saida(
        [](SaidaLote& s) { ASSERT_TRUE(lote::EscreveLinhaPonto(s, 7, Textos, ResultadoConhecido())); }, W, u",");
    EXPECT_EQ(bytes.toStdString(),
              "7;-23,5;-46 52 30;15/06/2000;2000,5;-21,125;-7,5;-30,5;-1,25;23456,75;-25,5;18820,0625;3;"
              "-7283,5;-10,125;-11768,25;12;-21\xBA" "07'30'';\r\n");
}

TEST(Linhas, FalhaComAMensagemNaUltimaColuna)
{
    lote::ResultadoPonto recusado;
    recusado.mensagem = QStringLiteral("Por favor, corrija o mês.");
    const QByteArray bytes = Saida(
        [&](SaidaLote& s) { ASSERT_TRUE(lote::EscreveLinhaPonto(s, 12, Textos, recusado)); }, W, u",");
    EXPECT_EQ(bytes.toStdString(), "12;-23,5;-46 52 30;15/06/2000;;;;;;;;;;;;;;;Por favor, corrija o m\xEAs.\r\n");
    // As many columns as the header.
    EXPECT_EQ(bytes.count(';'), lote::CabecalhoSaida().count(u';'));
}

TEST(Linhas, CabecalhoNaCodificacaoEscolhida)
{
    const QByteArray w = Saida([](SaidaLote& s) { ASSERT_TRUE(lote::EscreveCabecalho(s)); }, W);
    const QByteArray u = Saida([](SaidaLote& s) { ASSERT_TRUE(lote::EscreveCabecalho(s)); }, U);
    EXPECT_TRUE(w.startsWith("Linha;Latitude;Longitude;Data;Ano decimal;D (graus);"));
    EXPECT_TRUE(w.endsWith(";Declina\xE7\xE3o;Mensagem\r\n"));
    EXPECT_TRUE(u.endsWith(";Declina\xC3\xA7\xC3\xA3o;Mensagem\r\n"));
    EXPECT_EQ(QString::fromUtf8(u).count(u';'), 18);
}

TEST(Linhas, TextoSemRepresentacaoNaoDeixaMeiaLinha)
{
    const lote::TextosLinha comMenos{u"−23.5", u"-46", u"1/1/2000"};
    const QByteArray bytes = Saida([&](SaidaLote& s) {
        ASSERT_TRUE(lote::EscreveLinhaPonto(s, 1, Textos, ResultadoConhecido()));
        EXPECT_FALSE(lote::EscreveLinhaPonto(s, 2, comMenos, ResultadoConhecido()));
        EXPECT_TRUE(s.erro().isEmpty());
    });
    EXPECT_EQ(bytes.count("\r\n"), 1);
    EXPECT_FALSE(bytes.contains("\r\n2;"));
}

TEST(Gravacao, FalhaDoDispositivoViraMensagem)
{
    DispositivoCheio cheio;
    SaidaLote saida(cheio, W, u".");
    ASSERT_TRUE(lote::EscreveCabecalho(saida));
    EXPECT_FALSE(saida.descarrega());
    EXPECT_TRUE(saida.erro().startsWith(QStringLiteral("não foi possível gravar a saída"))) << saida.erro().toStdString();
}

}  // namespace
}  // namespace ceravel::teste
