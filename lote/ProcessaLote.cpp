// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/ProcessaLote.h"

#include "lote/CamposLinha.h"
#include "lote/DecodificaLinha.h"
#include "lote/LinhaSaida.h"
#include "lote/MensagensLote.h"
#include "lote/ProcessaBloco.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace ceravel::lote {

namespace {

// The lines before the first one with content are looked at here, in order:
// the first line may carry a byte order mark or name an encoding the program
// does not read, and the first line with content may be the column names.
// Every line after it goes to the blocks untouched.
class LeituraBlocos {
public:
    LeituraBlocos(LeitorLinhas& entrada, int linhasPorBloco) : entrada_(entrada), linhasPorBloco_(linhasPorBloco) {}

    // Fills `bloco` with the next lines; false when the input has no more
    // (then `erro()` says whether it failed). A block may come back empty
    // only together with false.
    bool enche(BlocoLinhas& bloco)
    {
        bloco.limpa();
        QByteArrayView bytes;
        while (static_cast<int>(bloco.linhas.size()) < linhasPorBloco_ && entrada_.proxima(bytes)) {
            if (entrada_.numero() == 1) {
                const InicioEntrada inicio = ExaminaInicio(bytes);
                if (!inicio.erro.isEmpty()) {
                    erro_ = inicio.erro;
                    return false;
                }
                bytes = bytes.sliced(inicio.marcaUtf8);
            }
            if (!achouConteudo_) {
                const QString& texto = decodificador_.decodifica(bytes);
                if (SeparaLinha(texto).tipo == LinhaSeparada::Tipo::Ignorada && !entrada_.longaDemais())
                    continue;
                achouConteudo_ = true;
                if (EhCabecalho(texto))
                    continue;
            }
            bloco.acrescenta(bytes, entrada_.numero(), entrada_.longaDemais());
        }
        bloco.bytesLidos = entrada_.bytesLidos();
        if (!entrada_.erro().isEmpty())
            erro_ = entrada_.erro();
        return erro_.isEmpty() && !bloco.linhas.empty();
    }

    const QString& erro() const { return erro_; }

private:
    LeitorLinhas& entrada_;
    const int linhasPorBloco_;
    DecodificaLinha decodificador_;
    bool achouConteudo_ = false;
    QString erro_;
};

// Workers that process blocks in any order; the caller hands them out, takes
// them back in input order, and processes waiting blocks itself meanwhile.
class Trabalhadores {
public:
    Trabalhadores(int quantos, const ModeloLote& modelo, const QLocale& locale, CodificacaoSaida codificacao)
    {
        for (int i = 0; i < quantos; ++i)
            threads_.emplace_back([this, &modelo, locale, codificacao] {
                ProcessaBloco processa(modelo, locale, codificacao);
                for (;;) {
                    Tarefa* tarefa = nullptr;
                    {
                        std::unique_lock trava(mutex_);
                        trabalho_.wait(trava, [this] { return fim_ || !fila_.empty(); });
                        if (fila_.empty())
                            return;
                        tarefa = fila_.front();
                        fila_.pop_front();
                    }
                    processa.processa(tarefa->bloco);
                    {
                        const std::lock_guard trava(mutex_);
                        tarefa->pronta = true;
                    }
                    pronta_.notify_all();
                }
            });
    }

