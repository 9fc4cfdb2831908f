// The output: exact numbers with the locale's separator, and texts in the
// two encodings, never altered to fit.
#include "lote/SaidaLote.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QLocale>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

namespace ceravel::teste {
namespace {

using lote::CodificacaoSaida;
using lote::SaidaLote;
constexpr auto W = CodificacaoSaida::Windows1252;
constexpr auto U = CodificacaoSaida::Utf8;

// Everything `escreve` puts in a fresh output, as bytes.
template <typename F>
QByteArray Saida(F escreve, CodificacaoSaida codificacao = W, QStringView separador = u".")
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    SaidaLote saida(destino, codificacao, separador);
    escreve(saida);
    EXPECT_TRUE(saida.descarrega()) << saida.erro().toStdString();
    return bytes;
}

TEST(Numero, PosicionalComOSeparadorDoLocale)
{
    const auto texto = [](auto valor, QStringView separador) {
        return Saida([&](SaidaLote& s) { s.numero(valor); }, W, separador).toStdString();
    };
    // 25050.02734375 is the float nearest 25050.0273972...; 25050.027 is the
    // shortest text within half a step (2^-10) of it.
    EXPECT_EQ(texto(25050.02734375f, u","), "25050,027");
    EXPECT_EQ(texto(-0.1f, u"."), "-0.1");
    EXPECT_EQ(texto(25150.0f, u","), "25150");
    EXPECT_EQ(texto(1e-7f, u","), "0,0000001");
    // Every whole digit is needed anyway, so the exact ones are written.
    EXPECT_EQ(texto(3e20f, u"."), "300000006012263202816");
    EXPECT_EQ(texto(-0.0f, u"."), "-0");
    EXPECT_EQ(texto(1995.0027397260274, u","), "1995,0027397260274");
    EXPECT_EQ(texto(1e-5, u"."), "0.00001");
    const QString arabe = QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint();  // U+066B
    EXPECT_EQ(Saida([](SaidaLote& s) { s.numero(-0.5); }, U, arabe), QByteArray("-0\xD9\xAB" "5"));
}

// bit-exact: reading the text back must give the very value written.
TEST(Numero, TextosVoltamAosMesmosBits)
{
    std::mt19937_64 aleatorio(2005);
    std::uniform_real_distribution<double> escala(-12, 6);
    for (int i = 0; i < 20000; ++i) {
        const double valor = (i % 4 < 2 ? -1 : 1) * std::pow(10.0, escala(aleatorio));
        const bool simples = i % 2 == 0;
        const QByteArray texto = Saida([&](SaidaLote& s) { simples ? s.numero(float(valor)) : s.numero(valor); });
        ASSERT_FALSE(texto.contains('e')) << texto.toStdString();
        const char* fim = texto.constData() + texto.size();
        if (simples) {
            float volta = 0;
            ASSERT_EQ(std::from_chars(texto.constData(), fim, volta).ptr, fim);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(volta), std::bit_cast<std::uint32_t>(float(valor))) << texto.toStdString();
        } else {
            double volta = 0;
            ASSERT_EQ(std::from_chars(texto.constData(), fim, volta).ptr, fim);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(volta), std::bit_cast<std::uint64_t>(valor)) << texto.toStdString();
        }
    }
}

TEST(Texto, NuncaTrocaUmCaractere)
{
    const auto escreve = [](const QString& texto, CodificacaoSaida codificacao) {
        bool aceito = false;
        const QByteArray bytes = Saida(
            [&](SaidaLote& s) {
                s.iniciaLinha();
                s.separaCampo();
                if (!(aceito = s.texto(texto)))
                    s.desfazLinha();
            },
            codificacao);
        return std::pair{aceito, bytes};
    };
    EXPECT_EQ(escreve(QStringLiteral("-21º07'30''"), W), std::pair(true, QByteArray(";-21\xBA" "07'30''")));
    EXPECT_EQ(escreve(QStringLiteral("-21º07'30''"), U), std::pair(true, QByteArray(";-21\xC2\xBA" "07'30''")));
    EXPECT_EQ(escreve(QStringLiteral("mês €"), W), std::pair(true, QByteArray(";m\xEAs \x80")));
    EXPECT_EQ(escreve(QStringLiteral("−23"), W), std::pair(false, QByteArray()));
    EXPECT_EQ(escreve(QStringLiteral("−23"), U), std::pair(true, QByteArray(";\xE2\x88\x92" "23")));
    EXPECT_EQ(lote::PrimeiroNaoRepresentavel(u"-23 € −5"), QStringLiteral("U+2212"));
    EXPECT_EQ(lote::PrimeiroNaoRepresentavel(QStringLiteral("a😀")), QStringLiteral("U+1F600"));
}

TEST(Texto, SeparadorQueWindows1252NaoTemImpedeTudo)
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    SaidaLote saida(destino, W, QLocale(QLocale::Arabic, QLocale::Egypt).decimalPoint());
    EXPECT_TRUE(saida.erro().contains(QStringLiteral("U+066B"))) << saida.erro().toStdString();
    EXPECT_FALSE(saida.descarrega());
    EXPECT_TRUE(bytes.isEmpty());
}

}  // namespace
}  // namespace ceravel::teste
