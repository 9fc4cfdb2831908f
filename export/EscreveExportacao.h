#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ceravel {

// The export file's name: the typed name, exactly as typed (blanks kept),
// followed by "-Ceravel.csv".
QString NomeArquivoExportacao(const QString& nomeDigitado);

// Text in Windows-1252, the code page of the export file. A character that
// code page cannot hold is never replaced by another: the conversion fails and
// `problema` says which character, in Portuguese.
struct TextoWindows1252 {
    QByteArray bytes;
    QString problema;  // empty on success
    bool valido() const { return problema.isEmpty(); }
};
TextoWindows1252 CodificaWindows1252(const QString& texto);
// The same conversion appended to `destino`, for writers of many lines: false,
// with `destino` unchanged, when a character is not in the code page.
bool AcrescentaWindows1252(QByteArray& destino, QStringView texto);

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
