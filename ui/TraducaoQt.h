// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QTranslator;

namespace ceravel {

// Qt's own texts (file dialogs, standard buttons: "Sim", "Não", "Cancelar")
// in Brazilian Portuguese, as every other text of the program, whatever the
// system's language: qtbase_pt_BR.qm from Qt's translations folder (Debian's
// qt6-translations-l10n), installed on `app`, which owns it. Nothing when the
// file cannot be read: Qt's English texts stay.
QTranslator* InstalaTraducaoQt(QCoreApplication& app);

}  // namespace ceravel
