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

const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

Processado Processa(QByteArray entrada, const QLocale& locale = QLocale::c(),
              CodificacaoSaida codificacao = CodificacaoSaida::Windows1252)
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado resultado;
    QBuffer destino(&resultado.saida);
    destino.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino, codificacao, locale.decimalPoint());
    resultado.resumo = lote::ProcessaLote(leitor, saida, ModeloSimples(), locale);
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
}

TEST(ProcessaLote, VirgulaDoLocaleNosNumerosDaSaida)
{
    const Processado r = Processa(Entrada, PtBr);
    EXPECT_TRUE(r.saida.contains("\r\n5;-15 30 0;-47 52 30;01/01/1995;1995,0027397260274;0;0;0;0;25050,027;10;"
                                    "25050,02734375;10;0;0;0;0;0\xBA" "00'00'';\r\n"))
        << r.saida.toStdString();
    // The full stop of the input was read in pt_BR too; the input text is kept.
    EXPECT_TRUE(r.saida.contains("\r\n4;-23.5;-46.625;31/12/2004;2005;")) << r.saida.toStdString();
    EXPECT_EQ(r.resumo.falhas, 1);
}

TEST(ProcessaLote, ArquivoVazioSoCabecalho)
{
    const Processado r = Processa(QByteArray());
    EXPECT_EQ(r.saida, Cabecalho);
    EXPECT_EQ(r.resumo.pontos, 0);
    EXPECT_EQ(r.resumo.falhas, 0);
    EXPECT_TRUE(r.resumo.erro.isEmpty());
}

TEST(ProcessaLote, SoComentariosELinhasEmBranco)
{
    const Processado r = Processa("# nada\n\n  \n;;\n");
    EXPECT_EQ(r.saida, Cabecalho);
    EXPECT_EQ(r.resumo.pontos, 0);
}

TEST(ProcessaLote, SemCabecalhoAPrimeiraLinhaEPonto)
{
    const Processado r = Processa("-23.5;-46.625;31/12/2004\n");
    EXPECT_TRUE(r.saida.startsWith(Cabecalho + "1;-23.5;-46.625;31/12/2004;2005;")) << r.saida.toStdString();
    EXPECT_EQ(r.resumo.pontos, 1);
}

TEST(ProcessaLote, SoAPrimeiraLinhaComConteudoPodeSerCabecalho)
{
    const Processado r = Processa("lat;lon;data\n-23.5;-46.625;31/12/2004\nlat;lon;data\n");
    EXPECT_EQ(r.resumo.pontos, 2);
    EXPECT_EQ(r.resumo.falhas, 1);
    EXPECT_TRUE(r.saida.endsWith("3;lat;lon;data;;;;;;;;;;;;;;;A data deve estar na forma dd/mm/aaaa.\r\n"))
        << r.saida.toStdString();
}

TEST(ProcessaLote, AsDuasCodificacoesDaEntradaDaoOsMesmosBytes)
{
    const QByteArray utf8 = "Observa\xC3\xA7\xC3\xA3o;Longitude;Data\n-23\xC2\xBA;-46;1/1/2000\n";
    const QByteArray windows1252 = "Observa\xE7\xE3o;Longitude;Data\n-23\xBA;-46;1/1/2000\n";
    const Processado a = Processa(utf8);
    const Processado b = Processa(windows1252);
    EXPECT_EQ(a.saida, b.saida);
    EXPECT_TRUE(a.saida.contains("\r\n2;-23\xBA;-46;1/1/2000;")) << a.saida.toStdString();
    const Processado c = Processa(windows1252, QLocale::c(), CodificacaoSaida::Utf8);
    EXPECT_TRUE(c.saida.contains("\r\n2;-23\xC2\xBA;-46;1/1/2000;")) << c.saida.toStdString();
}

TEST(ProcessaLote, MarcaUtf8NoInicioNaoAtrapalhaOCabecalho)
{
    const Processado r = Processa("\xEF\xBB\xBFlatitude;longitude;data\n-23.5;-46.625;31/12/2004\n");
    EXPECT_EQ(r.resumo.pontos, 1);
    EXPECT_EQ(r.resumo.falhas, 0);
}

