// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ConverteMemorial.h"

#include "geo/Geodesia.h"

#include "calc/AnoDecimal.h"
#include "calc/RegrasRumos.h"
#include "calc/ValidaConversao.h"
#include "calc/ValidaEntrada.h"
#include "geo/Datum.h"
#include "memorial/LeituraSegmentos.h"
#include "model/CalculaCampo.h"
#include "model/LeCoeficientes.h"
#include "model/Igrf14.h"

namespace ceravel {

namespace {

const QString MensagemPeriodo =
    QStringLiteral("A aviventação de memorial é válida somente para datas entre 1900 e 2029.");

TextosEntrada Posicao(const PosicaoMemorial& p)
{
    TextosEntrada e;
    e.formaLatitude = p.formaLatitude;
    e.formaLongitude = p.formaLongitude;
    e.latGraus = p.latGraus;
    e.latG = p.latG;
    e.latM = p.latM;
    e.latS = p.latS;
    e.lonGraus = p.lonGraus;
    e.longG = p.longG;
    e.longM = p.longM;
    e.longS = p.longS;
    return e;
}

// "dd/mm/aaaa", or "aaaa" alone (1 July) where `soAno` may be set.
std::optional<FalhaMemorial> LeData(const QString& texto, const QString& caixa, const QString& nome,
                                    const QLocale& locale, bool aceitaSoAno, double& anoDecimal, double& ano,
                                    bool& soAno)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return FalhaMemorial{QStringLiteral("Por favor entre com a %1.").arg(nome), caixa};
    QStringList partes = t.split(u'/');
    soAno = false;
    if (partes.size() == 1 && aceitaSoAno) {
        partes = {QStringLiteral("1"), QStringLiteral("7"), partes[0]};
        soAno = true;
    }
    if (partes.size() != 3)
        return FalhaMemorial{QStringLiteral("A %1 deve ser escrita dd/mm/aaaa%2.")
                                 .arg(nome, aceitaSoAno ? QStringLiteral(" ou só o ano, aaaa") : QString()),
                             caixa};
    for (QString& p : partes)
        p = p.trimmed();
    const JanelaAnos janela{PrimeiroAnoConversao, UltimoAnoConversao, MensagemPeriodo};
    ValoresData data;
    if (Guarda falha = GuardasData({partes[0], Campo::Nenhum}, {partes[1], Campo::Nenhum},
                                   {partes[2], Campo::Nenhum}, janela, locale, data))
        return FalhaMemorial{QStringLiteral("%1: %2").arg(nome.left(1).toUpper() + nome.mid(1), falha->mensagem),
                             caixa};
    anoDecimal = AnoDecimal(data.dia, data.mes, data.ano);
    ano = data.ano;
    return std::nullopt;
}

DeclinacaoMemorial Declinacao(double anoDecimal, double D, double dD)
{
    return {anoDecimal, D, dD, SegundosArredondados(D)};
}

// The model chosen, read once: the regional sets, or IGRF-14.
struct ModeloLido {
    std::optional<ConjuntosCoeficientes> regional;
    const igrf::ModeloIgrf* igrf = nullptr;
};

std::variant<FalhaMemorial, ModeloLido> LeModelo(ModeloMemorial modelo, const QString& pasta)
{
    if (modelo == ModeloMemorial::Regional) {
        LeituraConjuntos leitura = LeConjuntos(pasta);
        if (!leitura.conjuntos)
            return FalhaMemorial{leitura.erro, {}};
        return ModeloLido{std::move(leitura.conjuntos), nullptr};
    }
    const LeituraIgrf14 leitura = CarregaIgrf14(pasta);
    if (!leitura.modelo)
        return FalhaMemorial{leitura.erro, {}};
    return ModeloLido{std::nullopt, leitura.modelo};
}

// The declination at both dates (their decimal years already in `lev` and `conv`) at one place.
std::optional<FalhaMemorial> Avalia(const ModeloLido& m, double latitude, double longitude, DeclinacaoMemorial& lev,
                                    DeclinacaoMemorial& conv)
{
    for (DeclinacaoMemorial* d : {&lev, &conv}) {
        if (m.regional) {
            const ConjuntosCoeficientes& k = *m.regional;
            const ResultadoModelo r = CalculaCampo(k.declinacao, k.inclinacao, k.intensidade, latitude + 15,
                                                   longitude + 55, d->anoDecimal - 1990);
            if (!r.elementos)
                return FalhaMemorial{r.erro, {}};
            *d = Declinacao(d->anoDecimal, r.elementos->D, r.elementos->m / 60.0);
        } else {
            const auto r = CampoIgrf14(*m.igrf, latitude, longitude, d->anoDecimal);
            if (!r)
                return FalhaMemorial{QStringLiteral("O IGRF-14 não pôde ser calculado nesta posição e data."), {}};
            *d = Declinacao(d->anoDecimal, r->D, r->dD);
        }
    }
    return std::nullopt;
}

// γ of SIRGAS 2000 / UTM `zona` at a point, degrees.
std::variant<FalhaMemorial, double> Convergencia(const QString& pasta, const geo::Geografico& ponto, int zona)
{
    geo::Geodesia& geodesia = geo::GeodesiaDaThread(pasta);
    if (!geodesia.erro().isEmpty())
        return FalhaMemorial{geodesia.erro(), {}};
    const auto fatores = geodesia.Fatores(ponto, zona, ponto.latitude < 0);
    if (const auto* falha = std::get_if<geo::FalhaGeo>(&fatores))
        return FalhaMemorial{falha->mensagem, {}};
    return std::get<geo::FatoresUtm>(fatores).convergencia;
}

// The bearing rules of the conversion window on one row's bearing (whole
// seconds, the deed's reference), with the values as shown.
SegmentoConvertido ConverteLinha(long long dado, ReferenciaMemorial referencia, const ValoresVertice& v)
{
    const bool magnetico = referencia == ReferenciaMemorial::Magnetico;
    const RumosConvertidos rumos = ConverteRumo(magnetico ? dado : ReduzAzimute(dado + v.convergencia),
                                                magnetico ? ReferenciaRumo::Magnetico : ReferenciaRumo::Verdadeiro,
                                                v.levantamento, v.conversao);
    SegmentoConvertido r;
    r.azimuteDado = dado / 3600.0;
    r.verdadeiro = rumos.verdadeiro / 3600.0;
    r.magneticoConversao = rumos.magneticoConversao / 3600.0;
    return r;
}

}  // namespace

