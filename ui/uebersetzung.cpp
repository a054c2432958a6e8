#include "uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool Laden(QCoreApplication &app, const QString &name)
{
    auto *uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QLocale(QLocale::German), name, QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

} // namespace

bool DeutscheUebersetzungLaden(QCoreApplication &app)
{
    // The help window's search widgets bring texts of their own.
    Laden(app, QStringLiteral("qt_help"));
    return Laden(app, QStringLiteral("qtbase"));
}
