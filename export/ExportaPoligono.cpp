// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"

#include "export/GravacaoAtomica.h"

#include <QDir>

namespace ceravel {

PoligonoExportado PoligonoParaExportar(const ResultadoPoligonal& poligonal, const QString& nome, int zona, bool sul)
{
    PoligonoExportado p{nome, zona, sul, poligonal.fechamento.has_value(), {}};
    for (const VerticePlano& v : poligonal.vertices)
        p.vertices.push_back({v.nome, v.compensado.value_or(v.plano), v.geograficas});
    return p;
}

QString ExportaPoligono(FormatoPoligono formato, const QString& caminho, const PoligonoExportado& p,
                        const QLocale& locale)
{
    const bool geografico = formato == FormatoPoligono::Kml || formato == FormatoPoligono::GeoJson;
    if (geografico)
        for (const VerticeExportado& v : p.vertices)
            if (!v.geograficas)
                return QStringLiteral("Não foi possível salvar o arquivo \"%1\": faltam a latitude e a longitude "
                                      "do vértice \"%2\".")
                    .arg(QDir::toNativeSeparators(caminho), v.nome);
    switch (formato) {
    case FormatoPoligono::Kml: return GravaArquivo(caminho, ConteudoKml(p));
    case FormatoPoligono::GeoJson: return GravaArquivo(caminho, ConteudoGeoJson(p));
    case FormatoPoligono::Dxf: return GravaArquivo(caminho, ConteudoDxf(p));
    case FormatoPoligono::Csv: break;
    }
    return GravaArquivo(caminho, ConteudoCsvVertices(p, locale));
}

}  // namespace ceravel