ResultadoMemorial ConverteMemorial(const Memorial& memorial, const QLocale& locale, const QString& pastaPrograma)
{
    const DadosMemorial& d = memorial.dados;
    ConversaoMemorial c;
    c.memorial = memorial;

    // The position: UTM or geographic boxes, in its datum, then in SIRGAS 2000.
    std::optional<geo::PontoUtm> utm;
    if (d.posicao.utm) {
        geo::PontoUtm ponto;
        if (Guarda falha = GuardasUtm(d.posicao.posicaoUtm, locale, ponto))
            return FalhaMemorial{falha->mensagem, NomeCampo(falha->foco)};
        utm = ponto;
    } else {
        const TextosEntrada posicao = Posicao(d.posicao);
        if (const Campo vazia = PrimeiraCaixaVaziaPosicao(posicao); vazia != Campo::Nenhum)
            return FalhaMemorial{MensagemDadosIncompletos(), NomeCampo(vazia)};
        if (Guarda falha = GuardasPosicao(posicao, locale, FocoRecusa::NaCaixa, c.latitude, c.longitude))
            return FalhaMemorial{falha->mensagem, NomeCampo(falha->foco)};
    }
    const auto datums = geo::Datums();
    const auto dadosDatum = std::find_if(datums.begin(), datums.end(), [&d](const geo::DadosDatum& dd) {
        return d.posicao.datum == QLatin1StringView(dd.opcao);
    });
    if (dadosDatum == datums.end())
        return FalhaMemorial{QStringLiteral("O datum \u201C%1\u201D não é conhecido.").arg(d.posicao.datum),
                             NomeCampo(Campo::Datum)};
    if (utm || dadosDatum->datum != geo::Datum::Sirgas2000) {
        PosicaoGeodesica g;
        if (Guarda falha = GuardasGeodesicas(geo::GeodesiaDaThread(pastaPrograma), dadosDatum->datum, utm,
                                             {c.latitude, c.longitude}, locale, g))
            return FalhaMemorial{falha->mensagem, NomeCampo(falha->foco)};
        c.latitude = g.sirgas.ponto.latitude;
        c.longitude = g.sirgas.ponto.longitude;
    }

    double anoLev = 0, anoConv = 0, tLev = 0, tConv = 0;
    bool soAnoConv = false;
    if (auto falha = LeData(d.levantamento, QStringLiteral("Levantamento"), QStringLiteral("data do levantamento"),
                            locale, true, tLev, anoLev, c.levantamentoSoAno))
        return *falha;
    if (auto falha = LeData(d.conversao, QStringLiteral("Conversao"), QStringLiteral("data da conversão"), locale,
                            false, tConv, anoConv, soAnoConv))
        return *falha;

    const auto regional = [](double ano) { return ano >= 1995 && ano <= 2005; };
    c.modelo = d.modelo == ModeloMemorial::Regional && regional(anoLev) && regional(anoConv) ? ModeloMemorial::Regional
                                                                                            : ModeloMemorial::Igrf14;
    if (c.modelo != d.modelo)
        c.avisoModelo = QStringLiteral("O modelo regional cobre somente 1995 a 2005 nas duas datas; "
                                       "foi usado o IGRF-14.");
    c.levantamento.anoDecimal = tLev;
    c.conversao.anoDecimal = tConv;
    const auto modelo = LeModelo(c.modelo, pastaPrograma);
    if (const auto* falha = std::get_if<FalhaMemorial>(&modelo))
        return *falha;
    if (auto falha = Avalia(std::get<ModeloLido>(modelo), c.latitude, c.longitude, c.levantamento, c.conversao))
        return *falha;

    if (d.referencia == ReferenciaMemorial::Quadricula) {
        c.zona = geo::ZonaUtm(c.longitude);
        const auto gama = Convergencia(pastaPrograma, {c.latitude, c.longitude}, c.zona);
        if (const auto* falha = std::get_if<FalhaMemorial>(&gama))
            return *falha;
        c.convergencia = std::get<double>(gama);
        c.convergenciaSegundos = SegundosArredondados(*c.convergencia);
    }

    c.segmentos.reserve(memorial.segmentos.size());
    for (const SegmentoMemorial& s : memorial.segmentos) {
        const VerificacaoSegmento v = VerificaSegmento(s, locale);
        if (!v.lido) {
            c.segmentos.push_back({std::nullopt, v.motivo(), std::nullopt});
            continue;
        }
        SegmentoConvertido r = ConverteLinha(ReduzAzimute(SegundosArredondados(v.lido->azimute)), d.referencia,
                                             {c.levantamento.segundos, c.conversao.segundos, c.convergenciaSegundos});
        r.distancia = v.lido->distancia;
        c.segmentos.push_back({r, {}, std::nullopt});
    }
    return c;
}

