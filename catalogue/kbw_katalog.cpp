// kbw-katalog: builds and checks the built-in catalogue.
//   kbw-katalog erzeugen [--daten FILE] [--sekunden S] [--threads N] [--von A] [--bis B]
//   kbw-katalog pruefen  [--daten FILE]
//   kbw-katalog gruppe   --daten FILE --von I --gruppe G [--sekunden S] [--laeufe L] [--saat N]
//                        [--temperatur START,ENDE]
//   kbw-katalog verbessern --daten FILE [--von A] [--bis B] [--sekunden S] [--saat N]
//                          [--temperatur START,ENDE]
//   kbw-katalog ableiten --daten FILE [--von A] [--bis B] [--sekunden S] [--saat N] [--spielraum P]
//   kbw-katalog ausgleichen --daten FILE [--sekunden S]
//   kbw-katalog feld --daten FILE --von I --gruppe Q [--sekunden S] [--laeufe L] [--saat N]
//   kbw-katalog teile --daten FILE [--sekunden S] [--laeufe L] [--saat N]
// Without --daten, pruefen checks the catalogue compiled into the program.
#include "abdeckungssuche.h"
#include "gruppensuche.h"
#include "katalog.h"
#include "katalogdatei.h"
#include "katalogpruefung.h"
#include "katalogschreiben.h"
#include "katalogziele.h"
#include "konstruktionen.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char *const Kopf = "# Kombiwerk built-in catalogue: 649 systems as pool positions (1-based).\n"
                         "# Written by 'kbw-katalog erzeugen'; checked by 'kbw-katalog pruefen'. See README.md.\n";

KatalogEintrag ZuEintrag(int index, const std::vector<Block> &bloecke)
{
    const KatalogZiel &z = KatalogZielFuer(index);
    KatalogEintrag e;
    e.vorhanden = true;
    e.sys = TSysteme{std::uint8_t(z.rg), std::uint8_t(z.wz), std::uint8_t(z.ga), std::uint16_t(bloecke.size())};
    std::vector<Block> sortiert = bloecke;
    std::sort(sortiert.begin(), sortiert.end(), [](Block a, Block b) {
        // Rows in lexicographic order of their positions.
        while (a && b) {
            int pa = __builtin_ctzll(a), pb = __builtin_ctzll(b);
            if (pa != pb)
                return pa < pb;
            a &= a - 1;
            b &= b - 1;
        }
        return false;
    });
    for (Block b : sortiert)
        for (; b; b &= b - 1)
            e.reihen.push_back(std::uint8_t(__builtin_ctzll(b) + 1));
    return e;
}

// Several tool runs may work on the same file one after the other or side by side: each
// change re-reads the file under this lock (one per data file, outside the source tree).
class Dateisperre
{
public:
    explicit Dateisperre(const std::string &daten)
    {
        std::error_code ec;
        const auto voll = std::filesystem::weakly_canonical(daten, ec).string();
        const std::string pfad = (std::filesystem::temp_directory_path(ec)
                                  / ("kbw-katalog-" + std::to_string(std::hash<std::string>{}(voll)) + ".sperre"))
                                     .string();
        m_fd = ::open(pfad.c_str(), O_RDWR | O_CREAT, 0644);
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~Dateisperre()
    {
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_UN);
            ::close(m_fd);
        }
    }
    Dateisperre(const Dateisperre &) = delete;
    Dateisperre &operator=(const Dateisperre &) = delete;

private:
    int m_fd = -1;
};

