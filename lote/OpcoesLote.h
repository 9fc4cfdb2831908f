// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/Datum.h"
#include "lote/SaidaLote.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace ceravel::lote {

// The field model of a batch: the calculator's regional model (1995–2005) or
// IGRF-14 (1900–2029).
enum class ModeloCampo { Regional, Igrf14 };

// What the command line asks for.
struct OpcoesLote {
    ModeloCampo modelo = ModeloCampo::Regional;
    QString entrada;       // file name; empty or "-": standard input
    QString saida;         // file name; empty: standard output
    QString coeficientes;  // folder of the model's files; empty: the program's folder
    QString locale;        // locale name; empty: the system's
    std::optional<CodificacaoSaida> codificacao;  // empty: chosen by the destination
    bool entradaUtm = false;           // --entrada utm: zone; E; N; date
    std::optional<geo::Datum> datum;  // --datum: the input's datum (and the SIRGAS 2000 columns)
    int nucleos = 0;          // worker threads; 0: as many as the machine has cores
    bool silencioso = false;  // neither progress bar nor summary
    bool ajuda = false;
    bool versao = false;
    QString erro;             // a malformed command line, in Portuguese
};

// `argumentos` without the program's name. Option values that name a choice
// (--modelo, --codificacao) are read in any case.
OpcoesLote InterpretaArgumentos(const QStringList& argumentos);

// The output's encoding: the one asked for; else UTF-8 into a terminal (the
// terminal's own), and Windows-1252, the calculator's export encoding, into
// files and pipes.
CodificacaoSaida CodificacaoEscolhida(std::optional<CodificacaoSaida> pedida, bool terminal);

// The locale of --locale NOME (the system's when empty); nothing for a name
// no locale answers to.
std::optional<QLocale> LocaleDoNome(const QString& nome);

// Beyond this, more threads only cost memory.
inline constexpr int MaximoNucleos = 256;

// The text of --ajuda; `localeSistema` names the default locale and
// `nucleosSistema` the default number of threads.
QString TextoAjuda(const QString& localeSistema, int nucleosSistema);

}  // namespace ceravel::lote
