// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ceravel {

// The model the calculator computes with: the regional fit (1995–2005), or
// IGRF-14 (1900–2029), chosen under "Ferramentas" → "Modelo".
enum class ModeloCalculo { Regional, Igrf14 };

// How the choice is kept in the settings ("regional", "igrf14"), and read
// back: anything else, or nothing, is the regional model.
QString TextoConfiguracaoModelo(ModeloCalculo modelo);
ModeloCalculo ModeloDaConfiguracao(const QString& texto);

// The banner's second line: "Modelo regional para datas de 1995 a 2005" or
// "Modelo IGRF-14 (IAGA) para datas de 1900 a 2029".
QString TextoFaixaModelo(ModeloCalculo modelo);

}  // namespace ceravel
