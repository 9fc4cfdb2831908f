// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ValidaConversao.h"

#include "calc/AnoDecimal.h"
#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"

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
const QString MensagemCaixaVazia = QStringLiteral("Por favor, preencha esta caixa.");

// The box as the messages name it.
QString NomeCaixa(Campo campo)
{
    switch (campo) {
    case Campo::LatGraus: return QStringLiteral("Latitude em graus decimais");
    case Campo::LatG: return QStringLiteral("Graus da latitude");
    case Campo::LatM: return QStringLiteral("Minutos da latitude");
    case Campo::LatS: return QStringLiteral("Segundos da latitude");
    case Campo::LonGraus: return QStringLiteral("Longitude em graus decimais");
    case Campo::LongG: return QStringLiteral("Graus da longitude");
    case Campo::LongM: return QStringLiteral("Minutos da longitude");
    case Campo::LongS: return QStringLiteral("Segundos da longitude");
    case Campo::DiaLev: return QStringLiteral("Dia do levantamento");
    case Campo::MesLev: return QStringLiteral("Mês do levantamento");
    case Campo::AnoLev: return QStringLiteral("Ano do levantamento");
    case Campo::DiaConv: return QStringLiteral("Dia da conversão");
    case Campo::MesConv: return QStringLiteral("Mês da conversão");
    case Campo::AnoConv: return QStringLiteral("Ano da conversão");
    case Campo::AngGraus: return QStringLiteral("Rumo em graus decimais");
    case Campo::AngG: return QStringLiteral("Graus do rumo");
    case Campo::AngM: return QStringLiteral("Minutos do rumo");
    case Campo::AngS: return QStringLiteral("Segundos do rumo");
    default: return {};
    }
}

// "Ano do levantamento: a conversão de rumos é válida ...".
FalhaGuarda Nomeada(FalhaGuarda falha)
{
    const QString nome = NomeCaixa(falha.foco);
    if (!nome.isEmpty() && !falha.mensagem.isEmpty())
        falha.mensagem = nome + QStringLiteral(": ") + falha.mensagem.front().toLower() + falha.mensagem.mid(1);
    return falha;
}

// An empty minutes or seconds box is 0.
QString ZeroSeVazia(const QString& texto)
{
    return texto.isEmpty() ? QStringLiteral("0") : texto;
}

// The position boxes in the main window's shape, so its guards read them.
TextosEntrada Posicao(const TextosConversao& e)
{
    TextosEntrada p;
    p.latGraus = e.latGraus;
    p.latG = e.latG;
    p.latM = ZeroSeVazia(e.latM);
    p.latS = ZeroSeVazia(e.latS);
    p.lonGraus = e.lonGraus;
    p.longG = e.longG;
    p.longM = ZeroSeVazia(e.longM);
    p.longS = ZeroSeVazia(e.longS);
    p.formaLatitude = e.formaLatitude;
    p.formaLongitude = e.formaLongitude;
    return p;
}

// One date: every box filled (focus on the first empty one), or, where
// `soAno` allows it, the year alone for 1 July; then the main window's guards
// with this window's years; its decimal year.
Guarda GuardaData(const CaixaEntrada& dia, const CaixaEntrada& mes, const CaixaEntrada& ano, const QLocale& locale,
                  bool* soAno, ValoresData& data, double& anoDecimal)
{
    const bool soOAno = soAno && dia.texto.isEmpty() && mes.texto.isEmpty() && !ano.texto.isEmpty();
    const QString primeiro = QStringLiteral("1"), julho = QStringLiteral("7");
    const CaixaEntrada diaLido{soOAno ? primeiro : dia.texto, dia.campo};
    const CaixaEntrada mesLido{soOAno ? julho : mes.texto, mes.campo};
    for (const CaixaEntrada* caixa : {&diaLido, &mesLido, &ano})
        if (caixa->texto.isEmpty())
            return FalhaGuarda{MensagemCaixaVazia, caixa->campo};
    const JanelaAnos janela{PrimeiroAnoConversao, UltimoAnoConversao, MensagemPeriodo};
    if (Guarda falha = GuardasData(diaLido, mesLido, ano, janela, locale, data))
        return falha;
    if (soAno)
        *soAno = soOAno;
    anoDecimal = AnoDecimal(data.dia, data.mes, data.ano);
    return std::nullopt;
}

