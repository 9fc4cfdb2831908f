// Reading the input: lines and their ends, block boundaries, overlong lines,
// and the text of each line in UTF-8 or Windows-1252.
#include "lote/DecodificaLinha.h"
#include "lote/LeitorLinhas.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace ceravel::teste {
namespace {

struct LinhaLida {
    qint64 numero;
    std::string bytes;
    bool longa;
};

std::vector<LinhaLida> LeTudo(QByteArray conteudo, qsizetype bloco)
{
    QBuffer origem(&conteudo);
    origem.open(QIODevice::ReadOnly);
    lote::LeitorLinhas leitor(origem, bloco);
    std::vector<LinhaLida> linhas;
    QByteArrayView linha;
    while (leitor.proxima(linha))
        linhas.push_back({leitor.numero(), linha.toByteArray().toStdString(), leitor.longaDemais()});
    EXPECT_TRUE(leitor.erro().isEmpty());
    EXPECT_EQ(leitor.bytesLidos(), conteudo.size());
    return linhas;
}

struct CasoLinhas {
    const char* nome;
    QByteArray conteudo;
    std::vector<std::string> linhas;
};

void PrintTo(const CasoLinhas& c, std::ostream* os) { *os << c.nome; }

class Linhas : public testing::TestWithParam<std::tuple<CasoLinhas, qsizetype>> {};

// The same lines whatever the block size: a line may straddle two blocks.
TEST_P(Linhas, SemOFimDeLinha)
{
    const auto& [caso, bloco] = GetParam();
    const std::vector<LinhaLida> lidas = LeTudo(caso.conteudo, bloco);
    ASSERT_EQ(lidas.size(), caso.linhas.size());
    for (std::size_t i = 0; i < lidas.size(); ++i) {
        EXPECT_EQ(lidas[i].bytes, caso.linhas[i]) << "line " << i + 1;
        EXPECT_EQ(lidas[i].numero, static_cast<qint64>(i + 1));
        EXPECT_FALSE(lidas[i].longa);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Linhas,
    testing::Combine(
        testing::Values(CasoLinhas{"Vazia", QByteArray(), {}},
                        CasoLinhas{"SoFimDeLinha", QByteArray("\n"), {""}},
                        CasoLinhas{"Lf", QByteArray("a;b;c\nd;e;f\n"), {"a;b;c", "d;e;f"}},
                        CasoLinhas{"CrLf", QByteArray("a;b;c\r\nd;e;f\r\n"), {"a;b;c", "d;e;f"}},
                        CasoLinhas{"UltimaSemFim", QByteArray("a\r\nb"), {"a", "b"}},
                        CasoLinhas{"UltimaSemFimComCr", QByteArray("a\nb\r"), {"a", "b"}},
                        CasoLinhas{"LinhasVaziasNoMeio", QByteArray("a\n\n\r\nb\n"), {"a", "", "", "b"}},
                        CasoLinhas{"CrNoMeioFica", QByteArray("a\rb\n"), {"a\rb"}}),
        // The constructor keeps at least room for the longest line; the small
        // value is raised to that, the others split lines across reads.
        testing::Values(qsizetype(1), qsizetype(1 << 20))),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nome) + "_bloco" + std::to_string(std::get<1>(info.param));
    });

// Many short lines over several reads of the smallest block: lines straddle
// the reads at every possible place.
TEST(Linhas, AtravessamOsBlocos)
{
    QByteArray conteudo;
    std::vector<std::string> esperadas;
    for (int i = 0; i < 30000; ++i) {
        esperadas.push_back("-23." + std::to_string(i) + ";-46;1/1/2000");
        conteudo += QByteArray::fromStdString(esperadas.back()) + (i % 2 ? "\r\n" : "\n");
    }
    const std::vector<LinhaLida> lidas = LeTudo(conteudo, 1);
    ASSERT_EQ(lidas.size(), esperadas.size());
    for (std::size_t i = 0; i < lidas.size(); ++i)
        ASSERT_EQ(lidas[i].bytes, esperadas[i]) << "line " << i + 1;
}

TEST(LinhasLongas, CortadaMarcadaEASeguinteInteira)
{
    constexpr qsizetype maximo = lote::LeitorLinhas::TamanhoMaximoLinha;
    const QByteArray longa(3 * maximo + 17, 'x');
    const std::vector<LinhaLida> lidas = LeTudo("a\n" + longa + "\r\nb;c\n" + longa, 1 << 20);
    ASSERT_EQ(lidas.size(), 4u);
    EXPECT_EQ(lidas[0].bytes, "a");
    EXPECT_TRUE(lidas[1].longa);
    EXPECT_EQ(lidas[1].bytes.size(), static_cast<std::size_t>(maximo));
    EXPECT_EQ(lidas[1].numero, 2);
    EXPECT_EQ(lidas[2].bytes, "b;c");
    EXPECT_FALSE(lidas[2].longa);
    EXPECT_EQ(lidas[2].numero, 3);
    EXPECT_TRUE(lidas[3].longa);  // the last one, with no line end
    EXPECT_EQ(lidas[3].numero, 4);
}

