// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"

#include <QXmlStreamWriter>

namespace ceravel {

namespace {

// "lon,lat,0", nine decimals (a tenth of a millimetre), full stop whatever the locale.
QString Posicao(const PontoGeografico& g)
{
    return QString::number(g.longitude, 'f', 9) + u',' + QString::number(g.latitude, 'f', 9) + QStringLiteral(",0");
}

QString Descricao(const VerticeExportado& v, const PoligonoExportado& p)
{
    return QStringLiteral("UTM %1%2 E %3 m N %4 m; SIRGAS 2000 latitude %5 longitude %6")
        .arg(QString::number(p.zona), p.sul ? QStringLiteral("S") : QStringLiteral("N"),
             QString::number(v.plano.E, 'f', 3), QString::number(v.plano.N, 'f', 3),
             QString::number(v.geograficas->latitude, 'f', 9), QString::number(v.geograficas->longitude, 'f', 9));
}

}  // namespace

QByteArray ConteudoKml(const PoligonoExportado& p)
{
    QByteArray saida;
    QXmlStreamWriter x(&saida);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("kml"));
    x.writeDefaultNamespace(QStringLiteral("http://www.opengis.net/kml/2.2"));
    x.writeStartElement(QStringLiteral("Document"));
    x.writeTextElement(QStringLiteral("name"), p.nome);
    // The outline only, so the ground shows through.
    x.writeStartElement(QStringLiteral("Style"));
    x.writeAttribute(QStringLiteral("id"), QStringLiteral("perimetro"));
    x.writeStartElement(QStringLiteral("LineStyle"));
    x.writeTextElement(QStringLiteral("color"), QStringLiteral("ff0000ff"));
    x.writeTextElement(QStringLiteral("width"), QStringLiteral("2"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("PolyStyle"));
    x.writeTextElement(QStringLiteral("fill"), QStringLiteral("0"));
    x.writeEndElement();
    x.writeEndElement();

    QStringList anel;
    for (const VerticeExportado& v : p.vertices)
        anel << Posicao(*v.geograficas);
    if (p.fechado && !p.vertices.empty())
        anel << anel.front();
    x.writeStartElement(QStringLiteral("Placemark"));
    x.writeTextElement(QStringLiteral("name"), p.nome);
    x.writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#perimetro"));
    if (p.fechado) {
        x.writeStartElement(QStringLiteral("Polygon"));
        x.writeStartElement(QStringLiteral("outerBoundaryIs"));
        x.writeStartElement(QStringLiteral("LinearRing"));
        x.writeTextElement(QStringLiteral("coordinates"), anel.join(u' '));
        x.writeEndElement();
        x.writeEndElement();
    } else {
        x.writeStartElement(QStringLiteral("LineString"));
        x.writeTextElement(QStringLiteral("coordinates"), anel.join(u' '));
    }
    x.writeEndElement();
    x.writeEndElement();  // Placemark

    x.writeStartElement(QStringLiteral("Folder"));
    x.writeTextElement(QStringLiteral("name"), QStringLiteral("Vértices"));
    for (const VerticeExportado& v : p.vertices) {
        x.writeStartElement(QStringLiteral("Placemark"));
        x.writeTextElement(QStringLiteral("name"), v.nome);
        x.writeTextElement(QStringLiteral("description"), Descricao(v, p));
        x.writeStartElement(QStringLiteral("Point"));
        x.writeTextElement(QStringLiteral("coordinates"), Posicao(*v.geograficas));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();  // Folder
    x.writeEndElement();  // Document
    x.writeEndElement();  // kml
    x.writeEndDocument();
    return saida;
}

}  // namespace ceravel
