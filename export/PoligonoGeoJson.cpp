// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace ceravel {

namespace {

// Eight decimals of a degree, about a millimetre: Qt writes a double with the
// fewest digits that read back to it, so a value rounded here prints at most eight.
double Oito(double graus)
{
    return std::round(graus * 1e8) / 1e8;
}

QJsonArray Posicao(const PontoGeografico& g)
{
    return QJsonArray{Oito(g.longitude), Oito(g.latitude)};
}

QJsonObject Feicao(const QJsonObject& geometria, const QJsonObject& propriedades)
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("Feature")},
                       {QStringLiteral("geometry"), geometria},
                       {QStringLiteral("properties"), propriedades}};
}

// Twice the signed area in degrees: positive counterclockwise.
double Orientacao(const std::vector<VerticeExportado>& v)
{
    double s = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const PontoGeografico& a = *v[i].geograficas;
        const PontoGeografico& b = *v[(i + 1) % v.size()].geograficas;
        s += (a.longitude - v[0].geograficas->longitude) * (b.latitude - v[0].geograficas->latitude) -
             (b.longitude - v[0].geograficas->longitude) * (a.latitude - v[0].geograficas->latitude);
    }
    return s;
}

}  // namespace

QByteArray ConteudoGeoJson(const PoligonoExportado& p)
{
    QJsonArray feicoes;
    QJsonArray linha;
    if (p.fechado) {
        // The right-hand rule: the exterior ring runs counterclockwise.
        std::vector<VerticeExportado> anel = p.vertices;
        if (Orientacao(anel) < 0)
            std::reverse(anel.begin() + 1, anel.end());
        for (const VerticeExportado& v : anel)
            linha.append(Posicao(*v.geograficas));
        if (!anel.empty())
            linha.append(Posicao(*anel.front().geograficas));
        feicoes.append(Feicao({{QStringLiteral("type"), QStringLiteral("Polygon")},
                               {QStringLiteral("coordinates"), QJsonArray{linha}}},
                              {{QStringLiteral("nome"), p.nome}}));
    } else {
        for (const VerticeExportado& v : p.vertices)
            linha.append(Posicao(*v.geograficas));
        feicoes.append(Feicao({{QStringLiteral("type"), QStringLiteral("LineString")},
                               {QStringLiteral("coordinates"), linha}},
                              {{QStringLiteral("nome"), p.nome}}));
    }
    const QString zona = QString::number(p.zona) + (p.sul ? u'S' : u'N');
    for (const VerticeExportado& v : p.vertices)
        feicoes.append(Feicao({{QStringLiteral("type"), QStringLiteral("Point")},
                               {QStringLiteral("coordinates"), Posicao(*v.geograficas)}},
                              {{QStringLiteral("nome"), v.nome},
                               {QStringLiteral("zona_utm"), zona},
                               {QStringLiteral("e_m"), std::round(v.plano.E * 1000) / 1000},
                               {QStringLiteral("n_m"), std::round(v.plano.N * 1000) / 1000}}));
    const QJsonObject colecao{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                              {QStringLiteral("features"), feicoes}};
    return QJsonDocument(colecao).toJson(QJsonDocument::Indented);
}

}  // namespace ceravel