// Replaces an entry only when the new design passes the checker and has fewer rows than
// what the file holds now.
bool Uebernehmen(const std::string &daten, int index, const KatalogEintrag &neu)
{
    const Pruefergebnis p = KatalogeintragPruefen(index, neu.sys, neu.reihen.data());
    if (!p.ok) {
        std::fprintf(stderr, "%d: rejected: %s\n", index, p.fehler.c_str());
        return false;
    }
    Dateisperre sperre(daten);
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    std::error_code ec;
    bool lesbar = KatalogLesen(daten, eintraege, fehler);
    if (!lesbar && !std::filesystem::exists(daten, ec)) {
        eintraege.assign(KatalogGroesse, KatalogEintrag{});
        lesbar = true;
    }
    if (!lesbar) {
        // A file that is there but does not read is left for a person to look at.
        std::fprintf(stderr, "%d: not stored: %s\n", index, fehler.c_str());
        return false;
    }
    const auto &alt = eintraege[index];
    const bool altGut = alt.vorhanden && KatalogeintragPruefen(index, alt.sys, alt.reihen.data()).ok;
    if (altGut && neu.sys.TR >= alt.sys.TR)
        return false;
    eintraege[index] = neu;
    const SchreibErgebnis e = KatalogSchreiben(daten, eintraege, Kopf);
    if (!e.ok())
        std::fprintf(stderr, "%s\n", SchreibFehlerText(QString::fromStdString(daten), e).toLocal8Bit().constData());
    return e.ok();
}

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

struct Optionen
{
    std::string daten;
    std::string gruppe;
    int laeufe = 1;
    double spielraum = 0; // percent
    std::uint64_t saat = 1;
    double tStart = 0.25;
    double tEnde = 0.15;
    double sekunden = 10;
    int threads = 2;
    int von = 0;
    int bis = KatalogGroesse - 1;
};

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

// Group-invariant search for one covering entry: per run an orbit cover, its redundant
// blocks dropped, then plain annealing on the rows towards the target. Improvements go
// straight into the file.
int Gruppe(const Optionen &o)
{
    const int i = o.von;
    const KatalogZiel &z = KatalogZielFuer(i);
    // Entry 391 searches only its second part: 27 positions, 3 hits whenever 4 drawn numbers
    // lie there; S(3,6,22) on the first 22 positions completes it.
    const bool lotto = i == 391;
    if (o.daten.empty() || z.ga == 0 || (LottogarantieFuer(i).m > 0 && !lotto) || z.festeTR > z.bekannt) {
        std::fprintf(stderr, "gruppe needs --daten and a plain covering entry or 391\n");
        return 2;
    }
    const int v = lotto ? 49 - 22 : z.wz, m = lotto ? 4 : z.ga;
    const std::vector<Block> steiner = lotto ? SteinerS3622() : std::vector<Block>{};
    std::vector<Permutation> erzeuger;
    std::string fehler;
    if (!GruppeLesen(o.gruppe, v, erzeuger, fehler)) {
        std::fprintf(stderr, "%s\n", fehler.c_str());
        return 2;
    }
    const int ziel = z.festeTR ? z.festeTR : z.bekannt;
    for (int lauf = 0; lauf < o.laeufe; ++lauf) {
        const std::uint64_t saat = o.saat * 7919 + std::uint64_t(lauf);
        std::vector<KatalogEintrag> eintraege;
        int bisher = 0;
        if (KatalogLesen(o.daten, eintraege, fehler) && eintraege[i].vorhanden)
            bisher = eintraege[i].sys.TR;
        if (bisher > 0 && bisher <= ziel)
            break;
        const Gruppensuchergebnis g =
            GruppenUeberdeckung(v, z.rg, z.ga, erzeuger, o.sekunden, saat, 400000, nullptr, m);
        if (g.gestutzt.empty()) {
            std::fprintf(stderr, "%d: group %s: no orbit cover\n", i, o.gruppe.c_str());
            return 1;
        }
        Suchaufgabe a;
        a.v = v;
        a.k = z.rg;
        if (lotto) {
            a.m = m;
            a.s = z.ga;
        } else {
            a.t = z.ga;
        }
        a.tStart = o.tStart;
        a.tEnde = o.tEnde;
        Abdeckungssuche suche(a, saat);
        const int teilZiel = std::min(ziel, bisher - 1) - int(steiner.size());
        std::vector<Block> bloecke = suche.verkleinern(g.gestutzt, teilZiel, o.sekunden / 2);
        const int gefunden = int(bloecke.size() + steiner.size());
        std::printf("%d C(%d,%d,%d) group %s run %d: %d orbits/%d requirement orbits, union %d, pruned %d, "
                    "annealed %d (target %d, file %d)\n",
                    i, z.wz, z.rg, z.ga, o.gruppe.c_str(), lauf, g.spalten, g.zeilen,
                    int(g.bahnenUeberdeckung.size() + steiner.size()), int(g.gestutzt.size() + steiner.size()),
                    gefunden, ziel, bisher);
        if (!lotto && gefunden < z.bekannt)
            std::printf("*** %d: %d rows, below the best known %d ***\n", i, gefunden, z.bekannt);
        if (lotto && gefunden < z.festeTR)
            std::printf("*** %d: %d rows, below the best known %d ***\n", i, gefunden, z.festeTR);
        if (lotto) {
            for (Block &b : bloecke)
                b <<= 22;
            bloecke.insert(bloecke.begin(), steiner.begin(), steiner.end());
            if (int(bloecke.size()) < z.festeTR) {
                Suchaufgabe ganz;
                ganz.v = z.wz;
                ganz.k = z.rg;
                ganz.t = 2;
                Abdeckungssuche(ganz, saat).auffuellen(bloecke, z.festeTR);
            }
        } else if (z.festeTR > 0 && int(bloecke.size()) < z.festeTR) {
            suche.auffuellen(bloecke, z.festeTR);
        }
        std::fflush(stdout);
        if (bisher == 0 || int(bloecke.size()) < bisher) {
            if (Uebernehmen(o.daten, i, ZuEintrag(i, bloecke)))
                std::printf("%d: stored %d rows\n", i, int(bloecke.size()));
            std::fflush(stdout);
        }
    }
    return 0;
}

