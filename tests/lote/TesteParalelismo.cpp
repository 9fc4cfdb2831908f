// SPDX-License-Identifier: GPL-3.0-or-later
// A mixed input's exact counts and rows; ceravel-lote on several threads
// writes, byte for byte, what one thread writes: rows in input order, the
// same counts, the same failures.
#include "lote/LeitorLinhas.h"
#include "lote/MensagensLote.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
#include "lote/LinhaSaida.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <csignal>
#include <tuple>
#include <random>

namespace ceravel::teste {
namespace {

using lote::CodificacaoSaida;
constexpr auto Windows1252 = CodificacaoSaida::Windows1252;
constexpr qsizetype Maximo = lote::LeitorLinhas::TamanhoMaximoLinha;

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

const lote::ModeloLote& Modelo(bool igrf14)
{
    static const LeituraConjuntos regional = LeConjuntos(QStringLiteral(CERAVEL_DADOS_PROJETO));
    static const LeituraIgrf14 igrf = CarregaIgrf14(QStringLiteral(CERAVEL_DADOS_PROJETO));
    static const lote::ModeloLote modelos[] = {lote::ModeloLote(*regional.conjuntos), lote::ModeloLote(*igrf.modelo)};
    return modelos[igrf14];
}

Processado Processa(QByteArray entrada, const lote::OpcoesProcessamento& opcoes, const QLocale& locale = QLocale::c(),
                    CodificacaoSaida codificacao = Windows1252, bool igrf14 = false, qsizetype blocoLeitor = 1 << 20,
                    QIODevice* destino = nullptr)
{
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado r;
    QBuffer buffer(&r.saida);
    buffer.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem, blocoLeitor);
    lote::SaidaLote saida(destino ? *destino : buffer, codificacao, locale.decimalPoint());
    r.resumo = lote::ProcessaLote(leitor, saida, Modelo(igrf14), locale, nullptr, opcoes);
    return r;
}

// A mixed input drawn from kinds of line of known outcome (points, failures
// under the regional model and under IGRF-14), with CR LF and LF line ends;
// `deslocamento` pads the start so that the reader's buffer boundaries fall
// in other places.
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
        {"-23;-46;1/1", 1, 1, 1}, {"abc;-46;1/1/2000", 1, 1, 1}, {"20;-46;1/1/2000", 1, 1, 1},
        {"-15 70 0;-47 0 0;1/1/2000", 1, 1, 1}, {"-23;;1/1/2000", 1, 1, 1}, {"-23;-46;31/2/2000", 1, 1, 1},
        {"-23;-46;1/1/99", 1, 1, 1}, {"-23;-46;1/1/2031", 1, 1, 1}, {"-23;\xE5\x8C\x97;1/1/2000", 1, 1, 1},
        {"-23\xBA;-46;1/1/2000", 1, 1, 1}, {"\xE2\x88\x92" "23;-46;1/1/2000", 1, 1, 1},
        {QByteArray(Maximo + 5, '7'), 1, 1, 1}, {"-23\r5;-46;1/1/2000", 1, 1, 1},
        {QByteArray("-23;-46\0;1/1/2000", 17), 1, 1, 1}, {"# nota: \xC2\xBA", 0, 0, 0}, {"# n\xBA", 0, 0, 0},
        {"", 0, 0, 0}, {" ; ;; ", 0, 0, 0},
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

// ";" separates the output's fields, so no message may hold one: every row
// has the header's fields and no CR inside, under C and pt_BR, in both
// output encodings, with either model; the counts are the sums of each
// kind's known outcome (one thread, blocks of 7 lines, so the counts add up
// over many blocks); and several threads write, byte for byte, the same.
TEST(Paralelismo, ContagensExatasEMesmaSaidaQueUmNucleo)
{
    const qsizetype campos = lote::CabecalhoSaida().count(u';') + 1;
    int deslocamento = 0;
    for (const bool igrf14 : {false, true})
        for (const char* nomeLocale : {"C", "pt_BR"})
            for (const CodificacaoSaida codificacao : {Windows1252, CodificacaoSaida::Utf8}) {
                deslocamento = (deslocamento + 4093) % 4099;  // 0, 4093, 4087, ...
                SCOPED_TRACE(std::string(nomeLocale) + (igrf14 ? " igrf14" : " regional")
                             + (codificacao == Windows1252 ? " windows-1252" : " utf-8"));
                const QLocale locale(QString::fromLatin1(nomeLocale));
                const Mista entrada = EntradaMista(600, deslocamento);
                const Processado um = Processa(entrada.texto, {1, 7, nullptr}, locale, codificacao, igrf14);
                ASSERT_TRUE(um.resumo.erro.isEmpty()) << um.resumo.erro.toStdString();
                EXPECT_EQ(um.resumo.pontos, entrada.pontos);
                EXPECT_EQ(um.resumo.falhas, entrada.falhas[igrf14]);
                const QList<QByteArray> linhas = um.saida.split('\n');
                ASSERT_EQ(linhas.size(), entrada.pontos + 2);  // the header, then after the last CR LF nothing
                for (const QByteArray& linha : linhas.first(entrada.pontos + 1)) {
                    ASSERT_EQ(linha.count(';') + 1, campos) << linha.left(300).toStdString();
                    ASSERT_EQ(linha.indexOf('\r'), linha.size() - 1) << linha.left(300).toStdString();
                }
                for (const int nucleos : {3, 8})
                    for (const int linhasPorBloco : {1, 4096}) {
                        SCOPED_TRACE(std::to_string(nucleos) + " nucleos, " + std::to_string(linhasPorBloco));
                        // The smallest reader buffer: its boundaries fall inside CR LF pairs and long lines.
                        const Processado r = Processa(entrada.texto, {nucleos, linhasPorBloco, nullptr}, locale,
                                                      codificacao, igrf14, Maximo + 1);
                        EXPECT_TRUE(r.saida == um.saida);
                        EXPECT_EQ(r.resumo.pontos, um.resumo.pontos);
                        EXPECT_EQ(r.resumo.falhas, um.resumo.falhas);
                        EXPECT_TRUE(r.resumo.erro.isEmpty());
                    }
            }
}

// A destination that fails after a number of bytes.
class DestinoQueFalha : public QIODevice {
public:
    explicit DestinoQueFalha(qint64 limite) : limite_(limite) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 tamanho) override
    {
        if (escritos_ + tamanho > limite_) {
            setErrorString(QStringLiteral("disco cheio"));
            return -1;
        }
        escritos_ += tamanho;
        return tamanho;
    }

private:
    qint64 limite_, escritos_ = 0;
};

