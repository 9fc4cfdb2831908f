// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Controles.h"

#include "ui/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace ceravel {

namespace {

QFont Fonte(const QString& familia, double pontos, bool negrito, bool italico)
{
    QFont f(familia);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    f.setItalic(italico);
    f.setStyleHint(familia.startsWith(u"Times") ? QFont::Serif : QFont::SansSerif);
    return f;
}

// Enter and the keypad's Enter press a focused button, as Space does: users
// expect it from other desktops, and Qt does it only for default buttons. The
// key is taken here, so a dialog's default button does not answer it as well.
class EnterPressiona : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if ((tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter) ||
            (tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A held key presses once, as Space.
        if (!tecla->isAutoRepeat())
            static_cast<QPushButton*>(alvo)->click();
        return true;
    }
};

}  // namespace

QFont FonteArial(double pontos, bool negrito, bool italico)
{
    return Fonte(QStringLiteral("Arial"), pontos, negrito, italico);
}

QFont FonteTimes(double pontos, bool negrito, bool italico)
{
    return Fonte(QStringLiteral("Times New Roman"), pontos, negrito, italico);
}

QFont FonteTahoma(double pontos, bool negrito, bool italico)
{
    return Fonte(QStringLiteral("Tahoma"), pontos, negrito, italico);
}

QLabel* CriaRotulo(QWidget* pai, const QString& nome, const QString& texto, double esquerda,
                   double topo, double largura, double altura, const QFont& fonte,
                   Qt::Alignment alinhamento)
{
    auto* r = new QLabel(texto, pai);
    r->setObjectName(nome);
    r->setGeometry(RetPx(esquerda, topo, largura, altura));
    r->setFont(fonte);
    r->setAlignment(alinhamento);
    r->setTextFormat(Qt::PlainText);
    r->setAccessibleName(texto);
    return r;
}

QLineEdit* CriaCaixaTexto(QWidget* pai, const QString& nome, double esquerda, double topo,
                          double largura, double altura, const QString& nomeAcessivel,
                          Qt::Alignment alinhamento)
{
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    c->setGeometry(RetPx(esquerda, topo, largura, altura));
    c->setFont(FonteArial(8.25));
    c->setAlignment(alinhamento);
    c->setAccessibleName(nomeAcessivel);
    return c;
}

QPushButton* CriaBotao(QWidget* pai, const QString& nome, const QString& texto, double esquerda,
                       double topo, double largura, double altura)
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setGeometry(RetPx(esquerda, topo, largura, altura));
    b->setFont(FonteArial(8.25));
    b->setAutoDefault(false);
    b->setDefault(false);
    PressionaComEnter(b);
    return b;
}

void PressionaComEnter(QPushButton* botao)
{
    botao->installEventFilter(new EnterPressiona(botao));
}

QGroupBox* CriaMoldura(QWidget* pai, const QString& nome, const QString& titulo, double esquerda,
                       double topo, double largura, double altura, const QFont& fonteTitulo,
                       QColor corTitulo, QColor fundo)
{
    auto* m = new QGroupBox(titulo, pai);
    m->setObjectName(nome);
    m->setGeometry(RetPx(esquerda, topo, largura, altura));
    m->setFont(fonteTitulo);
    // Only the caption takes the frame's font and colour; children set their own.
    m->setStyleSheet(QStringLiteral(
        "QGroupBox#%1 { background-color: %2; border: 1px solid #a0a0a0; margin-top: 0px; }"
        "QGroupBox#%1::title { subcontrol-origin: border; subcontrol-position: top left;"
        " left: 6px; top: -1px; padding: 0 2px; color: %3; background-color: %2; }")
        .arg(nome, fundo.name(), corTitulo.name()));
    return m;
}

void DefineFundo(QWidget* w, QColor cor)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace ceravel
