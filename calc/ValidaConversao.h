// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ConversaoRumos.h"
#include "calc/ValidaEntrada.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <variant>

namespace ceravel {

// The boxes of the "Conversão de Rumos" window once every check has passed.
struct PedidoConversao {
    double latitude = 0, longitude = 0;  // decimal degrees
    ValoresData levantamento, conversao;  // the dates as the guards read them
    bool levantamentoSoAno = false;       // survey date given as a year only: 1 July
    double anoLevantamento = 0;           // decimal years, the given day counted
    double anoConversao = 0;
    // The given bearing as an azimuth in whole seconds in [0, 360°), rounded
    // once from what was typed; empty without one.
    std::optional<long long> azimute;
    std::optional<geo::PontoUtm> utm;  // the UTM form's point; latitude and longitude are then unset
};

using ResultadoValidacaoConversao = std::variant<FalhaGuarda, PedidoConversao>;

// The years the conversion answers for: the model's 1900.0–2030.0, whose last
// instant is the end of 31/12/2029.
inline constexpr double PrimeiroAnoConversao = 1900, UltimoAnoConversao = 2029;

// The window's checks in order, first failure wins: the position as on the
// main window (the focus always on the offending box), "Data do levantamento",
// "Data da conversão", then the optional bearing. Empty minutes and seconds
// are 0; a survey date of a year alone is 1 July of it. Every message starts
// with the name of the box it refuses ("Ano do levantamento: ..."). Numbers
// are read under `locale`.
ResultadoValidacaoConversao ValidaConversao(const TextosConversao& entrada, const QLocale& locale);

}  // namespace ceravel
