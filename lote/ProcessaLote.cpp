#include "lote/ProcessaLote.h"

#include "export/Windows1252.h"
#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"
#include "lote/DecodificaLinha.h"
#include "lote/LinhaSaida.h"

namespace ceravel::lote {

namespace {

const QString MensagemLongaDemais = QStringLiteral("A linha é longa demais para conter um ponto.");

QString MensagemNaoRepresentavel(const QString& caractere)
{
    // No ";" in any message: it is the output's field separator.
    return QStringLiteral("A linha tem o caractere %1, que a codificação Windows-1252 não representa. "
                          "Os textos da linha foram omitidos: use a opção --utf8.")
        .arg(caractere);
}

// A line end or other control character inside a field (a CR before other
// bytes, a NUL): written back into the row, it would split it for a
// spreadsheet. The tab, a blank, may stay.
QString MensagemControle(QStringView caractere)
{
    return QStringLiteral("A linha tem o caractere de controle %1 dentro de um campo. "
                          "Os textos da linha foram omitidos.")
        .arg(CodigoUnicode(caractere));
}

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

ResumoLote ProcessaLote(LeitorLinhas& entrada, SaidaLote& saida, const ModeloLote& modelo,
                        const QLocale& locale, Progresso* progresso)
{
    ResumoLote resumo;
    DecodificaLinha decodificador;
    const QString separador = locale.decimalPoint();
    bool primeiraComConteudo = true;

    if (!saida.erro().isEmpty() || !EscreveCabecalho(saida)) {
        resumo.erro = saida.erro();
        return resumo;
    }

    ResultadoPonto resultado;  // one for all points: its strings keep their room
    QByteArrayView bytes;
    while (entrada.proxima(bytes)) {
        if (entrada.numero() == 1) {
            const InicioEntrada inicio = ExaminaInicio(bytes);
            if (!inicio.erro.isEmpty()) {
                resumo.erro = inicio.erro;
                return resumo;
            }
            bytes = bytes.sliced(inicio.marcaUtf8);
        }
        const QString& texto = decodificador.decodifica(bytes);
        const LinhaSeparada separada = SeparaLinha(texto);
        if (separada.tipo == LinhaSeparada::Tipo::Ignorada && !entrada.longaDemais())
            continue;
        if (primeiraComConteudo) {
            primeiraComConteudo = false;
            if (EhCabecalho(texto))
                continue;
        }

        ++resumo.pontos;
        TextosLinha textos{separada.latitude, separada.longitude, separada.data};
        const auto recusa = [&](const QString& mensagem) { resultado.recusa(mensagem); };
        qsizetype controle = -1;
        QStringView campoComControle;
        for (const QStringView campo : {textos.latitude, textos.longitude, textos.data}) {
            if ((controle = PrimeiroControle(campo)) >= 0) {
                campoComControle = campo;
                break;
            }
        }
        if (entrada.longaDemais()) {
            textos = {};
            recusa(MensagemLongaDemais);
        } else if (controle >= 0) {
            recusa(MensagemControle(campoComControle.sliced(controle, 1)));
            textos = {};
        } else if (separada.tipo == LinhaSeparada::Tipo::Invalida) {
            recusa(separada.mensagem);
        } else {
            const EntradaPonto ponto = MontaEntrada(separada, separador);
            if (!ponto.mensagem.isEmpty())
                recusa(ponto.mensagem);
            else
                CalculaPonto(ponto.textos, modelo, locale, resultado);
        }
        if (!resultado.calculado())
            ++resumo.falhas;

        if (!EscreveLinhaPonto(saida, entrada.numero(), textos, resultado)) {
            if (!saida.erro().isEmpty()) {
                resumo.erro = saida.erro();
                return resumo;
            }
            // The row again without the line's texts, the only ones that can hold such a character.
            if (resultado.calculado())
                ++resumo.falhas;
            const QString caractere = CodigoUnicode(PrimeiroNaoRepresentavel(
                QStringList{textos.latitude.toString(), textos.longitude.toString(), textos.data.toString()}.join(u';')));
            if (!EscreveLinhaFalha(saida, entrada.numero(), {}, MensagemNaoRepresentavel(caractere))) {
                resumo.erro = saida.erro();
                return resumo;
            }
        }
        if (progresso)
            progresso->atualiza(entrada.bytesLidos(), resumo.pontos);
    }
    if (!entrada.erro().isEmpty()) {
        resumo.erro = entrada.erro();
        return resumo;
    }
    if (!saida.descarrega())
        resumo.erro = saida.erro();
    return resumo;
}

}  // namespace ceravel::lote
