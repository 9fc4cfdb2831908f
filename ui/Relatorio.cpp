#include "ui/Relatorio.h"

#include "ui/Controles.h"

#include <QLabel>

namespace ceravel {

// Provisional report: named value labels and the compass; the full page layout
// replaces this.
Relatorio::Relatorio(QWidget* pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("Relatorio"));
    setWindowTitle(QStringLiteral("Relatório"));
    const struct { const char* nome; const char* texto; } rotulos[] = {
        {"Data", "Data"}, {"Epoca", "Epoca"}, {"Latitude", "Lat"}, {"Longitude", "Long"},
        {"Label16", "graus"}, {"Label15", "graus"}, {"DMIN2", "DMIN"}, {"VD2", "VD"},
        {"CX", "CX"}, {"CY", "CY"}, {"CZ", "CZ"}, {"CF", "CF"}, {"VX2", "VX"}, {"VY2", "VY"},
        {"VZ2", "VZ"}, {"VF2", "VF"}, {"INC2", "INC"}, {"AIMIN2", "AIMIN"}, {"VI2", "VI"},
    };
    int y = 0;
    for (const auto& r : rotulos)
        CriaRotulo(this, QString::fromLatin1(r.nome), QString::fromUtf8(r.texto), 0, y += 240, 1500, 240,
                   FonteArial(9.75, true));
    m_agulha = CriaBussola(this, -2475, 3210, {QStringLiteral("Label5"), QStringLiteral("Label4"),
                                               QStringLiteral("Label17"), QStringLiteral("Label18")},
                           QStringLiteral("Rosa"));
}

void Relatorio::preencheTextos(const TextosResultado& t)
{
    const auto escreve = [this](const char* nome, const QString& texto) {
        findChild<QLabel*>(QString::fromLatin1(nome))->setText(texto);
    };
    escreve("Data", t.relData);
    escreve("Epoca", t.relEpoca);
    escreve("Longitude", t.relLongitude);
    findChild<QLabel*>(QStringLiteral("Label15"))->setVisible(t.relGrausLongitude);
    escreve("Latitude", t.relLatitude);
    findChild<QLabel*>(QStringLiteral("Label16"))->setVisible(t.relGrausLatitude);
    escreve("CX", t.cx);
    escreve("VX2", t.vx2);
    escreve("CY", t.cy);
    escreve("VY2", t.vy2);
    escreve("CZ", t.cz);
    escreve("VZ2", t.vz2);
    escreve("CF", t.cf);
    escreve("VF2", t.vf2);
    escreve("DMIN2", t.dmin);
    escreve("VD2", t.vd);
    escreve("INC2", t.inc2);
    escreve("AIMIN2", t.aimin2);
    escreve("VI2", t.vi2);
}

}  // namespace ceravel
