#pragma once

#include "dateischreiben.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Outcome of writing an INI file. The file is not written at all when it could not be read
// before (its content is unknown, so a rewrite would lose it); otherwise the write helper's
// result tells why writing failed.
struct Speicherergebnis
{
    SchreibErgebnis schreiben;
    QString ladefehler; // not empty: not written, because reading the file failed for this reason

    bool ok() const { return ladefehler.isEmpty() && schreiben.ok(); }
    explicit operator bool() const { return ok(); }
    // German reason, for example "Der Datenträger ist voll."; empty on success.
    QString grund() const;
    // Full sentence naming the file, ready for a message box; empty on success.
    QString text(const QString &pfad) const;
};

// A plain INI file: "[Section]" lines followed by "key=value" lines. Section and key names
// are found regardless of the case of their ASCII letters; the last occurrence of a key wins.
//
// The file may hold entries of other programs and of the user, in any single-byte or UTF-8
// text: every line keeps its exact bytes unless the program gives its key a new value. Such
// a line is rewritten as "key=value" (the key spelt as in the file); a new key goes after the
// last entry of its section, a new section to the end of the file. Comment lines (";", "#"),
// blank lines, unknown lines and a UTF-8 byte-order mark stay; lines end with CR LF on write.
class Inidatei
{
public:
    enum class Ladestatus { Gelesen, Fehlt, Fehler };

    // A settings file is a few hundred bytes; anything above this is not ours and is neither
    // read nor replaced.
    static constexpr qint64 Hoechstgroesse = 1024 * 1024;

    // Reads the file; a missing file gives an empty, valid content. After Fehler the content
    // is empty, fehlertext() gives the German reason and speichern() refuses to write.
    Ladestatus laden(const QString &pfad);
    // The same for bytes as read from a file (Gelesen or Fehler).
    Ladestatus einlesen(const QByteArray &inhalt);
    // False after a failed laden(): the file's content is unknown and must not be replaced.
    bool schreibbar() const { return !m_ladefehler; }
    // Reason of the last failed laden() or speichern(), in German.
    const QString &fehlertext() const { return m_fehlertext; }

    bool enthaelt(const QString &abschnitt, const QString &schluessel) const;
    QString wert(const QString &abschnitt, const QString &schluessel) const;
    // Names and value are single lines (line breaks are dropped). A line whose value does
    // not change stays as it is.
    void setzen(const QString &abschnitt, const QString &schluessel, const QString &wert);

    // An integer entry; a missing key or a text that is no integer gives standard. A number
    // beyond the range of int is cut to that range.
    int ganzzahl(const QString &abschnitt, const QString &schluessel, int standard) const;
    void setzeGanzzahl(const QString &abschnitt, const QString &schluessel, int wert);

    // The bytes speichern() writes.
    QByteArray inhalt() const;
    // Writes through the atomic write helper: a failure leaves the old file byte for byte.
    Speicherergebnis speichern(const QString &pfad);

private:
    enum class Art { Sonstige, Abschnitt, Eintrag };
    // One line as it stands in the file; name and value are parts of its bytes, without the
    // blanks around them, and are decoded only when asked for.
    struct Zeile
    {
        QByteArray roh; // without the line end
        Art art = Art::Sonstige;
        qsizetype nameAb = 0;
        qsizetype nameLaenge = 0;
        qsizetype wertAb = 0;
        qsizetype wertLaenge = 0;

        QByteArrayView name() const { return QByteArrayView(roh).sliced(nameAb, nameLaenge); }
        QByteArrayView wert() const { return QByteArrayView(roh).sliced(wertAb, wertLaenge); }
    };

    static Zeile Zerlegen(QByteArray roh);
    qsizetype finden(QByteArrayView abschnitt, QByteArrayView schluessel) const;
    void leeren();
    void ladefehler(const QString &grund);

    std::vector<Zeile> m_zeilen;
    bool m_bom = false;
    bool m_ladefehler = false;
    QString m_fehlertext;
};
