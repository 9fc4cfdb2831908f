// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ValidaEntrada.h"

#include "calc/AnoDecimal.h"
#include "calc/LeituraNumeros.h"

#include <algorithm>
#include <cmath>

namespace ceravel {

namespace {

const QString TextoDadosIncompletos = QStringLiteral("Por favor entre com todos os dados");
const QString TextoNaoNumero =
    QStringLiteral("Por favor, entre somente com números. Verifique também o separador de decimais.");
const QString MensagemFaixaLatitude = QStringLiteral(
    "A latitude do território brasileiro varia de aproximadamente +10 a -35 graus. "
    "Verifique também o separador de decimais.");
const QString MensagemFaixaLongitude = QStringLiteral(
    "A longitude do território brasileiro varia de aproximadamente -30 a -75 graus. "
    "Verifique também o separador de decimais.");
const QString TextoMinutosSegundos = QStringLiteral("Por favor verifique os minutos e segundos.");
const QString MensagemDiaPositivo = QStringLiteral("Por favor, corrija o dia. Ele deve ser maior que zero!");
const QString MensagemMes = QStringLiteral("Por favor, corrija o mês.");
const QString MensagemDiaNoMes =
    QStringLiteral("Por favor, corrija o dia. Não pode ser maior do que o número de dias no mês!");
const QString MensagemQuatroAlgarismos = QStringLiteral("Por favor, insira o ano com 4 algarismos");
const QString MensagemJanelaValidade =
    QStringLiteral("Este software é válido somente para datas entre 1995 e 2005.");

using Caixa = CaixaEntrada;

// One coordinate in its active entry form, with its territory range.
struct Coordenada {
    FormaEntrada forma;
    Caixa decimal;
    Caixa graus, minutos, segundos;
    double minimo, maximo;
    const QString& mensagemFaixa;

