// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TraducaoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ceravel {

QTranslator* InstalaTraducaoQt(QCoreApplication& app)
{
    auto* traducao = new QTranslator(&app);
    if (traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(traducao))
        return traducao;
    delete traducao;
    return nullptr;
}

}  // namespace ceravel