// The bearing's angle in its active form: a number in range, or nothing when
// every box of the form is empty.
Guarda GuardaAngulo(const TextosConversao& e, const QLocale& locale, std::optional<double>& angulo, Campo& caixaGraus)
{
    const bool azimute = e.tipo == TipoRumo::Azimute;
    const QString& mensagemFaixa = azimute ? MensagemFaixaAzimute : MensagemFaixaRumo;
    // Azimuth: 0 <= az < 360; rumo: 0 <= a <= 90. A negative zero counts as
    // negative only where it carries minutes, below.
    const auto foraDaFaixa = [azimute](double v) { return v < 0 || (azimute ? v >= 360 : v > 90); };

    if (e.formaAngulo == FormaEntrada::GrausDecimais) {
        const CaixaEntrada caixa{e.angGraus, caixaGraus = Campo::AngGraus};
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

    caixaGraus = Campo::AngG;
    if (e.angG.isEmpty() && e.angM.isEmpty() && e.angS.isEmpty())
        return std::nullopt;
    if (e.angG.isEmpty())
        return FalhaGuarda{MensagemCaixaVazia, Campo::AngG};
    const QString angM = ZeroSeVazia(e.angM), angS = ZeroSeVazia(e.angS);
    const CaixaEntrada graus{e.angG, Campo::AngG}, minutos{angM, Campo::AngM}, segundos{angS, Campo::AngS};
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

ResultadoValidacaoConversao Valida(const TextosConversao& entrada, const QLocale& locale)
{
    PedidoConversao pedido;

    if (entrada.formaPosicao == FormaPosicao::Utm) {
        geo::PontoUtm utm;
        if (Guarda falha = GuardasUtm(entrada.utm, locale, utm))
            return std::move(*falha);
        pedido.utm = utm;
    } else {
        const TextosEntrada posicao = Posicao(entrada);
        if (const Campo vazia = PrimeiraCaixaVaziaPosicao(posicao); vazia != Campo::Nenhum)
            return FalhaGuarda{MensagemCaixaVazia, vazia};
        if (Guarda falha = GuardasPosicao(posicao, locale, FocoRecusa::NaCaixa, pedido.latitude, pedido.longitude))
            return std::move(*falha);
    }

    if (Guarda falha = GuardaData({entrada.diaLev, Campo::DiaLev}, {entrada.mesLev, Campo::MesLev},
                                  {entrada.anoLev, Campo::AnoLev}, locale, &pedido.levantamentoSoAno,
                                  pedido.levantamento, pedido.anoLevantamento))
        return std::move(*falha);
    if (Guarda falha = GuardaData({entrada.diaConv, Campo::DiaConv}, {entrada.mesConv, Campo::MesConv},
                                  {entrada.anoConv, Campo::AnoConv}, locale, nullptr, pedido.conversao,
                                  pedido.anoConversao))
        return std::move(*falha);

    std::optional<double> angulo;
    Campo caixaGraus = Campo::AngG;
    if (Guarda falha = GuardaAngulo(entrada, locale, angulo, caixaGraus))
        return std::move(*falha);
    if (!angulo)
        return pedido;
    const long long segundos = SegundosArredondados(*angulo);
    if (entrada.tipo == TipoRumo::Azimute) {
        pedido.azimute = ReduzAzimute(segundos);
        return pedido;
    }
    // An exact cardinal direction has its own angle: N and S 0°, L and O 90°.
    const int q = static_cast<int>(entrada.quadrante);
    const long long cardinal = q % 4 == 0 ? 0 : 90 * 3600;
    if (q % 2 == 0 && segundos != cardinal)
        return FalhaGuarda{QStringLiteral("Com a direção %1 o rumo é de %2 graus.")
                               .arg(TextoQuadrante(entrada.quadrante), QString::number(cardinal / 3600)),
                           caixaGraus};
    pedido.azimute = AzimuteDeRumo(segundos, entrada.quadrante);
    return pedido;
}

}  // namespace

ResultadoValidacaoConversao ValidaConversao(const TextosConversao& entrada, const QLocale& locale)
{
    ResultadoValidacaoConversao r = Valida(entrada, locale);
    if (auto* falha = std::get_if<FalhaGuarda>(&r))
        *falha = Nomeada(std::move(*falha));
    return r;
}

}  // namespace ceravel