    bool emGrausDecimais() const { return forma == FormaEntrada::GrausDecimais; }
    // The box the range test reads.
    const Caixa& caixaGraus() const { return emGrausDecimais() ? decimal : graus; }
    // The first required box left empty, or null.
    const Caixa* primeiraVazia() const
    {
        if (emGrausDecimais())
            return decimal.texto.isEmpty() ? &decimal : nullptr;
        for (const Caixa* caixa : {&graus, &minutos, &segundos})
            if (caixa->texto.isEmpty())
                return caixa;
        return nullptr;
    }
    bool preenchida() const { return primeiraVazia() == nullptr; }
};

// The numbers read from a coordinate's boxes (minutes and seconds stay 0 in
// decimal entry).
struct ValoresCoordenada {
    double graus = 0, minutos = 0, segundos = 0;
};

Coordenada Latitude(const TextosEntrada& e)
{
    return {e.formaLatitude, {e.latGraus, Campo::LatGraus}, {e.latG, Campo::LatG},
            {e.latM, Campo::LatM}, {e.latS, Campo::LatS}, -35.0, 10.0, MensagemFaixaLatitude};
}

Coordenada Longitude(const TextosEntrada& e)
{
    return {e.formaLongitude, {e.lonGraus, Campo::LonGraus}, {e.longG, Campo::LongG},
            {e.longM, Campo::LongM}, {e.longS, Campo::LongS}, -75.0, -30.0, MensagemFaixaLongitude};
}

// A control character other than the tab (a line break pasted with the
// number, say) is never part of a typed number: the box as typed goes into
// the export and the report, where a lone CR would split the line.
bool TemControle(const QString& texto)
{
    return std::any_of(texto.begin(), texto.end(), [](QChar ch) {
        return (ch.unicode() < 0x20 && ch != u'\t') || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0);
    });
}

// A non-empty box that is not a number in the user's locale stops the checks
// with the focus on it: the guards cannot compare it.
Guarda LeCaixa(const Caixa& caixa, const QLocale& locale, double& valor)
{
    const std::optional<double> numero = TemControle(caixa.texto) ? std::nullopt : LeNumeroLocal(caixa.texto, locale);
    if (!numero)
        return FalhaGuarda{TextoNaoNumero, caixa.campo};
    valor = *numero;
    return std::nullopt;
}

// Day, month and year must be whole numbers, and the leading-number reading
// of the decimal year must find the same number the guards tested.
Guarda LeCaixaData(const Caixa& caixa, const QLocale& locale, double& valor)
{
    if (Guarda falha = LeCaixa(caixa, locale, valor))
        return falha;
    if (valor != std::trunc(valor) || LeNumeroInicial(caixa.texto) != valor)
        return FalhaGuarda{TextoNaoNumero, caixa.campo};
    return std::nullopt;
}

Campo CampoRecusado(FocoRecusa foco, const Caixa& caixa)
{
    return foco == FocoRecusa::NaCaixa ? caixa.campo : Campo::Nenhum;
}

Guarda GuardaFaixa(const Coordenada& c, const QLocale& locale, FocoRecusa foco, ValoresCoordenada& valores)
{
    if (Guarda falha = LeCaixa(c.caixaGraus(), locale, valores.graus))
        return falha;
    if (valores.graus < c.minimo || valores.graus > c.maximo)
        return FalhaGuarda{c.mensagemFaixa, CampoRecusado(foco, c.caixaGraus())};
    return std::nullopt;
}

Guarda GuardaMinutosSegundos(const Coordenada& c, const QLocale& locale, FocoRecusa foco,
                             ValoresCoordenada& valores)
{
    if (c.emGrausDecimais())
        return std::nullopt;
    const std::pair<const Caixa*, double*> caixas[] = {{&c.minutos, &valores.minutos},
                                                       {&c.segundos, &valores.segundos}};
    for (const auto& [caixa, valor] : caixas) {
        if (Guarda falha = LeCaixa(*caixa, locale, *valor))
            return falha;
        if (*valor < 0 || *valor > 59)
            return FalhaGuarda{TextoMinutosSegundos, CampoRecusado(foco, *caixa)};
    }
    return std::nullopt;
}

// Decimal degrees; south and west carry their sign on the degrees alone. The
// sign typed decides, so "0" is north of the Equator and "-0" south of it
// (the number reading keeps the sign of a typed zero).
double GrausDecimais(const Coordenada& c, const ValoresCoordenada& v)
{
    if (c.emGrausDecimais())
        return v.graus;
    if (!std::signbit(v.graus))
        return v.graus + v.minutos / 60 + v.segundos / 3600;
    return v.graus - v.minutos / 60 - v.segundos / 3600;
}

// Ranges in the main window's order, then minutes and seconds.
Guarda GuardasCoordenadas(const Coordenada& lat, const Coordenada& lon, const QLocale& locale, FocoRecusa foco,
                          ValoresCoordenada& vLat, ValoresCoordenada& vLon)
{
    // Only latitude in degrees-minutes-seconds with longitude in decimal
    // degrees tests the latitude first.
    const bool latitudePrimeiro = !lat.emGrausDecimais() && lon.emGrausDecimais();
    struct CoordenadaLida {
        const Coordenada& coordenada;
        ValoresCoordenada& valores;
    };
    const CoordenadaLida primeira = latitudePrimeiro ? CoordenadaLida{lat, vLat} : CoordenadaLida{lon, vLon};
    const CoordenadaLida segunda = latitudePrimeiro ? CoordenadaLida{lon, vLon} : CoordenadaLida{lat, vLat};
    if (Guarda falha = GuardaFaixa(primeira.coordenada, locale, foco, primeira.valores))
        return falha;
    if (Guarda falha = GuardaFaixa(segunda.coordenada, locale, foco, segunda.valores))
        return falha;
    if (Guarda falha = GuardaMinutosSegundos(lat, locale, foco, vLat))
        return falha;
    return GuardaMinutosSegundos(lon, locale, foco, vLon);
}

ResultadoValidacao Recusa(FalhaGuarda falha)
{
    return {std::nullopt, std::move(falha)};
}

}  // namespace

