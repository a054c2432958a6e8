#include "katalogpruefung.h"

#include "katalogziele.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

std::uint64_t binom(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * std::uint64_t(n - k + i) / std::uint64_t(i);
    return r;
}

// Colex rank of the ascending 0-based points p[0..r).
std::uint64_t rang(const int *p, int r, const std::vector<std::vector<std::uint64_t>> &b)
{
    std::uint64_t x = 0;
    for (int i = 0; i < r; ++i)
        x += b[p[i]][i + 1];
    return x;
}

std::vector<std::vector<std::uint64_t>> binomTabelle(int n, int k)
{
    std::vector<std::vector<std::uint64_t>> b(n + 1, std::vector<std::uint64_t>(k + 2, 0));
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= k + 1; ++j)
            b[i][j] = binom(i, j);
    return b;
}

// Marks every s-subset of every row.
std::vector<bool> bedeckteMengen(int v, int rg, int tr, const std::uint8_t *reihen, int s,
                                 const std::vector<std::vector<std::uint64_t>> &b)
{
    std::vector<bool> bedeckt(binom(v, s), false);
    int idx[64], p[64];
    for (int r = 0; r < tr; ++r) {
        const std::uint8_t *zeile = reihen + std::size_t(r) * rg;
        for (int i = 0; i < s; ++i)
            idx[i] = i;
        for (;;) {
            for (int i = 0; i < s; ++i)
                p[i] = zeile[idx[i]] - 1;
            bedeckt[rang(p, s, b)] = true;
            int i = s - 1;
            while (i >= 0 && idx[i] == rg - s + i)
                --i;
            if (i < 0)
                break;
            ++idx[i];
            for (int j = i + 1; j < s; ++j)
                idx[j] = idx[j - 1] + 1;
        }
    }
    return bedeckt;
}

} // namespace

Lottogarantie LottogarantieFuer(int index)
{
    // 3 hits whenever all six drawn numbers lie in the pool of 49.
    if (index == 391)
        return {6, 3, true};
    // 2 hits whenever 5 drawn numbers lie in the pool of 49.
    if (index == 648)
        return {5, 2, false};
    return {};
}

bool AbdeckungErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int t)
{
    if (t <= 0)
        return true;
    const auto b = binomTabelle(v, t);
    const auto bedeckt = bedeckteMengen(v, rg, tr, reihen, t, b);
    return std::all_of(bedeckt.begin(), bedeckt.end(), [](bool x) { return x; });
}

bool LottogarantieErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int m, int s)
{
    const auto b = binomTabelle(v, m);
    const auto bedeckt = bedeckteMengen(v, rg, tr, reihen, s, b);
    // All s-subsets of an m-set, as index tuples.
    std::vector<std::vector<int>> teil;
    {
        std::vector<int> idx(s);
        for (int i = 0; i < s; ++i)
            idx[i] = i;
        for (;;) {
            teil.push_back(idx);
            int i = s - 1;
            while (i >= 0 && idx[i] == m - s + i)
                --i;
            if (i < 0)
                break;
            ++idx[i];
            for (int j = i + 1; j < s; ++j)
                idx[j] = idx[j - 1] + 1;
        }
    }
    std::vector<int> a(m);
    for (int i = 0; i < m; ++i)
        a[i] = i;
    int p[64];
    for (;;) {
        bool getroffen = false;
        for (const auto &t : teil) {
            for (int i = 0; i < s; ++i)
                p[i] = a[t[i]];
            if (bedeckt[rang(p, s, b)]) {
                getroffen = true;
                break;
            }
        }
        if (!getroffen)
            return false;
        int i = m - 1;
        while (i >= 0 && a[i] == v - m + i)
            --i;
        if (i < 0)
            return true;
        ++a[i];
        for (int j = i + 1; j < m; ++j)
            a[j] = a[j - 1] + 1;
    }
}

Pruefergebnis KatalogeintragPruefen(int index, const TSysteme &sys, const std::uint8_t *reihen)
{
    Pruefergebnis e;
    const KatalogZiel &z = KatalogZielFuer(index);
    auto fehl = [&](const std::string &was) {
        e.fehler = "system " + std::to_string(index) + ": " + was;
        return e;
    };
    if (sys.RG != z.rg || sys.WZ != z.wz || sys.GA != z.ga)
        return fehl("descriptor differs from the catalogue plan");
    if (sys.TR < 1)
        return fehl("no rows");
    e.garantiert = sys.GA > 0;
    if (z.festeTR > 0 && (e.garantiert ? sys.TR < z.festeTR : sys.TR != z.festeTR))
        return fehl("row count " + std::to_string(sys.TR) + " instead of " + std::to_string(z.festeTR));
    std::set<std::vector<std::uint8_t>> gesehen;
    std::vector<bool> benutzt(sys.WZ + 1, false);
    for (int r = 0; r < sys.TR; ++r) {
        std::vector<std::uint8_t> zeile(reihen + std::size_t(r) * sys.RG, reihen + std::size_t(r + 1) * sys.RG);
        for (int p = 0; p < sys.RG; ++p) {
            if (zeile[p] < 1 || zeile[p] > sys.WZ)
                return fehl("row " + std::to_string(r + 1) + ": position out of range");
            if (p > 0 && zeile[p] <= zeile[p - 1])
                return fehl("row " + std::to_string(r + 1) + ": positions not ascending and distinct");
            benutzt[zeile[p]] = true;
        }
        if (!gesehen.insert(zeile).second)
            return fehl("row " + std::to_string(r + 1) + " repeats an earlier row");
    }
    if (std::count(benutzt.begin() + 1, benutzt.end(), false) > 0)
        return fehl("a pool position is in no row");
    const Lottogarantie lotto = LottogarantieFuer(index);
    if (lotto.m > 0 && !LottogarantieErfuellt(sys.WZ, sys.RG, sys.TR, reihen, lotto.m, lotto.s))
        return fehl("lottery guarantee not met");
    if (!lotto.stattAbdeckung && !AbdeckungErfuellt(sys.WZ, sys.RG, sys.TR, reihen, sys.GA))
        return fehl("some " + std::to_string(sys.GA) + "-set of positions lies in no row");
    if (e.garantiert) {
        const int ziel = z.festeTR > 0 ? z.festeTR : z.bekannt;
        e.amBesten = z.bekannt > 0 && sys.TR <= z.bekannt;
        e.ueberZiel = sys.TR > ziel;
    }
    e.ok = true;
    return e;
}
