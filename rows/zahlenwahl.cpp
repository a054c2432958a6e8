#include "zahlenwahl.h"

#include "var_def.h"
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

Rueckmeldung TafelKlick(KbwZustand &z, int n)
{
    if (z.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    return Zahlenwahl(z, n);
}

Rueckmeldung Zahlenwahl(KbwZustand &z, int n)
{
    if (n < 1 || n > Tafelgroesse)
        return {};
    const int bankSoll = std::max(z.BankzahlenSoll, 0);
    // At most two rounds: a click on a full pool switches to banker mode and is handled again.
    for (;;) {
        if (z.Poolmenge.enthaelt(n) || z.PoolAnzahl < z.PoolSoll)
            z.BankModus = false;
        if (z.BankModus) {
            if (z.Bankzahlmenge.enthaelt(n)) {
                z.Bankzahlmenge.entfernen(n);
                --z.BankzahlenAnzahl;
            } else if (z.BankzahlenAnzahl >= bankSoll) {
                return Rueckmeldung::Fehler(
                    QStringLiteral("Sie haben bereits %1 Bankzahlen gewählt.").arg(z.BankzahlenAnzahl));
            } else {
                z.Bankzahlmenge.hinzufuegen(n);
                ++z.BankzahlenAnzahl;
            }
            return {};
        }
        if (z.Poolmenge.enthaelt(n)) {
            z.Poolmenge.entfernen(n);
            --z.PoolAnzahl;
            return {};
        }
        if (z.PoolAnzahl >= z.PoolSoll) {
            if (bankSoll < 1)
                return Rueckmeldung::Fehler(QStringLiteral("Sie haben bereits %1 Zahlen gewählt.").arg(z.PoolAnzahl));
            z.BankModus = true;
            continue;
        }
        if (z.Bankzahlmenge.enthaelt(n)) {
            // A banker clicked while the pool is not full: removing it keeps the sets disjoint.
            z.Bankzahlmenge.entfernen(n);
            --z.BankzahlenAnzahl;
            return {};
        }
        z.Poolmenge.hinzufuegen(n);
        ++z.PoolAnzahl;
        return {};
    }
}

void ZahlenLoeschen(KbwZustand &z)
{
    z.Poolmenge = {};
    z.Bankzahlmenge = {};
    z.BankModus = false;
    z.PoolAnzahl = 0;
    z.BankzahlenAnzahl = 0;
}

void AlleZahlenWaehlen(KbwZustand &z)
{
    ZahlenLoeschen(z);
    const int n = std::clamp(z.biggestZZ, 0, Tafelgroesse);
    for (int v = 1; v <= n; ++v)
        z.Poolmenge.hinzufuegen(v);
    z.PoolAnzahl = n;
}

Rueckmeldung EinsBisWZ(KbwZustand &z)
{
    if (z.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    const int b = std::max(z.BankzahlenSoll, 0);
    const int p = z.PoolSoll;
    if (b + p > Tafelgroesse) {
        return Rueckmeldung::Information(
            QStringLiteral("Das System braucht %1 Zahlen, die Zahlentafel reicht aber nur bis %2.")
                .arg(b + p)
                .arg(Tafelgroesse)
            + Abbruch());
    }
    ZahlenLoeschen(z);
    for (int v = 1; v <= b; ++v)
        z.Bankzahlmenge.hinzufuegen(v);
    for (int v = b + 1; v <= b + p; ++v)
        z.Poolmenge.hinzufuegen(v);
    z.BankzahlenAnzahl = b;
    z.PoolAnzahl = p;
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

Rueckmeldung Zufallswahl(KbwZustand &z, Zufallsgenerator &generator)
{
    if (z.PoolSoll <= 0)
        return Rueckmeldung::Information(KeinSystemText());
    if (z.BankzahlenSoll < 0)
        z.BankzahlenSoll = 0;
    const int n = std::clamp(z.biggestZZ, 1, Tafelgroesse);
    const int p = z.PoolSoll;
    const int b = z.BankzahlenSoll;
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
