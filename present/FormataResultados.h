// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/EntradaCalculo.h"
#include "calc/ValidaEntrada.h"
#include "model/ElementosCampo.h"
#include "present/TextosResultado.h"

#include <QLocale>

namespace ceravel {

// Declination angle, e.g. -21º07'30'' (U+00BA after the degrees).
QString TextoDeclinacao(float D, const QLocale& locale);
// The same text appended to `destino`: the batch program reuses one string.
void AcrescentaDeclinacao(QString& destino, float D, const QLocale& locale);
// Declination variation, e.g. -7'30''/ano.
QString TextoVariacaoDeclinacao(float m, const QLocale& locale);
// Inclination whole degrees ("-0" for -1 < I < 0) and minutes ("0.00").
QString TextoGrausInclinacao(float I, const QLocale& locale);
QString TextoMinutosInclinacao(float I, const QLocale& locale);

// Every text of the control table for one calculation.
TextosResultado FormataResultados(const ElementosCampo& e, const PedidoValidado& pedido,
                                  const TextosEntrada& entrada, const QLocale& locale);

}  // namespace ceravel
