#pragma once

#include "routinen.h"
#include "systeme.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
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

// The program's shared state. One instance, owned by the main window; pages get a reference.
struct KbwZustand
{
    // Start-up
    QString Datenordner; // per-user data folder; start folder of the file dialogs
    int Bildschirmbreite = 0; // size of the first monitor
    int Bildschirmhoehe = 0;

    // System list
    std::vector<TSysteme> Systemliste;
    int AnzahlStandardsysteme = 0;
    int FehlendeEigensysteme = 0;
    // For every own system in Systemliste (from AnzahlStandardsysteme on): its Eigensystemliste index.
    std::vector<int> Eigensystemnummer;
    std::vector<TEigSysteme> Eigensystemliste;

    // Selection
    int biggestZZ = 49;
    int Tippreihengroesse = 0;
    std::vector<int> Filterliste; // system list index of every filter result line
    int Systemindex = -1;
    int PoolSoll = 0;
    int BankzahlenSoll = 0;
    Zahlenmenge Poolmenge;
    Zahlenmenge Bankzahlmenge;
    int PoolAnzahl = 0;
    int BankzahlenAnzahl = 0;
    std::array<int, 101> Zahlenhaeufigkeit{}; // occurrences of each number 1..100 in the tip rows
    std::vector<std::vector<int>> Positionstabelle; // rows of the applied system as pool positions
    bool BankModus = false; // clicks on unchosen numbers add bankers
    QString EigeneSystemeOrdner; // folder of the own-system row files, set by the main window
    // Rows last built for the grid, each ascending, sorted; after "Verteilung anzeigen" TR empty rows.
    std::vector<std::vector<int>> Tippreihen;
    Zahlenmenge TippreihenBankzahlen; // the bankers those rows were built with

    ::Kombinationstabelle Kombinationstabelle;
    // Combination size 2..10 x (in no row, in one row, in two rows, in more rows)
    std::array<std::array<QStringList, 4>, 9> Kombinationslisten;

    // Own rows
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

    // Tests: a worker reads the stop flag while the UI thread sets it.
    std::atomic_bool TestLaeuft{false};
    std::atomic_bool TestAbbruch{false};
    std::atomic_bool EigenerTestLaeuft{false};
};
