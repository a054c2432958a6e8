#include "zahlenwahl.h"

#include "reihenzustand.h"
#include "zufall.h"

#include <algorithm>

namespace {

constexpr int Tafelgroesse = 100;

QString Abbruch()
{
    return QStringLiteral("\n\nIch breche erst einmal ab.");
}

} // namespace

QString KeinSystemText()
{
    return QStringLiteral("Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.");
}

Rueckmeldung TafelKlick(Reihenkontext z, int n)
{
    if (z.auswahl.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    return Zahlenwahl(z, n);
}

Rueckmeldung Zahlenwahl(Reihenkontext z, int n)
{
    if (n < 1 || n > Tafelgroesse)
        return {};
    const int bankSoll = std::max(z.auswahl.BankzahlenSoll, 0);
    // At most two rounds: a click on a full pool switches to banker mode and is handled again.
    for (;;) {
        if (z.reihen.Poolmenge.enthaelt(n) || z.reihen.PoolAnzahl < z.auswahl.PoolSoll)
            z.reihen.BankModus = false;
        if (z.reihen.BankModus) {
            if (z.reihen.Bankzahlmenge.enthaelt(n)) {
                z.reihen.Bankzahlmenge.entfernen(n);
                --z.reihen.BankzahlenAnzahl;
            } else if (z.reihen.BankzahlenAnzahl >= bankSoll) {
                return Rueckmeldung::Fehler(
                    QStringLiteral("Sie haben bereits %1 Bankzahlen gewählt.").arg(z.reihen.BankzahlenAnzahl));
            } else {
                z.reihen.Bankzahlmenge.hinzufuegen(n);
                ++z.reihen.BankzahlenAnzahl;
            }
            return {};
        }
        if (z.reihen.Poolmenge.enthaelt(n)) {
            z.reihen.Poolmenge.entfernen(n);
            --z.reihen.PoolAnzahl;
            return {};
        }
        if (z.reihen.PoolAnzahl >= z.auswahl.PoolSoll) {
            if (bankSoll < 1)
                return Rueckmeldung::Fehler(
                    QStringLiteral("Sie haben bereits %1 Zahlen gewählt.").arg(z.reihen.PoolAnzahl));
            z.reihen.BankModus = true;
            continue;
        }
        if (z.reihen.Bankzahlmenge.enthaelt(n)) {
            // A banker clicked while the pool is not full: removing it keeps the sets disjoint.
            z.reihen.Bankzahlmenge.entfernen(n);
            --z.reihen.BankzahlenAnzahl;
            return {};
        }
        z.reihen.Poolmenge.hinzufuegen(n);
        ++z.reihen.PoolAnzahl;
        return {};
    }
}

void ZahlenLoeschen(Reihenkontext z)
{
    z.reihen.Poolmenge = {};
    z.reihen.Bankzahlmenge = {};
    z.reihen.BankModus = false;
    z.reihen.PoolAnzahl = 0;
    z.reihen.BankzahlenAnzahl = 0;
}

void AlleZahlenWaehlen(Reihenkontext z)
{
    ZahlenLoeschen(z);
    const int n = std::clamp(z.auswahl.biggestZZ, 0, Tafelgroesse);
    for (int v = 1; v <= n; ++v)
        z.reihen.Poolmenge.hinzufuegen(v);
    z.reihen.PoolAnzahl = n;
}

Rueckmeldung EinsBisWZ(Reihenkontext z)
{
    if (z.auswahl.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    const int b = std::max(z.auswahl.BankzahlenSoll, 0);
    const int p = z.auswahl.PoolSoll;
    if (b + p > Tafelgroesse) {
        return Rueckmeldung::Information(
            QStringLiteral("Das System braucht %1 Zahlen, die Zahlentafel reicht aber nur bis %2.")
                .arg(b + p)
                .arg(Tafelgroesse)
            + Abbruch());
    }
    ZahlenLoeschen(z);
    for (int v = 1; v <= b; ++v)
        z.reihen.Bankzahlmenge.hinzufuegen(v);
    for (int v = b + 1; v <= b + p; ++v)
        z.reihen.Poolmenge.hinzufuegen(v);
    z.reihen.BankzahlenAnzahl = b;
    z.reihen.PoolAnzahl = p;
    return {};
}

std::vector<int> ZufallsListe(int n, int p, int b, Zufallsgenerator &generator)
{
    std::vector<int> liste;
    if (n < 1 || n > Tafelgroesse || p < 0 || b < 0 || p + b > n)
        return liste;
    auto ziehen = [&generator, n] { return int(generator.zufall(std::uint32_t(n))) + 1; };

    // N / 2 to the nearest integer, an exact half to the even neighbour.
    int haelfte = n / 2;
    if (n % 2 != 0 && haelfte % 2 != 0)
        ++haelfte;

    if (p + b < haelfte) {
        Zahlenmenge gezogen;
        while (int(liste.size()) < p + b) {
            const int d = ziehen();
            if (!gezogen.enthaelt(d)) {
                gezogen.hinzufuegen(d);
                liste.push_back(d);
            }
        }
        return liste;
    }

    // Many numbers wanted: draw the bankers and the numbers to leave out, the rest is the pool.
    liste.assign(std::size_t(p + b), 0);
    Zahlenmenge bank;
    for (int platz = p + b - 1; platz >= p;) {
        const int d = ziehen();
        if (!bank.enthaelt(d)) {
            bank.hinzufuegen(d);
            liste[std::size_t(platz--)] = d;
        }
    }
    Zahlenmenge aus;
    if (n != p + b) {
        for (int k = 0; k < n - p - b;) {
            const int d = ziehen();
            if (!bank.enthaelt(d) && !aus.enthaelt(d)) {
                aus.hinzufuegen(d);
                ++k;
            }
        }
    }
    int platz = 0;
    for (int v = 1; v <= n && platz < p; ++v) {
        if (!bank.enthaelt(v) && !aus.enthaelt(v))
            liste[std::size_t(platz++)] = v;
    }
    return liste;
}

Rueckmeldung Zufallswahl(Reihenkontext z, Zufallsgenerator &generator)
{
    if (z.auswahl.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    if (z.auswahl.BankzahlenSoll < 0)
        z.auswahl.BankzahlenSoll = 0;
    const int n = std::clamp(z.auswahl.biggestZZ, 1, Tafelgroesse);
    const int p = z.auswahl.PoolSoll;
    const int b = z.auswahl.BankzahlenSoll;
    // More numbers than can be drawn would never finish.
    if (p + b > n) {
        return Rueckmeldung::Information(
            QStringLiteral(
                "Für die Zufallswahl braucht das System %1 verschiedene Zahlen, die größte Ziehungszahl ist aber %2.")
                .arg(p + b)
                .arg(n)
            + Abbruch());
    }
    const std::vector<int> liste = ZufallsListe(n, p, b, generator);
    ZahlenLoeschen(z);
    for (int v : liste)
        TafelKlick(z, v);
    return {};
}
