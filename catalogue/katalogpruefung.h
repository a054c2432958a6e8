#pragma once

#include "systeme.h"

#include <cstdint>
#include <string>

// Lottery guarantee of an entry that is not a plain covering: whenever m drawn numbers
// lie in the pool, some row holds s of them.
struct Lottogarantie
{
    int m = 0;
    int s = 0;
    bool stattAbdeckung = false; // replaces the covering of GA-sets instead of adding to it
};

// Entries with a lottery guarantee (m == 0: none): 391 has one instead of a covering,
// 648 one beside its covering, the entries without guarantee (GA = 0) of the 5-number
// families 122..219 one as their only promise.
Lottogarantie LottogarantieFuer(int index);

struct Pruefergebnis
{
    bool ok = false;
    std::string fehler;
    bool garantiert = false; // GA > 0
    bool amBesten = false; // no larger than the best known size
    bool ueberZiel = false; // larger than the fixed row count or, without one, the best known size
    bool festeVerfehlt = false; // more rows than the fixed row count of a guaranteed entry
};

// Checks one catalogue entry: descriptor against the catalogue plan, row shape, positions,
// distinct rows, every position used, and the guarantee.
Pruefergebnis KatalogeintragPruefen(int index, const TSysteme &sys, const std::uint8_t *reihen);

// True when every m-set of 1..v contains an s-set lying in one of the rows.
bool LottogarantieErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int m, int s);

// True when every t-set of 1..v lies in at least one row.
bool AbdeckungErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int t);
