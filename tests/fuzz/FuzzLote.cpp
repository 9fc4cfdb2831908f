// SPDX-License-Identifier: GPL-3.0-or-later
// The batch's reading (each line decoded, UTF-8 else Windows-1252, and split) and the whole input through
// ProcessaLote in both encodings and every line form and datum: every row has the header's fields.
#include "tests/fuzz/Fuzz.h"

#include "lote/CamposLinha.h"
#include "lote/DecodificaLinha.h"
#include "lote/LeitorLinhas.h"
#include "lote/LinhaSaida.h"
#include "lote/ProcessaLote.h"
#include "lote/SaidaLote.h"

#include <QBuffer>

namespace ceravel::fuzz {

void AlvoLote(QByteArrayView dados)
{
    if (dados.isEmpty())
        return;
    // The first byte: the locale, then the line form and the datum option (none for bytes 0–2, the first seeds').
    const auto primeiro = static_cast<std::uint8_t>(dados[0]);
    const QLocale locale = LocaleDoByte(primeiro);
    lote::FormaPosicaoLote forma{(primeiro / 3) % 2 == 1, {}, QStringLiteral(CERAVEL_DADOS_PROJETO)};
    if (const int datum = (primeiro / 6) % 6; datum > 0)
        forma.datum = geo::Datums()[datum - 1].datum;
    QByteArray entrada = dados.sliced(1).toByteArray();
    for (const QByteArray& bytes : entrada.split('\n')) {
        lote::DecodificaLinha decodificador;
        const QString texto = decodificador.decodifica(bytes);
        // Stateless, as the line is whole: a sequence cut at its end is an error, not held back.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString comoUtf8 = utf8(bytes);
        Confere(utf8.hasError() ? texto.size() == bytes.size() : texto == comoUtf8,
                "UTF-8 quando válido, senão um caractere por byte", texto);
        const lote::LinhaSeparada separada = lote::SeparaLinha(texto, forma.utm);
        for (const QStringView campo : {separada.zona, separada.latitude, separada.longitude, separada.data})
            Confere(!campo.contains(u';') && campo == campo.trimmed(), "campos sem ';' e sem brancos nas pontas",
                    campo.toString());
        Confere((separada.tipo == lote::LinhaSeparada::Tipo::Invalida) == !separada.mensagem.isEmpty(),
                "só uma linha inválida tem mensagem", texto);
    }

    static const ConjuntosCoeficientes zeros;
    lote::ModeloLote modelo(zeros);
    modelo.posicao = forma;
    const qsizetype campos = lote::CabecalhoSaida(forma).count(u';') + 1;
    for (const auto codificacao : {lote::CodificacaoSaida::Windows1252, lote::CodificacaoSaida::Utf8}) {
        QBuffer origem(&entrada);
        origem.open(QIODevice::ReadOnly);
        QByteArray bytes;
        QBuffer destino(&bytes);
        destino.open(QIODevice::WriteOnly);
        lote::LeitorLinhas leitor(origem);
        lote::SaidaLote saida(destino, codificacao, locale.decimalPoint());
        const lote::ResumoLote resumo = lote::ProcessaLote(leitor, saida, modelo, locale);
        if (!resumo.erro.isEmpty()) {
            // Only a separator the encoding lacks, or a UTF-16 input, stops the batch here.
            Confere(!saida.erro().isEmpty() || entrada.startsWith("\xFF\xFE") || entrada.startsWith("\xFE\xFF"),
                    "o lote só para por causa da entrada ou da saída", resumo.erro);
            continue;
        }
        Confere(bytes.endsWith("\r\n"), "a saída termina numa linha completa");
        const QList<QByteArray> linhas = bytes.chopped(2).split('\n');
        Confere(linhas.size() == resumo.pontos + 1, "uma linha por ponto, mais o cabeçalho");
        Confere(resumo.falhas >= 0 && resumo.falhas <= resumo.pontos, "falhas entre zero e os pontos");
        // A lone CR ends a row for many spreadsheets.
        for (const QByteArray& linha : linhas)
            Confere(linha.count(';') + 1 == campos
                        && (linha.indexOf('\r') < 0 || linha.indexOf('\r') == linha.size() - 1),
                    "cada linha tem os campos do cabeçalho e nenhum CR no meio", QString::fromLatin1(linha.left(300)));
    }
}

}  // namespace ceravel::fuzz
