#pragma once

#include "rueckmeldung.h"

#include <vector>

struct Reihenkontext;
class Zufallsgenerator;

// The number board's selection: Poolmenge, Bankzahlmenge, their counts and BankModus in the
// shared state. The two sets never share a number.

// Shown when a board action needs a system and none is chosen.
QString KeinSystemText();

// A click on board number n: refused without a system, else Zahlenwahl(n).
Rueckmeldung TafelKlick(Reihenkontext z, int n);

// One click on number n (1..100): picks or removes a pool or banker number. The first PoolSoll
// clicks on unchosen numbers give pool numbers, the following ones bankers. A refused click
// changes nothing and returns the error.
Rueckmeldung Zahlenwahl(Reihenkontext z, int n);

// Clear: both sets empty, counts 0, pool mode.
void ZahlenLoeschen(Reihenkontext z);

// "Alle Zahlen": every number 1..biggestZZ is a pool number, no bankers.
void AlleZahlenWaehlen(Reihenkontext z);

// "1 bis WZ": bankers 1..B, pool B+1..B+PoolSoll (B = BankzahlenSoll, at least 0).
Rueckmeldung EinsBisWZ(Reihenkontext z);

// The list of the random choice for draw range 1..n: p pool numbers first, then b bankers.
// Needs p + b <= n <= 100.
std::vector<int> ZufallsListe(int n, int p, int b, Zufallsgenerator &generator);

// Random choice over 1..biggestZZ: clears the board and clicks the list of ZufallsListe.
// Refused without a system and when the system needs more numbers than can be drawn.
Rueckmeldung Zufallswahl(Reihenkontext z, Zufallsgenerator &generator);
