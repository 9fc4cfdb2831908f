// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ceravel {

// How a coordinate is typed: degrees, minutes and seconds in three boxes, or
// decimal degrees in one box.
enum class FormaEntrada { GrausMinutosSegundos, GrausDecimais };

// The input boxes of the main window, named after them, exactly as typed.
struct TextosEntrada {
    QString dia, mes, ano;
    QString latGraus, latG, latM, latS;
    QString lonGraus, longG, longM, longS;
    FormaEntrada formaLatitude = FormaEntrada::GrausMinutosSegundos;
    FormaEntrada formaLongitude = FormaEntrada::GrausMinutosSegundos;
};

// An input box, to say which one receives the keyboard focus after a message.
// The position boxes have the same names in every window that has them; the
// dates and the bearing belong to the "Conversão de Rumos" window.
enum class Campo {
    Nenhum, Dia, Mes, Ano, LatGraus, LatG, LatM, LatS, LonGraus, LongG, LongM, LongS,
    DiaLev, MesLev, AnoLev, DiaConv, MesConv, AnoConv, AngGraus, AngG, AngM, AngS,
    Zona, Hemisferio, Leste, Norte, Datum  // a UTM position and its datum
};

// The objectName of the box (empty for Campo::Nenhum).
QString NomeCampo(Campo campo);

}  // namespace ceravel
