// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "present/TextosResultado.h"

#include <QString>

class QWidget;
class QLabel;

namespace ceravel {

class Linha;
class Forma;

// The magnetic-north needle of one window: line from the compass centre, dot
// at its end, "NM" label up and to the left. Its start never moves.
struct Agulha {
    Linha* linha = nullptr;   // NVLine
    Forma* circulo = nullptr; // NVCirc
    QLabel* texto = nullptr;  // NVTxt

    void mostra(bool visivel);
    // End point, then circle left/top, then label left/top.
    void posiciona(const GeometriaAgulha& g);
};

// Names of the rose's letter labels, which differ between windows.
struct NomesLetras {
    QString norte, sul, oeste, leste;
};

// Draws the compass rose (circles, ellipse, axes, cross, four-pointed star,
// "NG"/"S"/"O"/"L") and the hidden needle into `pai`, every element moved by
// (dx, dy) twips from the main window's layout (centre 5400, 1800). Elements
// other than the letters and the needle get `prefixo` before their names, so a
// window can hold the rose beside controls of its own called Line1 and so on.
Agulha CriaBussola(QWidget* pai, double dx, double dy, const NomesLetras& letras,
                   const QString& prefixo = {});

}  // namespace ceravel
