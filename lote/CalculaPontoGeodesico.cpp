// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/CalculaPontoGeodesico.h"

#include "calc/ValidaUtm.h"

namespace ceravel::lote {

namespace {

const QString MensagemZona =
    QStringLiteral("A zona UTM deve vir com a letra do hemisfério, por exemplo 23S ou 20N.");

QString ComSeparador(QStringView texto, QStringView separador)
{
    QString s = texto.toString();
    if (separador != u".")
        s.replace(u'.', separador.toString());
    return s;
}

}  // namespace

void CalculaPontoGeodesico(const LinhaSeparada& linha, const ModeloLote& modelo, const QLocale& locale,
                           QStringView separador, ResultadoPonto& resultado)
{
    const FormaPosicaoLote& forma = modelo.posicao;
    const geo::Datum datum = forma.datum.value_or(geo::Datum::Sirgas2000);
    geo::Geodesia& geodesia = geo::GeodesiaDaThread(forma.pastaGrades);
    PosicaoGeodesica posicao;
    std::optional<geo::PontoUtm> utm;
    EntradaPonto ponto;

    if (forma.utm) {
        // Zone and hemisphere in one field: "23S".
        const QStringView zona = linha.zona;
        if (zona.isEmpty() || !zona.back().isLetter()) {
            resultado.recusa(zona.isEmpty() ? MensagemDadosIncompletos() : MensagemZona);
            return;
        }
        const TextosUtm textos{zona.chopped(1).trimmed().toString(), zona.last(1).toString(),
                               ComSeparador(linha.latitude, separador), ComSeparador(linha.longitude, separador)};
        geo::PontoUtm lido;
        if (Guarda falha = GuardasUtm(textos, locale, lido)) {
            resultado.recusa(falha->mensagem);
            return;
        }
        utm = lido;
        // The date's boxes as for a geographic line.
        LinhaSeparada soData = linha;
        soData.latitude = soData.longitude = QStringView();
        ponto = MontaEntrada(soData, separador);
    } else {
        ponto = MontaEntrada(linha, separador);
        if (!ponto.mensagem.isEmpty()) {
            resultado.recusa(ponto.mensagem);
            return;
        }
        // The calculator's position checks on the coordinates as given.
        if (const Campo vazia = PrimeiraCaixaVaziaPosicao(ponto.textos); vazia != Campo::Nenhum) {
            resultado.recusa(MensagemDadosIncompletos());
            return;
        }
        if (Guarda falha = GuardasPosicao(ponto.textos, locale, FocoRecusa::Mantido, posicao.noDatum.latitude,
                                          posicao.noDatum.longitude)) {
            resultado.recusa(falha->mensagem);
            return;
        }
    }
    if (!ponto.mensagem.isEmpty()) {
        resultado.recusa(ponto.mensagem);
        return;
    }
    if (Guarda falha = GuardasGeodesicas(geodesia, datum, utm, posicao.noDatum, locale, posicao)) {
        resultado.recusa(falha->mensagem);
        return;
    }
    const geo::Geografico& sirgas = posicao.sirgas.ponto;
    PoePosicaoDecimal(sirgas, locale, ponto.textos);
    CalculaPonto(ponto.textos, modelo, locale, resultado);
    if (!resultado.calculado())
        return;

    const int zona = utm ? utm->zona : geo::ZonaUtm(sirgas.longitude);
    const bool sul = utm ? utm->sul : sirgas.latitude < 0;
    const auto fatores = geodesia.Fatores(sirgas, zona, sul);
    if (const auto* f = std::get_if<geo::FalhaGeo>(&fatores)) {
        resultado.recusa(f->mensagem);
        return;
    }
    const geo::FatoresUtm& k = std::get<geo::FatoresUtm>(fatores);
    resultado.geodesico = ResultadoGeodesico{sirgas.latitude, sirgas.longitude, k.convergencia, k.escala};
}

}  // namespace ceravel::lote
