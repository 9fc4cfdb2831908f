// A whole batch in the process: which lines count, the rows written, the
// counts, both input encodings and what stops the batch.
#include "lote/LeitorLinhas.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "tests/lote/ApoioLote.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace ceravel::teste {
namespace {

using lote::CodificacaoSaida;

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

Processado Processa(QByteArray entrada, const QLocale& locale = QLocale::c(),
                    CodificacaoSaida codificacao = CodificacaoSaida::Windows1252,
                    const lote::ModeloLote& modelo = ModeloSimples())
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado resultado;
    QBuffer destino(&resultado.saida);
    destino.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino, codificacao, locale.decimalPoint());
    resultado.resumo = lote::ProcessaLote(leitor, saida, modelo, locale);
    return resultado;
}

const QByteArray Cabecalho =
    "Linha;Latitude;Longitude;Data;Ano decimal;D (graus);dD (min/ano);I (graus);dI (min/ano);F (nT);"
    "dF (nT/ano);X (nT);dX (nT/ano);Y (nT);dY (nT/ano);Z (nT);dZ (nT/ano);Declina\xE7\xE3o;Mensagem\r\n";

const QByteArray Entrada =
    "# pontos de teste\n"
    "latitude;longitude;data\n"
    "\n"
    "-23.5;-46.625;31/12/2004\n"
    "-15 30 0;-47 52 30;01/01/1995\r\n"
    "-23.5;-46.625;31/02/2000";

