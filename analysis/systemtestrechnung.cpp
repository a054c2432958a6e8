#include "systemtestrechnung.h"

#include "katalog.h"
#include "katalogzustand.h"
#include "routinen.h"
#include "systemliste.h"

#include <QFileInfo>

#include <algorithm>

int MindestTreffer(int rg, int d)
{
    if (unsigned(rg - 2) <= unsigned(d))
        return 2;
    return rg - d;
}

std::int64_t KombinationenZaehlen(int wz, int kmax, int kmin)
{
    std::int64_t summe = 0;
    for (int k = kmin; k <= kmax; ++k)
        summe += NueberK(wz, k);
    return summe;
}

QString Prozenttext(std::uint64_t anzahl, std::uint64_t gesamt, const QLocale &locale)
{
    if (gesamt == 0)
        return QStringLiteral("---");
    const double x = double(anzahl) / double(gesamt) * 100.0;
    return locale.toString(x, 'f', x < 1.0 ? 4 : 2);
}

QString Zaehltext(std::uint64_t anzahl, const QLocale &locale)
{
    return locale.toString(qulonglong(anzahl));
}

G2Tabelle G2Fuellen()
{
    G2Tabelle t;
    for (int i = 2; i <= 10; ++i) {
        t[std::size_t(G2Zeile(i))][0] = QString::number(i) + QStringLiteral(" Treffer");
        t[std::size_t(G2Zeile(i) + 1)][0] = QStringLiteral("      in %");
    }
    t[0][1] = QStringLiteral("Kombinationen");
    for (int j = 1; j <= 10; ++j)
        t[0][std::size_t(j + 1)] = j <= 6 ? QString::number(j) + QStringLiteral(" Richtige")
                                          : QStringLiteral(" ") + QString::number(j) + QStringLiteral(" Ri.");
    return t;
}

void GridLeeren(G2Tabelle &tabelle)
{
    for (std::size_t z = 1; z < tabelle.size(); ++z)
        for (std::size_t s = 1; s < tabelle[z].size(); ++s)
            tabelle[z][s].clear();
}

std::array<int, G2Spalten> G2Spaltenbreiten()
{
    return {55, 78, 58, 60, 60, 60, 60, 60, 43, 43, 43, 43};
}

void G2ErgebnisEintragen(G2Tabelle &tabelle, const Trefferergebnis &ergebnis, int wz, int kmin, int kmax,
                         const QLocale &locale)
{
    for (int k = std::max(kmin, 2); k <= std::min(kmax, 10); ++k) {
        const auto zeile = std::size_t(G2Zeile(k));
        const std::uint64_t gesamt = std::uint64_t(NueberK(wz, k));
        tabelle[zeile][1] = Zaehltext(gesamt, locale);
        // A k the run did not reach has no entry or zero counts: its hit cells read "---".
        const TrefferProK *proK = ergebnis.fuerK(k);
        for (int j = 1; j <= k; ++j) {
            const std::uint64_t n = proK ? proK->verteilung[std::size_t(j)] : 0;
            const auto spalte = std::size_t(j + 1);
            if (n == 0) {
                tabelle[zeile][spalte] = QStringLiteral("---");
                tabelle[zeile + 1][spalte] = QStringLiteral("---");
            } else {
                tabelle[zeile][spalte] = Zaehltext(n, locale);
                tabelle[zeile + 1][spalte] = Prozenttext(n, gesamt, locale);
            }
        }
    }
}

void G2VollsystemEintragen(G2Tabelle &tabelle, int wz, int k, const QLocale &locale)
{
    if (k < 2 || k > 10)
        return;
    const auto zeile = std::size_t(G2Zeile(k));
    const QString figur = Zaehltext(std::uint64_t(NueberK(wz, k)), locale);
    tabelle[zeile][1] = figur;
    for (int j = 1; j < k; ++j) {
        tabelle[zeile][std::size_t(j + 1)] = QStringLiteral("---");
        tabelle[zeile + 1][std::size_t(j + 1)] = QStringLiteral("---");
    }
    tabelle[zeile][std::size_t(k + 1)] = figur;
    tabelle[zeile + 1][std::size_t(k + 1)] = Prozenttext(1, 1, locale);
}

