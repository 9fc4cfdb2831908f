#pragma once

#include <QString>
#include <QStringList>

namespace ceravel {

// The export file's name: the typed name, exactly as typed (blanks kept),
// followed by "-Ceravel.csv".
QString NomeArquivoExportacao(const QString& nomeDigitado);

// What came of writing the file, and the message the user reads either way.
struct ResultadoExportacao {
    bool gravado = false;
    QString arquivo;   // the file name as built, without the folder
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

}  // namespace ceravel