// With ModeloSimples: 31/12/2004 is exactly 2005 (t = 15, F = 25150); for
// 01/01/1995, t = 5.002739726027357 and F is the float 25050.02734375, whose
// shortest text is 25050.027; X = F in double; D = I = 0 give 0º00'00''.
TEST(ProcessaLote, LinhasNumeradasComoNaEntrada)
{
    const Processado r = Processa(Entrada);
    ASSERT_TRUE(r.resumo.erro.isEmpty()) << r.resumo.erro.toStdString();
    EXPECT_EQ(r.saida.toStdString(),
              (Cabecalho +
               "4;-23.5;-46.625;31/12/2004;2005;0;0;0;0;25150;10;25150;10;0;0;0;0;0\xBA" "00'00'';\r\n"
               "5;-15 30 0;-47 52 30;01/01/1995;1995.0027397260274;0;0;0;0;25050.027;10;25050.02734375;10;"
               "0;0;0;0;0\xBA" "00'00'';\r\n"
               "6;-23.5;-46.625;31/02/2000;;;;;;;;;;;;;;;Por favor, corrija o dia. N\xE3o pode ser maior do que o "
               "n\xFAmero de dias no m\xEAs!\r\n")
                  .toStdString());
    EXPECT_EQ(r.resumo.pontos, 3);
    EXPECT_EQ(r.resumo.falhas, 1);

    // pt_BR: commas in the numbers written, the full stop of the input still read.
    const Processado pt = Processa(Entrada, QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_TRUE(pt.saida.contains("\r\n4;-23.5;-46.625;31/12/2004;2005;0;0;0;0;25150;10;25150;10;0;0;0;0;0\xBA"));
    EXPECT_TRUE(pt.saida.contains(";1995,0027397260274;0;0;0;0;25050,027;10;25050,02734375;10;"));
    EXPECT_EQ(pt.resumo.falhas, 1);
}

TEST(ProcessaLote, SemPontosSoOCabecalho)
{
    for (const QByteArray& entrada : {QByteArray(), QByteArray("# nada\n\n  \n;;\n"), QByteArray("lat;lon;data\n")}) {
        const Processado r = Processa(entrada);
        EXPECT_EQ(r.saida, Cabecalho) << entrada.toStdString();
        EXPECT_EQ(r.resumo.pontos, 0);
        EXPECT_TRUE(r.resumo.erro.isEmpty());
    }
}

TEST(ProcessaLote, SoAPrimeiraLinhaComConteudoPodeSerCabecalho)
{
    const Processado r = Processa("-23.5;-46.625;31/12/2004\nlat;lon;data\n");
    EXPECT_EQ(r.resumo.pontos, 2);
    EXPECT_EQ(r.resumo.falhas, 1);
    EXPECT_TRUE(r.saida.contains(Cabecalho + "1;-23.5;-46.625;31/12/2004;2005;"));
    EXPECT_TRUE(r.saida.endsWith("\r\n2;lat;lon;data;;;;;;;;;;;;;;;A data deve estar na forma dd/mm/aaaa.\r\n"));
}

TEST(ProcessaLote, LinhasQueNaoCabemNumPonto)
{
    const QByteArray longa(lote::LeitorLinhas::TamanhoMaximoLinha + 10, '1');
    const Processado r = Processa("-23.5;-46.625;31/12/2004;extra\n" + longa + "\n-23.5;-46.625;31/12/2004\n");
    EXPECT_EQ(r.resumo.pontos, 3);
    EXPECT_EQ(r.resumo.falhas, 2);
    EXPECT_TRUE(r.saida.contains("\r\n1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;A linha deve ter tr\xEAs campos "
                                 "separados por ponto e v\xEDrgula: latitude, longitude e data.\r\n"
                                 "2;;;;;;;;;;;;;;;;;;A linha \xE9 longa demais para conter um ponto.\r\n3;-23.5;"))
        << r.saida.left(1000).toStdString();
}

TEST(ProcessaLote, AsDuasCodificacoesDaEntradaDaoOsMesmosBytes)
{
    const Processado utf8 = Processa("\xEF\xBB\xBFObserva\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;-46;1/1/2000\n");
    const Processado windows1252 = Processa("Observa\xE7\xE3o;Longitude;Data\n-23\xBA;-46;1/1/2000\n");
    EXPECT_EQ(utf8.saida, windows1252.saida);
    EXPECT_TRUE(utf8.saida.contains("\r\n2;-23\xBA;-46;1/1/2000;")) << utf8.saida.toStdString();
    EXPECT_EQ(utf8.resumo.pontos, 1);
}

TEST(ProcessaLote, CaractereForaDeWindows1252NaoEMutilado)
{
    const QByteArray entrada = "\xE2\x88\x92" "23.5;-46.625;31/12/2004\n-23.5;-46.625;31/12/2004\n";
    const Processado w = Processa(entrada);
    EXPECT_EQ(w.resumo.falhas, 1);
    EXPECT_TRUE(w.saida.contains("\r\n1;;;;;;;;;;;;;;;;;;A linha tem o caractere U+2212, que a codifica\xE7\xE3o "
                                 "Windows-1252 n\xE3o representa; os textos da linha foram omitidos. Use a op\xE7\xE3o "
                                 "--utf8.\r\n2;-23.5;"))
        << w.saida.toStdString();
    // In UTF-8 the text is kept, and the calculator judges it.
    const Processado u = Processa(entrada, QLocale::c(), CodificacaoSaida::Utf8);
    EXPECT_TRUE(u.saida.contains("\r\n1;\xE2\x88\x92" "23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;Por favor, entre "
                                 "somente com n\xC3\xBAmeros."))
        << u.saida.toStdString();
}

TEST(ProcessaLote, EstouroDoModeloRecusaSoOPonto)
{
    lote::ModeloLote modelo;
    modelo.intensidade.c(1) = 1e300;
    modelo.intensidade.c(2) = 1e300;
    const Processado r = Processa("-23.5;-46.625;31/12/2004\n", QLocale::c(), CodificacaoSaida::Windows1252, modelo);
    EXPECT_EQ(r.resumo.falhas, 1);
    EXPECT_TRUE(r.saida.contains(";O c\xE1lculo do modelo ultrapassou o limite num\xE9rico (estouro).")) << r.saida.toStdString();
}

TEST(ProcessaLote, EntradaEmUtf16OuSaidaCheiaParamOLote)
{
    const Processado utf16 = Processa(QByteArray("\xFF\xFE-\0" "2\0", 6));
    EXPECT_TRUE(utf16.resumo.erro.contains(QStringLiteral("UTF-16"))) << utf16.resumo.erro.toStdString();
    EXPECT_EQ(utf16.resumo.pontos, 0);

    QByteArray entrada = Entrada;
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    DispositivoCheio cheio;
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(cheio, CodificacaoSaida::Windows1252, u".");
    const lote::ResumoLote resumo = lote::ProcessaLote(leitor, saida, ModeloSimples(), QLocale::c());
    EXPECT_EQ(resumo.erro.toStdString(), "não foi possível gravar a saída: erro do sistema (No space left on device).");
}

}  // namespace
}  // namespace ceravel::teste
