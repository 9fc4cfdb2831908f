// SPDX-License-Identifier: GPL-3.0-or-later
// ceravel-lote: the field at many points and dates, from a list in a text file.
#include "export/MotivoErro.h"
#include "lote/LeitorLinhas.h"
#include "lote/OpcoesLote.h"
#include "lote/ProcessaLote.h"
#include "lote/Progresso.h"
#include "lote/SaidaLote.h"
#include "model/Igrf14.h"
#include "model/LeCoeficientes.h"
#include "present/Formatacao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

using namespace ceravel;
using namespace ceravel::lote;

namespace {

// The threads a batch uses by default: one per core the system reports.
int NucleosDaMaquina()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

enum CodigoSaida { TodosCalculados = 0, AlgumaFalha = 1, NadaCalculado = 2 };

// Ctrl-C or SIGTERM: the batch stops before its next block and a named output
// file is left as it was (no partial file, no temporary one). A second signal
// ends the program at once, for input that never comes from a terminal.
std::atomic<bool> Interrompido{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void AoInterromper(int sinal)
{
    Interrompido.store(true, std::memory_order_relaxed);
    std::signal(sinal, SIG_DFL);
}

void EscreveErro(const QString& texto)
{
    const QByteArray bytes = QStringLiteral("ceravel-lote: %1\n").arg(texto).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

// The input's size when it is a regular file (for the progress bar), else -1.
qint64 TamanhoEntrada(int descritor)
{
    struct stat info {};
    if (::fstat(descritor, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}

QString Resumo(const ResumoLote& resumo, double segundos, const QLocale& locale)
{
    return QStringLiteral("%1 %2, %3 com falha, %4 s.")
        .arg(resumo.pontos)
        .arg(resumo.pontos == 1 ? QStringLiteral("ponto") : QStringLiteral("pontos"))
        .arg(resumo.falhas)
        .arg(FormataPadrao(segundos, Padrao::DuasDecimais, locale));
}

}  // namespace

int main(int argc, char* argv[])
{
    // Output into a pipe closed early (| head): a write error with its message
    // and status 2, never a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QElapsedTimer relogio;
    relogio.start();

    const OpcoesLote opcoes = InterpretaArgumentos(app.arguments().mid(1));
    if (!opcoes.erro.isEmpty()) {
        EscreveErro(opcoes.erro + QStringLiteral("\nUse --ajuda para ver as opções."));
        return NadaCalculado;
    }
    if (opcoes.ajuda || opcoes.versao) {
        const QString texto = opcoes.ajuda ? TextoAjuda(QLocale::system().name(), NucleosDaMaquina())
                                           : QStringLiteral("ceravel-lote %1\n").arg(QStringLiteral(CERAVEL_VERSAO));
        const QByteArray bytes = texto.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        return TodosCalculados;
    }
    const std::optional<QLocale> locale = LocaleDoNome(opcoes.locale);
    if (!locale) {
        EscreveErro(QStringLiteral("localidade desconhecida: %1").arg(opcoes.locale));
        return NadaCalculado;
    }

    // The model once, before any point: a missing, short or altered file stops here.
    const QString pasta = opcoes.coeficientes.isEmpty() ? QCoreApplication::applicationDirPath() : opcoes.coeficientes;
    LeituraConjuntos leitura;
    LeituraIgrf14 igrf;
    if (opcoes.modelo == ModeloCampo::Igrf14)
        igrf = CarregaIgrf14(pasta);
    else
        leitura = LeConjuntos(pasta, opcoes.coeficientes.isEmpty() ? OrigemPasta::DoPrograma : OrigemPasta::Indicada);
    if (!leitura.conjuntos && !igrf.modelo) {
        EscreveErro(opcoes.modelo == ModeloCampo::Igrf14 ? igrf.erro : leitura.erro);
        return NadaCalculado;
    }
    ModeloLote modelo = igrf.modelo ? ModeloLote(*igrf.modelo) : ModeloLote(*leitura.conjuntos);
    // IBGE's grids lie beside the program, whatever folder the coefficients come from.
    modelo.posicao = FormaPosicaoLote{opcoes.entradaUtm, opcoes.datum, QCoreApplication::applicationDirPath()};

    QFile entrada;
    qint64 tamanho = -1;
    const bool entradaPadrao = opcoes.entrada.isEmpty() || opcoes.entrada == QLatin1StringView("-");
    const QString nomeEntrada = entradaPadrao ? QStringLiteral("a entrada padrão") : opcoes.entrada;
    errno = 0;
    bool aberta = false;
    if (entradaPadrao) {
        aberta = entrada.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);
        tamanho = TamanhoEntrada(STDIN_FILENO);
    } else if (QFileInfo(opcoes.entrada).isDir()) {
        errno = EISDIR;
    } else {
        entrada.setFileName(opcoes.entrada);
        aberta = entrada.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        tamanho = aberta ? TamanhoEntrada(entrada.handle()) : -1;
    }
    if (!aberta) {
        EscreveErro(QStringLiteral("não foi possível abrir %1: %2.")
                        .arg(nomeEntrada, MotivoErro(errno, entrada.errorString())));
        return NadaCalculado;
    }

    // A named output file is replaced only once it is complete. Anything else
    // already there (a device, a FIFO, /dev/stdout into a pipe) is written
    // directly, as standard output is: renaming a file over it would turn
    // /dev/null into a text file, or fail where no file can be created.
    std::unique_ptr<QFileDevice> destino;
    if (opcoes.saida.isEmpty()) {
        auto padrao = std::make_unique<QFile>();
        if (!padrao->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            EscreveErro(QStringLiteral("não foi possível gravar na saída padrão."));
            return NadaCalculado;
        }
        destino = std::move(padrao);
    } else if (struct stat info {}; ::stat(QFile::encodeName(opcoes.saida).constData(), &info) == 0
               && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        errno = 0;
        const int descritor = ::open(QFile::encodeName(opcoes.saida).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        auto direto = std::make_unique<QFile>();
        if (descritor < 0
            || !direto->open(descritor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            const int erro = errno;
            if (descritor >= 0)
                ::close(descritor);
            EscreveErro(QStringLiteral("não foi possível gravar em %1: %2.")
                            .arg(opcoes.saida, MotivoErro(erro, direto->errorString())));
            return NadaCalculado;
        }
        destino = std::move(direto);
    } else {
        auto arquivo = std::make_unique<QSaveFile>(opcoes.saida);
        errno = QFileInfo(opcoes.saida).isDir() ? EISDIR : 0;
        if (errno != 0 || !arquivo->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            EscreveErro(QStringLiteral("não foi possível criar o arquivo %1: %2.")
                            .arg(opcoes.saida, MotivoErro(errno, arquivo->errorString())));
            return NadaCalculado;
        }
        destino = std::move(arquivo);
    }

    std::unique_ptr<Progresso> progresso;
    if (!opcoes.silencioso && ::isatty(STDERR_FILENO)) {
        progresso = std::make_unique<Progresso>(tamanho, [](const QByteArray& barra) {
            std::fwrite(barra.constData(), 1, static_cast<std::size_t>(barra.size()), stderr);
            std::fflush(stderr);
        });
    }

    std::signal(SIGINT, AoInterromper);
    std::signal(SIGTERM, AoInterromper);
    LeitorLinhas leitor(entrada);
    SaidaLote saida(*destino, CodificacaoEscolhida(opcoes.codificacao, ::isatty(destino->handle()) == 1),
                    locale->decimalPoint());
    OpcoesProcessamento processamento;
    processamento.nucleos = opcoes.nucleos > 0 ? opcoes.nucleos : NucleosDaMaquina();
    processamento.interrompido = &Interrompido;
    const ResumoLote resumo = ProcessaLote(leitor, saida, modelo, *locale, progresso.get(), processamento);
    if (progresso)
        progresso->termina();

    auto* arquivo = dynamic_cast<QSaveFile*>(destino.get());
    if (!resumo.erro.isEmpty()) {
        if (arquivo)
            arquivo->cancelWriting();
        EscreveErro(resumo.erro + (arquivo ? QStringLiteral(" O arquivo %1 não foi alterado.").arg(opcoes.saida)
                                           : QString()));
        return NadaCalculado;
    }
    if (arquivo) {
        errno = 0;
        if (::fsync(arquivo->handle()) != 0 || !arquivo->commit()) {
            const int erro = errno;
            arquivo->cancelWriting();
            EscreveErro(QStringLiteral("não foi possível gravar o arquivo %1: %2.")
                            .arg(opcoes.saida, MotivoErro(erro, arquivo->errorString())));
            return NadaCalculado;
        }
    }

    if (!opcoes.silencioso)
        EscreveErro(Resumo(resumo, relogio.elapsed() / 1000.0, *locale));
    return resumo.falhas > 0 ? AlgumaFalha : TodosCalculados;
}
