#pragma once

// Own rows as text: the small text routines, the reading of the memo into rows, and the
// texts of rows as they go to files and the clipboard. QtCore only.

#include "systeme.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Flags of XStringReplace.
inline constexpr int ErsetzenAlle = 1;
inline constexpr int ErsetzenOhneGrossKlein = 2;

// Replaces alt by neu in s, scanning from the left without overlapping matches: every match
// with ErsetzenAlle, else only the first. s comes back unchanged when alt equals neu or s or
// alt is empty.
QString XStringReplace(const QString &s, const QString &alt, const QString &neu, int flags);

// Every run of two or more blanks becomes one blank; nothing is trimmed.
QString LeerzeichenKuerzen(const QString &text);

// How often c stands in text.
int ZeichenZaehlen(QChar c, const QString &text);

// Sorts a row that holds no number twice into ascending order.
void ReiheSortieren(std::vector<std::uint8_t> &reihe);

// The memo's change rule: every tab becomes ",".
QString TabsErsetzen(const QString &text);

// The separators of the radio group "Trennzeichen", in its order.
enum class Trenner { Komma, Semikolon, Leerzeichen, Bindestrich };
QChar TrennerZeichen(Trenner t);
Trenner TrennerAusIndex(int index);

// The messages of reading the memo; the numbers are those of the message table.
enum class Lesemeldung {
    Keine,
    Leer = 1, // no text
    Klammerfrage = 2, // the text holds "),(": ask before reading bracketed rows
    Trennzeichen = 3, // no separator in the first line
    ErsteZeilen = 4, // the first two lines differ in their count
    Zeilenanzahl = 5, // line `zeile` does not hold `anzahl` numbers
    Identisch = 6, // lines `zeile` and `zeile2` are equal (`feld` holds the line)
    Bereich = 7, // `feld` in row `zeile` lies outside 1..biggestZZ
    Doppelt = 8, // `feld` stands twice in row `zeile`
    KeineZahl = 9, // `feld` is no whole number (the program's general conversion message)
    Abgebrochen = 10, // the question on bracketed rows was not answered with Ja: no message
};

enum class Klammerantwort { Offen, Ja, Nein };

struct Leseauftrag
{
    QString text;
    Trenner trenner = Trenner::Komma;
    bool gruendlich = true; // "Reihen gründlich prüfen"
    bool doppeltPruefen = true; // "Doppel- Prüfung": identical lines are refused
    int biggestZZ = 49;
    // Bracketed rows: Offen stops with Klammerfrage so that the caller can ask; Ja reads them.
    Klammerantwort klammern = Klammerantwort::Offen;
};

struct Leseergebnis
{
    Lesemeldung meldung = Lesemeldung::Keine;
    bool ok() const { return meldung == Lesemeldung::Keine; }
    // The text after the clean-up done so far: the memo shows it, also after a stop.
    QString text;
    bool textGeaendert = false;
    // Rows found (the count from the moment the lines were checked, else -1): shown in PTR2
    // also when a later check stops.
    int zeilen = -1;
    int zeile = 0;
    int zeile2 = 0;
    int anzahl = 0;
    QString feld;
    // Filled when ok(): every row ascending, reihengroesse numbers each.
    std::vector<std::vector<std::uint8_t>> reihen;
    int reihengroesse = 0;
    Zahlenmenge pool;
    int poolAnzahl = 0;
};

// Reads the memo text into rows, with every clean-up step and check in their order.
Leseergebnis ReihentextLesen(const Leseauftrag &auftrag);

// The text of a message for the user (numbers plain decimal, sentences apart by an empty
// line); information or error as the table says.
QString LesemeldungText(const Leseergebnis &e, int biggestZZ);
bool LesemeldungIstFehler(Lesemeldung m);

// Text files of rows: UTF-8 or UTF-16 when a byte-order mark says so; without one the
// system's encoding (UTF-8), and single-byte Latin-1 for a file that is no valid UTF-8.
QString TextdateiDekodieren(const QByteArray &inhalt);
// The memo's lines as they are, CR LF after each, the last one too, in UTF-8 without a
// byte-order mark (digits, separators and line breaks are single ASCII bytes).
QByteArray MemoFuerDatei(const QString &text);
