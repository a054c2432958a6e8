#pragma once

#include <QString>

#include <vector>

// What the player has chosen so far: the largest draw number, the filter's tip-row size and
// result lines, and the chosen system with the pool and banker counts it asks for.
struct AuswahlZustand
{
    int biggestZZ = 49;
    int Tippreihengroesse = 0;
    std::vector<int> Filterliste; // system list index of every filter result line
    int Systemindex = -1;
    int PoolSoll = 0;
    int BankzahlenSoll = 0;
    QString Systembeschreibung; // description of the chosen system, as the pages show it
};
