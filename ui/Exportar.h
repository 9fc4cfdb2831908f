#pragma once

#include "calc/Calculo.h"

#include <QDialog>

namespace ceravel {

class Mensageiro;

// "Exportar Dados (.CSV)": asks for a name and writes <name>-Ceravel.csv in the
// program's folder from the last successful calculation.
class Exportar : public QDialog {
    Q_OBJECT
public:
    Exportar(const Calculo& ultimo, const QString& pastaPrograma, Mensageiro& mensageiro,
             QWidget* pai = nullptr);

private:
    const Calculo& m_ultimo;
    QString m_pasta;
    Mensageiro& m_mensageiro;
};

}  // namespace ceravel
