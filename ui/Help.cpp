// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Help.h"

#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>

namespace ceravel {

Help::Help(const QString& texto, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowIcon(IconeCeravel());
    setFixedSize(Px(6735), Px(4215));
    DefineFundo(this, CinzaClaro);

    auto* acordo = new QPlainTextEdit(this);
    acordo->setObjectName(QStringLiteral("Acordo"));
    acordo->setGeometry(RetPx(240, 240, 6255, 3735));
    acordo->setFont(FonteArial(8.25));
    acordo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    acordo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    acordo->setAccessibleName(QStringLiteral("Informações gerais"));
    acordo->setPlainText(texto);
}

}  // namespace ceravel
