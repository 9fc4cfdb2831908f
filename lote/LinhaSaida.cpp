// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/LinhaSaida.h"

namespace ceravel::lote {

namespace {

// Ano decimal, the twelve numbers and the declination text.
constexpr int CamposResultado = 14;
// Latitude and longitude in SIRGAS 2000, γ, k.
constexpr int CamposGeodesicos = 4;

bool EscreveInicio(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos)
{
    saida.iniciaLinha();
    saida.inteiro(numeroLinha);
    if (textos.utm) {
        saida.separaCampo();
        if (!saida.texto(textos.zona)) {
            saida.desfazLinha();
            return false;
        }
    }
    for (const QStringView texto : {textos.latitude, textos.longitude, textos.data}) {
        saida.separaCampo();
        if (!saida.texto(texto)) {
            saida.desfazLinha();
            return false;
        }
    }
    return true;
}

}  // namespace

QString CabecalhoSaida(const FormaPosicaoLote& forma)
{
    QString cabecalho = forma.utm ? QStringLiteral("Linha;Zona;E (m);N (m);Data;")
                                  : QStringLiteral("Linha;Latitude;Longitude;Data;");
    cabecalho += QStringLiteral("Ano decimal;D (graus);dD (min/ano);I (graus);"
                                "dI (min/ano);F (nT);dF (nT/ano);X (nT);dX (nT/ano);Y (nT);dY (nT/ano);Z (nT);"
                                "dZ (nT/ano);Declinação;Mensagem");
    if (forma.colunasGeodesicas())
        cabecalho += QStringLiteral(";Latitude SIRGAS 2000;Longitude SIRGAS 2000;Convergência (graus);Fator de escala");
    return cabecalho;
}

bool EscreveCabecalho(SaidaLote& saida, const FormaPosicaoLote& forma)
{
    saida.iniciaLinha();
    saida.texto(CabecalhoSaida(forma));  // in every encoding
    return saida.terminaLinha();
}

bool EscreveLinhaPonto(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos,
                       const ResultadoPonto& resultado, bool geodesicas)
{
    if (!resultado.calculado())
        return EscreveLinhaFalha(saida, numeroLinha, textos, resultado.mensagem, geodesicas);
    if (!EscreveInicio(saida, numeroLinha, textos))
        return false;
    const auto numero = [&](auto valor) {
        saida.separaCampo();
        saida.numero(valor);
    };
    numero(resultado.anoDecimal);
    if (resultado.elementos) {
        const ElementosCampo& e = *resultado.elementos;
        // The angular variations as the model hands them on, in minutes of arc per year.
        for (const float v : {e.D, e.m, e.I, e.n, e.F, e.dF})
            numero(v);
        for (const double v : {e.X, e.dX, e.Y, e.dY, e.Z, e.dZ})
            numero(v);
    } else {
        // IGRF gives its angular rates in degrees per year; the columns hold minutes.
        const igrf::ElementosIgrf& e = *resultado.igrf;
        for (const double v : {e.D, e.dD * 60, e.I, e.dI * 60, e.F, e.dF, e.X, e.dX, e.Y, e.dY, e.Z, e.dZ})
            numero(v);
    }
    saida.separaCampo();
    saida.texto(resultado.declinacao);  // digits, "º", "'": in every encoding
    saida.separaCampo();
    if (geodesicas) {
        const ResultadoGeodesico g = resultado.geodesico.value_or(ResultadoGeodesico{});
        for (const double v : {g.latitude, g.longitude, g.convergencia, g.escala})
            numero(v);
    }
    return saida.terminaLinha();
}

bool EscreveLinhaFalha(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos, const QString& mensagem,
                       bool geodesicas)
{
    if (!EscreveInicio(saida, numeroLinha, textos))
        return false;
    for (int i = 0; i < CamposResultado; ++i)
        saida.separaCampo();
    saida.separaCampo();
    saida.texto(mensagem);  // Portuguese letters only: in every encoding
    if (geodesicas)
        for (int i = 0; i < CamposGeodesicos; ++i)
            saida.separaCampo();
    return saida.terminaLinha();
}

}  // namespace ceravel::lote