// Anneals the stored design of every plain covering entry above its target one row smaller
// at a time, starting from the design itself rather than afresh.
int Verbessern(const Optionen &o)
{
    for (int i = o.von; i <= o.bis; ++i) {
        const KatalogZiel &z = KatalogZielFuer(i);
        if (z.ga == 0 || LottogarantieFuer(i).m > 0 || z.festeTR > z.bekannt || z.rg == z.wz - 1)
            continue;
        std::vector<KatalogEintrag> eintraege;
        std::string fehler;
        if (!KatalogLesen(o.daten, eintraege, fehler) || !eintraege[i].vorhanden) {
            std::fprintf(stderr, "%d: nothing stored to improve\n", i);
            continue;
        }
        const auto &e = eintraege[i];
        const int ziel = z.festeTR ? z.festeTR : z.bekannt;
        if (e.sys.TR <= ziel)
            continue;
        std::vector<Block> bloecke;
        for (int r = 0; r < e.sys.TR; ++r) {
            Block b = 0;
            for (int p = 0; p < e.sys.RG; ++p)
                b |= Block(1) << (e.reihen[std::size_t(r) * e.sys.RG + p] - 1);
            bloecke.push_back(b);
        }
        Suchaufgabe a;
        a.v = z.wz;
        a.k = z.rg;
        a.t = z.ga;
        a.tStart = o.tStart;
        a.tEnde = o.tEnde;
        Abdeckungssuche suche(a, o.saat * 1000003ull + std::uint64_t(i));
        bloecke = suche.verkleinern(bloecke, ziel, o.sekunden);
        std::printf("%d C(%d,%d,%d): %d -> %d (target %d)\n", i, z.wz, z.rg, z.ga, int(e.sys.TR), int(bloecke.size()),
                    ziel);
        std::fflush(stdout);
        if (int(bloecke.size()) < e.sys.TR && Uebernehmen(o.daten, i, ZuEintrag(i, bloecke)))
            std::printf("%d: stored %d rows\n", i, int(bloecke.size()));
    }
    return 0;
}

// Rows of a stored entry as bit masks.
std::vector<Block> AlsBloecke(const KatalogEintrag &e)
{
    std::vector<Block> bloecke;
    for (int r = 0; r < e.sys.TR; ++r) {
        Block b = 0;
        for (int p = 0; p < e.sys.RG; ++p)
            b |= Block(1) << (e.reihen[std::size_t(r) * e.sys.RG + p] - 1);
        bloecke.push_back(b);
    }
    return bloecke;
}

