// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/SecaoTermov.h"

#include "export/Windows1252.h"

#include <cstdio>

namespace ceravel::ajuste {

namespace {

// Portuguese numbers: decimal comma.
std::string Numero(double valor, int decimais) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.*f", decimais, valor);
    std::string r = texto;
    for (char& ch : r) {
        if (ch == '.') {
            ch = ',';
        }
    }
    return r;
}

std::size_t Colunas(const std::string& utf8) {
    // A UTF-8 continuation byte takes no column of its own.
    std::size_t n = 0;
    for (const unsigned char ch : utf8) {
        n += (ch & 0xC0) != 0x80;
    }
    return n;
}

std::string AEsquerda(const std::string& texto, std::size_t largura) {
    const std::size_t n = Colunas(texto);
    return texto + std::string(n < largura ? largura - n : 0, ' ');
}

std::string ADireita(const std::string& texto, std::size_t largura) {
    const std::size_t n = Colunas(texto);
    return std::string(n < largura ? largura - n : 0, ' ') + texto;
}

const ResultadoElemento* Resultado(const std::vector<ResultadoElemento>& resultados, Elemento e) {
    for (const auto& r : resultados) {
        if (r.elemento == e) {
            return &r;
        }
    }
    return nullptr;
}

// The help text is in the program's code page; the core's converter refuses
// what the code page cannot hold instead of replacing it.
std::optional<std::string> ParaWindows1252(const std::string& utf8) {
    QByteArray bytes;
    if (!AcrescentaWindows1252(bytes, QString::fromStdString(utf8))) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace

std::vector<std::string> SecaoModelo(const std::vector<ResultadoElemento>& resultados) {
    std::vector<std::string> s{
        TituloSecaoModelo,
        "",
        "Os coeficientes dos arquivos COEF-D2000, COEF-I2000 e COEF-F2000",
        "foram ajustados por mínimos quadrados ao Campo Geomagnético",
        "Internacional de Referência, 14ª geração (IGRF-14), da",
        "Associação Internacional de Geomagnetismo e Aeronomia (IAGA),",
        "calculado ao nível do mar (altitude zero sobre o elipsoide",
        "WGS84). O ajuste cobre toda a região aceita (latitude de -35 a",
        "+10 graus, longitude de -75 a -30 graus) e as datas de 1995,0 a",
        "2006,0, com peso maior no território brasileiro. As variações",
        "anuais do modelo também foram ajustadas às do IGRF.",
        "",
        "Precisão: diferença entre o modelo e o IGRF em pontos que não",
        "entraram no ajuste (uma grade deslocada de meio passo).",
        "",
    };
    const ResultadoElemento* d = Resultado(resultados, Elemento::D);
    const ResultadoElemento* i = Resultado(resultados, Elemento::I);
    const ResultadoElemento* f = Resultado(resultados, Elemento::F);
    if (d && i && f) {
        const auto linha = [](const std::string& nome, const std::string& vd, const std::string& vi,
                              const std::string& vf) {
            return AEsquerda(nome, 21) + ADireita(vd, 8) + ADireita(vi, 11) + ADireita(vf, 11);
        };
        const auto valores = [&](const char* nome, double vd, double vi, double vf) {
            return linha(nome, Numero(vd, 1) + "'", Numero(vi, 1) + "'", Numero(vf, 0) + " nT");
        };
        s.push_back(linha("", "D", "I", "F"));
        s.push_back(valores("Brasil, média (RMS)", d->validacao.rmsBrasil, i->validacao.rmsBrasil, f->validacao.rmsBrasil));
        s.push_back(valores("Brasil, máxima", d->validacao.maxBrasil, i->validacao.maxBrasil, f->validacao.maxBrasil));
        s.push_back(valores("Região toda, máxima", d->validacao.maxCaixa, i->validacao.maxCaixa, f->validacao.maxCaixa));
        s.push_back("");
        s.push_back("Variações anuais, Brasil, média (RMS): declinação " +
                    Numero(d->validacao.rmsTaxaBrasil, 2) + "'/ano;");
        s.push_back("inclinação " + Numero(i->validacao.rmsTaxaBrasil, 2) + "'/ano; intensidade total " +
                    Numero(f->validacao.rmsTaxaBrasil, 1) + " nT/ano.");
        s.push_back("");
    }
    const std::vector<std::string> fim{
        "O IGRF descreve o campo principal, gerado no núcleo da Terra.",
        "Não inclui o campo das rochas magnetizadas da crosta nem as",
        "variações de origem externa (diárias e tempestades magnéticas):",
        "perto de rochas magnéticas, valores medidos podem diferir",
        "bastante dos calculados.",
        "",
        "Fonte: IGRF-14, IAGA (2024), doi:10.5281/zenodo.14012302,",
        "licença CC BY 4.0. Contorno do Brasil usado no ajuste: Natural",
        "Earth (domínio público).",
    };
    s.insert(s.end(), fim.begin(), fim.end());
    return s;
}

std::optional<std::string> AtualizaTermov(const std::string& termov, const std::vector<std::string>& secao) {
    std::string novo;
    for (const auto& linha : secao) {
        const auto bytes = ParaWindows1252(linha);
        if (!bytes) {
            return std::nullopt;
        }
        novo += *bytes + "\r\n";
    }
    const auto titulo = ParaWindows1252(TituloSecaoModelo);
    std::string antes = termov;
    const std::size_t posicao = termov.find(*titulo);
    if (posicao != std::string::npos) {
        const std::size_t inicioLinha = termov.rfind('\n', posicao);
        antes = termov.substr(0, inicioLinha == std::string::npos ? 0 : inicioLinha + 1);
    }
    if (!antes.empty()) {
        // Exactly one blank line between the general text and the section.
        while (antes.ends_with("\r\n\r\n")) {
            antes.resize(antes.size() - 2);
        }
        if (!antes.ends_with("\r\n")) {
            antes += "\r\n";
        }
        antes += "\r\n";
    }
    return antes + novo;
}

}  // namespace ceravel::ajuste
