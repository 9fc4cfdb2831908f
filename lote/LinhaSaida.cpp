#include "lote/LinhaSaida.h"

namespace ceravel::lote {

namespace {

// Ano decimal, the twelve numbers and the declination text.
constexpr int CamposResultado = 14;

bool EscreveInicio(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos)
{
    saida.iniciaLinha();
    saida.inteiro(numeroLinha);
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

QString CabecalhoSaida()
{
    return QStringLiteral("Linha;Latitude;Longitude;Data;Ano decimal;D (graus);dD (min/ano);I (graus);"
                          "dI (min/ano);F (nT);dF (nT/ano);X (nT);dX (nT/ano);Y (nT);dY (nT/ano);Z (nT);"
                          "dZ (nT/ano);Declinação;Mensagem");
}

bool EscreveCabecalho(SaidaLote& saida)
{
    saida.iniciaLinha();
    saida.texto(CabecalhoSaida());  // in every encoding
    return saida.terminaLinha();
}

bool EscreveLinhaPonto(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos,
                       const ResultadoPonto& resultado)
{
    if (!resultado.calculado())
        return EscreveLinhaFalha(saida, numeroLinha, textos, resultado.mensagem);
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
    return saida.terminaLinha();
}

bool EscreveLinhaFalha(SaidaLote& saida, qint64 numeroLinha, const TextosLinha& textos, const QString& mensagem)
{
    if (!EscreveInicio(saida, numeroLinha, textos))
        return false;
    for (int i = 0; i < CamposResultado; ++i)
        saida.separaCampo();
    saida.separaCampo();
    saida.texto(mensagem);  // Portuguese letters only: in every encoding
    return saida.terminaLinha();
}

}  // namespace ceravel::lote