bool SchlichteUeberdeckung(int i)
{
    const KatalogZiel &z = KatalogZielFuer(i);
    return z.ga > 0 && LottogarantieFuer(i).m == 0 && z.festeTR <= z.bekannt && z.rg < z.wz - 1;
}

// Starts a 3-covering with v = kq from the rows of an orthogonal array of strength 3 (they
// meet every triple across three groups once), adds rows for the triples with two or three
// points in one group, and anneals the whole towards the target.
int Feld(const Optionen &o)
{
    const int i = o.von;
    const KatalogZiel &z = KatalogZielFuer(i);
    const int q = std::atoi(o.gruppe.c_str());
    if (o.daten.empty() || !SchlichteUeberdeckung(i) || z.ga != 3 || q < 2 || z.wz % q != 0) {
        std::fprintf(stderr, "feld needs --daten, a plain 3-covering entry and --gruppe q dividing its pool\n");
        return 2;
    }
    const int gruppen = z.wz / q;
    std::vector<Block> feld = OrthogonalesFeldStaerke3(gruppen, q);
    if (feld.empty()) {
        std::fprintf(stderr, "no orthogonal array of strength 3 with %d columns over GF(%d)\n", gruppen, q);
        return 2;
    }
    // Rows of k > groups points: every array row is filled up with points of its own groups.
    std::mt19937_64 rng(o.saat);
    for (Block &b : feld)
        while (__builtin_popcountll(b) < z.rg) {
            const int p = int(rng() % std::uint64_t(z.wz));
            b |= Block(1) << p;
        }
    if (__builtin_popcountll(feld.front()) != z.rg) {
        std::fprintf(stderr, "rows of %d points do not fit %d groups\n", z.rg, gruppen);
        return 2;
    }
    const int ziel = z.festeTR ? z.festeTR : z.bekannt;
    for (int lauf = 0; lauf < o.laeufe; ++lauf) {
        std::vector<KatalogEintrag> eintraege;
        std::string fehler;
        int bisher = 0;
        if (KatalogLesen(o.daten, eintraege, fehler) && eintraege[i].vorhanden)
            bisher = eintraege[i].sys.TR;
        if (bisher > 0 && bisher <= ziel)
            break;
        // The array's rows stay fixed while the rest is built greedily and shrunk; then all
        // rows are annealed together.
        Suchaufgabe a;
        a.v = z.wz;
        a.k = z.rg;
        a.t = 3;
        a.tStart = o.tStart;
        a.tEnde = o.tEnde;
        a.fest = feld;
        Abdeckungssuche teil(a, o.saat * 7919 + std::uint64_t(lauf));
        const int frei = std::min(ziel, bisher - 1) - int(feld.size());
        std::vector<Block> rest = teil.verkleinern(teil.gierig(), frei, o.sekunden / 2);
        std::vector<Block> bloecke = feld;
        bloecke.insert(bloecke.end(), rest.begin(), rest.end());
        a.fest.clear();
        Abdeckungssuche ganz(a, o.saat * 7919 + std::uint64_t(lauf) + 1);
        const std::vector<Block> kleiner = ganz.verkleinern(bloecke, std::min(ziel, bisher - 1), o.sekunden / 2);
        std::printf("%d: array %d rows + rest %d\n", i, int(feld.size()), int(rest.size()));
        std::printf("%d C(%d,%d,3) array over GF(%d): %d rows (target %d, file %d)\n", i, z.wz, z.rg, q,
                    int(kleiner.size()), ziel, bisher);
        std::fflush(stdout);
        if (int(kleiner.size()) < bisher && Uebernehmen(o.daten, i, ZuEintrag(i, kleiner)))
            std::printf("%d: stored %d rows\n", i, int(kleiner.size()));
    }
    return 0;
}

