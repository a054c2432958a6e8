#pragma once

#include "inidatei.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// The keys of "Einstellungen.ini" that carry the user's choices of the main window, in the
// order the main window reads them. Each belongs to one control, found by its name.
struct Einstellung
{
    enum class Art { Ganzzahl, Wahrheitswert };

    const char *abschnitt;
    const char *schluessel;
    Art art;
    int standard; // when the key is missing or unreadable
    int ersterStart; // when there is no settings file at all
    const char *steuerelement; // objectName of the control
    // The widest range the control ever has; a stored value is cut to it when read, and the
    // control may cut it further to its current range.
    int kleinster;
    int groesster;
};

inline constexpr char Einstellungsdateiname[] = "Einstellungen.ini";

using Einstellungswerte = std::array<int, 16>; // in the order of Einstellungstabelle

// The 16 keys in reading order ("ZP" down to "Trenner").
const std::array<Einstellung, 16> &Einstellungstabelle();
// Indexes into the table in the order the close request writes the keys.
const std::array<int, 16> &Schreibreihenfolge();
// Index of a key in the table, or -1.
int EinstellungsIndex(const char *schluessel);

Einstellungswerte ErsterStartWerte();
// Values of the keys in the file; a missing key or an unreadable number gives its default,
// a boolean is true for any non-zero number, any other number is cut to the key's range.
Einstellungswerte EinstellungenAuslesen(const Inidatei &datei);
// Puts the values into the file: integers in decimal, booleans as 1 and 0.
void EinstellungenEintragen(Inidatei &datei, const Einstellungswerte &werte);

// Window positions in section "Position": name + "-left" and name + "-top" (defaults 0, 70).
// A stored edge further than this from the origin is cut to it: no desktop is that large,
// and window geometry must not overflow.
inline constexpr int Positionsgrenze = 100000;
struct Fensterposition
{
    int links = 0;
    int oben = 70;
};
Fensterposition FensterpositionAuslesen(const Inidatei &datei, const QString &name);
// Writes the position into the settings file at pfad, keeping everything else in it byte for
// byte. A file that cannot be read is left alone; the result says why nothing was written.
Speicherergebnis FensterpositionSpeichern(const QString &pfad, const QString &name, int links, int oben);

// Where to put a window of the given size whose saved top-left corner is `gespeichert`:
// unchanged while the top strip of the window, where the title bar is, shows at least
// 100 × 10 pixels (less for a narrower window) on one of the screens' available areas;
// otherwise centred on the primary screen's available area, top-left corner kept on it.
// `bildschirme` are the available geometries of all screens.
QPoint FensterpositionPruefen(QPoint gespeichert, QSize fenster, const QList<QRect> &bildschirme, QRect primaer);
