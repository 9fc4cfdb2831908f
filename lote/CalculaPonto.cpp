#include "lote/CalculaPonto.h"

#include "calc/ValidaEntrada.h"
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "present/FormataResultados.h"

namespace ceravel::lote {

LeituraModelo CarregaModelo(const QString& pasta)
{
    ModeloLote modelo;
    const std::pair<const char*, Coeficientes*> arquivos[] = {{ArquivoDeclinacao, &modelo.declinacao},
                                                              {ArquivoInclinacao, &modelo.inclinacao},
                                                              {ArquivoIntensidade, &modelo.intensidade}};
    for (const auto& [nome, destino] : arquivos) {
        LeituraCoeficientes lido = LeCoeficientes(pasta, QString::fromLatin1(nome));
        if (!lido.coeficientes)
            return {std::nullopt, lido.erro};
        *destino = *lido.coeficientes;
    }
    return {modelo, QString()};
}

ResultadoPonto CalculaPonto(const TextosEntrada& entrada, const ModeloLote& modelo, const QLocale& locale)
{
    const ResultadoValidacao validacao = ValidaEntrada(entrada, locale);
    if (validacao.falha)
        return {std::nullopt, 0, {}, validacao.falha->mensagem};
    const PedidoValidado& pedido = *validacao.pedido;

    const ResultadoModelo campo =
        CalculaCampo(modelo.declinacao, modelo.inclinacao, modelo.intensidade, pedido.x, pedido.y, pedido.t);
    if (!campo.elementos)
        return {std::nullopt, 0, {}, campo.erro};
    return {campo.elementos, pedido.anoDecimal, TextoDeclinacao(campo.elementos->D, locale), {}};
}

}  // namespace ceravel::lote
