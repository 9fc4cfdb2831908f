// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"

#include <QString>
#include <QStringView>

namespace ceravel::lote {

// One line of the input file, split at ";" into latitude; longitude; date.
struct LinhaSeparada {
    enum class Tipo {
        Ignorada,  // blank (blanks and ";" only) or a comment starting with "#"
        Ponto,     // the three fields below
        Invalida,  // more than three non-blank fields: `mensagem` says so; the first three are kept
    };
    Tipo tipo = Tipo::Ignorada;
    // Without surrounding blanks, as they stand in the line (views into it).
    // A field the line does not have is empty.
    // In the UTM form the zone comes first and latitude and longitude hold E and N.
    QStringView latitude, longitude, data;
    QStringView zona;
    QString mensagem;
};

// The calculator's three fields, or with `utm` four: zone; E; N; date.
LinhaSeparada SeparaLinha(QStringView linha, bool utm = false);

// A line of column names: some letter and no digit anywhere.
bool EhCabecalho(QStringView linha);

// The calculator's input boxes for one point, or why the fields cannot fill them.
struct EntradaPonto {
    TextosEntrada textos;
    QString mensagem;  // non-empty: a field has the wrong shape
};

// Fills the boxes: a coordinate of one number is decimal-degrees entry, of
// three blank-separated numbers degrees-minutes-seconds entry; the date
// dd/mm/aaaa fills Dia, Mes and Ano with the texts between the "/". A full
// stop in a coordinate stands for `separador`, the locale's decimal separator
// (see the .cpp). The boxes may refer to the line's characters: use them
// before it changes.
EntradaPonto MontaEntrada(const LinhaSeparada& linha, QStringView separador);

}  // namespace ceravel::lote
