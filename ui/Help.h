// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace ceravel {

// General information: the help file's text in a scrollable box. The box
// accepts typing, which is never saved and is lost when the window closes.
class Help : public QDialog {
    Q_OBJECT
public:
    explicit Help(const QString& texto, QWidget* pai = nullptr);
};

}  // namespace ceravel
