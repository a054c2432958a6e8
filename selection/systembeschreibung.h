#pragma once

#include "systeme.h"

#include <QString>

struct KbwZustand;

// Description of a catalogue or full system chosen for tip-row size reihengroesse.
QString SystemBeschreibung(int reihengroesse, const TSysteme &s);
// Description of an own system (never mentions bankers).
QString EigenesSystemBeschreibung(const TSysteme &s);
// Description of own rows tested as a system.
QString EigeneReihenBeschreibung(int pool, int reihen, int reihengroesse, int garantie);

// Outcome of choosing a system: the texts for the "Zahlenwahl" page, or the error.
struct Systemwahl
{
    bool gewaehlt = false;
    QString fehler; // message text when not chosen
    QString beschreibung; // for LBeschreibung
    QString pool; // for PPool
    bool bankzahlenZeigen = false; // PBZ is written only for a banker count of 0 or more
    QString bankzahlen; // for PBZ
};

// Chooses the system at index of the system list: fills in Tippreihengroesse when still
// unset, then PoolSoll and BankzahlenSoll. On failure PoolSoll and BankzahlenSoll stay.
// Systemindex is the caller's business.
Systemwahl GewaehltesSystem(KbwZustand &zustand, int index);