// Entry 391 from S(3,6,22) and a second part on 27 positions in three parts of 9 (see
// DreiAusVierInDreiTeilen): the rows for one pair of parts are searched with the triples
// they need not hold (two or three points in the second part) covered by fixed rows.
int DreiTeile(const Optionen &o)
{
    const int i = 391;
    const KatalogZiel &z = KatalogZielFuer(i);
    if (o.daten.empty()) {
        std::fprintf(stderr, "teile needs --daten FILE\n");
        return 2;
    }
    for (int lauf = 0; lauf < o.laeufe; ++lauf) {
        std::vector<KatalogEintrag> eintraege;
        std::string fehler;
        int bisher = 0;
        if (KatalogLesen(o.daten, eintraege, fehler) && eintraege[i].vorhanden)
            bisher = eintraege[i].sys.TR;
        const std::vector<Block> steiner = SteinerS3622();
        Suchaufgabe a;
        a.v = 18;
        a.k = z.rg;
        a.t = 3;
        a.tStart = o.tStart;
        a.tEnde = o.tEnde;
        const Block zweiter = ((Block(1) << 9) - 1) << 9;
        for (int x = 0; x < 9; ++x)
            a.fest.push_back(zweiter | Block(1) << x);
        Abdeckungssuche suche(a, o.saat * 7919 + std::uint64_t(lauf));
        const int teilZiel = (z.festeTR - int(steiner.size())) / 3;
        const std::vector<Block> teil = suche.verkleinern(suche.gierig(), teilZiel, o.sekunden);
        std::vector<Block> bloecke = steiner;
        for (Block b : DreiAusVierInDreiTeilen(teil))
            bloecke.push_back(b << 22);
        std::printf("391: part rows %d, in all %d (fixed %d, file %d)\n", int(teil.size()), int(bloecke.size()),
                    z.festeTR, bisher);
        std::fflush(stdout);
        if (int(bloecke.size()) < z.festeTR) {
            Suchaufgabe ganz;
            ganz.v = z.wz;
            ganz.k = z.rg;
            ganz.t = 2;
            Abdeckungssuche(ganz, o.saat).auffuellen(bloecke, z.festeTR);
        }
        if ((bisher == 0 || int(bloecke.size()) < bisher) && Uebernehmen(o.daten, i, ZuEintrag(i, bloecke)))
            std::printf("391: stored %d rows\n", int(bloecke.size()));
    }
    return 0;
}

