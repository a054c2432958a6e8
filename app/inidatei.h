#pragma once

#include <QString>

#include <vector>

// A plain INI file: "[Section]" lines followed by "key=value" lines. Section and key names
// are kept exactly as given (blanks included) and found regardless of case; the order of
// sections and keys, and every entry the program does not know, survive a rewrite.
class Inidatei
{
public:
    enum class Ladestatus { Gelesen, Fehlt, Fehler };

    // Reads the file; a missing file gives an empty, valid content.
    Ladestatus laden(const QString &pfad);
    const QString &fehlertext() const { return m_fehlertext; }

    bool enthaelt(const QString &abschnitt, const QString &schluessel) const;
    QString wert(const QString &abschnitt, const QString &schluessel) const;
    void setzen(const QString &abschnitt, const QString &schluessel, const QString &wert);

    // An integer entry; a missing key or a text that is no integer gives standard.
    int ganzzahl(const QString &abschnitt, const QString &schluessel, int standard) const;
    void setzeGanzzahl(const QString &abschnitt, const QString &schluessel, int wert);

    // Writes a new file and then replaces the old one, so a failure leaves the old file as it
    // was. Lines end with CR LF.
    bool speichern(const QString &pfad);

private:
    struct Eintrag
    {
        QString schluessel;
        QString wert;
    };
    struct Abschnitt
    {
        QString name;
        std::vector<Eintrag> eintraege;
    };

    const Eintrag *finden(const QString &abschnitt, const QString &schluessel) const;

    std::vector<Abschnitt> m_abschnitte;
    QString m_fehlertext;
};
