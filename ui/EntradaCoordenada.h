// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"

#include <QLineEdit>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace ceravel {

// The controls of one coordinate's frame. The entry form lives only in the
// visibility of the decimal box: visible means decimal degrees.
struct EntradaCoordenada {
    QLineEdit* decimal = nullptr;                         // LatGraus / LonGraus
    QPushButton* botaoG = nullptr;                        // "G": switch to decimal degrees
    QPushButton* botaoGMS = nullptr;                      // "GMS": switch back
    QLineEdit *graus = nullptr, *minutos = nullptr, *segundos = nullptr;
    QLabel *sinalGraus = nullptr, *sinalMinutos = nullptr, *sinalSegundos = nullptr;

    bool emGrausDecimais() const;
    FormaEntrada forma() const;
    // Only visibility changes: the hidden boxes keep their texts.
    void paraGrausDecimais();
    void paraGrausMinutosSegundos();
    void defineForma(FormaEntrada forma);
    // "G" and "GMS" switch the form.
    void ligaBotoes();
};

// The position as typed into the fields every input struct names alike
// (TextosEntrada, TextosConversao): the windows read their frames one way.
template <typename Textos>
void LePosicao(const EntradaCoordenada& latitude, const EntradaCoordenada& longitude, Textos& t)
{
    t.latGraus = latitude.decimal->text();
    t.latG = latitude.graus->text();
    t.latM = latitude.minutos->text();
    t.latS = latitude.segundos->text();
    t.lonGraus = longitude.decimal->text();
    t.longG = longitude.graus->text();
    t.longM = longitude.minutos->text();
    t.longS = longitude.segundos->text();
    t.formaLatitude = latitude.forma();
    t.formaLongitude = longitude.forma();
}

// The other way: a position's texts into both entries, forms included.
template <typename Textos>
void DefinePosicao(EntradaCoordenada& latitude, EntradaCoordenada& longitude, const Textos& t)
{
    latitude.decimal->setText(t.latGraus);
    latitude.graus->setText(t.latG);
    latitude.minutos->setText(t.latM);
    latitude.segundos->setText(t.latS);
    longitude.decimal->setText(t.lonGraus);
    longitude.graus->setText(t.longG);
    longitude.minutos->setText(t.longM);
    longitude.segundos->setText(t.longS);
    latitude.defineForma(t.formaLatitude);
    longitude.defineForma(t.formaLongitude);
}

// Names and captions of the controls of one angle typed in two forms.
struct NomesEntrada {
    const char *moldura, *legenda;
    const char *botaoGMS, *botaoG, *decimal, *graus, *minutos, *segundos;
    const char *sinalGraus, *sinalMinutos, *sinalSegundos;
    double larguraSinalSegundos;
    // For the accessible names: "a latitude" / "da latitude".
    const char *oQue, *doQue;
};

extern const NomesEntrada NomesLatitude;
extern const NomesEntrada NomesLongitude;

// The controls of one entry inside `pai`, in degrees, minutes and seconds, at
// the places a coordinate's frame has them moved by (dx, dy) twips.
EntradaCoordenada CriaEntrada(QWidget* pai, const NomesEntrada& nomes, double dx = 0, double dy = 0);

// A coordinate's frame, 2775 x 735 twips, with its entry.
EntradaCoordenada CriaCoordenada(QWidget* area, const NomesEntrada& nomes, double esquerda, double topo);

}  // namespace ceravel
