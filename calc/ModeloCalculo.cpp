// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ModeloCalculo.h"

namespace ceravel {

QString TextoConfiguracaoModelo(ModeloCalculo modelo)
{
    return modelo == ModeloCalculo::Igrf14 ? QStringLiteral("igrf14") : QStringLiteral("regional");
}

ModeloCalculo ModeloDaConfiguracao(const QString& texto)
{
    return texto == QLatin1String("igrf14") ? ModeloCalculo::Igrf14 : ModeloCalculo::Regional;
}

QString TextoFaixaModelo(ModeloCalculo modelo)
{
    return modelo == ModeloCalculo::Igrf14 ? QStringLiteral("Modelo IGRF-14 (IAGA) para datas de 1900 a 2029")
                                           : QStringLiteral("Modelo regional para datas de 1995 a 2005");
}

}  // namespace ceravel
