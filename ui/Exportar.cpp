#include "ui/Exportar.h"

#include "ui/Mensageiro.h"

namespace ceravel {

// Provisional dialog; the export form replaces it.
Exportar::Exportar(const Calculo& ultimo, const QString& pastaPrograma, Mensageiro& mensageiro,
                   QWidget* pai)
    : QDialog(pai), m_ultimo(ultimo), m_pasta(pastaPrograma), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("Exportar"));
    setWindowTitle(QStringLiteral("Exportar Dados (.CSV)"));
}

}  // namespace ceravel
