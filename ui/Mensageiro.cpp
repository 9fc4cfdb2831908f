// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Mensageiro.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ceravel {

void MensageiroCaixa::informa(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Information, QStringLiteral("Ceravel"), texto, QMessageBox::Ok);
    caixa.setWindowModality(Qt::ApplicationModal);
    caixa.exec();
}

Mensageiro::Resposta Mensageiro::pergunta(const QString&)
{
    return Resposta::Cancelar;
}

QString Mensageiro::arquivoParaSalvar(const QString&, const QString&, const QString&)
{
    return {};
}

QString Mensageiro::arquivoParaAbrir(const QString&, const QString&)
{
    return {};
}

bool MensageiroCaixa::confirma(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Ceravel"), texto, QMessageBox::Yes | QMessageBox::No);
    caixa.setDefaultButton(QMessageBox::No);
    caixa.setWindowModality(Qt::ApplicationModal);
    return caixa.exec() == QMessageBox::Yes;
}

Mensageiro::Resposta MensageiroCaixa::pergunta(const QString& texto)
{
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Ceravel"), texto,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("Não"));
    caixa.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    caixa.setDefaultButton(QMessageBox::Yes);
    caixa.setWindowModality(Qt::ApplicationModal);
    switch (caixa.exec()) {
    case QMessageBox::Yes: return Resposta::Sim;
    case QMessageBox::No: return Resposta::Nao;
    default: return Resposta::Cancelar;
    }
}

QString MensageiroCaixa::arquivoParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtro)
{
    return QFileDialog::getSaveFileName(nullptr, titulo, sugestao, filtro);
}

QString MensageiroCaixa::arquivoParaAbrir(const QString& titulo, const QString& filtro)
{
    return QFileDialog::getOpenFileName(nullptr, titulo, QString(), filtro);
}

}  // namespace ceravel
