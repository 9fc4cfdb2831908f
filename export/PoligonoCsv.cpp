// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"

#include "present/TextosPoligono.h"

namespace ceravel {

namespace {

// A field holding the separator, a quote or a line break is quoted.
QString Campo(const QString& s)
{
    if (!s.contains(u';') && !s.contains(u'"') && !s.contains(u'\n') && !s.contains(u'\r'))
        return s;
    return u'"' + QString(s).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QByteArray ConteudoCsvVertices(const PoligonoExportado& p, const QLocale& locale)
{
    QString t = QStringLiteral("\uFEFFVértice;E (m);N (m);Latitude SIRGAS 2000;Longitude SIRGAS 2000\r\n");
    for (const VerticeExportado& v : p.vertices) {
        t += Campo(v.nome) + u';' + NumeroFixo(v.plano.E, 3, locale) + u';' + NumeroFixo(v.plano.N, 3, locale) + u';';
        if (v.geograficas)
            t += NumeroFixo(v.geograficas->latitude, 8, locale) + u';' + NumeroFixo(v.geograficas->longitude, 8, locale);
        else
            t += u';';
        t += QStringLiteral("\r\n");
    }
    return t.toUtf8();
}

}  // namespace ceravel
