// Times the expansion of the largest generated full systems (one per row size) and prints it.

#include "reihenzustand.h"
#include "systemanwenden.h"
#include "systemliste.h"
#include "zufall.h"

#include <chrono>
#include <cstdio>

namespace {

struct Zustand : KatalogZustand, AuswahlZustand, ReihenZustand
{
};

} // namespace

int main()
{
    Zustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, QString());
    Zufallsgenerator generator(1);
    for (int i = 649; i < z.AnzahlStandardsysteme; ++i) {
        const TSysteme &s = z.Systemliste[std::size_t(i)];
        const bool groesster = i + 1 == z.AnzahlStandardsysteme || z.Systemliste[std::size_t(i + 1)].RG != s.RG;
        if (!groesster)
            continue;
        z.Systemindex = i;
        z.Tippreihengroesse = s.RG + 2;
        z.PoolSoll = s.WZ;
        z.BankzahlenSoll = 2;
        z.Poolmenge = {};
        z.Bankzahlmenge = {};
        for (int v = 1; v <= s.WZ; ++v)
            z.Poolmenge.hinzufuegen(v);
        z.Bankzahlmenge.hinzufuegen(s.WZ + 1);
        z.Bankzahlmenge.hinzufuegen(s.WZ + 2);
        z.PoolAnzahl = s.WZ;
        z.BankzahlenAnzahl = 2;

        constexpr int Durchlaeufe = 20;
        const auto start = std::chrono::steady_clock::now();
        Anwendungsergebnis e;
        for (int d = 0; d < Durchlaeufe; ++d)
            e = SystemAnwenden(z, true, true, generator);
        const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - start;
        std::printf("RG %d WZ %2d: %4d Reihen, %.2f ms je Anwendung\n", s.RG, s.WZ, e.reihenAnzahl,
                    dauer.count() / Durchlaeufe);
    }
    return 0;
}