ValoresVertice ValoresUsados(const ConversaoMemorial& c, const ResultadoSegmento& s)
{
    if (c.porVertice && s.vertice)
        return *s.vertice;
    return {c.levantamento.segundos, c.conversao.segundos, c.convergenciaSegundos};
}

std::optional<FalhaMemorial> ConverteNosVertices(ConversaoMemorial& c, const std::vector<geo::Geografico>& partidas,
                                                 bool reconverte, const QString& pastaPrograma)
{
    const auto modelo = LeModelo(c.modelo, pastaPrograma);
    if (const auto* falha = std::get_if<FalhaMemorial>(&modelo))
        return *falha;
    for (std::size_t i = 0; i < c.segmentos.size() && i < partidas.size(); ++i) {
        ResultadoSegmento& s = c.segmentos[i];
        if (!s.convertido)
            continue;
        const geo::Geografico& p = partidas[i];
        DeclinacaoMemorial lev{c.levantamento.anoDecimal}, conv{c.conversao.anoDecimal};
        if (auto falha = Avalia(std::get<ModeloLido>(modelo), p.latitude, p.longitude, lev, conv))
            return falha;
        ValoresVertice v{lev.segundos, conv.segundos, 0};
        if (c.convergencia) {
            const auto gama = Convergencia(pastaPrograma, p, c.zona);
            if (const auto* falha = std::get_if<FalhaMemorial>(&gama))
                return *falha;
            v.convergencia = SegundosArredondados(std::get<double>(gama));
        }
        s.vertice = v;
    }
    if (!reconverte)
        return std::nullopt;
    c.porVertice = true;
    for (ResultadoSegmento& s : c.segmentos)
        if (s.convertido) {
            const double distancia = s.convertido->distancia;
            s.convertido = ConverteLinha(SegundosArredondados(s.convertido->azimuteDado), c.memorial.dados.referencia,
                                         ValoresUsados(c, s));
            s.convertido->distancia = distancia;
        }
    return std::nullopt;
}

}  // namespace ceravel
