// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"
#include "model/LeCoeficientes.h"

#include <QFile>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <tuple>
#include <utility>
#include <vector>

namespace ceravel::teste {

constexpr FormaEntrada GMS = FormaEntrada::GrausMinutosSegundos;
constexpr FormaEntrada DEC = FormaEntrada::GrausDecimais;
using enum Campo;

// Every table runs under a full-stop locale and a decimal-comma one.
inline const QLocale PtBr(QLocale::Portuguese, QLocale::Brazil);
inline const QLocale Locales[] = {QLocale::c(), PtBr};

// A number written with "." in the tables, as a user of `locale` types it.
inline QString NoLocale(const char* texto, const QLocale& locale)
{
    return QString::fromUtf8(texto).replace(u'.', locale.decimalPoint());
}

inline QString& CaixaDe(TextosEntrada& e, Campo campo)
{
    QString* const caixas[] = {nullptr, &e.dia,  &e.mes,      &e.ano,   &e.latGraus, &e.latG,  // in Campo's order
                               &e.latM, &e.latS, &e.lonGraus, &e.longG, &e.longM,    &e.longS};
    return *caixas[static_cast<int>(campo)];
}

using Caixas = std::vector<std::pair<Campo, const char*>>;

// Every box of both forms holds a valid value, so a row writes only what it is
// about: -23° 30' 0'' / -23.5, -47° 52' 30'' / -47.875, 15/06/2000.
inline TextosEntrada Entrada(FormaEntrada lat, FormaEntrada lon, const Caixas& caixas, const QLocale& locale)
{
    TextosEntrada e{"15", "06", "2000", NoLocale("-23.5", locale), "-23", "30", "0", NoLocale("-47.875", locale),
                    "-47", "52", "30", lat, lon};
    for (const auto& [campo, texto] : caixas)
        CaixaDe(e, campo) = NoLocale(texto, locale);
    return e;
}

// Regional sets whose one non-zero term each gives D = x, y or t (term 2, 3 or
// 4), I = y and F = fatorF · t: the model hands back its inputs.
inline bool EscreveModeloEspelho(const QTemporaryDir& pasta, double fatorF, int termoD = 2)
{
    const std::tuple<const char*, int, double> conjuntos[] = {
        {ArquivoDeclinacao, termoD, 1}, {ArquivoInclinacao, 3, 1}, {ArquivoIntensidade, 4, fatorF}};
    for (const auto& [nome, k, valor] : conjuntos) {
        QFile arquivo(pasta.filePath(nome));
        if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        for (int i = 1; i <= 31; ++i)
            arquivo.write(i == k ? QByteArray::number(valor) + "\n" : "0\n");
    }
    return true;
}

}  // namespace ceravel::teste
