// SPDX-License-Identifier: GPL-3.0-or-later
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

struct JanelaAnos;
// The same checks with another period of years (the main window's is 1995–2005).
ResultadoValidacao ValidaEntrada(const TextosEntrada& entrada, const QLocale& locale, const JanelaAnos& janela);

// ---- The guards themselves, shared by every window that takes a position or
// a date: each window calls them, so the rules and messages exist once. ----

// Nothing when a check passes; the failure that ends the command otherwise.
using Guarda = std::optional<FalhaGuarda>;

// Where the focus goes after a refusal that names no box on the main window
// (empty box, range, minutes and seconds): the main window leaves it where it
// is; the conversion window moves it to the offending box.
enum class FocoRecusa { Mantido, NaCaixa };

// One box as typed and the box it is.
struct CaixaEntrada {
    const QString& texto;
    Campo campo;
};

const QString& MensagemDadosIncompletos();  // "Por favor entre com todos os dados"
const QString& MensagemNaoNumero();
const QString& MensagemMinutosSegundos();
// The main window's refusal of a year outside 1995–2005.
const QString& MensagemPeriodoRegional();

// Reads a box in the user's locale; a text that is not a number there is
// refused with the focus on the box.
Guarda LeCaixaNumero(const CaixaEntrada& caixa, const QLocale& locale, double& valor);

// The first empty box that the active entry forms of the position require,
// latitude before longitude, degrees before minutes before seconds;
// Campo::Nenhum when all are filled. Only the position fields of `posicao`
// are read.
Campo PrimeiraCaixaVaziaPosicao(const TextosEntrada& posicao);

// A position whose required boxes are filled: the main window's ranges (in its
// order), then minutes and seconds, then the decimal degrees (the sign typed
// in the degrees box decides, "-0 30 0" is -0.5).
Guarda GuardasPosicao(const TextosEntrada& posicao, const QLocale& locale, FocoRecusa foco,
                      double& latitude, double& longitude);

// The years a window accepts, and its message for the others.
struct JanelaAnos {
    double primeiro, ultimo;
    const QString& mensagem;
};

// The date as the guards read it.
struct ValoresData {
    double dia = 0, mes = 0, ano = 0;
};

// The day, month and year guards of the main window, in its order, on the
// three (filled) boxes of one date; the year window last.
Guarda GuardasData(const CaixaEntrada& dia, const CaixaEntrada& mes, const CaixaEntrada& ano,
                   const JanelaAnos& janela, const QLocale& locale, ValoresData& data);

}  // namespace ceravel
