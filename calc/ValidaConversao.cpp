#include "calc/ValidaConversao.h"

#include "calc/AnoDecimal.h"
#include "calc/RegrasRumos.h"

#include <cmath>

namespace ceravel {

namespace {

const QString MensagemPeriodo =
    QStringLiteral("A conversão de rumos é válida somente para datas entre 1900 e 2029.");
const QString MensagemFaixaAzimute =
    QStringLiteral("O azimute deve ser maior ou igual a 0 e menor que 360 graus.");
const QString MensagemFaixaRumo = QStringLiteral("O rumo deve estar entre 0 e 90 graus.");
const QString MensagemGrausInteiros =
    QStringLiteral("Por favor, entre com os graus sem decimais: as frações vão nos minutos e segundos.");

// The position boxes in the main window's shape, so its guards read them.
TextosEntrada Posicao(const TextosConversao& e)
{
    TextosEntrada p;
    p.latGraus = e.latGraus;
    p.latG = e.latG;
    p.latM = e.latM;
    p.latS = e.latS;
    p.lonGraus = e.lonGraus;
    p.longG = e.longG;
    p.longM = e.longM;
    p.longS = e.longS;
    p.formaLatitude = e.formaLatitude;
    p.formaLongitude = e.formaLongitude;
    return p;
}

// One date: every box filled (focus on the first empty one), then the main
// window's guards with this window's years; its decimal year.
Guarda GuardaData(const CaixaEntrada& dia, const CaixaEntrada& mes, const CaixaEntrada& ano, const QLocale& locale,
                  ValoresData& data, double& anoDecimal)
{
    for (const CaixaEntrada* caixa : {&dia, &mes, &ano})
        if (caixa->texto.isEmpty())
            return FalhaGuarda{MensagemDadosIncompletos(), caixa->campo};
    const JanelaAnos janela{PrimeiroAnoConversao, UltimoAnoConversao, MensagemPeriodo};
    if (Guarda falha = GuardasData(dia, mes, ano, janela, locale, data))
        return falha;
    anoDecimal = AnoDecimal(data.dia, data.mes, data.ano);
    return std::nullopt;
}

// The bearing's angle in its active form: a number in range, or nothing when
// every box of the form is empty.
Guarda GuardaAngulo(const TextosConversao& e, const QLocale& locale, std::optional<double>& angulo)
{
    const bool azimute = e.tipo == TipoRumo::Azimute;
    const QString& mensagemFaixa = azimute ? MensagemFaixaAzimute : MensagemFaixaRumo;
    // Azimuth: 0 <= az < 360; rumo: 0 <= a <= 90. A negative zero counts as
    // negative only where it carries minutes, below.
    const auto foraDaFaixa = [azimute](double v) { return v < 0 || (azimute ? v >= 360 : v > 90); };

    if (e.formaAngulo == FormaEntrada::GrausDecimais) {
        const CaixaEntrada caixa{e.angGraus, Campo::AngGraus};
        if (caixa.texto.isEmpty())
            return std::nullopt;
        double valor = 0;
        if (Guarda falha = LeCaixaNumero(caixa, locale, valor))
            return falha;
        if (foraDaFaixa(valor))
            return FalhaGuarda{mensagemFaixa, caixa.campo};
        angulo = valor;
        return std::nullopt;
    }

    const CaixaEntrada graus{e.angG, Campo::AngG}, minutos{e.angM, Campo::AngM}, segundos{e.angS, Campo::AngS};
    const CaixaEntrada* const caixas[] = {&graus, &minutos, &segundos};
    const CaixaEntrada* vazia = nullptr;
    bool algumaCheia = false;
    for (const CaixaEntrada* caixa : caixas) {
        if (caixa->texto.isEmpty()) {
            if (!vazia)
                vazia = caixa;
        } else {
            algumaCheia = true;
        }
    }
    if (!algumaCheia)
        return std::nullopt;
    if (vazia)
        return FalhaGuarda{MensagemDadosIncompletos(), vazia->campo};

    double g = 0, m = 0, s = 0;
    if (Guarda falha = LeCaixaNumero(graus, locale, g))
        return falha;
    if (g != std::trunc(g))
        return FalhaGuarda{MensagemGrausInteiros, graus.campo};
    // The sign typed in the degrees box would be the sign of the whole angle
    // ("-0 30 0" is -0.5°), and a bearing is never negative.
    if (std::signbit(g) || foraDaFaixa(g))
        return FalhaGuarda{mensagemFaixa, graus.campo};
    for (const auto& [caixa, valor] : {std::pair{&minutos, &m}, std::pair{&segundos, &s}}) {
        if (Guarda falha = LeCaixaNumero(*caixa, locale, *valor))
            return falha;
        if (*valor < 0 || *valor >= 60)
            return FalhaGuarda{MensagemMinutosSegundos(), caixa->campo};
    }
    const double total = g + m / 60 + s / 3600;
    if (foraDaFaixa(total))
        return FalhaGuarda{mensagemFaixa, graus.campo};
    angulo = total;
    return std::nullopt;
}

}  // namespace

ResultadoValidacaoConversao ValidaConversao(const TextosConversao& entrada, const QLocale& locale)
{
    PedidoConversao pedido;

    const TextosEntrada posicao = Posicao(entrada);
    if (const Campo vazia = PrimeiraCaixaVaziaPosicao(posicao); vazia != Campo::Nenhum)
        return FalhaGuarda{MensagemDadosIncompletos(), vazia};
    if (Guarda falha = GuardasPosicao(posicao, locale, FocoRecusa::NaCaixa, pedido.latitude, pedido.longitude))
        return std::move(*falha);

    if (Guarda falha = GuardaData({entrada.diaLev, Campo::DiaLev}, {entrada.mesLev, Campo::MesLev},
                                  {entrada.anoLev, Campo::AnoLev}, locale, pedido.levantamento,
                                  pedido.anoLevantamento))
        return std::move(*falha);
    if (Guarda falha = GuardaData({entrada.diaConv, Campo::DiaConv}, {entrada.mesConv, Campo::MesConv},
                                  {entrada.anoConv, Campo::AnoConv}, locale, pedido.conversao,
                                  pedido.anoConversao))
        return std::move(*falha);

    std::optional<double> angulo;
    if (Guarda falha = GuardaAngulo(entrada, locale, angulo))
        return std::move(*falha);
    if (angulo)
        pedido.azimute = entrada.tipo == TipoRumo::Azimute ? ReduzAzimute(*angulo)
                                                           : AzimuteDeRumo(*angulo, entrada.quadrante);
    return pedido;
}

}  // namespace ceravel
