#include "datenordner.h"

#include <QDir>
#include <QStandardPaths>

Datenordner DatenordnerEinrichten()
{
    Datenordner d;
    d.basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    d.eigeneSysteme = d.basis + QStringLiteral("/EigeneSysteme");
    d.shots = d.basis + QStringLiteral("/shots");
    for (const QString &pfad : {d.basis, d.eigeneSysteme, d.shots})
        QDir().mkpath(pfad);
    return d;
}
