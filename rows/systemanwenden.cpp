#include "systemanwenden.h"

#include "katalog.h"
#include "katalogmeldungen.h"
#include "reihenzustand.h"
#include "routinen.h"
#include "systemliste.h"
#include "zufall.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int Hoechstzahl = 100;

QString KeinSystemMeldung()
{
    return QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab.");
}

QString DateiAbbruch()
{
    return QStringLiteral(" Die Tippreihen können daher nicht gebildet werden.\n\nIch muss abbrechen.");
}

QString AnzahlMeldung(int pool, int bank)
{
    QString schluss;
    if (bank == 0)
        schluss = QStringLiteral(".");
    else if (bank == 1)
        schluss = QStringLiteral(" und eine Bankzahl.");
    else
        schluss = QStringLiteral(" und %1 Bankzahlen.").arg(bank);
    return QStringLiteral("Bitte wählen Sie %1 Tippahlen").arg(pool) + schluss
        + QStringLiteral("\n\nIch breche erst einmal ab.");
}

} // namespace

std::vector<std::uint8_t> MengeZuListe(const Zahlenmenge &menge, int c, int grenze)
{
    std::vector<std::uint8_t> liste(std::size_t(std::max(c, 0)), 0);
    std::size_t platz = 0;
    for (int v = 1; v <= grenze && platz < liste.size(); ++v) {
        if (menge.enthaelt(v))
            liste[platz++] = std::uint8_t(v);
    }
    return liste;
}

void ZahlenMischen(std::vector<std::uint8_t> &liste, Zufallsgenerator &generator)
{
    const std::size_t n = liste.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = i + generator.zufall(std::uint32_t(n - i));
        std::swap(liste[i], liste[j]);
    }
}

void ReihenSortieren(std::vector<std::vector<int>> &reihen)
{
    std::sort(reihen.begin(), reihen.end());
}

Tafelfarbe Anzeigefarbe(int k, int r)
{
    if (k >= 2 && k == r)
        return Tafelfarbe::Gruen;
    if (k >= 1)
        return Tafelfarbe::Gelb;
    return Tafelfarbe::Neutral;
}

QString ReihendateiMeldung(const EsyReihenErgebnis &e)
{
    if (e.fehler == EsyFehler::Keiner)
        return QString();
    return EsyReihenFehlerSatz(e, QStringLiteral("Die Datei mit den Systemreihen "),
                               QStringLiteral("Zeile %1 der Datei mit den Systemreihen enthält ").arg(e.zeile))
        + DateiAbbruch();
}

