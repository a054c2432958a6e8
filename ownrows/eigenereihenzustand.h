#pragma once

#include "systeme.h"

#include <QString>

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
    int EigeneGarantie = 0;
    bool EigeneReihenAbgelehnt = false;
    // For every own row the pool positions of its non-banker numbers (the last test's).
    std::vector<Reihenmenge> EigeneSystemReihen;
    // The comparable systems found by the last own-rows test that ran to its end.
    struct Vergleich
    {
        QString text;
        int index = -1; // Systemliste index
    };
    std::vector<Vergleich> VergleichTextliste;
};

struct Leseergebnis;

// Takes the rows of a reading that passed every check; sets EigeneReihenGelesen.
void EigeneReihenUebernehmen(EigeneReihenZustand &z, const Leseergebnis &e);
// Forgets that the rows were read and tested (every change of the memo, clearing the page).
void EigeneReihenVerwerfen(EigeneReihenZustand &z);

// Counts over the own rows: EigeneVerteilung, EigeneBankMenge (numbers in every row, with at
// least two rows) and EigeneBankAnzahl.
void Verteilungermitteln(EigeneReihenZustand &z);