    ~Trabalhadores()
    {
        {
            const std::lock_guard trava(mutex_);
            fim_ = true;
            fila_.clear();  // blocks not yet started are dropped
        }
        trabalho_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    struct Tarefa {
        BlocoLinhas bloco;
        bool pronta = false;
    };

    void entrega(Tarefa& tarefa)
    {
        {
            const std::lock_guard trava(mutex_);
            tarefa.pronta = false;
            fila_.push_back(&tarefa);
        }
        trabalho_.notify_one();
    }

    // Returns once `tarefa` is done. Meanwhile the calling thread takes
    // blocks not yet started and processes them with `processa`, so it
    // counts as one of the threads instead of sitting idle.
    void espera(const Tarefa& tarefa, ProcessaBloco& processa)
    {
        std::unique_lock trava(mutex_);
        while (!tarefa.pronta) {
            if (fila_.empty()) {
                pronta_.wait(trava, [&] { return tarefa.pronta || !fila_.empty(); });
                continue;
            }
            Tarefa* outra = fila_.front();
            fila_.pop_front();
            trava.unlock();
            processa.processa(outra->bloco);
            trava.lock();
            outra->pronta = true;
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable trabalho_, pronta_;
    std::deque<Tarefa*> fila_;
    bool fim_ = false;
    std::vector<std::thread> threads_;
};

bool Interrompido(const OpcoesProcessamento& opcoes)
{
    return opcoes.interrompido && opcoes.interrompido->load(std::memory_order_relaxed);
}

}  // namespace

ResumoLote ProcessaLote(LeitorLinhas& entrada, SaidaLote& saida, const ModeloLote& modelo, const QLocale& locale,
                        Progresso* progresso, const OpcoesProcessamento& opcoes)
{
    ResumoLote resumo;
    if (!saida.erro().isEmpty() || !EscreveCabecalho(saida, modelo.posicao)) {
        resumo.erro = saida.erro();
        return resumo;
    }

    LeituraBlocos leitura(entrada, opcoes.linhasPorBloco);
    // A block's rows go out after those of every block before it.
    const auto escreve = [&](BlocoLinhas& bloco) {
        if (!bloco.erro.isEmpty()) {
            resumo.erro = bloco.erro;
            return false;
        }
        resumo.pontos += bloco.pontos;
        resumo.falhas += bloco.falhas;
        if (!saida.acrescentaLinhas(bloco.saida)) {
            resumo.erro = saida.erro();
            return false;
        }
        if (progresso)
            progresso->atualizaBloco(bloco.bytesLidos, resumo.pontos);
        return true;
    };

    bool falhou = false;
    if (opcoes.nucleos <= 1) {
        ProcessaBloco processa(modelo, locale, saida.codificacao());
        BlocoLinhas bloco;
        while (!Interrompido(opcoes) && leitura.enche(bloco)) {
            processa.processa(bloco);
            if (!escreve(bloco)) {
                falhou = true;
                break;
            }
        }
    } else {
        // Up to two blocks a worker in flight: the workers never wait for the
        // reader, and the memory stays bounded whatever the input's size.
        using Tarefa = Trabalhadores::Tarefa;
        const std::size_t maximo = 2 * static_cast<std::size_t>(opcoes.nucleos);
        // Declared before the workers, so that they are stopped before the
        // blocks they may hold go away.
        std::deque<std::unique_ptr<Tarefa>> emVoo;
        std::vector<std::unique_ptr<Tarefa>> livres;
        // The calling thread reads, writes and processes blocks too: one worker fewer.
        ProcessaBloco processaAqui(modelo, locale, saida.codificacao());
        Trabalhadores trabalhadores(opcoes.nucleos - 1, modelo, locale, saida.codificacao());
        bool acabou = false;
        while (!falhou) {
            while (!acabou && emVoo.size() < maximo && !Interrompido(opcoes)) {
                std::unique_ptr<Tarefa> tarefa;
                if (livres.empty()) {
                    tarefa = std::make_unique<Tarefa>();
                } else {
                    tarefa = std::move(livres.back());
                    livres.pop_back();
                }
                if (!leitura.enche(tarefa->bloco)) {
                    acabou = true;
                    livres.push_back(std::move(tarefa));
                    break;
                }
                trabalhadores.entrega(*tarefa);
                emVoo.push_back(std::move(tarefa));
            }
            if (emVoo.empty() || Interrompido(opcoes))
                break;
            trabalhadores.espera(*emVoo.front(), processaAqui);
            falhou = !escreve(emVoo.front()->bloco);
            livres.push_back(std::move(emVoo.front()));
            emVoo.pop_front();
        }
        // Leaving the scope stops the workers: a block still in their hands is
        // finished and dropped, the others are dropped unstarted.
    }
    if (falhou)
        return resumo;
    if (Interrompido(opcoes)) {
        resumo.erro = MensagemInterrompido();
        return resumo;
    }
    if (!leitura.erro().isEmpty()) {
        resumo.erro = leitura.erro();
        return resumo;
    }
    if (!saida.descarrega())
        resumo.erro = saida.erro();
    return resumo;
}

}  // namespace ceravel::lote