// An output failure or an interruption stops every thread, with its message.
TEST(Paralelismo, FalhaDeSaidaEInterrupcaoParamTudo)
{
    const QByteArray entrada = EntradaMista(3000, 0).texto;
    for (const int nucleos : {1, 3}) {
        SCOPED_TRACE(nucleos);
        DestinoQueFalha destino(100000);
        const Processado r = Processa(entrada, {nucleos, 64, nullptr}, QLocale::c(), Windows1252, false, 1 << 20,
                                      &destino);
        EXPECT_FALSE(r.resumo.erro.isEmpty());
        const std::atomic<bool> interrompido{true};
        const Processado parado = Processa(entrada, {nucleos, 64, &interrompido});
        EXPECT_EQ(parado.resumo.erro.toStdString(), lote::MensagemInterrompido().toStdString());
    }
}

// The program itself: -j N gives the same file, summary (less its time) and
// exit status as -j 1, replacing a longer file already there.
TEST(ParalelismoExecutavel, MesmoArquivoResumoEStatus)
{
    QTemporaryDir pasta;
    QFile pontos(pasta.filePath(QStringLiteral("pontos.txt")));
    ASSERT_TRUE(pontos.open(QIODevice::WriteOnly));
    pontos.write(EntradaMista(2000, 3).texto);
    pontos.close();
    const auto roda = [&](const char* nucleos, const QString& saida) {
        QProcess processo;
        processo.setWorkingDirectory(pasta.path());
        processo.start(QStringLiteral(CERAVEL_LOTE_EXECUTAVEL),
                       {"--locale", "pt_BR", "-j", nucleos, "pontos.txt", "-o", saida});
        EXPECT_TRUE(processo.waitForFinished(60000));
        QString resumo = QString::fromUtf8(processo.readAllStandardError());
        resumo.truncate(resumo.lastIndexOf(u','));  // the time taken differs
        QFile arquivo(pasta.filePath(saida));
        EXPECT_TRUE(arquivo.open(QIODevice::ReadOnly));
        return std::tuple{processo.exitCode(), resumo, arquivo.readAll()};
    };
    const auto um = roda("1", QStringLiteral("um.csv"));
    EXPECT_EQ(std::get<0>(um), 1);  // the mixed input has refused lines
    EXPECT_TRUE(std::get<1>(um).contains(QStringLiteral("com falha"))) << std::get<1>(um).toStdString();
    for (const char* nucleos : {"2", "3", "8"}) {
        SCOPED_TRACE(nucleos);
        QFile anterior(pasta.filePath(QStringLiteral("varios.csv")));
        ASSERT_TRUE(anterior.open(QIODevice::WriteOnly) && anterior.write(QByteArray(1 << 20, 'v')) == 1 << 20);
        anterior.close();
        const auto varios = roda(nucleos, QStringLiteral("varios.csv"));
        EXPECT_EQ(std::get<0>(varios), std::get<0>(um));
        EXPECT_EQ(std::get<1>(varios), std::get<1>(um));
        EXPECT_TRUE(std::get<2>(varios) == std::get<2>(um));
    }
}

// Ctrl-C while the batch runs: status 2, the reason, and no file at all, not
// even a temporary one. The input comes through a pipe held open, so the
// signal lands while the program is certainly still working.
TEST(ParalelismoExecutavel, CtrlCNaoDeixaArquivo)
{
    QTemporaryDir pasta;
    QProcess processo;
    processo.setWorkingDirectory(pasta.path());
    processo.start(QStringLiteral(CERAVEL_LOTE_EXECUTAVEL), {"-j", "2", "-o", "campo.csv"});
    ASSERT_TRUE(processo.waitForStarted());
    processo.write(QByteArray("-23.5;-46.625;31/12/2004\n").repeated(5000));
    ASSERT_TRUE(processo.waitForBytesWritten(10000));
    // Wait until the program catches SIGINT (the handler goes in once the
    // output is open), as the kernel reports it.
    const auto capturaSigint = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(processo.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& linha : status.readAll().split('\n'))
            if (linha.startsWith("SigCgt:"))
                return ((linha.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGINT - 1)) & 1) != 0;
        return false;
    };
    for (int i = 0; i < 1000 && !capturaSigint(); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(capturaSigint());
    ASSERT_EQ(::kill(static_cast<pid_t>(processo.processId()), SIGINT), 0);
    processo.closeWriteChannel();
    ASSERT_TRUE(processo.waitForFinished(60000));
    EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(processo.exitCode(), 2);
    EXPECT_EQ(processo.readAllStandardError().toStdString(),
              "ceravel-lote: interrompido antes do fim. O arquivo campo.csv não foi alterado.\n");
    EXPECT_TRUE(QDir(pasta.path()).isEmpty(QDir::Files | QDir::Hidden | QDir::System));
}

}  // namespace
}  // namespace ceravel::teste
