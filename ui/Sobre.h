// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace ceravel {

// About: banner and version, what the program computes, who made it, credits.
// No buttons: it closes from its title bar.
class Sobre : public QDialog {
    Q_OBJECT
public:
    explicit Sobre(QWidget* pai = nullptr);
};

}  // namespace ceravel
