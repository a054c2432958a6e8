#include "tabellenprogramm.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 HoechstDateigroesse = 1024 * 1024; // entries and lists are small text files
constexpr int HoechstEintraege = 20000;

// The lines of a key file's group, "key=value", without comments.
QStringList Gruppe(const QString &pfad, const QString &gruppe)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString text = QString::fromUtf8(datei.read(HoechstDateigroesse));
    QStringList zeilen;
    bool drin = false;
    const QString kopf = QLatin1Char('[') + gruppe + QLatin1Char(']');
    for (const QString &roh : text.split(QLatin1Char('\n'))) {
        const QString zeile = roh.trimmed();
        if (zeile.startsWith(QLatin1Char('['))) {
            drin = zeile == kopf;
            continue;
        }
        if (drin && !zeile.isEmpty() && !zeile.startsWith(QLatin1Char('#')))
            zeilen.append(zeile);
    }
    return zeilen;
}

// The list value of key in the lines ("a;b;c;").
QStringList Werte(const QStringList &zeilen, const QString &schluessel)
{
    for (const QString &zeile : zeilen) {
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich > 0 && zeile.left(gleich).trimmed() == schluessel)
            return zeile.mid(gleich + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

bool EintragGueltig(const QString &pfad, const QString &mimetyp)
{
    const QStringList zeilen = Gruppe(pfad, QStringLiteral("Desktop Entry"));
    if (Werte(zeilen, QStringLiteral("Hidden")).value(0).trimmed() == QLatin1String("true"))
        return false;
    if (mimetyp.isEmpty())
        return true;
    const QStringList typen = Werte(zeilen, QStringLiteral("MimeType"));
    return std::any_of(typen.cbegin(), typen.cend(), [&](const QString &t) { return t.trimmed() == mimetyp; });
}

// An application entry by its id: "org.example.Calc.desktop", or "kde-calc.desktop" for
// applications/kde/calc.desktop.
bool EintragVorhanden(const QString &id, const QStringList &datenordner)
{
    for (const QString &d : datenordner) {
        const QDir anwendungen(QDir(d).filePath(QStringLiteral("applications")));
        QString name = id.trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('/')))
            continue;
        for (;;) {
            const QString pfad = anwendungen.filePath(name);
            if (QFileInfo(pfad).isFile() && EintragGueltig(pfad, QString()))
                return true;
            const qsizetype strich = name.indexOf(QLatin1Char('-'));
            if (strich < 0)
                break;
            name[strich] = QLatin1Char('/');
        }
    }
    return false;
}

} // namespace

bool TabellenprogrammVorhanden(const QStringList &datenordner, const QStringList &konfigordner, const QString &mimetyp)
{
    // Associations that a user or the system set up, and the cache of the entries' lists.
    QStringList listen;
    for (const QString &k : konfigordner)
        listen.append(QDir(k).filePath(QStringLiteral("mimeapps.list")));
    for (const QString &d : datenordner)
        listen.append(QDir(d).filePath(QStringLiteral("applications/mimeapps.list")));
    for (const QString &liste : std::as_const(listen)) {
        for (const char *gruppe : {"Default Applications", "Added Associations"}) {
            for (const QString &id : Werte(Gruppe(liste, QLatin1String(gruppe)), mimetyp)) {
                if (EintragVorhanden(id, datenordner))
                    return true;
            }
        }
    }
    for (const QString &d : datenordner) {
        const QString cache = QDir(d).filePath(QStringLiteral("applications/mimeinfo.cache"));
        for (const QString &id : Werte(Gruppe(cache, QStringLiteral("MIME Cache")), mimetyp)) {
            if (EintragVorhanden(id, datenordner))
                return true;
        }
    }
    // The entries themselves, where no cache was built.
    int gesehen = 0;
    for (const QString &d : datenordner) {
        QDirIterator it(QDir(d).filePath(QStringLiteral("applications")), {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext() && ++gesehen <= HoechstEintraege) {
            if (EintragGueltig(it.next(), mimetyp))
                return true;
        }
    }
    return false;
}

namespace {

QStringList Ordnerliste(const char *variable, const QString &vorgabe)
{
    const QString wert = qEnvironmentVariable(variable);
    return (wert.isEmpty() ? vorgabe : wert).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString Zuhause(const char *variable, const char *unterordner)
{
    const QString wert = qEnvironmentVariable(variable);
    return wert.isEmpty() ? QDir::home().filePath(QLatin1String(unterordner)) : wert;
}

} // namespace

QStringList XdgDatenordner()
{
    return QStringList{Zuhause("XDG_DATA_HOME", ".local/share")}
    + Ordnerliste("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
}

QStringList XdgKonfigordner()
{
    return QStringList{Zuhause("XDG_CONFIG_HOME", ".config")}
    + Ordnerliste("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
}
