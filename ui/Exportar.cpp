// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Exportar.h"

#include "export/EscreveExportacao.h"
#include "export/LinhasExportacao.h"
#include "ui/Controles.h"
#include "ui/Mensageiro.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace ceravel {

Exportar::Exportar(const Calculo& ultimo, const QString& pastaPrograma, Mensageiro& mensageiro,
                   QWidget* pai)
    : QDialog(pai), m_ultimo(ultimo), m_pasta(pastaPrograma), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("Exportar"));
    setWindowTitle(QStringLiteral("Exportar Dados (.CSV)"));
    // A sizeable frame with minimise and maximise boxes, like a main window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(Px(3540), Px(1455));
    DefineFundo(this, CinzaClaro);

    CriaRotulo(this, QStringLiteral("Label1"), QStringLiteral("Informe o nome do arquivo (sem extensão):"),
               90, 135, 3285, 240, FonteArial(8.25));
    m_arquivo = CriaCaixaTexto(this, QStringLiteral("File"), 45, 450, 3390, 330,
                               QStringLiteral("Nome do arquivo"), Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton* ok = CriaBotao(this, QStringLiteral("BtOK"), QStringLiteral("OK"), 2520, 945, 915, 375);
    QPushButton* cancela =
        CriaBotao(this, QStringLiteral("BtCancel"), QStringLiteral("Cancelar"), 1530, 945, 915, 375);

    setTabOrder(m_arquivo, ok);
    setTabOrder(ok, cancela);
    m_arquivo->setFocus();

    connect(ok, &QPushButton::clicked, this, &Exportar::exporta);
    connect(cancela, &QPushButton::clicked, this, &QDialog::reject);
}

void Exportar::keyPressEvent(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        evento->accept();
        return;
    default:
        QDialog::keyPressEvent(evento);
    }
}

void Exportar::exporta()
{
    DestinoExportacao destino;
    destino.substitui = [this](const QString& pergunta) { return m_mensageiro.confirma(pergunta); };
    const ResultadoExportacao r = ExportaArquivo(m_pasta, m_arquivo->text(), LinhasExportacao(m_ultimo), destino);
    if (!r.mensagem.isEmpty())  // empty: the user chose not to replace a file
        m_mensageiro.informa(r.mensagem);
    if (r.gravado) {
        accept();
    } else {
        // The dialog stays open with the name as typed, ready to be corrected.
        m_arquivo->setFocus();
    }
}

}  // namespace ceravel