// Derives designs from the other stored entries and from constructions: points deleted
// from C(v+d,k,t), C(v,k,t+1) pruned, the rows through one point of C(v+1,k+1,t+1)
// without it, rows lengthened from C(v,k-1,t), C(v-1,k,t) joined with C(v-1,k-1,t-1)
// plus a new point, every point of C(v/s,k/s,t) taken s times, transversal designs with their groups covered, Steiner systems,
// projective spaces and difference families; then redundant rows are dropped and the
// rows annealed towards the target. Repeats until nothing improves, since an improvement
// may make others possible.
int Ableiten(const Optionen &o)
{
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    if (o.daten.empty() || !KatalogLesen(o.daten, eintraege, fehler)) {
        std::fprintf(stderr, "ableiten needs --daten FILE that reads (%s)\n", fehler.c_str());
        return 2;
    }
    // The smallest stored covering per (v, k, t).
    auto schluessel = [](int v, int k, int t) { return (v * 64 + k) * 64 + t; };
    std::map<int, std::vector<Block>> beste;
    auto merken = [&](int v, int k, int t, const std::vector<Block> &b) {
        auto it = beste.find(schluessel(v, k, t));
        if (it == beste.end() || b.size() < it->second.size())
            beste[schluessel(v, k, t)] = b;
    };
    for (int i = 0; i < KatalogGroesse; ++i) {
        const KatalogZiel &z = KatalogZielFuer(i);
        if (z.ga > 0 && LottogarantieFuer(i).m == 0 && eintraege[i].vorhanden)
            merken(z.wz, z.rg, z.ga, AlsBloecke(eintraege[i]));
    }
    merken(22, 6, 3, SteinerS3622());
    merken(40, 4, 2, GeradenPG3(3));
    merken(15, 3, 2, GeradenPG3(2));
    merken(8, 4, 3, QuadrupelsystemBinaer(3));
    merken(16, 4, 3, QuadrupelsystemBinaer(4));
    // Pair designs from difference families: 1-rotational over Z_3^3, and over Z_3^2 x Z_5
    // with the cosets of Z_5 as a short orbit.
    merken(28, 4, 2, DifferenzfamilieEntwickeln({3, 3, 3}, 4, {1, 0, 0}, true));
    merken(45, 5, 2, DifferenzfamilieEntwickeln({3, 3, 5}, 5, {0, 0, 1}, false));
    merken(41, 5, 2, DifferenzfamilieEntwickeln({41}, 5, {0}, false));
    auto gespeichert = [&](int v, int k, int t) -> const std::vector<Block> * {
        auto it = beste.find(schluessel(v, k, t));
        return it == beste.end() ? nullptr : &it->second;
    };
    std::uint64_t saat = o.saat * 1000003ull;
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (int i = o.von; i <= o.bis; ++i) {
            if (!SchlichteUeberdeckung(i) || !eintraege[i].vorhanden)
                continue;
            const KatalogZiel &z = KatalogZielFuer(i);
            const int v = z.wz, k = z.rg, t = z.ga;
            const int ziel = z.festeTR ? z.festeTR : z.bekannt;
            const int bisher = eintraege[i].sys.TR;
            if (bisher <= ziel)
                continue;
            std::vector<Block> kandidat;
            std::string herkunft;
            auto pruefen = [&](std::vector<Block> b, const std::string &wie) {
                b = RedundanteStreichen(v, t, b, 10, ++saat);
                if (!b.empty() && (kandidat.empty() || b.size() < kandidat.size())) {
                    kandidat = b;
                    herkunft = wie;
                }
            };
            // The smallest known design of these parameters, unless it is the stored one.
            if (const auto *b = gespeichert(v, k, t); b && int(b->size()) < bisher)
                pruefen(*b, "construction");
            // Deleting d points, one at a time, each time the point that leaves the fewest rows.
            for (int d = 1; d <= 5; ++d) {
                const auto *gross = gespeichert(v + d, k, t);
                if (!gross)
                    continue;
                std::vector<Block> b = *gross;
                for (int w = v + d; w > v; --w) {
                    std::vector<Block> bester;
                    for (int p = 0; p < w; ++p) {
                        std::vector<Block> c = RedundanteStreichen(w - 1, t, PunktStreichen(b, w, p), 3, ++saat);
                        if (bester.empty() || c.size() < bester.size())
                            bester = c;
                    }
                    b = bester;
                }
                pruefen(b, "C(" + std::to_string(v + d) + "," + std::to_string(k) + "," + std::to_string(t) +
                               ") less " + std::to_string(d) + " point(s)");
            }
            // The rows through one point of C(v+1,k+1,t+1), without that point.
            if (const auto *gross = gespeichert(v + 1, k + 1, t + 1)) {
                for (int p = 0; p <= v; ++p) {
                    std::vector<Block> b;
                    const Block unten = (Block(1) << p) - 1;
                    for (Block r : *gross)
                        if (r >> p & 1u)
                            b.push_back((r & unten) | ((r >> 1) & ~unten));
                    pruefen(b, "C(" + std::to_string(v + 1) + "," + std::to_string(k + 1) + "," +
                                   std::to_string(t + 1) + ") derived at a point");
                }
            }
            if (t == 2)
                for (int q = 2; q <= 32; ++q)
                    for (int e = 0; e <= 1; ++e) {
                        if (k * q + e != v)
                            continue;
                        const auto *gruppe = gespeichert(q + e, k, 2);
                        if (q + e > k && !gruppe)
                            continue;
                        pruefen(TransversalMitGruppen(k, q, e == 1, gruppe ? *gruppe : std::vector<Block>{}),
                                "TD(" + std::to_string(k) + "," + std::to_string(q) + ") with its groups covered");
                    }
            // Points taken s times over: C(sm, sk', t) <= C(m, k', t) for t <= k', then points
            // deleted down to v.
            for (int f = 2; f <= 3; ++f) {
                const int m = (v + f - 1) / f;
                const auto *klein = k % f == 0 && t <= k / f ? gespeichert(m, k / f, t) : nullptr;
                if (!klein)
                    continue;
                std::vector<Block> b = PunkteVervielfachen(*klein, m, f);
                for (int w = f * m; w > v; --w) {
                    std::vector<Block> bester;
                    for (int p = 0; p < w; ++p) {
                        std::vector<Block> c = RedundanteStreichen(w - 1, t, PunktStreichen(b, w, p), 3, ++saat);
                        if (bester.empty() || c.size() < bester.size())
                            bester = c;
                    }
                    b = bester;
                }
                pruefen(b, "C(" + std::to_string(m) + "," + std::to_string(k / f) + "," + std::to_string(t) +
                               ") with every point taken " + std::to_string(f) + " times");
            }
            // A (t+1)-covering covers every t-set too; pruning may leave fewer rows.
            if (const auto *b = gespeichert(v, k, t + 1))
                pruefen(*b, "C(" + std::to_string(v) + "," + std::to_string(k) + "," + std::to_string(t + 1) + ")");
            if (const auto *b = gespeichert(v, k - 1, t))
                pruefen(ZeilenVerlaengern(*b, v), "C(" + std::to_string(v) + "," + std::to_string(k - 1) + "," +
                                                      std::to_string(t) + ") with longer rows");
            if (t >= 2) {
                const auto *ohne = gespeichert(v - 1, k, t);
                const auto *kleiner = gespeichert(v - 1, k - 1, t - 1);
                // C(v-1,k-1,1): the points in consecutive runs of k - 1, the last run filled
                // up from the first points.
                std::vector<Block> zerlegung;
                if (t == 2 && !kleiner) {
                    for (int p = 0; p < v - 1; p += k - 1) {
                        Block b = 0;
                        for (int q = p; __builtin_popcountll(b) < k - 1; ++q)
                            b |= Block(1) << (q < v - 1 ? q : q - (v - 1));
                        zerlegung.push_back(b);
                    }
                    kleiner = &zerlegung;
                }
                if (ohne && kleiner)
                    pruefen(NeuerPunkt(*ohne, *kleiner, v), "C(v-1,k,t) + C(v-1,k-1,t-1)");
            }
            // With a margin, a derived design a little larger than the stored one is annealed
            // too: it may shrink below it.
            if (kandidat.empty() || kandidat.size() >= bisher * (1.0 + o.spielraum / 100.0))
                continue;
            std::printf("%d C(%d,%d,%d): %d -> %d from %s", i, v, k, t, bisher, int(kandidat.size()),
                        herkunft.c_str());
            Suchaufgabe a;
            a.v = v;
            a.k = k;
            a.t = t;
            a.tStart = o.tStart;
            a.tEnde = o.tEnde;
            Abdeckungssuche suche(a, ++saat);
            if (o.sekunden > 0 && int(kandidat.size()) > ziel) {
                kandidat = suche.verkleinern(kandidat, ziel, o.sekunden);
                std::printf(", annealed %d", int(kandidat.size()));
            }
            std::printf(" (target %d)\n", ziel);
            std::fflush(stdout);
            if (int(kandidat.size()) >= bisher)
                continue;
            if (z.festeTR > 0 && int(kandidat.size()) < z.festeTR)
                suche.auffuellen(kandidat, z.festeTR);
            std::fflush(stdout);
            const KatalogEintrag neu = ZuEintrag(i, kandidat);
            if (Uebernehmen(o.daten, i, neu)) {
                eintraege[i] = neu;
                merken(v, k, t, kandidat);
                weiter = true;
            }
        }
    }
    return 0;
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

