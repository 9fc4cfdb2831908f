// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Coeficientes.h"

#include <QString>
#include <optional>

namespace ceravel {

inline constexpr const char* ArquivoDeclinacao = "COEF-D2000";
inline constexpr const char* ArquivoInclinacao = "COEF-I2000";
inline constexpr const char* ArquivoIntensidade = "COEF-F2000";

// Outcome of reading one coefficient file: the set, or a Portuguese message
// naming the file and what went wrong (missing, unreadable, too short, bad item).
struct LeituraCoeficientes {
    std::optional<Coeficientes> coeficientes;
    QString erro;
};

// Which folder the files come from, as the messages name it: the program's
// own, or one the user gave (ceravel-lote --coeficientes PASTA).
enum class OrigemPasta { DoPrograma, Indicada };

// Reads the first 31 numeric items of `pasta`/`nomeArquivo`. Items are
// separated by commas, line breaks or blanks; the decimal separator is always
// the full stop. Whatever follows the 31st item is never looked at.
LeituraCoeficientes LeCoeficientes(const QString& pasta, const QString& nomeArquivo,
                                   OrigemPasta origem = OrigemPasta::DoPrograma);

// The three sets, or the message of the first file that failed.
struct LeituraConjuntos {
    std::optional<ConjuntosCoeficientes> conjuntos;
    QString erro;
};

// Reads COEF-D2000, COEF-I2000 and COEF-F2000 from `pasta`, in that order;
// the first failure ends the reading.
LeituraConjuntos LeConjuntos(const QString& pasta, OrigemPasta origem = OrigemPasta::DoPrograma);

}  // namespace ceravel
