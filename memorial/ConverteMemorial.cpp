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
    if (d.modelo == ModeloMemorial::Regional && regional(anoLev) && regional(anoConv)) {
        const ResultadoModelo lev = CalculaCampo(pastaPrograma, c.latitude + 15, c.longitude + 55, tLev - 1990);
        if (!lev.elementos)
            return FalhaMemorial{lev.erro, {}};
        const ResultadoModelo conv = CalculaCampo(pastaPrograma, c.latitude + 15, c.longitude + 55, tConv - 1990);
        if (!conv.elementos)
            return FalhaMemorial{conv.erro, {}};
        c.modelo = ModeloMemorial::Regional;
        c.levantamento = Declinacao(tLev, lev.elementos->D, lev.elementos->m / 60.0);
        c.conversao = Declinacao(tConv, conv.elementos->D, conv.elementos->m / 60.0);
    } else {
        if (d.modelo == ModeloMemorial::Regional)
            c.avisoModelo = QStringLiteral("O modelo regional cobre somente 1995 a 2005 nas duas datas; "
                                           "foi usado o IGRF-14.");
        const LeituraIgrf14 leitura = CarregaIgrf14(pastaPrograma);
        if (!leitura.modelo)
            return FalhaMemorial{leitura.erro, {}};
        const auto lev = CampoIgrf14(*leitura.modelo, c.latitude, c.longitude, tLev);
        const auto conv = CampoIgrf14(*leitura.modelo, c.latitude, c.longitude, tConv);
        if (!lev || !conv)
            return FalhaMemorial{QStringLiteral("O IGRF-14 não pôde ser calculado nesta posição e data."), {}};
        c.levantamento = Declinacao(tLev, lev->D, lev->dD);
        c.conversao = Declinacao(tConv, conv->D, conv->dD);
    }

    if (d.referencia == ReferenciaMemorial::Quadricula) {
        geo::Geodesia& geodesia = geo::GeodesiaDaThread(pastaPrograma);
        if (!geodesia.erro().isEmpty())
            return FalhaMemorial{geodesia.erro(), {}};
        c.zona = geo::ZonaUtm(c.longitude);
        const auto fatores = geodesia.Fatores({c.latitude, c.longitude}, c.zona, c.latitude < 0);
        if (const auto* falha = std::get_if<geo::FalhaGeo>(&fatores))
            return FalhaMemorial{falha->mensagem, {}};
        c.convergencia = std::get<geo::FatoresUtm>(fatores).convergencia;
        c.convergenciaSegundos = SegundosArredondados(*c.convergencia);
    }

    c.segmentos.reserve(memorial.segmentos.size());
    for (const SegmentoMemorial& s : memorial.segmentos) {
        const VerificacaoSegmento v = VerificaSegmento(s, locale);
        if (!v.lido) {
            c.segmentos.push_back({std::nullopt, v.motivo()});
            continue;
        }
        // The bearing rules of the conversion window, on the declinations as shown.
        const long long dado = ReduzAzimute(SegundosArredondados(v.lido->azimute));
        const bool magnetico = d.referencia == ReferenciaMemorial::Magnetico;
        RumosConvertidos rumos =
            ConverteRumo(magnetico ? dado : ReduzAzimute(dado + c.convergenciaSegundos),
                         magnetico ? ReferenciaRumo::Magnetico : ReferenciaRumo::Verdadeiro, c.levantamento.segundos,
                         c.conversao.segundos);
        rumos.informado = dado;
        SegmentoConvertido r;
        r.azimuteDado = rumos.informado / 3600.0;
        r.verdadeiro = rumos.verdadeiro / 3600.0;
        r.magneticoConversao = rumos.magneticoConversao / 3600.0;
        r.distancia = v.lido->distancia;
        c.segmentos.push_back({r, {}});
    }
    return c;
}

}  // namespace ceravel
