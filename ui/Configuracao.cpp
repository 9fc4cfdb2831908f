// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Configuracao.h"

#include <QSettings>

namespace ceravel {

namespace {

constexpr char ChaveModelo[] = "modelo";

}  // namespace

ModeloCalculo LeModeloConfigurado()
{
    const QSettings configuracao(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ceravel"),
                                 QStringLiteral("Ceravel"));
    if (configuracao.status() != QSettings::NoError)
        return ModeloCalculo::Regional;
    return ModeloDaConfiguracao(configuracao.value(QLatin1String(ChaveModelo)).toString());
}

void GravaModeloConfigurado(ModeloCalculo modelo)
{
    QSettings configuracao(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ceravel"),
                           QStringLiteral("Ceravel"));
    configuracao.setValue(QLatin1String(ChaveModelo), TextoConfiguracaoModelo(modelo));
}

}  // namespace ceravel
