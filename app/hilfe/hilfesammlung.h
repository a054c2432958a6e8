#pragma once

#include <QString>
#include <QUrl>

class QHelpEngineCore;

// The program's help collection "KBW.qhc" (with its documentation file "KBW.qch") beside
// the executable. The help engine writes into the folder of the collection it opens (its
// settings and the full-text index), so the viewer always works on a copy in a writable
// folder.
class Hilfesammlung
{
public:
    static constexpr int Startthema = 1010;

    // programmordner: the folder of the running executable.
    explicit Hilfesammlung(const QString &programmordner);

    QString sammlungsdatei() const { return m_sammlung; } // <programmordner>/KBW.qhc
    QString dokumentationsdatei() const { return m_dokumentation; } // <programmordner>/KBW.qch

    // Both files are present.
    bool vorhanden() const;

    // Copies the collection into zielordner (created if missing; empty = the per-user cache
    // folder) unless an identical copy is already there, and makes sure the copy refers to
    // the copied documentation file. Returns the path of the copied collection, or an empty
    // text when the help is not available.
    QString arbeitskopieBereitstellen(const QString &zielordner = QString()) const;

private:
    QString m_sammlung;
    QString m_dokumentation;
};

// The folder that holds the help collection of a program in programmordner: that folder
// itself (the build folder), else the data folder of an installation
// (<prefix>/share/kombiwerk for a program in <prefix>/bin). When neither holds it, programmordner.
QString HilfeordnerFinden(const QString &programmordner);

// The page of a topic number (1010, 1040, ...), or an empty URL when the collection lacks it.
QUrl HilfethemaUrl(const QHelpEngineCore &engine, int thema);
