// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ceravel {

// The end point of the magnetic-north needle and where its circle and "NM"
// label go, in twips of the window's client area (x right, y down).
struct GeometriaAgulha {
    float x2 = 0, y2 = 0;            // needle end point
    float circEsquerda = 0, circTopo = 0;  // NVCirc left/top (end point - 67.5)
    float txtEsquerda = 0, txtTopo = 0;    // NVTxt left/top (end point - 270)
};

// Every text a successful calculation writes, named after its control.
struct TextosResultado {
    // Main
    QString epoca;   // Epoca: decimal year, general number text
    QString dmin;    // DMIN3 (Main) and DMIN2 (Relatorio): declination angle
    QString vd;      // VD2: declination variation
    QString latExp;  // LatExp (hidden) and the export: decimal entry as typed,
    QString longExp; // LongExp  otherwise the position converted, general number text
    // DComp and Relatorio
    QString cx, cy, cz, cf;      // components, "0.0"
    QString vx2, vy2, vz2, vf2;  // variations, "0.00 nT/ano"
    QString inc2;    // inclination whole degrees
    QString aimin2;  // inclination minutes, "0.00"
    QString vi2;     // inclination variation, "0.00 '/ano"
    // Relatorio only
    QString relData;       // "dia / mes / ano" as typed
    QString relEpoca;      // decimal year, "0.00000"
    QString relLatitude;   // as typed (decimal) or "G°M'S''"
    QString relLongitude;
    bool relGrausLatitude = false;   // Label16 "graus" visible (decimal entry)
    bool relGrausLongitude = false;  // Label15 "graus" visible
    // Needles
    GeometriaAgulha agulhaMain;
    GeometriaAgulha agulhaRelatorio;
};

}  // namespace ceravel
