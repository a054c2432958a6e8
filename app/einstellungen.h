#pragma once

#include <QString>

#include <array>

class Inidatei;

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
// a boolean is true for any non-zero number.
Einstellungswerte EinstellungenAuslesen(const Inidatei &datei);
// Puts the values into the file: integers in decimal, booleans as 1 and 0.
void EinstellungenEintragen(Inidatei &datei, const Einstellungswerte &werte);

// Window positions in section "Position": name + "-left" and name + "-top" (defaults 0, 70).
struct Fensterposition
{
    int links = 0;
    int oben = 70;
};
Fensterposition FensterpositionAuslesen(const Inidatei &datei, const QString &name);
// Writes the position into the settings file at pfad, keeping all other entries. Returns
// an empty text on success, else the reason.
QString FensterpositionSpeichern(const QString &pfad, const QString &name, int links, int oben);
