// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/EntradaCalculo.h"

namespace ceravel {

QString NomeCampo(Campo campo)
{
    switch (campo) {
    case Campo::Nenhum: return {};
    case Campo::Dia: return QStringLiteral("Dia");
    case Campo::Mes: return QStringLiteral("Mes");
    case Campo::Ano: return QStringLiteral("Ano");
    case Campo::LatGraus: return QStringLiteral("LatGraus");
    case Campo::LatG: return QStringLiteral("LatG");
    case Campo::LatM: return QStringLiteral("LatM");
    case Campo::LatS: return QStringLiteral("LatS");
    case Campo::LonGraus: return QStringLiteral("LonGraus");
    case Campo::LongG: return QStringLiteral("LongG");
    case Campo::LongM: return QStringLiteral("LongM");
    case Campo::LongS: return QStringLiteral("LongS");
    case Campo::DiaLev: return QStringLiteral("DiaLev");
    case Campo::MesLev: return QStringLiteral("MesLev");
    case Campo::AnoLev: return QStringLiteral("AnoLev");
    case Campo::DiaConv: return QStringLiteral("DiaConv");
    case Campo::MesConv: return QStringLiteral("MesConv");
    case Campo::AnoConv: return QStringLiteral("AnoConv");
    case Campo::AngGraus: return QStringLiteral("AngGraus");
    case Campo::AngG: return QStringLiteral("AngG");
    case Campo::AngM: return QStringLiteral("AngM");
    case Campo::AngS: return QStringLiteral("AngS");
    case Campo::Zona: return QStringLiteral("Zona");
    case Campo::Hemisferio: return QStringLiteral("Hemisferio");
    case Campo::Leste: return QStringLiteral("Leste");
    case Campo::Norte: return QStringLiteral("Norte");
    case Campo::Datum: return QStringLiteral("Datum");
    }
    return {};
}

}  // namespace ceravel