Anwendungsergebnis SystemAnwenden(Reihenkontext z, bool reihen, bool mischen, Zufallsgenerator &generator)
{
    Anwendungsergebnis ergebnis;
    if (z.auswahl.Systemindex < 0 || z.auswahl.Systemindex >= int(z.katalog.Systemliste.size())) {
        ergebnis.meldung = Rueckmeldung::Information(KeinSystemMeldung());
        return ergebnis;
    }
    const TSysteme s = z.katalog.Systemliste[std::size_t(z.auswahl.Systemindex)];
    const int rg = s.RG;
    const int wz = s.WZ;
    const int bankSoll = z.auswahl.Tippreihengroesse - rg;
    // The pool must also match the system itself: the copy-and-paste tool may set PoolSoll freely.
    if (z.reihen.PoolAnzahl != z.auswahl.PoolSoll || bankSoll != z.reihen.BankzahlenAnzahl
        || z.auswahl.PoolSoll != wz) {
        ergebnis.meldung = Rueckmeldung::Information(AnzahlMeldung(wz, std::max(bankSoll, 0)));
        return ergebnis;
    }
    if (rg < 1 || rg > wz || z.auswahl.Tippreihengroesse < 1) {
        ergebnis.meldung = Rueckmeldung::Fehler(QStringLiteral(
            "Das System enthält nicht die für seine Anwendung erforderlichen Angaben.\n\nIch muss abbrechen."));
        return ergebnis;
    }

    // From here on the previous result is gone.
    ergebnis.vorbereitet = true;
    z.reihen.Zahlenhaeufigkeit.fill(0);
    z.reihen.Tippreihen.clear();
    z.reihen.TippreihenBankzahlen = z.reihen.Bankzahlmenge;

    std::vector<std::uint8_t> pool = MengeZuListe(z.reihen.Poolmenge, z.reihen.PoolAnzahl, Hoechstzahl);
    if (mischen)
        ZahlenMischen(pool, generator);

    std::vector<Zahlenmenge> mengen;
    if (s.GA == s.RG) {
        // Every RG-subset of the pool positions, in lexicographic order, each turned into a row.
        const std::int64_t anzahl = NueberK(wz, rg);
        Kombinationstabelle positionen;
        if (anzahl < 1 || anzahl > 65535 || KombinationenBilden(wz, rg, positionen) != KombiFehler::Keiner) {
            ergebnis.meldung = Rueckmeldung::Fehler(
                QStringLiteral("Für die Tippreihen dieses Systems reicht der Speicher nicht.\n\nIch muss abbrechen."));
            return ergebnis;
        }
        mengen.reserve(positionen.size());
        for (const Zahlenmenge &auswahl : positionen) {
            Zahlenmenge reihe = z.reihen.Bankzahlmenge;
            for (int position = 1; position <= wz; ++position) {
                if (auswahl.enthaelt(position))
                    reihe.hinzufuegen(pool[std::size_t(position - 1)]);
            }
            mengen.push_back(reihe);
        }
    } else if (z.auswahl.Systemindex < z.katalog.AnzahlStandardsysteme && z.auswahl.Systemindex < KatalogGroesse) {
        mengen.reserve(s.TR);
        for (int r = 1; r <= s.TR; ++r) {
            Zahlenmenge reihe = z.reihen.Bankzahlmenge;
            for (int p = 1; p <= rg; ++p) {
                const int position = SystemZahl(z.auswahl.Systemindex, rg, r, p);
                // A damaged catalogue entry must not read outside the pool list.
                if (position < 1 || position > wz) {
                    ergebnis.meldung = Rueckmeldung::Fehler(QStringLiteral("Die Daten dieses Systems sind fehlerhaft.")
                                                            + DateiAbbruch());
                    return ergebnis;
                }
                reihe.hinzufuegen(pool[std::size_t(position - 1)]);
            }
            mengen.push_back(reihe);
        }
    } else {
        const QString pfad = EigeneReihendatei(z.katalog, z.auswahl.Systemindex, z.katalog.EigeneSystemeOrdner);
        if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) {
            ergebnis.meldung = Rueckmeldung::Information(QStringLiteral(
                "Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen können daher nicht gebildet "
                "werden.\n\nIch muss abbrechen."));
            return ergebnis;
        }
        const EsyReihenErgebnis gelesen = EsyReihenLesen(pfad, rg, wz, s.TR);
        if (gelesen.fehler != EsyFehler::Keiner) {
            ergebnis.meldung = Rueckmeldung::Fehler(ReihendateiMeldung(gelesen));
            return ergebnis;
        }
        z.reihen.Positionstabelle.assign(s.TR,
                                         std::vector<int>(std::size_t(std::max(z.auswahl.Tippreihengroesse, rg)), 0));
        mengen.reserve(s.TR);
        for (int r = 0; r < s.TR; ++r) {
            Zahlenmenge reihe = z.reihen.Bankzahlmenge;
            for (int f = 0; f < rg; ++f) {
                const int position = gelesen.reihen[std::size_t(r)][std::size_t(f)];
                z.reihen.Positionstabelle[std::size_t(r)][std::size_t(f)] = position;
                reihe.hinzufuegen(pool[std::size_t(position - 1)]);
            }
            mengen.push_back(reihe);
        }
    }

    std::vector<std::vector<int>> zeilen;
    if (reihen)
        zeilen.reserve(mengen.size());
    for (const Zahlenmenge &menge : mengen) {
        const std::vector<std::uint8_t> zahlen = MengeZuListe(menge, z.auswahl.Tippreihengroesse, Hoechstzahl);
        for (std::uint8_t v : zahlen)
            ++z.reihen.Zahlenhaeufigkeit[v];
        if (reihen)
            zeilen.emplace_back(zahlen.begin(), zahlen.end());
    }
    z.reihen.Zahlenhaeufigkeit[0] = 0;
    if (reihen) {
        if (z.auswahl.Tippreihengroesse >= 4 && z.auswahl.Tippreihengroesse <= 10)
            ReihenSortieren(zeilen);
        z.reihen.Tippreihen = std::move(zeilen);
    } else {
        // Statistics only: the grid keeps one empty line per row.
        z.reihen.Tippreihen.assign(mengen.size(), {});
    }
    ergebnis.gebildet = true;
    ergebnis.reihenAnzahl = int(mengen.size());
    return ergebnis;
}
