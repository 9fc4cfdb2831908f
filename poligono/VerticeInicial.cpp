// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/VerticeInicial.h"

#include "calc/LeituraNumeros.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace ceravel {

std::variant<FalhaGuarda, VerticeInicial> ChecaVerticeInicial(const TextosVerticeInicial& t, geo::Datum datum,
                                                             const QLocale& locale, geo::Geodesia& geodesia)
{
    std::optional<geo::PontoUtm> utm;
    geo::Geografico geografico;
    if (t.utm) {
        geo::PontoUtm ponto;
        if (const Guarda g = GuardasUtm(t.posicaoUtm, locale, ponto))
            return *g;
        utm = ponto;
    } else {
        const auto lat = LeNumeroLocal(t.latitude, locale);
        if (!lat)
            return FalhaGuarda{QStringLiteral("A latitude do vértice inicial deve ser um número em graus decimais."),
                               Campo::LatGraus};
        const auto lon = LeNumeroLocal(t.longitude, locale);
        if (!lon)
            return FalhaGuarda{QStringLiteral("A longitude do vértice inicial deve ser um número em graus decimais."),
                               Campo::LonGraus};
        geografico = {*lat, *lon};
    }
    PosicaoGeodesica posicao;
    if (const Guarda g = GuardasGeodesicas(geodesia, datum, utm, geografico, locale, posicao))
        return *g;

    VerticeInicial v;
    v.nome = t.nome.trimmed();
    v.geografico = {posicao.sirgas.ponto.latitude, posicao.sirgas.ponto.longitude};
    v.operacao = posicao.sirgas.operacao;
    v.zona = utm ? utm->zona : geo::ZonaUtm(v.geografico.longitude);
    v.sul = utm ? utm->sul : v.geografico.latitude < 0;
    if (utm && datum == geo::Datum::Sirgas2000) {
        v.plano = {utm->leste, utm->norte};  // as typed, not through a round trip
        return v;
    }
    const auto plano = geodesia.ParaUtm(posicao.sirgas.ponto, v.zona, v.sul);
    if (const auto* f = std::get_if<geo::FalhaGeo>(&plano))
        return FalhaGuarda{f->mensagem, t.utm ? Campo::Zona : Campo::LatGraus};
    const auto& p = std::get<geo::PontoUtm>(plano);
    v.plano = {p.leste, p.norte};
    return v;
}

std::optional<TextosVerticeInicial> DivideVerticeInicial(const QString& texto)
{
    const QStringList c = texto.split(u';');
    TextosVerticeInicial t;
    if (c.size() == 3) {
        t = {c[0], false, {}, c[1].trimmed(), c[2].trimmed()};
        return t;
    }
    if (c.size() != 4)
        return std::nullopt;
    const QString zona = c[3].trimmed();
    const bool letra = !zona.isEmpty() && zona.back().isLetter();
    t.nome = c[0];
    t.posicaoUtm = {letra ? zona.chopped(1).trimmed() : zona, letra ? QString(zona.back()) : QString(), c[1].trimmed(),
                    c[2].trimmed()};
    return t;
}

}  // namespace ceravel
