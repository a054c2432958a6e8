#include "uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool DeutscheUebersetzungLaden(QCoreApplication &app)
{
    auto *uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}
