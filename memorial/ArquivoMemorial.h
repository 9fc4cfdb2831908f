// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/Memorial.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace ceravel {

// The memorial file (".memorial.json"): UTF-8 JSON a person can read, every
// field a text exactly as typed. Format 1:
//
//   {
//       "formato": "ceravel-memorial",
//       "versao": 1,
//       "levantamento": "1987",            survey date, dd/mm/aaaa or aaaa
//       "conversao": "07/12/2026",         conversion date, dd/mm/aaaa
//       "referencia": "magnetico",         or "verdadeiro", "quadricula"
//       "modelo": "igrf14",                or "regional"
//       "posicao": { "latitude": {"forma": "decimal", "graus": "-23,5", "g": "", "m": "", "s": ""},
//                    "longitude": {"forma": "gms", "graus": "", "g": "46", "m": "37", "s": "30"},
//                    "forma": "utm",               or "geograficas"; with "utm" and "datum",
//                    "utm": {"zona": "23", "hemisferio": "S", "leste": "333000", "norte": "7395000"},
//                    "datum": "sad69" },           only when the position is not typed in SIRGAS 2000 degrees
//       "segmentos": [ {"de": "M1", "para": "M2", "rumo": "45°30' NE", "distancia": "120,50",
//                       "confrontante": ""}, ... ],
//       "poligono": { "vertice": "M1", "forma": "utm",    or "geograficas"
//                     "zona": "23", "hemisferio": "S",    or "N"
//                     "leste": "333000", "norte": "7395000", "latitude": "", "longitude": "",
//                     "datum": "sad69",                  sirgas2000, sad69, sad69-96, corrego-alegre-1970|1961
//                     "altitude": "760", "fator_escala": true, "compensar": false }
//   }
//
// "poligono" (the polygon pane) is optional: written only when the pane was
// touched, and a file without it leaves the pane empty.
//
// Keys are written in a fixed order, so saving what was opened gives the
// same bytes. A reader refuses any other "formato", a "versao" above the one
// it knows (the file comes from a newer program), and any missing field or
// field of the wrong kind: a file is loaded whole or not at all.
inline constexpr int VersaoArquivoMemorial = 1;
inline constexpr char ExtensaoMemorial[] = ".memorial.json";

QByteArray SerializaMemorial(const Memorial& memorial);

struct LeituraMemorial {
    std::optional<Memorial> memorial;
    QString erro;  // a Portuguese sentence, when refused
};
LeituraMemorial DesserializaMemorial(const QByteArray& bytes);

// The file on disk: written atomically (an earlier file stays whole until the
// new one is complete); read and checked as above. Messages name the file.
QString SalvaMemorial(const QString& caminho, const Memorial& memorial);  // empty when saved
LeituraMemorial AbreMemorial(const QString& caminho);

}  // namespace ceravel
