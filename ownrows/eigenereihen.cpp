#include "eigenereihenzustand.h"

#include "reihentext.h"

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

void EigeneReihenUebernehmen(EigeneReihenZustand &z, const Leseergebnis &e)
{
    z.EigeneReihen.clear();
    z.EigeneReihen.reserve(e.reihen.size());
    for (const auto &reihe : e.reihen) {
        Zahlenmenge m;
        for (std::uint8_t v : reihe)
            m.hinzufuegen(v);
        z.EigeneReihen.push_back(m);
    }
    z.EigeneReihenAnzahl = int(e.reihen.size());
    z.EigeneReihengroesse = e.reihengroesse;
    z.EigenePoolMenge = e.pool;
    z.EigenePoolAnzahl = e.poolAnzahl;
    z.EigeneReihenGelesen = e.ok();
}

void EigeneReihenVerwerfen(EigeneReihenZustand &z)
{
    z.EigeneReihenGelesen = false;
    z.EigeneReihenGetestet = false;
}
