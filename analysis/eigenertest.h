#pragma once

// The test of own rows as a system: what the run needs from the rows, and the guarantee it
// found. QtCore only.

#include "eigenereihenzustand.h"
#include "trefferanalyse.h"

#include <cstdint>

struct Eigentest
{
    // Fewer than 3 pool numbers without bankers, fewer than 3 rows or no number per row
    // besides the bankers: a test makes no sense.
    bool abgelehnt = false;
    int rg = 0; // numbers per row without bankers
    int wz = 0; // pool without bankers
    int tr = 0;
    int kmin = 2;
    std::int64_t rechenoperationen = 0;
    Trefferauftrag auftrag; // rows as pool positions, k = kmin..rg, with occurrence lists
};

// Prepares the test of the rows read into z for a lottery of biggestZZ numbers: counts the
// numbers (bankers = numbers in every row), removes the bankers from EigenePoolMenge, sets
// EigeneReihenAbgelehnt and, unless refused, EigeneSystemRG and EigeneSystemReihen.
Eigentest EigenenTestVorbereiten(EigeneReihenZustand &z, int biggestZZ);

// The largest k of the run whose every k-subset of the pool lies wholly in some row; 0 when
// there is none. A stopped run counts only the k it completed.
int EigeneGarantieErmitteln(const Trefferergebnis &ergebnis, int wz);

// The text of the refusal.
QString EigenerTestAbgelehntText();
