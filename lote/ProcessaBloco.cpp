// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/ProcessaBloco.h"

#include "export/Windows1252.h"
#include "lote/CalculaPontoGeodesico.h"
#include "lote/CamposLinha.h"
#include "lote/LinhaSaida.h"
#include "lote/MensagensLote.h"

#include <QStringList>

namespace ceravel::lote {

namespace {

// A line end or other control character inside a field (a CR before other
// bytes, a NUL): written back into the row, it would split it for a
// spreadsheet. The tab, a blank, may stay.
qsizetype PrimeiroControle(QStringView texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t ch = texto[i].unicode();
        if ((ch < 0x20 && ch != u'\t') || (ch >= 0x7F && ch < 0xA0))
            return i;
    }
    return -1;
}

}  // namespace

ProcessaBloco::ProcessaBloco(const ModeloLote& modelo, const QLocale& locale, CodificacaoSaida codificacao)
    : modelo_(modelo), locale_(locale), separador_(locale.decimalPoint()), codificacao_(codificacao)
{
}

void ProcessaBloco::processa(BlocoLinhas& bloco)
{
    QBuffer destino(&bloco.saida);
    destino.open(QIODevice::WriteOnly);
    SaidaLote saida(destino, codificacao_, separador_);
    ResultadoPonto& resultado = resultado_;

    for (const BlocoLinhas::Linha& linha : bloco.linhas) {
        const QString& texto = decodificador_.decodifica(bloco.linha(linha));
        const FormaPosicaoLote& forma = modelo_.posicao;
        const bool geodesicas = forma.colunasGeodesicas();
        const LinhaSeparada separada = SeparaLinha(texto, forma.utm);
        if (separada.tipo == LinhaSeparada::Tipo::Ignorada && !linha.longaDemais)
            continue;

        ++bloco.pontos;
        TextosLinha textos{separada.latitude, separada.longitude, separada.data, separada.zona, forma.utm};
        const TextosLinha semTextos{{}, {}, {}, {}, forma.utm};
        qsizetype controle = -1;
        QStringView campoComControle;
        for (const QStringView campo : {textos.zona, textos.latitude, textos.longitude, textos.data}) {
            if ((controle = PrimeiroControle(campo)) >= 0) {
                campoComControle = campo;
                break;
            }
        }
        if (linha.longaDemais) {
            textos = semTextos;
            resultado.recusa(MensagemLongaDemais());
        } else if (controle >= 0) {
            resultado.recusa(MensagemControle(campoComControle.sliced(controle, 1)));
            textos = semTextos;
        } else if (separada.tipo == LinhaSeparada::Tipo::Invalida) {
            resultado.recusa(separada.mensagem);
        } else if (geodesicas) {
            CalculaPontoGeodesico(separada, modelo_, locale_, separador_, resultado);
        } else {
            const EntradaPonto ponto = MontaEntrada(separada, separador_);
            if (!ponto.mensagem.isEmpty())
                resultado.recusa(ponto.mensagem);
            else
                CalculaPonto(ponto.textos, modelo_, locale_, resultado);
        }
        if (!resultado.calculado())
            ++bloco.falhas;

        if (!EscreveLinhaPonto(saida, linha.numero, textos, resultado, geodesicas)) {
            if (!saida.erro().isEmpty()) {
                bloco.erro = saida.erro();
                return;
            }
            // The row again without the line's texts, the only ones that can hold such a character.
            if (resultado.calculado())
                ++bloco.falhas;
            const QString caractere = CodigoUnicode(PrimeiroNaoRepresentavel(
                QStringList{textos.zona.toString(), textos.latitude.toString(), textos.longitude.toString(),
                            textos.data.toString()}.join(u';')));
            if (!EscreveLinhaFalha(saida, linha.numero, semTextos, MensagemNaoRepresentavel(caractere), geodesicas)) {
                bloco.erro = saida.erro();
                return;
            }
        }
    }
    if (!saida.descarrega())
        bloco.erro = saida.erro();
}

}  // namespace ceravel::lote