Guarda GuardasData(const CaixaEntrada& dia, const CaixaEntrada& mes, const CaixaEntrada& ano,
                   const JanelaAnos& janela, const QLocale& locale, ValoresData& data)
{
    if (Guarda falha = LeCaixaData(dia, locale, data.dia))
        return falha;
    if (data.dia < 1)
        return FalhaGuarda{MensagemDiaPositivo, dia.campo};

    if (Guarda falha = LeCaixaData(mes, locale, data.mes))
        return falha;
    if (data.mes < 1 || data.mes > 12)
        return FalhaGuarda{MensagemMes, mes.campo};
    // Only February needs the year, which is not tested yet at this point.
    bool anoLido = false;
    if (data.mes == 2) {
        if (Guarda falha = LeCaixaData(ano, locale, data.ano))
            return falha;
        anoLido = true;
    }
    const int diasNoMes = DiasNoMes(static_cast<int>(data.mes), AnoEquivalente(data.ano));
    if (data.dia > diasNoMes)
        return FalhaGuarda{MensagemDiaNoMes, dia.campo};

    if (!anoLido) {
        if (Guarda falha = LeCaixaData(ano, locale, data.ano))
            return falha;
    }
    if (data.ano < 100)
        return FalhaGuarda{MensagemQuatroAlgarismos, ano.campo};
    if (data.ano < janela.primeiro || data.ano > janela.ultimo)
        return FalhaGuarda{janela.mensagem, ano.campo};
    return std::nullopt;
}

ResultadoValidacao ValidaEntrada(const TextosEntrada& entrada, const QLocale& locale)
{
    return ValidaEntrada(entrada, locale, JanelaAnos{1995, 2005, MensagemJanelaValidade});
}

ResultadoValidacao ValidaEntrada(const TextosEntrada& entrada, const QLocale& locale, const JanelaAnos& janela)
{
    const Coordenada lat = Latitude(entrada);
    const Coordenada lon = Longitude(entrada);

    // Emptiness only: a text of blanks is not empty and is judged when read.
    if (!lat.preenchida() || !lon.preenchida() || entrada.dia.isEmpty() || entrada.mes.isEmpty()
        || entrada.ano.isEmpty())
        return Recusa({TextoDadosIncompletos, Campo::Nenhum});

    ValoresCoordenada vLat, vLon;
    if (Guarda falha = GuardasCoordenadas(lat, lon, locale, FocoRecusa::Mantido, vLat, vLon))
        return Recusa(*falha);

    PedidoValidado pedido;
    pedido.latitude = GrausDecimais(lat, vLat);
    pedido.longitude = GrausDecimais(lon, vLon);

    ValoresData data;
    if (Guarda falha = GuardasData({entrada.dia, Campo::Dia}, {entrada.mes, Campo::Mes},
                                   {entrada.ano, Campo::Ano}, janela, locale, data))
        return Recusa(*falha);

    // The decimal year comes from the leading-number reading of the boxes;
    // the guards made sure it finds the very numbers they tested.
    pedido.anoDecimal = AnoDecimal(data.dia, data.mes, data.ano);
    pedido.x = pedido.latitude + 15;
    pedido.y = pedido.longitude + 55;
    pedido.t = pedido.anoDecimal - 1990;
    return {std::move(pedido), std::nullopt};
}

const QString& MensagemDadosIncompletos()
{
    return TextoDadosIncompletos;
}

const QString& MensagemNaoNumero()
{
    return TextoNaoNumero;
}

const QString& MensagemMinutosSegundos()
{
    return TextoMinutosSegundos;
}

const QString& MensagemPeriodoRegional()
{
    return MensagemJanelaValidade;
}

Guarda LeCaixaNumero(const CaixaEntrada& caixa, const QLocale& locale, double& valor)
{
    return LeCaixa(caixa, locale, valor);
}

Campo PrimeiraCaixaVaziaPosicao(const TextosEntrada& posicao)
{
    for (const Coordenada& c : {Latitude(posicao), Longitude(posicao)})
        if (const Caixa* vazia = c.primeiraVazia())
            return vazia->campo;
    return Campo::Nenhum;
}

Guarda GuardasPosicao(const TextosEntrada& posicao, const QLocale& locale, FocoRecusa foco, double& latitude,
                      double& longitude)
{
    const Coordenada lat = Latitude(posicao);
    const Coordenada lon = Longitude(posicao);
    ValoresCoordenada vLat, vLon;
    if (Guarda falha = GuardasCoordenadas(lat, lon, locale, foco, vLat, vLon))
        return falha;
    latitude = GrausDecimais(lat, vLat);
    longitude = GrausDecimais(lon, vLon);
    return std::nullopt;
}

}  // namespace ceravel
