// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QWidget;

namespace ceravel {

// The program's own pictures, drawn in code so that no artwork file ships.

// Window icon, 16 x 16 and 32 x 32: a small compass with a red needle.
QIcon IconeCeravel();
// The same icon painted in a `lado` x `lado` square at the origin (the
// installed pictures are made from it), and as SVG text 256 units wide.
void DesenhaIcone(QPainter& p, int lado);
QString SvgIcone();

// Banner of the main window's footer and of the About window, 629 x 57 pixels:
// compass and name on a dark band that fades to light on the right.
QPixmap FaixaCeravel();
// The same banner painted onto `p` in a 629 x 57 box at the origin, so that
// the printed report keeps it as shapes and text rather than pixels.
void DesenhaFaixaCeravel(QPainter& p);
// The three institution lines over the banner's light side (Label8 in bold,
// Label11, Label13), right-aligned in a column `largura` twips wide starting
// `esquerda` twips in. Label8 is an array of labels in each window, so the
// banner's one carries `indiceLabel8` to tell it apart.
void EscreveLinhasFaixa(QWidget* faixa, double esquerda, double largura, int indiceLabel8);

// Second logo of the About window, 129 x 45 pixels: the Earth's dipole field
// lines beside the name.
QPixmap LogotipoCeravel();

}  // namespace ceravel
