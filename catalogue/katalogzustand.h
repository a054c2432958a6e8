#pragma once

#include "systeme.h"

#include <QString>

#include <vector>

// Limit for the generated full systems: every rebuild of the system list passes it.
constexpr int Vollsystemgrenze = 3000;

// Smallest system row size that may be filled up with bankers to the tip-row size z
// (4..10); 0 outside that range.
constexpr int MindestRG(int z)
{
    constexpr int tabelle[] = {2, 2, 2, 3, 4, 5, 6};
    return z >= 4 && z <= 10 ? tabelle[z - 4] : 0;
}

// The systems the program offers: the catalogue, the full systems and the own systems.
struct KatalogZustand
{
    std::vector<TSysteme> Systemliste;
    int AnzahlStandardsysteme = 0;
    int FehlendeEigensysteme = 0;
    // For every own system in Systemliste (from AnzahlStandardsysteme on): its Eigensystemliste index.
    std::vector<int> Eigensystemnummer;
    std::vector<TEigSysteme> Eigensystemliste;
    QString EigeneSystemeOrdner; // folder of the index and the own-system row files
    // Set when the index existed but could not be read at start: saving or deleting would
    // overwrite records that were never loaded, so both are refused until the next start.
    bool EigensystemeGesperrt = false;
};
