// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lote/CalculaPonto.h"
#include "lote/CamposLinha.h"

#include <QLocale>
#include <QStringView>

namespace ceravel::lote {

// One point of a line in the form `modelo.posicao` names: the UTM or datum
// checks, the position taken to SIRGAS 2000 through this thread's PROJ
// context, then the calculator's checks and model there, and γ and k. A full
// stop in E, N or a coordinate stands for the locale's `separador`.
void CalculaPontoGeodesico(const LinhaSeparada& linha, const ModeloLote& modelo, const QLocale& locale,
                           QStringView separador, ResultadoPonto& resultado);

}  // namespace ceravel::lote
