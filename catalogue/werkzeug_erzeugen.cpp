// kbw-katalog erzeugen and ausgleichen: designs made afresh, and the free row counts.
#include "abdeckungssuche.h"
#include "gruppensuche.h"
#include "katalog.h"
#include "katalogdatei.h"
#include "katalogpruefung.h"
#include "katalogschreiben.h"
#include "katalogziele.h"
#include "konstruktionen.h"
#include "werkzeug.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace katalogwerkzeug {

namespace {

// Row count of an entry without guarantee whose count is ours: interpolated between the
// fixed counts at the ends of its family, growing like the number of triples of the pool.
int FreieZeilenzahl(int index)
{
    int a = index, b = index;
    while (KatalogZielFuer(a).festeTR == 0)
        --a;
    while (KatalogZielFuer(b).festeTR == 0)
        ++b;
    auto c3 = [](int v) { return double(v) * (v - 1) * (v - 2) / 6.0; };
    const auto &za = KatalogZielFuer(a), &zb = KatalogZielFuer(b), &z = KatalogZielFuer(index);
    const double anteil = (c3(z.wz) - c3(za.wz)) / (c3(zb.wz) - c3(za.wz));
    const int tr = int(std::lround(za.festeTR + anteil * (zb.festeTR - za.festeTR)));
    return std::max(tr, (z.wz + z.rg - 1) / z.rg);
}

std::vector<Block> Lotto391(double sekunden, std::uint64_t saat)
{
    // S(3,6,22) on the first 22 positions meets three drawn numbers among them; the other
    // 27 positions get a design with 3 hits whenever 4 drawn numbers lie there.
    std::vector<Block> bloecke = SteinerS3622();
    Suchaufgabe a;
    a.v = 27;
    a.k = 6;
    a.m = 4;
    a.s = 3;
    for (int b = 86; b < 200; ++b) {
        Abdeckungssuche suche(a, saat + b);
        std::mt19937_64 rng(saat + b);
        std::vector<Block> teil = GleichmaessigVerteilen(27, 6, b, rng);
        if (suche.loese(teil, sekunden / 4)) {
            for (Block x : teil)
                bloecke.push_back(x << 22);
            return bloecke;
        }
        std::fprintf(stderr, "391: no 3-if-4 design with %d rows yet\n", b);
    }
    return {};
}

std::vector<Block> System648(double sekunden, std::uint64_t saat)
{
    // Four parts of 12, 12, 12 and 13 positions, each with a pair covering: five drawn
    // numbers put two into one part, so 5 drawn in the pool always give 2 hits. The rows
    // left over go over the pairs across the parts that are still uncovered.
    const int teile[4] = {12, 12, 12, 13};
    const int zeilen[4] = {6, 6, 6, 7};
    std::vector<Block> bloecke;
    int erster = 0;
    for (int i = 0; i < 4; ++i) {
        Suchaufgabe a;
        a.v = teile[i];
        a.k = 6;
        a.t = 2;
        Abdeckungssuche suche(a, saat + i);
        const auto teil = suche.verkleinern(suche.gierig(), zeilen[i], sekunden / 8);
        if (int(teil.size()) > zeilen[i])
            return {};
        for (Block b : teil)
            bloecke.push_back(b << erster);
        erster += teile[i];
    }
    Suchaufgabe paare;
    paare.v = 49;
    paare.k = 6;
    paare.t = 2;
    Abdeckungssuche suche(paare, saat);
    suche.auffuellen(bloecke, 30);
    return bloecke;
}

// Rows needed to cover every pair of p points by rows of k: one row while p <= k, else the
// best known size of the catalogue's own pair covering C(p, k, 2).
int PaarabdeckungGroesse(int p, int k)
{
    if (p <= k)
        return 1;
    for (int i = 0; i < KatalogGroesse; ++i) {
        const KatalogZiel &z = KatalogZielFuer(i);
        if (z.rg == k && z.ga == 2 && z.wz == p)
            return z.bekannt;
    }
    return 1 << 20;
}

// "2 hits if m drawn": m drawn numbers in m - 1 parts put two into one part, so the parts
// with a pair covering each keep the promise. The part sizes are those with the fewest rows.
std::vector<int> Teile(int v, int k, int m)
{
    std::vector<int> beste, teile(std::size_t(m - 1), 0);
    int wenigste = 1 << 30;
    auto versuchen = [&](auto &&selbst, int stelle, int rest, int minimum) -> void {
        if (stelle == m - 2) {
            if (rest < minimum)
                return;
            teile[std::size_t(stelle)] = rest;
            int summe = 0;
            for (int p : teile)
                summe += PaarabdeckungGroesse(p, k);
            if (summe < wenigste) {
                wenigste = summe;
                beste = teile;
            }
            return;
        }
        for (int p = minimum; p * (m - 1 - stelle) <= rest; ++p) {
            teile[std::size_t(stelle)] = p;
            selbst(selbst, stelle + 1, rest - p, p);
        }
    };
    versuchen(versuchen, 0, v, 1);
    return beste;
}

// Fewest rows the promise of an entry without guarantee needs: the pair coverings of its
// parts, at least enough rows to hold every position.
int Mindestzeilen(int index)
{
    const KatalogZiel &z = KatalogZielFuer(index);
    const Lottogarantie g = LottogarantieFuer(index);
    int summe = 0;
    if (g.m > 0 && g.s == 2)
        for (int p : Teile(z.wz, z.rg, g.m))
            summe += PaarabdeckungGroesse(p, z.rg);
    return std::max(summe, (z.wz + z.rg - 1) / z.rg);
}

std::vector<Block> OhneGarantie(int index, double sekunden, std::uint64_t saat, int tr = 0)
{
    const KatalogZiel &z = KatalogZielFuer(index);
    const Lottogarantie g = LottogarantieFuer(index);
    if (tr == 0)
        tr = z.festeTR ? z.festeTR : FreieZeilenzahl(index);
    if (g.m == 0 || g.s != 2) {
        std::mt19937_64 rng(saat);
        return GleichmaessigVerteilen(z.wz, z.rg, tr, rng);
    }
    std::vector<Block> bloecke;
    int erster = 0;
    for (int p : Teile(z.wz, z.rg, g.m)) {
        std::vector<Block> teil;
        if (p <= z.rg) {
            // One row holds the whole part; the points it needs beyond it come from the next part
            // (or the previous one at the end), which costs nothing.
            Block b = ((Block(1) << p) - 1) << erster;
            for (int x = erster + p; __builtin_popcountll(b) < z.rg; ++x)
                b |= Block(1) << (x < z.wz ? x : x - z.wz);
            teil.push_back(b);
        } else {
            Suchaufgabe a;
            a.v = p;
            a.k = z.rg;
            a.t = 2;
            Abdeckungssuche suche(a, saat + std::uint64_t(p));
            for (Block b : suche.verkleinern(suche.gierig(), PaarabdeckungGroesse(p, z.rg), sekunden / 4))
                teil.push_back(b << erster);
        }
        bloecke.insert(bloecke.end(), teil.begin(), teil.end());
        erster += p;
    }
    // A free row count grows to what the promise needs; the rows left over go over the pairs
    // of the whole pool that are covered least often.
    if (z.festeTR == 0)
        tr = std::max(tr, int(bloecke.size()));
    if (int(bloecke.size()) > tr)
        return {};
    Suchaufgabe paare;
    paare.v = z.wz;
    paare.k = z.rg;
    paare.t = 2;
    Abdeckungssuche(paare, saat).auffuellen(bloecke, tr);
    return bloecke;
}

std::vector<Block> Erzeugen(int index, double sekunden, std::uint64_t saat)
{
    const KatalogZiel &z = KatalogZielFuer(index);
    if (z.ga == 0)
        return OhneGarantie(index, sekunden, saat);
    if (index == 391)
        return Lotto391(sekunden, saat);
    if (index == 648)
        return System648(sekunden, saat);

    Suchaufgabe a;
    a.v = z.wz;
    a.k = z.rg;
    a.t = z.ga;
    std::vector<Block> bloecke;
    if (z.festeTR > z.bekannt) {
        // The fixed count leaves room to cover every t-set more than once.
        a.lambda = z.festeTR / z.bekannt >= 2 ? std::min(3, z.festeTR / z.bekannt) : 1;
        while (a.lambda > 1) {
            Abdeckungssuche suche(a, saat);
            bloecke = suche.verkleinern(suche.gierig(), z.festeTR, sekunden);
            if (int(bloecke.size()) <= z.festeTR) {
                suche.auffuellen(bloecke, z.festeTR);
                return bloecke;
            }
            --a.lambda;
        }
    }
    const int ziel = z.festeTR ? z.festeTR : z.bekannt;
    Abdeckungssuche suche(a, saat);
    if (z.rg == z.wz - 1)
        bloecke = OhneJeEinenPunkt(z.wz, z.ga);
    else
        bloecke = suche.verkleinern(suche.gierig(), ziel, sekunden);
    if (z.festeTR > 0 && int(bloecke.size()) < z.festeTR)
        suche.auffuellen(bloecke, z.festeTR);
    return bloecke;
}

// The free row counts of the entries without guarantee, chosen so that the whole catalogue
// has the planned number of rows: the part of each interpolated count above the count
// that opens its family is scaled by one common factor, never below what the promise needs
// nor below the count of the next smaller pool. Returns false when even the promise
// minimums exceed what the other entries leave.
bool FreieZeilenzahlenFuerSumme(const std::vector<KatalogEintrag> &eintraege, long summe, std::vector<int> &zahlen,
                                long &rest)
{
    std::vector<int> frei;
    rest = summe;
    for (int i = 0; i < KatalogGroesse; ++i) {
        const KatalogZiel &z = KatalogZielFuer(i);
        if (z.ga == 0 && z.festeTR == 0)
            frei.push_back(i);
        else
            rest -= eintraege[i].vorhanden ? eintraege[i].sys.TR : std::max(z.festeTR, z.bekannt);
    }
    zahlen.assign(KatalogGroesse, 0);
    // Scaled is the part of the interpolated count above the fixed count that opens the
    // family, so that a family's counts never fall as its pools grow.
    auto anfang = [](int i) {
        while (KatalogZielFuer(i).festeTR == 0)
            --i;
        return KatalogZielFuer(i).festeTR;
    };
    auto skaliert = [&](int i, double faktor) { return anfang(i) + faktor * (FreieZeilenzahl(i) - anfang(i)); };
    auto belegen = [&](double faktor) {
        long n = 0;
        for (int i : frei) {
            const int vorher = KatalogZielFuer(i - 1).festeTR ? KatalogZielFuer(i - 1).festeTR : zahlen[i - 1];
            zahlen[i] = std::max({Mindestzeilen(i), int(std::floor(skaliert(i, faktor))), vorher});
            n += zahlen[i];
        }
        return n;
    };
    if (belegen(0) > rest)
        return false;
    double unten = 0, oben = 4;
    for (int schritt = 0; schritt < 60; ++schritt) {
        const double mitte = (unten + oben) / 2;
        (belegen(mitte) <= rest ? unten : oben) = mitte;
    }
    // The rows left after rounding go one each to the largest free pools, from the end of
    // the table: raising the tail of a family by one keeps its counts growing.
    long n = belegen(unten);
    for (auto i = frei.rbegin(); n < rest && i != frei.rend(); ++i, ++n)
        ++zahlen[*i];
    return true;
}

} // namespace