Trefferergebnis VollsystemErgebnis(int wz, int kmin, int kmax)
{
    Trefferergebnis e;
    e.kmin = kmin;
    e.kErreicht = kmax;
    for (int k = kmin; k <= kmax; ++k) {
        TrefferProK p;
        p.k = k;
        p.bewertet = std::uint64_t(NueberK(wz, k));
        if (k <= TrefferMaxK)
            p.verteilung[std::size_t(k)] = p.bewertet;
        e.proK.push_back(p);
    }
    return e;
}

G2Farbe G2Hintergrund(int zeile, int spalte, const QString &text, const QString &textSpalte1)
{
    if ((text == QLatin1String("100,00") && zeile % 2 == 0) || (spalte >= 2 && !text.isEmpty() && text == textSpalte1))
        return G2Farbe::Gruen;
    return zeile % 2 == 0 ? G2Farbe::Gelb : G2Farbe::Weiss;
}

int G2Schriftgroesse(int spalte, const QString &text)
{
    const qsizetype laenge = text.size();
    if ((spalte == 8 && laenge > 7) || (spalte == 9 && laenge > 6) || (spalte == 10 && laenge > 7))
        return 7;
    return 8;
}

Eigensystemdaten EigensystemLaden(const KatalogZustand &katalog, int index)
{
    Eigensystemdaten daten;
    const QString pfad = EigeneReihendatei(katalog, index, katalog.EigeneSystemeOrdner);
    if (index >= katalog.AnzahlStandardsysteme
        && index - katalog.AnzahlStandardsysteme < int(katalog.Eigensystemnummer.size())) {
        const int nummer = katalog.Eigensystemnummer[std::size_t(index - katalog.AnzahlStandardsysteme)];
        if (nummer >= 0 && nummer < int(katalog.Eigensystemliste.size()))
            daten.dateiname = QString::fromLatin1(katalog.Eigensystemliste[std::size_t(nummer)].fn);
    }
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) {
        daten.fehlt = true;
        return daten;
    }
    const TSysteme &s = katalog.Systemliste[std::size_t(index)];
    daten.gelesen = EsyReihenLesen(pfad, s.RG, s.WZ, s.TR);
    if (daten.gelesen.fehler != EsyFehler::Keiner)
        return daten;
    daten.reihen.reserve(daten.gelesen.reihen.size());
    for (const EsyReihe &reihe : daten.gelesen.reihen) {
        Reihenmenge menge;
        for (int position : reihe)
            menge.hinzufuegen(position);
        daten.reihen.push_back(menge);
    }
    return daten;
}

QString TrefferFehlertext(Trefferfehler fehler)
{
    if (fehler == Trefferfehler::ZuWenigSpeicher)
        return QStringLiteral("Für den Test dieses Systems reicht der Speicher nicht.\n\nIch muss abbrechen.");
    return QStringLiteral(
        "Dieses System lässt sich nicht testen: es hat zu viele Kombinationen.\n\nIch muss abbrechen.");
}

QString Bankzahlhinweis()
{
    return QStringLiteral(
        "Bankzahlen bleiben bei der Analyse eines Systems außen vor. Zum Beispiel wird ein System für Lotto, 6 aus "
        "49, mit einer Bankzahl nur hinsichtlich seiner Auswirkungen von 2, 3, 4 und 5 Treffern untersucht. Will man "
        "wissen, wie die Auswertung für getroffene Bankzahlen aussieht, müssen die Ergebnisse für jede getroffene "
        "Bankzahl lediglich um je eine Zelle nach unten und nach rechts gedacht werden. ");
}

QString Beschreibungsanfang()
{
    return QStringLiteral("Systembeschreibung");
}
