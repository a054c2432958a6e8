#pragma once

#include "systeme.h"

#include <array>
#include <vector>

// The player's own rows as last read from the memo, and what their test found.
struct EigeneReihenZustand
{
    std::vector<Zahlenmenge> EigeneReihen;
    int EigeneReihenAnzahl = 0;
    int EigeneReihengroesse = 0;
    Zahlenmenge EigenePoolMenge;
    int EigenePoolAnzahl = 0;
    bool EigeneReihenGelesen = false;
    bool EigeneReihenGetestet = false;
    std::array<int, 101> EigeneVerteilung{}; // occurrences of each number in the own rows
    Zahlenmenge EigeneBankMenge;
    int EigeneBankAnzahl = 0;
    int EigeneSystemRG = 0;
    int EigeneSystemReihen = 0;
    int EigeneGarantie = 0;
    bool EigeneReihenAbgelehnt = false;
};

// Counts over the own rows: EigeneVerteilung, EigeneBankMenge (numbers in every row, with at
// least two rows) and EigeneBankAnzahl.
void Verteilungermitteln(EigeneReihenZustand &z);
