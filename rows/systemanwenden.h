#pragma once

#include "eigensystemdatei.h"
#include "rueckmeldung.h"
#include "systeme.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct Reihenkontext;
class Zufallsgenerator;

// The first c members of menge among 1..grenze, ascending; places left over stay 0.
std::vector<std::uint8_t> MengeZuListe(const Zahlenmenge &menge, int c, int grenze);

// A random permutation with the program's generator (the caller seeds it).
void ZahlenMischen(std::vector<std::uint8_t> &liste, Zufallsgenerator &generator);

// Sorts rows ascending by their first number, then the second, and so on.
void ReihenSortieren(std::vector<std::vector<int>> &reihen);

// Colour of a statistics value panel for a count k over r rows.
enum class Tafelfarbe { Neutral, Gelb, Gruen };
Tafelfarbe Anzeigefarbe(int k, int r);

// The message for a row file that could not be read (EsyReihenLesen's result): the one place
// where its codes become German texts. Empty when the rows were read.
QString ReihendateiMeldung(const EsyReihenErgebnis &e);

struct Anwendungsergebnis
{
    bool gebildet = false; // the rows were built
    bool vorbereitet = false; // counts were reset (so the statistics must be shown again)
    int reihenAnzahl = 0; // rows built (the R of the display rule)
    Rueckmeldung meldung;
};

// Expands the chosen system over the picked pool and bankers: every RG-subset for a full system,
// the stored positions for a catalogue system, the row file for an own system. Fills
// Zahlenhaeufigkeit; with reihen set also Tippreihen (sorted) and TippreihenBankzahlen, else
// Tippreihen holds one empty row per system row. mischen shuffles the pool list first.
Anwendungsergebnis SystemAnwenden(Reihenkontext z, bool reihen, bool mischen, Zufallsgenerator &generator);
