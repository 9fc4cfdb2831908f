// Reading the input: lines and their ends, lines across reads, overlong
// lines, and the text of each line in UTF-8 or Windows-1252.
#include "lote/DecodificaLinha.h"
#include "lote/LeitorLinhas.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <string>
#include <vector>

namespace ceravel::teste {
namespace {

// Each line as "bytes" or, when cut for being overlong, "LONGA:<size>".
std::vector<std::string> LeTudo(QByteArray conteudo)
{
    QBuffer origem(&conteudo);
    origem.open(QIODevice::ReadOnly);
    lote::LeitorLinhas leitor(origem, 1);  // the smallest block: lines straddle the reads
    std::vector<std::string> linhas;
    QByteArrayView linha;
    while (leitor.proxima(linha)) {
        EXPECT_EQ(leitor.numero(), static_cast<qint64>(linhas.size() + 1));
        linhas.push_back(leitor.longaDemais() ? "LONGA:" + std::to_string(linha.size()) : linha.toByteArray().toStdString());
    }
    EXPECT_TRUE(leitor.erro().isEmpty());
    EXPECT_EQ(leitor.bytesLidos(), conteudo.size());
    return linhas;
}

using Linhas = std::vector<std::string>;

TEST(Leitura, LinhasSemOFim)
{
    EXPECT_EQ(LeTudo(""), Linhas{});
    EXPECT_EQ(LeTudo("\n"), Linhas{""});
    EXPECT_EQ(LeTudo("a;b\r\nc;d\n\ne"), (Linhas{"a;b", "c;d", "", "e"}));
    EXPECT_EQ(LeTudo("a\nb\r"), (Linhas{"a", "b"}));
    EXPECT_EQ(LeTudo("a\rb\n"), Linhas{"a\rb"});
}

TEST(Leitura, MuitasLinhasAtravessamAsLeituras)
{
    QByteArray conteudo;
    Linhas esperadas;
    for (int i = 0; i < 30000; ++i) {
        esperadas.push_back("-23." + std::to_string(i) + ";-46;1/1/2000");
        conteudo += QByteArray::fromStdString(esperadas.back()) + (i % 2 ? "\r\n" : "\n");
    }
    EXPECT_EQ(LeTudo(conteudo), esperadas);
}

TEST(Leitura, LinhaLongaDemaisCortadaEASeguinteInteira)
{
    constexpr qsizetype maximo = lote::LeitorLinhas::TamanhoMaximoLinha;
    const QByteArray cheia(maximo, 'y');
    const QByteArray longa(3 * maximo + 17, 'x');
    const std::string cortada = "LONGA:" + std::to_string(maximo);
    EXPECT_EQ(LeTudo(cheia + "\n" + longa + "\r\nb;c\n" + longa), (Linhas{cheia.toStdString(), cortada, "b;c", cortada}));
}

TEST(Texto, CadaLinhaEmUtf8OuWindows1252)
{
    lote::DecodificaLinha d;
    EXPECT_EQ(d.decodifica("-23.5;-46;1/1/2000"), QStringLiteral("-23.5;-46;1/1/2000"));
    EXPECT_EQ(d.decodifica("Observa\xC3\xA7\xC3\xA3o \xE2\x88\x92" "23"), QStringLiteral("Observação −23"));
    EXPECT_EQ(d.decodifica("Observa\xE7\xE3o"), QStringLiteral("Observação"));
    // 0x80 to 0x9F are where Windows-1252 is not Latin-1; the five bytes it
    // leaves undefined read as the control characters Windows gives them.
    EXPECT_EQ(d.decodifica("\x93" "dado\x94 \x80 \x81"), QStringLiteral("“dado” € \u0081"));
    EXPECT_EQ(d.decodifica("\xC3"), QStringLiteral("Ã"));  // UTF-8 cut short
}

TEST(Texto, MarcaDeOrdemDosBytes)
{
    EXPECT_EQ(lote::ExaminaInicio("\xEF\xBB\xBFlat").marcaUtf8, 3);
    EXPECT_EQ(lote::ExaminaInicio("lat").marcaUtf8, 0);
    EXPECT_TRUE(lote::ExaminaInicio("\xFF" "a").erro.isEmpty());
    EXPECT_FALSE(lote::ExaminaInicio(QByteArrayView("\xFF\xFEl\0", 4)).erro.isEmpty());
    EXPECT_FALSE(lote::ExaminaInicio(QByteArrayView("\xFE\xFF\0l", 4)).erro.isEmpty());
}

}  // namespace
}  // namespace ceravel::teste
