// ceravel-lote on several threads writes, byte for byte, what one thread
// writes: rows in input order, the same counts, the same failures.
#include "lote/LeitorLinhas.h"
#include "lote/MensagensLote.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"
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

struct Processado {
    QByteArray saida;
    lote::ResumoLote resumo;
};

Processado Processa(QByteArray entrada, const lote::OpcoesProcessamento& opcoes, const QLocale& locale,
                    CodificacaoSaida codificacao, qsizetype blocoLeitor = 1 << 20, QIODevice* destino = nullptr)
{
    static const LeituraConjuntos leitura = LeConjuntos(QStringLiteral(CERAVEL_DADOS_PROJETO));
    QBuffer origem(&entrada);
    origem.open(QIODevice::ReadOnly);
    Processado r;
    QBuffer buffer(&r.saida);
    buffer.open(QIODevice::WriteOnly);
    lote::LeitorLinhas leitor(origem, blocoLeitor);
    lote::SaidaLote saida(destino ? *destino : buffer, codificacao, locale.decimalPoint());
    r.resumo = lote::ProcessaLote(leitor, saida, *leitura.conjuntos, locale, nullptr, opcoes);
    return r;
}

// A mixed input: a header, valid points in both entry forms and with both
// separators, refused points, comments, blank lines, a line in Windows-1252
// and one in UTF-8, a line with a character Windows-1252 lacks, an overlong
// line, CR LF and LF line ends. `deslocamento` pads the start so that the
// reader's buffer boundaries fall in other places.
QByteArray EntradaMista(int linhas, int deslocamento)
{
    std::mt19937 aleatorio(static_cast<unsigned>(linhas + deslocamento));
    std::uniform_int_distribution<int> tipo(0, 13), dia(1, 28), mes(1, 12), ano(1994, 2006);
    std::uniform_real_distribution<double> lat(-36, 11), lon(-76, -29);
    QByteArray texto = "# " + QByteArray(deslocamento, 'x') + "\nlatitude;longitude;data\r\n";
    for (int i = 0; i < linhas; ++i) {
        const QByteArray data = QByteArray::number(dia(aleatorio)) + '/' + QByteArray::number(mes(aleatorio)) + '/'
            + QByteArray::number(ano(aleatorio));
        const QByteArray a = QByteArray::number(lat(aleatorio), 'f', 4), o = QByteArray::number(lon(aleatorio), 'f', 4);
        if (i % 997 == 5)  // a few overlong lines: each costs 64 KiB of input
            texto += QByteArray(lote::LeitorLinhas::TamanhoMaximoLinha + 17, '7') + "\r\n";
        switch (tipo(aleatorio)) {
        case 0: texto += "# comentário em UTF-8: º\n"; break;
        case 1: texto += "# coment\xE1rio em Windows-1252\r\n"; break;
        case 2: texto += "\n   \r\n;;\n"; break;
        case 3: texto += "#\n"; break;
        case 4: texto += "\xE2\x88\x92" + a.mid(1) + ';' + o + ';' + data + "\n"; break;  // U+2212 minus
        case 5: texto += a + ';' + o + ';' + data + ";extra\n"; break;
        case 6: texto += QByteArray(a).replace('.', ',') + ';' + QByteArray(o).replace('.', ',') + ';' + data + "\r\n"; break;
        case 7: texto += "-15 30 0;-47 52 30;" + data + "\n"; break;
        default: texto += a + ';' + o + ';' + data + (i % 2 ? "\r\n" : "\n"); break;
        }
    }
    return texto;
}

TEST(Paralelismo, MesmaSaidaQueUmNucleo)
{
    const QLocale ptBr(QLocale::Portuguese, QLocale::Brazil);
    for (const auto& [locale, codificacao] : {std::pair{QLocale::c(), CodificacaoSaida::Windows1252},
                                              std::pair{ptBr, CodificacaoSaida::Utf8}}) {
        for (const int deslocamento : {0, 5, 4093}) {
            const QByteArray entrada = EntradaMista(3000, deslocamento);
            const Processado um = Processa(entrada, {}, locale, codificacao);
            ASSERT_TRUE(um.resumo.erro.isEmpty()) << um.resumo.erro.toStdString();
            ASSERT_GT(um.resumo.falhas, 0);
            ASSERT_GT(um.resumo.pontos, um.resumo.falhas);
            for (const int nucleos : {1, 3, 8})
                for (const int linhasPorBloco : {1, 4096}) {
                    SCOPED_TRACE(std::to_string(nucleos) + " nucleos, " + std::to_string(linhasPorBloco)
                                 + " linhas por bloco, deslocamento " + std::to_string(deslocamento));
                    // The smallest reader buffer: its boundaries fall inside CR LF pairs and long lines.
                    const Processado r = Processa(entrada, {nucleos, linhasPorBloco, nullptr}, locale, codificacao,
                                                  lote::LeitorLinhas::TamanhoMaximoLinha + 1);
                    EXPECT_TRUE(r.saida == um.saida);
                    EXPECT_EQ(r.resumo.pontos, um.resumo.pontos);
                    EXPECT_EQ(r.resumo.falhas, um.resumo.falhas);
                    EXPECT_TRUE(r.resumo.erro.isEmpty());
                }
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
    const QByteArray entrada = EntradaMista(20000, 0);
    for (const int nucleos : {1, 3}) {
        SCOPED_TRACE(nucleos);
        DestinoQueFalha destino(100000);
        const Processado r = Processa(entrada, {nucleos, 64, nullptr}, QLocale::c(), CodificacaoSaida::Windows1252,
                                      1 << 20, &destino);
        EXPECT_FALSE(r.resumo.erro.isEmpty());

        const std::atomic<bool> interrompido{true};
        const Processado parado = Processa(entrada, {nucleos, 64, &interrompido}, QLocale::c(),
                                           CodificacaoSaida::Windows1252);
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
    pontos.write(EntradaMista(2000, 3));
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
