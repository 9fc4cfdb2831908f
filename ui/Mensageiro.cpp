#include "ui/Mensageiro.h"

#include <QMessageBox>

namespace ceravel {

void MensageiroCaixa::informa(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Information, QStringLiteral("Ceravel"), texto, QMessageBox::Ok);
    caixa.setWindowModality(Qt::ApplicationModal);
    caixa.exec();
}

bool MensageiroCaixa::pergunta(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Ceravel"), texto, QMessageBox::Yes | QMessageBox::No);
    caixa.setDefaultButton(QMessageBox::No);
    caixa.setWindowModality(Qt::ApplicationModal);
    return caixa.exec() == QMessageBox::Yes;
}

}  // namespace ceravel
