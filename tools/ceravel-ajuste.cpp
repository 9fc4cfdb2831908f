// SPDX-License-Identifier: GPL-3.0-or-later
// ceravel-ajuste: fits the three coefficient files of the regional model to
// IGRF-14 and writes them, with the accuracy report and the model section of
// the help text, into the data folder (the first argument, by default the
// project's data/).
#include "model/LeCoeficientes.h"
#include "tools/ajuste/AjustaElemento.h"
#include "tools/ajuste/AmostrasIgrf.h"
#include "tools/ajuste/AvaliaAjuste.h"
#include "tools/ajuste/ConfiguracaoAjuste.h"
#include "tools/ajuste/ContornoBrasil.h"
#include "tools/ajuste/CurvaCompromisso.h"
#include "tools/ajuste/EscreveCoeficientes.h"
#include "tools/ajuste/RelatorioAjuste.h"
#include "tools/ajuste/SecaoTermov.h"
#include "model/igrf/LeModeloIgrf.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

using namespace ceravel;
using namespace ceravel::ajuste;

namespace {

int Falha(const std::string& mensagem) {
    std::fprintf(stderr, "ceravel-ajuste: %s\n", mensagem.c_str());
    return 1;
}

std::optional<std::string> LeBytes(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(arquivo), {});
}

bool GravaBytes(const std::string& caminho, const std::string& bytes) {
    std::ofstream arquivo(caminho, std::ios::binary | std::ios::trunc);
    arquivo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    arquivo.close();
    return static_cast<bool>(arquivo);
}

std::size_t QuantosNoBrasil(const std::vector<Amostra>& amostras, bool perto) {
    std::size_t n = 0;
    for (const auto& a : amostras) {
        n += perto ? a.pertoDoBrasil : a.noBrasil;
    }
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    const std::string pasta = argc > 1 ? argv[1] : CERAVEL_DADOS_PROJETO;

    const auto igrf = igrf::LeTabelaIgrf(pasta + "/igrf14coeffs.txt");
    if (!igrf.modelo) {
        return Falha(igrf.erro);
    }
    const auto brasil = LeContorno(pasta + "/brasil-contorno.txt");
    if (!brasil.contorno) {
        return Falha(brasil.erro);
    }
    const auto treino =
        AmostraIgrf(*igrf.modelo, *brasil.contorno, PontosTreino(PassoGraus, PassoAnos), MargemBrasilGraus);
    const auto validacao = AmostraIgrf(*igrf.modelo, *brasil.contorno, PontosValidacao(PassoGraus, PassoAnos), 0.0);
    if (!treino || !validacao) {
        return Falha("o IGRF lido não cobre o período de 1995 a 2006.");
    }

    std::vector<ResultadoElemento> resultados;
    for (const Elemento e : TodosElementos) {
        const DescricaoElemento& d = Descricao(e);
        ResultadoElemento r;
        r.elemento = e;
        r.opcoes = OpcoesEscolhidas(e);
        const Coeficientes ajustados = AjustaElemento(*treino, e, r.opcoes);
        if (const auto erro = EscreveCoeficientes(pasta + "/" + d.arquivo, ajustados); !erro.empty()) {
            return Falha(erro);
        }
        // Judge the file as the program will read it.
        const auto lidos = LeCoeficientes(QString::fromStdString(pasta), QString::fromLatin1(d.arquivo));
        if (!lidos.coeficientes) {
            return Falha(lidos.erro.toStdString());
        }
        if (lidos.coeficientes->valores != ajustados.valores) {
            return Falha(std::string(d.arquivo) + " não devolve os coeficientes gravados.");
        }
        r.coeficientes = *lidos.coeficientes;
        r.validacao = AvaliaAjuste(*validacao, e, r.coeficientes);
        if (!AtingeMetas(r.validacao, e)) {
            r.compromisso =
                CurvaCompromisso(*treino, *validacao, e, r.opcoes, {r.opcoes.margemCaixa, 1.05, 1.1, 1.2, 1.5, 0.0});
        }
        std::printf("%s: Brasil RMS %.3f, máx %.3f; região máx %.3f (%s); variação RMS %.3f %s/ano%s\n", d.simbolo,
                    r.validacao.rmsBrasil, r.validacao.maxBrasil, r.validacao.maxCaixa, d.unidade,
                    r.validacao.rmsTaxaBrasil, d.unidade, AtingeMetas(r.validacao, e) ? "" : "  (metas não atingidas)");
        resultados.push_back(std::move(r));
    }

    const ResumoGrades grades{treino->size(), QuantosNoBrasil(*treino, true), validacao->size(),
                              QuantosNoBrasil(*validacao, false)};
    if (!GravaBytes(pasta + "/ajuste-igrf.md", RelatorioAjuste(resultados, grades))) {
        return Falha("não foi possível gravar " + pasta + "/ajuste-igrf.md.");
    }

    const std::string caminhoTermov = pasta + "/Termov.txt";
    const auto termov = LeBytes(caminhoTermov);
    if (!termov) {
        return Falha("não foi possível ler " + caminhoTermov + ".");
    }
    const auto novoTermov = AtualizaTermov(*termov, SecaoModelo(resultados));
    if (!novoTermov) {
        return Falha("a seção do modelo tem caracteres fora do Windows-1252.");
    }
    if (!GravaBytes(caminhoTermov, *novoTermov)) {
        return Falha("não foi possível gravar " + caminhoTermov + ".");
    }

    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    std::printf("Arquivos gravados em %s em %.1f s.\n", pasta.c_str(), segundos);
    return 0;
}
