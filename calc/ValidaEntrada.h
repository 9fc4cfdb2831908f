#pragma once

#include "calc/EntradaCalculo.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ceravel {

// The first check that failed: its message, exactly as the user reads it, and
// the box that gets the focus afterwards (Campo::Nenhum: focus unchanged).
struct FalhaGuarda {
    QString mensagem;
    Campo foco = Campo::Nenhum;
};

// A position and date that passed every check, with what the model and the
// export need of them.
struct PedidoValidado {
    double latitude = 0;    // decimal degrees, north positive
    double longitude = 0;   // decimal degrees, east positive
    double anoDecimal = 0;  // year + elapsed fraction, the given day counted
    double x = 0;           // latitude + 15
    double y = 0;           // longitude + 55
    double t = 0;           // anoDecimal - 1990
};

struct ResultadoValidacao {
    std::optional<PedidoValidado> pedido;
    std::optional<FalhaGuarda> falha;
};

// Runs the checks of the Calculate command in their fixed order for the entry
// forms in `entrada`; numbers are read under `locale`.
ResultadoValidacao ValidaEntrada(const TextosEntrada& entrada, const QLocale& locale);

}  // namespace ceravel
