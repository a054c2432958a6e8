#include "katalogpruefung.h"

#include "katalogziele.h"
#include "routinen.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Marks every s-subset of every row, by its rank among the s-subsets of the v positions.
std::vector<bool> bedeckteMengen(int v, int rg, int tr, const std::uint8_t *reihen, int s)
{
    std::vector<bool> bedeckt(std::size_t(NueberK(v, s)), false);
    int idx[64], p[64];
    for (int r = 0; r < tr; ++r) {
        const std::uint8_t *zeile = reihen + std::size_t(r) * rg;
        KTeilmengeErste(idx, s);
        do {
            for (int i = 0; i < s; ++i)
                p[i] = zeile[idx[i]] - 1;
            bedeckt[std::size_t(KTeilmengeRang(p, v, s))] = true;
        } while (KTeilmengeNaechste(idx, rg, s) >= 0);
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
    // The families without guarantee still promise 2 hits once 3 (141..182) or 4 (122..140,
    // 183..219) drawn numbers lie in the pool.
    if (index >= 141 && index <= 182)
        return {3, 2, false};
    if (index >= 122 && index <= 219)
        return {4, 2, false};
    return {};
}

bool AbdeckungErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int t)
{
    if (t <= 0)
        return true;
    const auto bedeckt = bedeckteMengen(v, rg, tr, reihen, t);
    return std::all_of(bedeckt.begin(), bedeckt.end(), [](bool x) { return x; });
}

bool LottogarantieErfuellt(int v, int rg, int tr, const std::uint8_t *reihen, int m, int s)
{
    const auto bedeckt = bedeckteMengen(v, rg, tr, reihen, s);
    // All s-subsets of an m-set, as index tuples.
    std::vector<std::vector<int>> teil;
    {
        std::vector<int> idx(static_cast<std::size_t>(s));
        KTeilmengeErste(idx.data(), s);
        do
            teil.push_back(idx);
        while (KTeilmengeNaechste(idx.data(), m, s) >= 0);
    }
    std::vector<int> a(static_cast<std::size_t>(m));
    KTeilmengeErste(a.data(), m);
    int p[64];
    do {
        bool getroffen = false;
        for (const auto &t : teil) {
            for (int i = 0; i < s; ++i)
                p[i] = a[std::size_t(t[std::size_t(i)])];
            if (bedeckt[std::size_t(KTeilmengeRang(p, v, s))]) {
                getroffen = true;
                break;
            }
        }
        if (!getroffen)
            return false;
    } while (KTeilmengeNaechste(a.data(), v, m) >= 0);
    return true;
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
        e.festeVerfehlt = z.festeTR > 0 && sys.TR > z.festeTR;
    }
    e.ok = true;
    return e;
}
