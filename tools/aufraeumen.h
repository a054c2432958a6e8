#pragma once

#include <QByteArray>
#include <QString>

// After an update has been started, a small shell script removes the old program file once
// the program has ended. It only ever touches a file of the user's own: a program in a system
// folder or one that belongs to another user (which is how package managers install) stays.

enum class Aufraeumverbot {
    Keines,
    KeineDatei, // missing, or not a plain file
    Systemordner, // /usr, /opt, /bin, ... or a flatpak installation
    FremderBesitzer, // the file belongs to another user
};

// Whether the clean-up may delete this program file (for the user with this id).
Aufraeumverbot AufraeumenPruefen(const QString &programmdatei, unsigned benutzer);
Aufraeumverbot AufraeumenPruefen(const QString &programmdatei);

// Whether the path lies in a folder the system or a package manager owns.
bool InSystemordner(const QString &pfad);

// Whether the script may try to remove the program's folder after the file: never a system
// folder, the home folder or one of the user's standard folders (Desktop, Downloads, ...).
// rmdir itself refuses a folder that still holds files.
bool OrdnerEntfernbar(const QString &ordner);

// The script: waits until the process pid has ended (at most wartezeit seconds; after that it
// gives up and deletes nothing), deletes the program file, tries to remove ordner when it is
// given (empty: not at all), and deletes itself.
QByteArray AufraeumSkript(qint64 pid, const QString &programmdatei, const QString &ordner, int wartezeit = 600);

// Writes the script for the running program into the temporary folder, named "uis" plus a
// unique part plus ".sh". Returns its path; empty when the clean-up is not allowed or the
// script could not be written (fehler then says why, in German).
QString AufraeumSkriptAnlegen(qint64 pid, const QString &programmdatei, QString *fehler = nullptr);
