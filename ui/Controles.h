// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;

namespace ceravel {

// Colours and fonts the windows share.
inline const QColor VermelhoEscuro(192, 0, 0);
inline const QColor CinzaClaro(224, 224, 224);
inline const QColor Marinho(0, 0, 128);

// Arial and Times New Roman are asked for; on Linux fontconfig maps them to the
// metric-compatible Liberation fonts.
QFont FonteArial(double pontos, bool negrito = false, bool italico = false);
QFont FonteTimes(double pontos, bool negrito = false, bool italico = false);
QFont FonteTahoma(double pontos, bool negrito = false, bool italico = false);

// Controls placed in twips inside their parent, named by objectName. Each is
// visible unless the caller hides it.
QLabel* CriaRotulo(QWidget* pai, const QString& nome, const QString& texto, double esquerda,
                   double topo, double largura, double altura, const QFont& fonte,
                   Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop);
QLineEdit* CriaCaixaTexto(QWidget* pai, const QString& nome, double esquerda, double topo,
                          double largura, double altura, const QString& nomeAcessivel,
                          Qt::Alignment alinhamento = Qt::AlignHCenter);
QPushButton* CriaBotao(QWidget* pai, const QString& nome, const QString& texto, double esquerda,
                       double topo, double largura, double altura);
// Enter and the keypad's Enter press `botao` when it has the focus, as Space
// does (CriaBotao's buttons have it already).
void PressionaComEnter(QPushButton* botao);

// A frame with its caption on the border: caption font and colour, background.
QGroupBox* CriaMoldura(QWidget* pai, const QString& nome, const QString& titulo, double esquerda,
                       double topo, double largura, double altura, const QFont& fonteTitulo,
                       QColor corTitulo = VermelhoEscuro, QColor fundo = CinzaClaro);

// Background colour of a window or control.
void DefineFundo(QWidget* w, QColor cor);

}  // namespace ceravel
