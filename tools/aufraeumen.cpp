#include "aufraeumen.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <unistd.h>

namespace {

// A path in single quotes for the shell; a quote inside becomes '\''.
QByteArray Quoten(const QString &pfad)
{
    QByteArray s = QFile::encodeName(pfad);
    s.replace('\'', "'\\''");
    return '\'' + s + '\'';
}

bool Unter(const QString &pfad, const QString &ordner)
{
    return pfad == ordner || pfad.startsWith(ordner + QLatin1Char('/'));
}

QString Bereinigt(const QString &pfad)
{
    const QFileInfo info(pfad);
    const QString echt = info.canonicalFilePath();
    return QDir::cleanPath(echt.isEmpty() ? info.absoluteFilePath() : echt);
}

} // namespace

bool InSystemordner(const QString &pfad)
{
    static const char *const ordner[] = {"/usr",    "/opt", "/bin", "/sbin", "/lib", "/lib32", "/lib64",
                                         "/libx32", "/etc", "/var", "/boot", "/srv", "/snap",  "/nix",
                                         "/gnu",    "/app", "/run", "/proc", "/sys", "/dev"};
    // Both the path as given and where it really leads: a link from a system folder counts too.
    for (const QString &p : {QDir::cleanPath(QFileInfo(pfad).absoluteFilePath()), Bereinigt(pfad)}) {
        if (QFileInfo(p).path() == QLatin1String("/"))
            return true; // a file directly in the root folder is no user's
        for (const char *o : ordner)
            if (Unter(p, QLatin1String(o)))
                return true;
        // Per-user flatpak installations belong to flatpak, not to the user's files.
        if (p.contains(QLatin1String("/flatpak/")))
            return true;
    }
    return false;
}

Aufraeumverbot AufraeumenPruefen(const QString &programmdatei, unsigned benutzer)
{
    const QFileInfo info(programmdatei);
    if (!info.exists() && !info.isSymLink())
        return Aufraeumverbot::KeineDatei;
    if (InSystemordner(programmdatei))
        return Aufraeumverbot::Systemordner;
    if (!info.isFile() || info.isSymLink())
        return Aufraeumverbot::KeineDatei;
    if (info.ownerId() != benutzer)
        return Aufraeumverbot::FremderBesitzer;
    return Aufraeumverbot::Keines;
}

Aufraeumverbot AufraeumenPruefen(const QString &programmdatei)
{
    return AufraeumenPruefen(programmdatei, unsigned(getuid()));
}

bool OrdnerEntfernbar(const QString &ordner)
{
    if (ordner.isEmpty() || InSystemordner(ordner))
        return false;
    const QString o = Bereinigt(ordner);
    if (o == Bereinigt(QDir::homePath()) || o == Bereinigt(QDir::tempPath()) || !Unter(o, Bereinigt(QDir::homePath())))
        return false;
    for (const auto ort :
         {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation, QStandardPaths::DownloadLocation,
          QStandardPaths::ApplicationsLocation, QStandardPaths::MusicLocation, QStandardPaths::PicturesLocation,
          QStandardPaths::MoviesLocation, QStandardPaths::GenericDataLocation, QStandardPaths::AppDataLocation}) {
        for (const QString &standard : QStandardPaths::standardLocations(ort))
            if (o == Bereinigt(standard))
                return false;
    }
    // ~/bin and ~/.local/bin hold other programs too; never take them away, even when empty.
    for (const char *name : {"/bin", "/.local/bin", "/.local", "/Applications"})
        if (o == Bereinigt(QDir::homePath() + QLatin1String(name)))
            return false;
    return true;
}

QByteArray AufraeumSkript(qint64 pid, const QString &programmdatei, const QString &ordner, int wartezeit)
{
    QByteArray s;
    s += "#!/bin/sh\n";
    s += "# Kombiwerk: removes the old program file once the program has ended.\n";
    s += "n=0\n";
    s += "while kill -0 " + QByteArray::number(pid) + " 2>/dev/null; do\n";
    s += "    n=$((n + 1))\n";
    s += "    if [ \"$n\" -gt " + QByteArray::number(wartezeit) + " ]; then rm -f -- \"$0\"; exit 0; fi\n";
    s += "    sleep 1\n";
    s += "done\n";
    s += "rm -f -- " + Quoten(programmdatei) + "\n";
    if (!ordner.isEmpty())
        s += "rmdir -- " + Quoten(ordner) + " 2>/dev/null\n";
    s += "rm -f -- \"$0\"\n";
    return s;
}

QString AufraeumSkriptAnlegen(qint64 pid, const QString &programmdatei, QString *fehler)
{
    const auto melden = [fehler](const QString &text) {
        if (fehler)
            *fehler = text;
        return QString();
    };
    switch (AufraeumenPruefen(programmdatei)) {
    case Aufraeumverbot::Keines:
        break;
    case Aufraeumverbot::KeineDatei:
        return melden(QStringLiteral("Die Programm-Datei wurde nicht gefunden."));
    case Aufraeumverbot::Systemordner:
        return melden(QStringLiteral("Die Programm-Datei liegt in einem Systemordner."));
    case Aufraeumverbot::FremderBesitzer:
        return melden(QStringLiteral("Die Programm-Datei gehört einem anderen Benutzer."));
    }
    const QString ordner = QFileInfo(programmdatei).absolutePath();
    QTemporaryFile datei(QDir(QDir::tempPath()).filePath(QStringLiteral("uisXXXXXX.sh")));
    datei.setAutoRemove(false);
    if (!datei.open())
        return melden(datei.errorString());
    const QByteArray skript = AufraeumSkript(pid, programmdatei, OrdnerEntfernbar(ordner) ? ordner : QString());
    if (datei.write(skript) != skript.size() || !datei.flush()) {
        const QString grund = datei.errorString();
        datei.remove();
        return melden(grund);
    }
    datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    datei.close();
    return datei.fileName();
}