TEST(LinhasLongas, NoLimiteAindaInteira)
{
    const QByteArray cheia(lote::LeitorLinhas::TamanhoMaximoLinha, 'y');
    const std::vector<LinhaLida> lidas = LeTudo(cheia + "\n" + cheia, 1);
    ASSERT_EQ(lidas.size(), 2u);
    EXPECT_FALSE(lidas[0].longa);
    EXPECT_FALSE(lidas[1].longa);
    EXPECT_EQ(lidas[0].bytes.size(), cheia.size());
}

class OrigemComDefeito : public QIODevice {
public:
    OrigemComDefeito() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* dados, qint64 maximo) override
    {
        if (entregue)
            return -1;
        entregue = true;
        const QByteArray inicio("a;b;c\nd;e");
        std::memcpy(dados, inicio.constData(), static_cast<std::size_t>(std::min<qint64>(maximo, inicio.size())));
        return inicio.size();
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool entregue = false;
};

TEST(FalhaDeLeitura, ParaComMensagem)
{
    OrigemComDefeito origem;
    lote::LeitorLinhas leitor(origem);
    QByteArrayView linha;
    ASSERT_TRUE(leitor.proxima(linha));
    EXPECT_EQ(linha, QByteArrayView("a;b;c"));
    // The half line before the failure is not handed out as if it were whole.
    EXPECT_FALSE(leitor.proxima(linha));
    EXPECT_TRUE(QString(leitor.erro()).startsWith(QStringLiteral("não foi possível ler a entrada")))
        << leitor.erro().toStdString();
}

// ---- the text of a line

struct CasoTexto {
    const char* nome;
    QByteArray bytes;
    QString texto;
};

void PrintTo(const CasoTexto& c, std::ostream* os) { *os << c.nome; }

class Texto : public testing::TestWithParam<CasoTexto> {};

TEST_P(Texto, Utf8OuWindows1252)
{
    lote::DecodificaLinha decodifica;
    EXPECT_EQ(decodifica.decodifica(GetParam().bytes), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Texto,
    testing::Values(
        CasoTexto{"Ascii", QByteArray("-23.5;-46;1/1/2000"), QStringLiteral("-23.5;-46;1/1/2000")},
        CasoTexto{"Utf8", QByteArray("Observa\xC3\xA7\xC3\xA3o \xE2\x88\x92" "23"), QStringLiteral("Observação −23")},
        CasoTexto{"Windows1252", QByteArray("Observa\xE7\xE3o"), QStringLiteral("Observação")},
        // 0x80 to 0x9F are where Windows-1252 is not Latin-1.
        CasoTexto{"Windows1252AspasEEuro", QByteArray("\x93" "dado\x94 \x80"), QStringLiteral("“dado” €")},
        CasoTexto{"ByteSemCaractereViraControle", QByteArray("a\x81" "b"), QStringLiteral("a\u0081b")},
        CasoTexto{"Utf8Truncado", QByteArray("\xC3"), QStringLiteral("Ã")},
        CasoTexto{"Vazia", QByteArray(), QString()}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Texto, CadaLinhaDecideSozinha)
{
    lote::DecodificaLinha decodifica;
    EXPECT_EQ(decodifica.decodifica(QByteArray("\xC3\xA9poca")), QStringLiteral("época"));
    EXPECT_EQ(decodifica.decodifica(QByteArray("\xC9poca")), QStringLiteral("Época"));
    EXPECT_EQ(decodifica.decodifica(QByteArray("-23")), QStringLiteral("-23"));
    EXPECT_EQ(decodifica.decodifica(QByteArray("\xE9")), QStringLiteral("é"));
}

struct CasoInicio {
    const char* nome;
    QByteArray bytes;
    qsizetype marca;
    bool erro;
};

void PrintTo(const CasoInicio& c, std::ostream* os) { *os << c.nome; }

class Inicio : public testing::TestWithParam<CasoInicio> {};

TEST_P(Inicio, MarcaDeOrdemDosBytes)
{
    const lote::InicioEntrada inicio = lote::ExaminaInicio(GetParam().bytes);
    EXPECT_EQ(inicio.marcaUtf8, GetParam().marca);
    EXPECT_EQ(!inicio.erro.isEmpty(), GetParam().erro);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Inicio,
                         testing::Values(CasoInicio{"SemMarca", QByteArray("lat;lon;data"), 0, false},
                                         CasoInicio{"Utf8", QByteArray("\xEF\xBB\xBFlat"), 3, false},
                                         CasoInicio{"Utf16Little", QByteArray("\xFF\xFEl\0", 4), 0, true},
                                         CasoInicio{"Utf16Big", QByteArray("\xFE\xFF\0l", 4), 0, true},
                                         CasoInicio{"Windows1252ComY", QByteArray("\xFF" "a"), 0, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