int Erzeugen(const Optionen &o)
{
    if (o.daten.empty()) {
        std::fprintf(stderr, "erzeugen needs --daten FILE\n");
        return 2;
    }
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    if (!KatalogLesen(o.daten, eintraege, fehler)) {
        std::fprintf(stderr, "starting afresh (%s)\n", fehler.c_str());
        eintraege.assign(KatalogGroesse, KatalogEintrag{});
    }
    std::mutex mutex;
    std::atomic_int naechster{o.von};
    auto arbeiter = [&] {
        for (int i; (i = naechster++) <= o.bis;) {
            const KatalogZiel &z = KatalogZielFuer(i);
            int bisher = 0;
            {
                std::lock_guard lock(mutex);
                const auto &e = eintraege[i];
                if (e.vorhanden && KatalogeintragPruefen(i, e.sys, e.reihen.data()).ok)
                    bisher = e.sys.TR;
            }
            const int ziel = z.festeTR ? z.festeTR : z.bekannt;
            if (bisher > 0 && (z.ga == 0 || bisher <= ziel))
                continue;
            KatalogEintrag neu = ZuEintrag(i, Erzeugen(i, o.sekunden, 1000003ull * i + 17));
            const Pruefergebnis p = KatalogeintragPruefen(i, neu.sys, neu.reihen.data());
            std::lock_guard lock(mutex);
            if (!p.ok) {
                std::fprintf(stderr, "%d: rejected: %s\n", i, p.fehler.c_str());
                continue;
            }
            std::printf("%d: v=%d k=%d t=%d rows=%d target=%d%s\n", i, z.wz, z.rg, z.ga, int(neu.sys.TR), ziel,
                        bisher ? (" (was " + std::to_string(bisher) + ")").c_str() : "");
            std::fflush(stdout);
            if ((bisher == 0 || neu.sys.TR < bisher) && Uebernehmen(o.daten, i, neu))
                eintraege[i] = neu;
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < std::max(1, o.threads); ++t)
        threads.emplace_back(arbeiter);
    for (auto &t : threads)
        t.join();
    return 0;
}

// Rebuilds the entries without guarantee whose row count differs from the one that makes
// the catalogue's total what it is planned to be.
int Ausgleichen(const Optionen &o)
{
    if (o.daten.empty()) {
        std::fprintf(stderr, "ausgleichen needs --daten FILE\n");
        return 2;
    }
    Dateisperre sperre(o.daten);
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    if (!KatalogLesen(o.daten, eintraege, fehler)) {
        std::fprintf(stderr, "ausgleichen needs --daten FILE that reads (%s)\n", fehler.c_str());
        return 2;
    }
    std::vector<int> zahlen;
    long rest = 0;
    if (!FreieZeilenzahlenFuerSumme(eintraege, KatalogZeilenGeplant, zahlen, rest)) {
        std::fprintf(stderr, "the promises of the entries without guarantee need more than the %ld rows left\n", rest);
        return 1;
    }
    for (int i = 0; i < KatalogGroesse; ++i) {
        if (zahlen[i] == 0 || (eintraege[i].vorhanden && eintraege[i].sys.TR == zahlen[i]))
            continue;
        const std::vector<Block> bloecke = OhneGarantie(i, o.sekunden, 1000003ull * i + 17, zahlen[i]);
        const KatalogEintrag neu = ZuEintrag(i, bloecke);
        const Pruefergebnis p = KatalogeintragPruefen(i, neu.sys, neu.reihen.data());
        if (!p.ok || int(bloecke.size()) != zahlen[i]) {
            std::fprintf(stderr, "%d: no design with %d rows: %s\n", i, zahlen[i], p.fehler.c_str());
            continue;
        }
        std::printf("%d: %d -> %d rows\n", i, eintraege[i].vorhanden ? int(eintraege[i].sys.TR) : 0, zahlen[i]);
        std::fflush(stdout);
        eintraege[i] = neu;
    }
    const SchreibErgebnis e = KatalogSchreiben(o.daten, eintraege, Kopf);
    if (!e.ok()) {
        std::fprintf(stderr, "%s\n", SchreibFehlerText(QString::fromStdString(o.daten), e).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace katalogwerkzeug
