#include "systemanwenden.h"

#include "katalog.h"
#include "routinen.h"
#include "systemliste.h"
#include "var_def.h"
#include "zufall.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int Hoechstzahl = 100;
constexpr qint64 MaxReihendatei = 8 * 1024 * 1024;

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

bool IstLeerzeichen(char c)
{
    return c == ' ' || c == '\t';
}

// Blanks and control characters only.
bool IstLeereZeile(const QByteArray &zeile)
{
    return std::all_of(zeile.begin(), zeile.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
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

Systemreihen SystemreihenAuswerten(const QByteArray &inhalt, int tr, int rg, int wz)
{
    Systemreihen ergebnis;
    auto fehler = [&ergebnis](const QString &text) {
        ergebnis.positionen.clear();
        ergebnis.fehler = text + DateiAbbruch();
        return ergebnis;
    };

    // Lines that hold something, with their line numbers in the file for the messages.
    struct Zeile
    {
        QByteArray text;
        int nummer;
    };
    std::vector<Zeile> zeilen;
    const QList<QByteArray> roh = inhalt.split('\n');
    for (int i = 0; i < roh.size() && int(zeilen.size()) < tr; ++i) {
        if (!IstLeereZeile(roh[i]))
            zeilen.push_back({roh[i], i + 1});
    }
    if (int(zeilen.size()) < tr) {
        return fehler(QStringLiteral("Die Datei mit den Systemreihen enthält nur %1 statt %2 Reihen.")
                          .arg(zeilen.size())
                          .arg(tr));
    }

    ergebnis.positionen.reserve(std::size_t(tr));
    for (const Zeile &zeile : zeilen) {
        QByteArray text = zeile.text;
        if (text.endsWith('\r'))
            text.chop(1);
        const QList<QByteArray> felder = text.split(',');
        if (felder.size() != rg) {
            return fehler(QStringLiteral("Zeile %1 der Datei mit den Systemreihen enthält %2 statt %3 Positionen.")
                              .arg(zeile.nummer)
                              .arg(felder.size())
                              .arg(rg));
        }
        std::vector<int> reihe;
        reihe.reserve(std::size_t(rg));
        for (const QByteArray &feld : felder) {
            // Blanks around the number are allowed, anything else is not a number.
            qsizetype a = 0, e = feld.size();
            while (a < e && IstLeerzeichen(feld[a]))
                ++a;
            while (e > a && IstLeerzeichen(feld[e - 1]))
                --e;
            const QByteArray zahl = feld.mid(a, e - a);
            qsizetype ziffernAb = (!zahl.isEmpty() && (zahl[0] == '-' || zahl[0] == '+')) ? 1 : 0;
            const bool nurZiffern = zahl.size() > ziffernAb && zahl.size() <= 9
                && std::all_of(zahl.begin() + ziffernAb, zahl.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!nurZiffern) {
                const QString zeigen = QString::fromLatin1(feld.left(20)).trimmed();
                return fehler(
                    QStringLiteral("Zeile %1 der Datei mit den Systemreihen enthält „%2“, das ist keine ganze Zahl.")
                        .arg(zeile.nummer)
                        .arg(zeigen));
            }
            const int p = zahl.toInt();
            if (p < 1 || p > wz) {
                return fehler(
                    QStringLiteral(
                        "Zeile %1 der Datei mit den Systemreihen enthält die Position %2, erlaubt sind 1 bis %3.")
                        .arg(zeile.nummer)
                        .arg(p)
                        .arg(wz));
            }
            if (std::find(reihe.begin(), reihe.end(), p) != reihe.end()) {
                return fehler(QStringLiteral("Zeile %1 der Datei mit den Systemreihen enthält die Position %2 zweimal.")
                                  .arg(zeile.nummer)
                                  .arg(p));
            }
            reihe.push_back(p);
        }
        ergebnis.positionen.push_back(std::move(reihe));
    }
    return ergebnis;
}

Anwendungsergebnis SystemAnwenden(KbwZustand &z, bool reihen, bool mischen, Zufallsgenerator &generator)
{
    Anwendungsergebnis ergebnis;
    if (z.Systemindex < 0 || z.Systemindex >= int(z.Systemliste.size())) {
        ergebnis.meldung = Rueckmeldung::Information(KeinSystemMeldung());
        return ergebnis;
    }
    const TSysteme s = z.Systemliste[std::size_t(z.Systemindex)];
    const int rg = s.RG;
    const int wz = s.WZ;
    const int bankSoll = z.Tippreihengroesse - rg;
    // The pool must also match the system itself: the copy-and-paste tool may set PoolSoll freely.
    if (z.PoolAnzahl != z.PoolSoll || bankSoll != z.BankzahlenAnzahl || z.PoolSoll != wz) {
        ergebnis.meldung = Rueckmeldung::Information(AnzahlMeldung(wz, std::max(bankSoll, 0)));
        return ergebnis;
    }
    if (rg < 1 || rg > wz || z.Tippreihengroesse < 1) {
        ergebnis.meldung = Rueckmeldung::Fehler(QStringLiteral(
            "Das System enthält nicht die für seine Anwendung erforderlichen Angaben.\n\nIch muss abbrechen."));
        return ergebnis;
    }

    // From here on the previous result is gone.
    ergebnis.vorbereitet = true;
    z.Zahlenhaeufigkeit.fill(0);
    z.Tippreihen.clear();
    z.TippreihenBankzahlen = z.Bankzahlmenge;

    std::vector<std::uint8_t> pool = MengeZuListe(z.Poolmenge, z.PoolAnzahl, Hoechstzahl);
    if (mischen)
        ZahlenMischen(pool, generator);

    std::vector<Zahlenmenge> mengen;
    if (s.GA == s.RG) {
        // Every RG-subset of the pool positions, in lexicographic order, each turned into a row.
        const std::int64_t anzahl = NueberK(wz, rg);
        if (anzahl < 1 || anzahl > 65535 || KombinationenBilden(wz, rg, z.Kombinationstabelle) != KombiFehler::Keiner) {
            ergebnis.meldung = Rueckmeldung::Fehler(
                QStringLiteral("Für die Tippreihen dieses Systems reicht der Speicher nicht.\n\nIch muss abbrechen."));
            return ergebnis;
        }
        mengen.reserve(z.Kombinationstabelle.size());
        for (std::size_t i = 0; i < z.Kombinationstabelle.size(); ++i) {
            Zahlenmenge reihe = z.Bankzahlmenge;
            for (int position = 1; position <= wz; ++position) {
                if (z.Kombinationstabelle[i].enthaelt(position))
                    reihe.hinzufuegen(pool[std::size_t(position - 1)]);
            }
            z.Kombinationstabelle[i] = reihe;
            mengen.push_back(reihe);
        }
    } else if (z.Systemindex < z.AnzahlStandardsysteme && z.Systemindex < KatalogGroesse) {
        mengen.reserve(s.TR);
        for (int r = 1; r <= s.TR; ++r) {
            Zahlenmenge reihe = z.Bankzahlmenge;
            for (int p = 1; p <= rg; ++p) {
                const int position = SystemZahl(z.Systemindex, rg, r, p);
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
        const QString pfad = EigeneReihendatei(z, z.Systemindex, z.EigeneSystemeOrdner);
        if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) {
            ergebnis.meldung = Rueckmeldung::Information(QStringLiteral(
                "Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen können daher nicht gebildet "
                "werden.\n\nIch muss abbrechen."));
            return ergebnis;
        }
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            ergebnis.meldung =
                Rueckmeldung::Fehler(QStringLiteral("Die Datei mit den Systemreihen kann nicht gelesen werden (%1).")
                                         .arg(datei.errorString())
                                     + DateiAbbruch());
            return ergebnis;
        }
        if (datei.size() > MaxReihendatei) {
            ergebnis.meldung =
                Rueckmeldung::Fehler(QStringLiteral("Die Datei mit den Systemreihen ist zu groß.") + DateiAbbruch());
            return ergebnis;
        }
        const Systemreihen gelesen = SystemreihenAuswerten(datei.readAll(), s.TR, rg, wz);
        if (!gelesen.fehler.isEmpty()) {
            ergebnis.meldung = Rueckmeldung::Fehler(gelesen.fehler);
            return ergebnis;
        }
        z.Positionstabelle.assign(s.TR, std::vector<int>(std::size_t(std::max(z.Tippreihengroesse, rg)), 0));
        mengen.reserve(s.TR);
        for (int r = 0; r < s.TR; ++r) {
            Zahlenmenge reihe = z.Bankzahlmenge;
            for (int f = 0; f < rg; ++f) {
                const int position = gelesen.positionen[std::size_t(r)][std::size_t(f)];
                z.Positionstabelle[std::size_t(r)][std::size_t(f)] = position;
                reihe.hinzufuegen(pool[std::size_t(position - 1)]);
            }
            mengen.push_back(reihe);
        }
    }

    std::vector<std::vector<int>> zeilen;
    if (reihen)
        zeilen.reserve(mengen.size());
    for (const Zahlenmenge &menge : mengen) {
        const std::vector<std::uint8_t> zahlen = MengeZuListe(menge, z.Tippreihengroesse, Hoechstzahl);
        for (std::uint8_t v : zahlen)
            ++z.Zahlenhaeufigkeit[v];
        if (reihen)
            zeilen.emplace_back(zahlen.begin(), zahlen.end());
    }
    z.Zahlenhaeufigkeit[0] = 0;
    if (reihen) {
        if (z.Tippreihengroesse >= 4 && z.Tippreihengroesse <= 10)
            ReihenSortieren(zeilen);
        z.Tippreihen = std::move(zeilen);
    } else {
        // Statistics only: the grid keeps one empty line per row.
        z.Tippreihen.assign(mengen.size(), {});
    }
    ergebnis.gebildet = true;
    ergebnis.reihenAnzahl = int(mengen.size());
    return ergebnis;
}

void Verteilungermitteln(KbwZustand &z)
{
    z.EigeneVerteilung.fill(0);
    for (const Zahlenmenge &reihe : z.EigeneReihen) {
        for (int v = 1; v <= Hoechstzahl; ++v) {
            if (reihe.enthaelt(v))
                ++z.EigeneVerteilung[std::size_t(v)];
        }
    }
    const int r = int(z.EigeneReihen.size());
    z.EigeneBankMenge = {};
    z.EigeneBankAnzahl = 0;
    for (int v = 1; v <= Hoechstzahl; ++v) {
        if (z.EigeneVerteilung[std::size_t(v)] > 1 && z.EigeneVerteilung[std::size_t(v)] == r) {
            z.EigeneBankMenge.hinzufuegen(v);
            ++z.EigeneBankAnzahl;
        }
    }
}