TEST(ProcessaLote, CaractereForaDeWindows1252NaoEMutilado)
{
    const QByteArray entrada = "\xE2\x88\x92" "23.5;-46.625;31/12/2004\n-23.5;-46.625;31/12/2004\n";
    const Processado w = Processa(entrada);
    EXPECT_EQ(w.resumo.pontos, 2);
    EXPECT_EQ(w.resumo.falhas, 1);
    EXPECT_TRUE(w.saida.contains("\r\n1;;;;;;;;;;;;;;;;;;A linha tem o caractere U+2212, que a codifica\xE7\xE3o "
                                 "Windows-1252 n\xE3o representa; os textos da linha foram omitidos. Use a op\xE7\xE3o "
                                 "--utf8.\r\n2;-23.5;"))
        << w.saida.toStdString();

    // In UTF-8 the text is kept, and the calculator judges it.
    const Processado u = Processa(entrada, QLocale::c(), CodificacaoSaida::Utf8);
    EXPECT_TRUE(u.saida.contains("\r\n1;\xE2\x88\x92" "23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;Por favor, entre somente "
                                 "com n\xC3\xBAmeros."))
        << u.saida.toStdString();
}

TEST(ProcessaLote, LinhaLongaDemaisEContadaComoFalha)
{
    const QByteArray longa(lote::LeitorLinhas::TamanhoMaximoLinha + 10, '1');
    const Processado r = Processa("-23.5;-46.625;31/12/2004\n" + longa + "\n-23.5;-46.625;31/12/2004\n");
    EXPECT_EQ(r.resumo.pontos, 3);
    EXPECT_EQ(r.resumo.falhas, 1);
    EXPECT_TRUE(r.saida.contains("\r\n2;;;;;;;;;;;;;;;;;;A linha \xE9 longa demais para conter um ponto.\r\n3;"))
        << r.saida.left(2000).toStdString();
}

TEST(ProcessaLote, CamposAMaisNaLinha)
{
    const Processado r = Processa("-23.5;-46.625;31/12/2004;extra\n");
    EXPECT_TRUE(r.saida.endsWith("1;-23.5;-46.625;31/12/2004;;;;;;;;;;;;;;;A linha deve ter tr\xEAs campos "
                                    "separados por ponto e v\xEDrgula: latitude, longitude e data.\r\n"))
        << r.saida.toStdString();
}

TEST(ProcessaLote, Utf16ParaAntesDeQualquerPonto)
{
    const Processado r = Processa(QByteArray("\xFF\xFE-\0" "2\0", 6));
    EXPECT_FALSE(r.resumo.erro.isEmpty());
    EXPECT_EQ(r.resumo.pontos, 0);
}

TEST(ProcessaLote, FalhaDeGravacaoParaOLote)
{
    QByteArray entrada = Entrada;
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    DispositivoCheio cheio;
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(cheio, CodificacaoSaida::Windows1252, u".");
    const lote::ResumoLote resumo = lote::ProcessaLote(leitor, saida, ModeloSimples(), QLocale::c());
    EXPECT_TRUE(resumo.erro.startsWith(QStringLiteral("não foi possível gravar a saída"))) << resumo.erro.toStdString();
}

// A model run that overflows is the calculator's failure too, per point.
TEST(ProcessaLote, EstouroDoModeloNoPonto)
{
    lote::ModeloLote modelo;
    modelo.intensidade.c(1) = 1e300;
    modelo.intensidade.c(2) = 1e300;
    QByteArray entrada = "-23.5;-46.625;31/12/2004\n";
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem);
    lote::SaidaLote saida(destino, CodificacaoSaida::Windows1252, u".");
    const lote::ResumoLote resumo = lote::ProcessaLote(leitor, saida, modelo, QLocale::c());
    EXPECT_EQ(resumo.falhas, 1);
    EXPECT_TRUE(bytes.contains(";O c\xE1lculo do modelo ultrapassou o limite num\xE9rico (estouro).")) << bytes.toStdString();
}

}  // namespace
}  // namespace ceravel::teste
