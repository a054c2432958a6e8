#include "eigenereihenzustand.h"

void Verteilungermitteln(EigeneReihenZustand &z)
{
    constexpr int hoechstzahl = 100;
    z.EigeneVerteilung.fill(0);
    for (const Zahlenmenge &reihe : z.EigeneReihen) {
        for (int v = 1; v <= hoechstzahl; ++v) {
            if (reihe.enthaelt(v))
                ++z.EigeneVerteilung[std::size_t(v)];
        }
    }
    const int r = int(z.EigeneReihen.size());
    z.EigeneBankMenge = {};
    z.EigeneBankAnzahl = 0;
    for (int v = 1; v <= hoechstzahl; ++v) {
        if (z.EigeneVerteilung[std::size_t(v)] > 1 && z.EigeneVerteilung[std::size_t(v)] == r) {
            z.EigeneBankMenge.hinzufuegen(v);
            ++z.EigeneBankAnzahl;
        }
    }
}
