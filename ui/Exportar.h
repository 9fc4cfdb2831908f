// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"

#include <QDialog>

class QLineEdit;

namespace ceravel {

class Mensageiro;

// "Exportar Dados (.CSV)": asks for a name and writes <name>-Ceravel.csv in the
// program's folder (the user's documents folder when that one cannot be
// written; there a file of the same name is replaced only if the user says so)
// from the last successful calculation. OK writes, reports and closes; a
// failure is reported, and after a failure or a "no" the dialog stays open with
// the name, so it can be corrected. "Cancelar" and the title-bar close write
// nothing.
class Exportar : public QDialog {
    Q_OBJECT
public:
    Exportar(const Calculo& ultimo, const QString& pastaPrograma, Mensageiro& mensageiro,
             QWidget* pai = nullptr);

protected:
    // Neither button answers Enter or Escape.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void exporta();

    const Calculo& m_ultimo;
    QString m_pasta;
    Mensageiro& m_mensageiro;
    QLineEdit* m_arquivo;
};

}  // namespace ceravel
