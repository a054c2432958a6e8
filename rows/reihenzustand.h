#pragma once

#include "auswahlzustand.h"
#include "katalogzustand.h"
#include "systeme.h"

#include <array>
#include <concepts>
#include <vector>

// The number board's selection and the tip rows built from it.
struct ReihenZustand
{
    Zahlenmenge Poolmenge;
    Zahlenmenge Bankzahlmenge;
    int PoolAnzahl = 0;
    int BankzahlenAnzahl = 0;
    bool BankModus = false; // clicks on unchosen numbers add bankers
    std::array<int, 101> Zahlenhaeufigkeit{}; // occurrences of each number 1..100 in the tip rows
    std::vector<std::vector<int>> Positionstabelle; // rows of the applied own system as pool positions
    // Rows last built for the grid, each ascending, sorted; after "Verteilung anzeigen" TR empty rows.
    std::vector<std::vector<int>> Tippreihen;
    Zahlenmenge TippreihenBankzahlen; // the bankers those rows were built with
};

// The pieces of the shared state the number board and the expansion work on. Any state
// that holds all of them converts to this view.
struct Reihenkontext
{
    template<class Zustand>
    requires std::derived_from<Zustand, KatalogZustand> && std::derived_from<
        Zustand, AuswahlZustand> && std::derived_from<Zustand, ReihenZustand>
    Reihenkontext(Zustand &z) : katalog(z), auswahl(z), reihen(z)
    { }
    Reihenkontext(const KatalogZustand &k, AuswahlZustand &a, ReihenZustand &r) : katalog(k), auswahl(a), reihen(r) { }

    const KatalogZustand &katalog;
    AuswahlZustand &auswahl; // the random choice may correct BankzahlenSoll
    ReihenZustand &reihen;
};
