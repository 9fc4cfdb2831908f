// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ValidaUtm.h"

#include <cmath>

namespace ceravel {

namespace {

const QString MensagemZona = QStringLiteral("A zona UTM deve ser um número inteiro de 18 a 25.");
const QString MensagemHemisferio = QStringLiteral("O hemisfério deve ser S (sul) ou N (norte).");
const QString MensagemLeste =
    QStringLiteral("A coordenada E deve estar entre 100 000 e 900 000 metros. "
                   "Verifique também o separador de decimais.");
const QString MensagemNorte =
    QStringLiteral("A coordenada N deve estar entre 0 e 10 000 000 metros. "
                   "Verifique também o separador de decimais.");

}  // namespace

Guarda GuardasUtm(const TextosUtm& utm, const QLocale& locale, geo::PontoUtm& ponto)
{
    const CaixaEntrada zona{utm.zona, Campo::Zona}, hemisferio{utm.hemisferio, Campo::Hemisferio},
        leste{utm.leste, Campo::Leste}, norte{utm.norte, Campo::Norte};
    for (const CaixaEntrada* caixa : {&zona, &hemisferio, &leste, &norte})
        if (caixa->texto.trimmed().isEmpty())
            return FalhaGuarda{MensagemDadosIncompletos(), caixa->campo};

    double z = 0;
    if (Guarda falha = LeCaixaNumero(zona, locale, z))
        return falha;
    if (z != std::floor(z) || z < 18 || z > 25)
        return FalhaGuarda{MensagemZona, zona.campo};
    const QString h = utm.hemisferio.trimmed().toUpper();
    if (h != QLatin1String("S") && h != QLatin1String("N"))
        return FalhaGuarda{MensagemHemisferio, hemisferio.campo};

    double e = 0, n = 0;
    if (Guarda falha = LeCaixaNumero(leste, locale, e))
        return falha;
    if (!(e >= 100000 && e <= 900000))
        return FalhaGuarda{MensagemLeste, leste.campo};
    if (Guarda falha = LeCaixaNumero(norte, locale, n))
        return falha;
    if (!(n >= 0 && n <= 10000000))
        return FalhaGuarda{MensagemNorte, norte.campo};

    ponto = geo::PontoUtm{static_cast<int>(z), h == QLatin1String("S"), e, n};
    return std::nullopt;
}

Guarda GuardasGeodesicas(geo::Geodesia& geodesia, geo::Datum datum, const std::optional<geo::PontoUtm>& utm,
                         const geo::Geografico& geografico, const QLocale& locale, PosicaoGeodesica& posicao)
{
    using Motivo = geo::FalhaGeo::Motivo;
    posicao.noDatum = geografico;
    if (utm) {
        const auto r = geodesia.UtmParaGeografico(datum, *utm);
        if (const auto* f = std::get_if<geo::FalhaGeo>(&r))
            return FalhaGuarda{f->mensagem, f->motivo == Motivo::SemProj ? Campo::Nenhum : Campo::Zona};
        posicao.noDatum = std::get<geo::Geografico>(r);
        const geo::Geografico& p = posicao.noDatum;
        if (!(p.latitude >= -35 && p.latitude <= 10 && p.longitude >= -75 && p.longitude <= -30))
            return FalhaGuarda{
                QStringLiteral("O ponto UTM corresponde à latitude %1 e à longitude %2, fora do território "
                               "brasileiro (latitude de +10 a -35 graus, longitude de -30 a -75 graus). "
                               "Verifique a zona, o hemisfério e as coordenadas E e N.")
                    .arg(locale.toString(p.latitude, 'f', 4), locale.toString(p.longitude, 'f', 4)),
                Campo::Leste};
    }
    const auto r = geodesia.ParaSirgas(datum, posicao.noDatum);
    if (const auto* f = std::get_if<geo::FalhaGeo>(&r))
        return FalhaGuarda{f->mensagem, f->motivo == Motivo::SemProj ? Campo::Nenhum : Campo::Datum};
    posicao.sirgas = std::get<geo::PosicaoSirgas>(r);
    return std::nullopt;
}

void PoePosicaoDecimal(const geo::Geografico& sirgas, const QLocale& locale, TextosEntrada& entrada)
{
    const auto texto = [&](double v) { return QString::number(v, 'f', 13).replace(u'.', locale.decimalPoint()); };
    entrada.formaLatitude = entrada.formaLongitude = FormaEntrada::GrausDecimais;
    entrada.latGraus = texto(sirgas.latitude);
    entrada.lonGraus = texto(sirgas.longitude);
}

}  // namespace ceravel
