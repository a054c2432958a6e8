// kbw-katalog gruppe, verbessern, feld and teile: searches that start from a group, the
// stored design, an orthogonal array or Turán's pattern.
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
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace katalogwerkzeug {

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
        const int bisher = GespeicherteZeilen(o.daten, i);
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

// The group screen: every entry from --von to --bis still above its target goes through
// each group of SiebGruppen, one short run each. Any run may be stopped; what it found is
// already in the file, so a new screen just starts where the last one ended.
int Sieb(const Optionen &o)
{
    if (o.daten.empty()) {
        std::fprintf(stderr, "sieb needs --daten\n");
        return 2;
    }
    for (int i = o.von; i <= o.bis; ++i) {
        const KatalogZiel &z = KatalogZielFuer(i);
        if (!SchlichteUeberdeckung(i))
            continue;
        const int ziel = z.festeTR ? z.festeTR : z.bekannt;
        for (const std::string &g : SiebGruppen(z.wz, ziel)) {
            const int bisher = GespeicherteZeilen(o.daten, i);
            if (bisher > 0 && bisher <= ziel)
                break;
            Optionen einzeln = o;
            einzeln.von = i;
            einzeln.gruppe = g;
            einzeln.laeufe = 1;
            Gruppe(einzeln);
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
        std::vector<Block> bloecke = AlsBloecke(e);
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
        const int bisher = GespeicherteZeilen(o.daten, i);
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
        const int bisher = GespeicherteZeilen(o.daten, i);
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

} // namespace katalogwerkzeug
