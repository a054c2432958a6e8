#pragma once

#include "auswahlzustand.h"
#include "katalogzustand.h"
#include "systeme.h"

#include <QString>

#include <concepts>

// Description of a catalogue or full system chosen for tip-row size reihengroesse.
QString SystemBeschreibung(int reihengroesse, const TSysteme &s);
// Description of an own system (never mentions bankers).
QString EigenesSystemBeschreibung(const TSysteme &s);
// Description of own rows tested as a system.
QString EigeneReihenBeschreibung(int pool, int reihen, int reihengroesse, int garantie);

// The pieces of the shared state the choice of a system works on. Any state that holds both
// converts to this view.
struct Auswahlkontext
{
    template<class Zustand>
    requires std::derived_from<Zustand, KatalogZustand> && std::derived_from<Zustand, AuswahlZustand>
    Auswahlkontext(Zustand &z) : katalog(z), auswahl(z)
    { }
    Auswahlkontext(const KatalogZustand &k, AuswahlZustand &a) : katalog(k), auswahl(a) { }

    const KatalogZustand &katalog;
    AuswahlZustand &auswahl;
};

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
Systemwahl GewaehltesSystem(Auswahlkontext k, int index);
