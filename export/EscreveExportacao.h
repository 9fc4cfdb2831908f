// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ceravel {

// The export file's name: the typed name, exactly as typed (blanks kept),
// followed by "-Ceravel.csv".
QString NomeArquivoExportacao(const QString& nomeDigitado);

// What came of writing the file, and the message the user reads either way.
struct ResultadoExportacao {
    bool gravado = false;
    QString arquivo;   // the file name as built, without the folder
    QString caminho;   // the full path written or tried
    QString mensagem;  // "Os dados foram salvos no arquivo ..." or why not
};

// Writes `linhas` (fields already joined) to <nomeDigitado>-Ceravel.csv in
// `pasta`: Windows-1252, every line ended by CR LF, replacing a file of that
// name without asking. The file is replaced only once the whole content is on
// disk, so any failure leaves an earlier file exactly as it was. A name
// holding a path separator is refused, so the file always lands in `pasta`;
// the name itself goes to the file system as Unicode.
ResultadoExportacao EscreveExportacao(const QString& pasta, const QString& nomeDigitado,
                                      const QStringList& linhas);

// Whether a file can be created in `pasta`: tried, not guessed from the
// permissions, which root ignores and a read-only disk overrides.
bool PastaGravavel(const QString& pasta);

// The user's documents folder (QStandardPaths::DocumentsLocation).
QString PastaDocumentos();

// Where an export may go; the window uses the defaults, tests inject.
// `substitui` answers the question put before a file of the same name in the
// documents folder is replaced (the user's own folder; the program's folder
// is replaced without asking); without it the file is replaced.
struct DestinoExportacao {
    std::function<bool(const QString&)> gravavel = PastaGravavel;
    std::function<QString()> documentos = PastaDocumentos;
    std::function<bool(const QString& pergunta)> substitui = {};
};

// The Export command: as EscreveExportacao in the program's folder when a
// file can be created there. When not (an installed program's folder belongs
// to root), the same file goes to the user's documents folder, created if
// missing, with the same refusals and atomic write, and the messages name the
// full path. A "no" to `substitui` writes nothing and says nothing (empty
// message).
ResultadoExportacao ExportaArquivo(const QString& pastaPrograma, const QString& nomeDigitado,
                                   const QStringList& linhas, const DestinoExportacao& destino = {});

}  // namespace ceravel
