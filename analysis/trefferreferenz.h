#pragma once

// The hit analysis done literally, for tests and the benchmark only: every k-subset of the
// positions 1..wz in lexicographic order, against every row, with a 256-bit intersection, a
// bit count and a comparison. Slow and obviously right.

#include "systeme.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

struct TrefferReferenzK
{
    int k = 0;
    std::uint64_t bewertet = 0;
    std::array<std::uint64_t, 21> verteilung{}; // [best hit count]
    std::array<std::uint64_t, 4> auftreten{}; // [min(rows containing it, 3)]
    std::vector<std::uint8_t> kategorien; // per combination in order, when asked
};

// Evaluates k = kmin..kmax; stops after `hoechstens` combinations in all, like a loop whose
// stop flag is seen before the next combination.
inline std::vector<TrefferReferenzK>
TrefferReferenz(const std::vector<Reihenmenge> &reihen, int wz, int kmin, int kmax, bool kategorienListe,
                std::uint64_t hoechstens = std::numeric_limits<std::uint64_t>::max())
{
    std::vector<TrefferReferenzK> ergebnis;
    std::uint64_t bisher = 0;
    for (int k = kmin; k <= kmax; ++k) {
        TrefferReferenzK e;
        e.k = k;
        if (k <= wz) {
            std::vector<int> a(static_cast<std::size_t>(k));
            for (int i = 0; i < k; ++i)
                a[std::size_t(i)] = i + 1;
            for (;;) {
                if (bisher == hoechstens)
                    break;
                Reihenmenge c;
                for (int p : a)
                    c.hinzufuegen(p);
                int best = 0, occ = 0;
                for (const Reihenmenge &r : reihen) {
                    Reihenmenge x;
                    for (int w = 0; w < 4; ++w)
                        x.w[std::size_t(w)] = r.w[std::size_t(w)] & c.w[std::size_t(w)];
                    const int h = x.anzahl();
                    if (h > best)
                        best = h;
                    if (x == c)
                        ++occ;
                }
                ++e.verteilung[std::size_t(best)];
                ++e.auftreten[std::size_t(std::min(occ, 3))];
                if (kategorienListe)
                    e.kategorien.push_back(std::uint8_t(std::min(occ, 3)));
                ++e.bewertet;
                ++bisher;
                // Next tuple: the rightmost place that can still rise.
                int i = k - 1;
                while (i >= 0 && a[std::size_t(i)] == wz - k + i + 1)
                    --i;
                if (i < 0)
                    break;
                ++a[std::size_t(i)];
                for (int j = i + 1; j < k; ++j)
                    a[std::size_t(j)] = a[std::size_t(j - 1)] + 1;
            }
        }
        ergebnis.push_back(std::move(e));
    }
    return ergebnis;
}
