// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosPoligono.h"

#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"

#include <cmath>

namespace ceravel {

QString NumeroFixo(double valor, int decimais, const QLocale& locale)
{
    QString t = QString::number(std::fabs(valor), 'f', decimais);
    const bool zero = t.count(u'0') + (decimais > 0 ? 1 : 0) == t.size();
    t.replace(u'.', locale.decimalPoint());
    if (valor < 0 && !zero)
        t.prepend(u'-');
    return t;
}

QStringList TitulosPoligono(bool compensado)
{
    QStringList t = {QStringLiteral("E (m)"), QStringLiteral("N (m)"), QStringLiteral("Latitude SIRGAS 2000"),
                     QStringLiteral("Longitude SIRGAS 2000"), QStringLiteral("Convergência (graus)")};
    if (compensado)
        t << QStringLiteral("E compensado (m)") << QStringLiteral("N compensado (m)");
    return t;
}

std::vector<QStringList> ColunasPoligono(const ResultadoPoligonal& r, const QLocale& locale)
{
    std::vector<QStringList> linhas;
    const bool compensado = !r.vertices.empty() && r.vertices.front().compensado.has_value();
    for (std::size_t i = 0; i < r.segmentos.size(); ++i) {
        const VerticePlano& v = r.vertices[(i + 1) % r.vertices.size()];
        QStringList l = {NumeroFixo(v.plano.E, 3, locale), NumeroFixo(v.plano.N, 3, locale)};
        if (v.geograficas)
            l << NumeroFixo(v.geograficas->latitude, 9, locale) << NumeroFixo(v.geograficas->longitude, 9, locale);
        else
            l << QString() << QString();
        l << TextoGrausDecimais(r.segmentos[i].convergencia, locale);
        if (compensado)
            l << NumeroFixo(v.compensado->E, 3, locale) << NumeroFixo(v.compensado->N, 3, locale);
        linhas.push_back(l);
    }
    return linhas;
}

QStringList TitulosVertices(bool compensado)
{
    QStringList t = {QStringLiteral("Vértice"), QStringLiteral("E (m)"), QStringLiteral("N (m)"),
                     QStringLiteral("Latitude SIRGAS 2000"), QStringLiteral("Longitude SIRGAS 2000")};
    if (compensado)
        t << QStringLiteral("E compensado (m)") << QStringLiteral("N compensado (m)");
    return t;
}

std::vector<QStringList> LinhasVertices(const ResultadoPoligonal& r, const QLocale& locale)
{
    std::vector<QStringList> linhas;
    for (const VerticePlano& v : r.vertices) {
        QStringList l = {v.nome, NumeroFixo(v.plano.E, 3, locale), NumeroFixo(v.plano.N, 3, locale)};
        l << (v.geograficas ? NumeroFixo(v.geograficas->latitude, 9, locale) : QString())
          << (v.geograficas ? NumeroFixo(v.geograficas->longitude, 9, locale) : QString());
        if (v.compensado)
            l << NumeroFixo(v.compensado->E, 3, locale) << NumeroFixo(v.compensado->N, 3, locale);
        linhas.push_back(l);
    }
    return linhas;
}

std::vector<std::pair<QString, QString>> ResumoPoligono(const ResultadoPoligonal& r, const DescricaoPlano& p,
                                                        const QLocale& locale)
{
    std::vector<std::pair<QString, QString>> s;
    const QString plano = QStringLiteral("SIRGAS 2000 / UTM %1%2").arg(p.zona).arg(p.sul ? QStringLiteral("S") : QStringLiteral("N"));
    if (!r.fechamento) {
        double comprimento = 0;
        for (const SegmentoPlano& seg : r.segmentos)
            comprimento += seg.distanciaPlano;
        s.emplace_back(QStringLiteral("Comprimento no plano (m)"), NumeroFixo(comprimento, 3, locale));
    } else {
        const Fechamento& f = *r.fechamento;
        s.emplace_back(QStringLiteral("Perímetro (m)"), NumeroFixo(f.perimetro, 3, locale));
        if (r.areas) {
            s.emplace_back(QStringLiteral("Área plana (m²)"), NumeroFixo(r.areas->plana, 2, locale));
            s.emplace_back(QStringLiteral("Área plana (ha)"), NumeroFixo(r.areas->plana / 1e4, 4, locale));
            if (r.areas->elipsoidal) {
                s.emplace_back(QStringLiteral("Área elipsoidal (m²)"), NumeroFixo(*r.areas->elipsoidal, 2, locale));
                s.emplace_back(QStringLiteral("Área elipsoidal (ha)"), NumeroFixo(*r.areas->elipsoidal / 1e4, 4, locale));
            }
        }
        s.emplace_back(QStringLiteral("Erro de fechamento (m)"), NumeroFixo(f.erroLinear, 3, locale));
        s.emplace_back(QStringLiteral("Azimute do erro de fechamento"),
                       f.precisao ? TextoGms(ReduzAzimute(SegundosArredondados(f.azimuteErro)), locale) : QString());
        s.emplace_back(QStringLiteral("Precisão relativa"),
                       f.precisao ? QStringLiteral("1:%1").arg(static_cast<qlonglong>(std::llround(*f.precisao)))
                                  : QStringLiteral("fechamento exato"));
    }
    s.emplace_back(QStringLiteral("Fator de escala"),
                   p.fatorEscala ? QStringLiteral("k de %1 no meio de cada lado").arg(plano)
                                 : QStringLiteral("não aplicado"));
    s.emplace_back(QStringLiteral("Fator de elevação"),
                   p.altitude ? QStringLiteral("R/(R+h) = %1, com R = 6 378 000 m e h = %2 m")
                                    .arg(NumeroFixo(RaioElevacao / (RaioElevacao + *p.altitude), 8, locale),
                                         NumeroFixo(*p.altitude, 1, locale))
                              : QStringLiteral("não aplicado"));
    if (r.fechamento)
        s.emplace_back(QStringLiteral("Compensação"),
                       p.compensado ? QStringLiteral("regra da bússola (Bowditch), proporcional às distâncias")
                                    : QStringLiteral("não aplicada (coordenadas como percorridas)"));
    return s;
}

}  // namespace ceravel
