// kbw-bench: the hit analysis engine against the literal method on three fixed workloads.
// Prints one line per workload and exits non-zero when the two disagree.
//
//   kbw-bench [W1|W2|W3 ...] [--laeufe N]
//
// The engine time is the best of N runs (default 7), all cores, with the occurrence
// categories where the workload asks for them; the literal method runs once.

#include "katalog.h"
#include "trefferanalyse.h"
#include "trefferreferenz.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct Arbeitslast
{
    const char *name;
    std::vector<Reihenmenge> reihen;
    int wz;
    int kmin;
    int kmax;
    Auftreten auftreten;
};

std::vector<Reihenmenge> KatalogZeilen(int index)
{
    return KatalogReihenmengen(index).value();
}

// rows distinct positions out of 1..wz per row, from a fixed seed (the same rows everywhere).
std::vector<Reihenmenge> ZufallsZeilen(int anzahl, int wz, int rg, std::uint32_t saat)
{
    std::mt19937 zufall(saat);
    std::vector<Reihenmenge> reihen(static_cast<std::size_t>(anzahl));
    for (auto &r : reihen) {
        std::vector<int> pool(static_cast<std::size_t>(wz));
        for (int i = 0; i < wz; ++i)
            pool[std::size_t(i)] = i + 1;
        for (int i = 0; i < rg; ++i) {
            const int j = i + int(zufall() % std::uint32_t(wz - i));
            std::swap(pool[std::size_t(i)], pool[std::size_t(j)]);
            r.hinzufuegen(pool[std::size_t(i)]);
        }
    }
    return reihen;
}

double Millisekunden(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

bool Vergleichen(const Arbeitslast &a, const Trefferergebnis &e, const std::vector<TrefferReferenzK> &ref)
{
    if (e.fehler != Trefferfehler::Keiner || e.abgebrochen || e.proK.size() != ref.size()) {
        std::fprintf(stderr, "%s: engine failed or gave a different k range\n", a.name);
        return false;
    }
    bool gleich = true;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        const TrefferProK &p = e.proK[i];
        const TrefferReferenzK &r = ref[i];
        if (p.bewertet != r.bewertet || p.verteilung != r.verteilung) {
            std::fprintf(stderr, "%s: k = %d: hit distribution differs\n", a.name, r.k);
            gleich = false;
        }
        if (a.auftreten == Auftreten::Nein)
            continue;
        if (p.auftreten != r.auftreten) {
            std::fprintf(stderr, "%s: k = %d: occurrence counts differ\n", a.name, r.k);
            gleich = false;
        }
        if (a.auftreten == Auftreten::Liste) {
            if (p.kategorien.size() != r.kategorien.size()) {
                std::fprintf(stderr, "%s: k = %d: category list has the wrong length\n", a.name, r.k);
                gleich = false;
                continue;
            }
            for (std::uint64_t rang = 0; rang < r.kategorien.size(); ++rang) {
                if (p.kategorien.kategorie(rang) != r.kategorien[rang]) {
                    std::fprintf(stderr, "%s: k = %d: category of rank %llu differs\n", a.name, r.k,
                                 static_cast<unsigned long long>(rang));
                    gleich = false;
                    break;
                }
            }
        }
    }
    return gleich;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<Arbeitslast> lasten;
    lasten.push_back({"W1", KatalogZeilen(391), 49, 6, 6, Auftreten::Liste});
    lasten.push_back({"W2", KatalogZeilen(182), 50, 2, 5, Auftreten::Liste});
    lasten.push_back({"W3", ZufallsZeilen(100, 24, 6, 20240612u), 24, 2, 20, Auftreten::Nein});

    int laeufe = 7;
    std::vector<std::string> gewaehlt;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--laeufe") == 0 && i + 1 < argc)
            laeufe = std::max(1, std::atoi(argv[++i]));
        else
            gewaehlt.emplace_back(argv[i]);
    }

    bool ok = true;
    for (const Arbeitslast &a : lasten) {
        if (!gewaehlt.empty() && std::find(gewaehlt.begin(), gewaehlt.end(), a.name) == gewaehlt.end())
            continue;
        Trefferauftrag auftrag;
        auftrag.reihen = a.reihen;
        auftrag.wz = a.wz;
        auftrag.kmin = a.kmin;
        auftrag.kmax = a.kmax;
        auftrag.auftreten = a.auftreten;
        auftrag.threads = 0;
        const std::atomic_bool abbruch{false};

        double besteZeit = 1e300;
        Trefferergebnis ergebnis;
        for (int l = 0; l < laeufe; ++l) {
            const auto t0 = std::chrono::steady_clock::now();
            Trefferergebnis e = TrefferanalyseAusfuehren(auftrag, abbruch);
            const double ms = Millisekunden(std::chrono::steady_clock::now() - t0);
            if (ms < besteZeit)
                besteZeit = ms;
            ergebnis = std::move(e);
        }

        const auto t0 = std::chrono::steady_clock::now();
        const auto referenz = TrefferReferenz(a.reihen, a.wz, a.kmin, a.kmax, a.auftreten == Auftreten::Liste);
        const double referenzZeit = Millisekunden(std::chrono::steady_clock::now() - t0);

        std::uint64_t kombinationen = 0;
        for (const auto &r : referenz)
            kombinationen += r.bewertet;
        if (!Vergleichen(a, ergebnis, referenz))
            ok = false;
        std::printf("%s combos=%llu reference_ms=%.1f engine_ms=%.2f ratio=%.0f\n", a.name,
                    static_cast<unsigned long long>(kombinationen), referenzZeit, besteZeit, referenzZeit / besteZeit);
        std::fflush(stdout);
    }
    return ok ? 0 : 1;
}
