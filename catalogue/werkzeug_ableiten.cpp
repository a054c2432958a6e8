// kbw-katalog ableiten: designs derived from the other entries and from constructions.
#include "abdeckungssuche.h"
#include "gruppensuche.h"
#include "katalog.h"
#include "katalogdatei.h"
#include "katalogpruefung.h"
#include "katalogschreiben.h"
#include "katalogziele.h"
#include "konstruktionen.h"
#include "werkzeug.h"

#include <cstdio>
#include <map>
#include <string>

namespace katalogwerkzeug {

// Derives designs from the other stored entries and from constructions: points deleted
// from C(v+d,k,t), C(v,k,t+1) pruned, the rows through one point of C(v+1,k+1,t+1)
// without it, rows lengthened from C(v,k-1,t), C(v-1,k,t) joined with C(v-1,k-1,t-1)
// plus a new point, every point of C(v/s,k/s,t) taken s times, transversal designs with
// their groups covered, Steiner systems, projective spaces and difference families; then
// redundant rows are dropped and the rows annealed towards the target. Repeats until
// nothing improves, since an improvement may make others possible.
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
            // Deletes points of a design on w points down to v, one at a time, each time the
            // point that leaves the fewest rows.
            auto streichenBis = [&](std::vector<Block> b, int w) {
                for (; w > v; --w) {
                    std::vector<Block> bester;
                    for (int p = 0; p < w; ++p) {
                        std::vector<Block> c = RedundanteStreichen(w - 1, t, PunktStreichen(b, w, p), 3, ++saat);
                        if (bester.empty() || c.size() < bester.size())
                            bester = c;
                    }
                    b = bester;
                }
                return b;
            };
            // Deleting d points.
            for (int d = 1; d <= 5; ++d) {
                const auto *gross = gespeichert(v + d, k, t);
                if (!gross)
                    continue;
                pruefen(streichenBis(*gross, v + d),
                        "C(" + std::to_string(v + d) + "," + std::to_string(k) + "," + std::to_string(t) + ") less "
                            + std::to_string(d) + " point(s)");
            }
            // The rows through one point of C(v+1,k+1,t+1), without that point.
            if (const auto *gross = gespeichert(v + 1, k + 1, t + 1)) {
                for (int p = 0; p <= v; ++p) {
                    std::vector<Block> b;
                    const Block unten = (Block(1) << p) - 1;
                    for (Block r : *gross)
                        if (r >> p & 1u)
                            b.push_back((r & unten) | ((r >> 1) & ~unten));
                    pruefen(b,
                            "C(" + std::to_string(v + 1) + "," + std::to_string(k + 1) + "," + std::to_string(t + 1)
                                + ") derived at a point");
                }
            }
            if (t == 2)
                for (int q = 2; q <= 32; ++q)
                    for (int e = 0; e <= 6; ++e) {
                        if (k * q + e != v)
                            continue;
                        const auto *gruppe = gespeichert(q + e, k, 2);
                        if (q + e > k && !gruppe)
                            continue;
                        pruefen(TransversalMitGruppen(k, q, e, gruppe ? *gruppe : std::vector<Block>{}),
                                "TD(" + std::to_string(k) + "," + std::to_string(q) + ") with its groups and "
                                    + std::to_string(e) + " extra points covered");
                    }
            // Points taken s times over: C(sm, sk', t) <= C(m, k', t) for t <= k', then points
            // deleted down to v.
            for (int f = 2; f <= 3; ++f) {
                const int m = (v + f - 1) / f;
                const auto *klein = k % f == 0 && t <= k / f ? gespeichert(m, k / f, t) : nullptr;
                if (klein)
                    pruefen(streichenBis(PunkteVervielfachen(*klein, m, f), f * m),
                            "C(" + std::to_string(m) + "," + std::to_string(k / f) + "," + std::to_string(t)
                                + ") with every point taken " + std::to_string(f) + " times");
            }
            // A (t+1)-covering covers every t-set too; pruning may leave fewer rows.
            if (const auto *b = gespeichert(v, k, t + 1))
                pruefen(*b, "C(" + std::to_string(v) + "," + std::to_string(k) + "," + std::to_string(t + 1) + ")");
            if (const auto *b = gespeichert(v, k - 1, t))
                pruefen(ZeilenVerlaengern(*b, v),
                        "C(" + std::to_string(v) + "," + std::to_string(k - 1) + "," + std::to_string(t)
                            + ") with longer rows");
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
            std::printf("%d C(%d,%d,%d): %d -> %d from %s", i, v, k, t, bisher, int(kandidat.size()), herkunft.c_str());
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

} // namespace katalogwerkzeug
