// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ContornosMapa.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace ceravel {

LeituraContornoMapa LeContornoMapa(const QString& caminho)
{
    const QString nome = QDir::toNativeSeparators(caminho);
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("Não foi possível ler o arquivo de fronteiras %1.").arg(nome)};

    ContornoMapa contorno;
    std::vector<PontoPlano> anel;
    const auto fechaAnel = [&] {
        if (!anel.empty())
            contorno.aneis.push_back(std::move(anel));
        anel.clear();
    };
    int numero = 0;
    while (!arquivo.atEnd()) {
        const QByteArray linha = arquivo.readLine().trimmed();
        ++numero;
        if (linha.startsWith('#'))
            continue;
        if (linha.isEmpty()) {
            fechaAnel();
            continue;
        }
        const QList<QByteArray> partes = linha.simplified().split(' ');
        bool okLon = false, okLat = false;
        const double lon = partes.size() == 2 ? partes[0].toDouble(&okLon) : 0;
        const double lat = partes.size() == 2 ? partes[1].toDouble(&okLat) : 0;
        if (!okLon || !okLat || lon < -180 || lon > 180 || lat < -90 || lat > 90)
            return {std::nullopt, QStringLiteral("Arquivo de fronteiras %1, linha %2: esperados longitude e "
                                                 "latitude em graus.")
                                      .arg(nome)
                                      .arg(numero)};
        anel.push_back({lon, lat});
    }
    fechaAnel();
    for (const auto& a : contorno.aneis)
        if (a.size() < 3)
            return {std::nullopt, QStringLiteral("Arquivo de fronteiras %1: anel com menos de três pontos.").arg(nome)};
    if (contorno.aneis.empty())
        return {std::nullopt, QStringLiteral("Arquivo de fronteiras %1: nenhum ponto.").arg(nome)};
    return {std::move(contorno), QString()};
}

bool DentroDoContornoMapa(const ContornoMapa& contorno, double latitude, double longitude)
{
    bool dentro = false;
    for (const auto& anel : contorno.aneis) {
        // Crossings of a ray towards the east; the ring closes from last to first.
        for (std::size_t i = 0, j = anel.size() - 1; i < anel.size(); j = i++) {
            const PontoPlano &a = anel[i], &b = anel[j];
            if ((a.y > latitude) != (b.y > latitude)) {
                const double lonCruza = a.x + (latitude - a.y) * (b.x - a.x) / (b.y - a.y);
                if (longitude < lonCruza)
                    dentro = !dentro;
            }
        }
    }
    return dentro;
}

}  // namespace ceravel
