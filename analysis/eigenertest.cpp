#include "eigenertest.h"

#include "routinen.h"
#include "systemtestrechnung.h"

Eigentest EigenenTestVorbereiten(EigeneReihenZustand &z, int biggestZZ)
{
    Eigentest t;
    Verteilungermitteln(z);
    t.tr = z.EigeneReihenAnzahl;
    t.rg = z.EigeneReihengroesse - z.EigeneBankAnzahl;
    t.wz = z.EigenePoolAnzahl - z.EigeneBankAnzahl;
    // Removing them again after an earlier test changes nothing.
    for (int v = 1; v <= Zahlenmenge::Grenze; ++v) {
        if (z.EigeneBankMenge.enthaelt(v))
            z.EigenePoolMenge.entfernen(v);
    }
    const int poolAnzahl = z.EigenePoolMenge.anzahl();
    t.abgelehnt = poolAnzahl < 3 || t.tr < 3 || t.rg <= 0;
    z.EigeneReihenAbgelehnt = t.abgelehnt;
    if (t.abgelehnt)
        return t;
    // A repeated test of the same rows finds the bankers counted in the pool no more.
    t.wz = poolAnzahl;

    z.EigeneSystemRG = t.rg;
    t.kmin = MindestTreffer(t.rg, biggestZZ - t.wz);
    t.rechenoperationen = RechenoperationenZaehlen(t.tr, t.wz, t.rg, t.kmin);

    // Position of a pool number: its place in the ascending pool, from 1.
    std::array<int, Zahlenmenge::Grenze + 1> position{};
    int p = 0;
    for (int v = 1; v <= Zahlenmenge::Grenze; ++v) {
        if (z.EigenePoolMenge.enthaelt(v))
            position[std::size_t(v)] = ++p;
    }
    z.EigeneSystemReihen.assign(std::size_t(t.tr), Reihenmenge{});
    for (std::size_t r = 0; r < z.EigeneReihen.size() && r < std::size_t(t.tr); ++r) {
        for (int v = 1; v <= Zahlenmenge::Grenze; ++v) {
            if (z.EigeneReihen[r].enthaelt(v) && position[std::size_t(v)] > 0)
                z.EigeneSystemReihen[r].hinzufuegen(position[std::size_t(v)]);
        }
    }
    z.EigeneGarantie = 0;

    t.auftrag.reihen = z.EigeneSystemReihen;
    t.auftrag.wz = t.wz;
    t.auftrag.kmin = t.kmin;
    t.auftrag.kmax = t.rg;
    t.auftrag.auftreten = Auftreten::Liste;
    return t;
}

int EigeneGarantieErmitteln(const Trefferergebnis &ergebnis, int wz)
{
    int garantie = 0;
    for (const TrefferProK &pk : ergebnis.proK) {
        const auto alle = std::uint64_t(NueberK(wz, pk.k));
        if (pk.bewertet == alle && pk.k < int(pk.verteilung.size()) && pk.verteilung[std::size_t(pk.k)] == alle)
            garantie = pk.k;
    }
    return garantie;
}

QString EigenerTestAbgelehntText()
{
    return QStringLiteral("Mit diesen Tippreihen macht ein Systemtest keinen Sinn.\n\nIch breche ab.");
}