int Pruefen(const Optionen &o)
{
    std::vector<KatalogEintrag> eintraege;
    if (!o.daten.empty()) {
        std::string fehler;
        if (!KatalogLesen(o.daten, eintraege, fehler)) {
            std::fprintf(stderr, "%s\n", fehler.c_str());
            return 1;
        }
    } else {
        for (int i = 0; i < KatalogGroesse; ++i) {
            KatalogEintrag e;
            e.vorhanden = true;
            e.sys = KatalogSystem(i);
            e.reihen.assign(KatalogReihen(i), KatalogReihen(i) + std::size_t(e.sys.TR) * e.sys.RG);
            eintraege.push_back(std::move(e));
        }
    }
    int geprueft = 0, amBesten = 0, ueberZiel = 0, festeVerfehlt = 0;
    long zeilen = 0;
    for (int i = 0; i < KatalogGroesse; ++i) {
        const auto &e = eintraege[i];
        if (!e.vorhanden) {
            std::printf("system %d: missing\n", i);
            continue;
        }
        zeilen += e.sys.TR;
        const Pruefergebnis p = KatalogeintragPruefen(i, e.sys, e.reihen.data());
        if (!p.ok) {
            std::printf("%s\n", p.fehler.c_str());
            continue;
        }
        ++geprueft;
        amBesten += p.amBesten;
        ueberZiel += p.ueberZiel;
        festeVerfehlt += p.festeVerfehlt;
        const KatalogZiel &z = KatalogZielFuer(i);
        // A fixed row count that is not met makes the descriptor differ from the catalogue
        // plan; it is named apart from the entries that merely miss the best known size.
        if (p.festeVerfehlt)
            std::printf("fixed row count not met: %d C(%d,%d,%d) rows=%d fixed=%d\n", i, z.wz, z.rg, z.ga,
                        int(e.sys.TR), z.festeTR);
        else if (p.ueberZiel)
            std::printf("above target: %d C(%d,%d,%d) rows=%d target=%d\n", i, z.wz, z.rg, z.ga, int(e.sys.TR),
                        z.bekannt);
    }
    if (zeilen != KatalogZeilenGeplant)
        std::printf("rows in all: %ld, planned %ld ('kbw-katalog ausgleichen' sets the free counts)\n", zeilen,
                    KatalogZeilenGeplant);
    std::printf("systems=%d verified=%d rows=%ld at_best_known=%d above_target=%d fixed_unmet=%d\n", KatalogGroesse,
                geprueft, zeilen, amBesten, ueberZiel, festeVerfehlt);
    return geprueft == KatalogGroesse ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: kbw-katalog erzeugen|pruefen|gruppe|verbessern|ableiten|ausgleichen|feld|teile [--daten FILE] [--sekunden S] [--threads N] "
            "[--von A] [--bis B] [--gruppe G] [--laeufe L] [--saat N] [--temperatur START,ENDE] [--spielraum P]\n");
        return 2;
    }
    Optionen o;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string n = argv[i];
        if (n == "--daten")
            o.daten = argv[i + 1];
        else if (n == "--sekunden")
            o.sekunden = std::atof(argv[i + 1]);
        else if (n == "--threads")
            o.threads = std::atoi(argv[i + 1]);
        else if (n == "--von")
            o.von = std::atoi(argv[i + 1]);
        else if (n == "--bis")
            o.bis = std::atoi(argv[i + 1]);
        else if (n == "--gruppe")
            o.gruppe = argv[i + 1];
        else if (n == "--spielraum")
            o.spielraum = std::atof(argv[i + 1]);
        else if (n == "--laeufe")
            o.laeufe = std::atoi(argv[i + 1]);
        else if (n == "--temperatur")
            std::sscanf(argv[i + 1], "%lf,%lf", &o.tStart, &o.tEnde);
        else if (n == "--saat")
            o.saat = std::strtoull(argv[i + 1], nullptr, 10);
        else {
            std::fprintf(stderr, "unknown option %s\n", n.c_str());
            return 2;
        }
    }
    o.von = std::clamp(o.von, 0, KatalogGroesse - 1);
    o.bis = std::clamp(o.bis, o.von, KatalogGroesse - 1);
    const std::string befehl = argv[1];
    if (befehl == "erzeugen")
        return Erzeugen(o);
    if (befehl == "pruefen")
        return Pruefen(o);
    if (befehl == "gruppe")
        return Gruppe(o);
    if (befehl == "verbessern")
        return Verbessern(o);
    if (befehl == "ableiten")
        return Ableiten(o);
    if (befehl == "teile")
        return DreiTeile(o);
    if (befehl == "feld")
        return Feld(o);
    if (befehl == "ausgleichen")
        return Ausgleichen(o);
    std::fprintf(stderr, "unknown command %s\n", befehl.c_str());
    return 2;
}
