#include "ui/Mensageiro.h"

#include <QMessageBox>

namespace ceravel {

void MensageiroCaixa::informa(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Information, QStringLiteral("Ceravel"), texto, QMessageBox::Ok);
    caixa.setWindowModality(Qt::ApplicationModal);
    caixa.exec();
}

}  // namespace ceravel
