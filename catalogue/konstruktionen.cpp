#include "konstruktionen.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>

std::vector<Block> SteinerS3622()
{
    // Generator polynomial of the binary Golay code of length 23.
    const std::uint32_t g = (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<Block> bloecke;
    for (std::uint32_t m = 0; m < (1u << 12); ++m) {
        std::uint32_t c = 0;
        for (int i = 0; i < 12; ++i)
            if (m >> i & 1u)
                c ^= g << i;
        if (__builtin_popcount(c) & 1)
            c |= 1u << 23; // parity extends the code to length 24
        if (__builtin_popcount(c) != 8)
            continue;
        // Octads through the points 22 and 23, without them, are the blocks of S(3,6,22).
        const std::uint32_t zwei = (1u << 22) | (1u << 23);
        if ((c & zwei) == zwei)
            bloecke.push_back(Block(c & ~zwei));
    }
    return bloecke;
}

std::vector<Block> OhneJeEinenPunkt(int v, int t)
{
    const Block alle = (Block(1) << v) - 1;
    std::vector<Block> bloecke;
    // Leaving out the last points keeps {1, ..., k} as the first row.
    for (int p = v - 1; p >= v - 1 - t; --p)
        bloecke.push_back(alle & ~(Block(1) << p));
    return bloecke;
}

std::vector<Block> GleichmaessigVerteilen(int v, int k, int tr, std::mt19937_64 &rng)
{
    std::vector<long> grad(v, 0);
    std::vector<long> paar(std::size_t(v) * v, 0);
    std::vector<Block> bloecke;
    for (int r = 0; r < tr; ++r) {
        Block bester = 0;
        long besterWert = std::numeric_limits<long>::max();
        for (int versuch = 0; versuch < 300; ++versuch) {
            // Least used points first, with a little noise so that the candidates differ.
            std::uniform_real_distribution<double> rauschen(0.0, 1.5);
            Block b = 0;
            while (__builtin_popcountll(b) < k) {
                int bester = -1;
                double kleinster = 0;
                for (int p = 0; p < v; ++p) {
                    if (b >> p & 1u)
                        continue;
                    const double w = double(grad[p]) + rauschen(rng);
                    if (bester < 0 || w < kleinster) {
                        kleinster = w;
                        bester = p;
                    }
                }
                b |= Block(1) << bester;
            }
            if (std::find(bloecke.begin(), bloecke.end(), b) != bloecke.end())
                continue;
            long wert = 0;
            for (Block x = b; x; x &= x - 1) {
                const int p = __builtin_ctzll(x);
                wert += grad[p] * grad[p] * 1000;
                for (Block y = x & (x - 1); y; y &= y - 1)
                    wert += 2 * paar[std::size_t(p) * v + __builtin_ctzll(y)] + 1;
            }
            if (wert < besterWert) {
                besterWert = wert;
                bester = b;
            }
        }
        if (!bester)
            break;
        bloecke.push_back(bester);
        for (Block x = bester; x; x &= x - 1) {
            const int p = __builtin_ctzll(x);
            ++grad[p];
            for (Block y = x & (x - 1); y; y &= y - 1)
                ++paar[std::size_t(p) * v + __builtin_ctzll(y)];
        }
    }
    return bloecke;
}

namespace {

// Point of the row b that is used least in grad and not yet in b (ties: lowest number).
int SeltensterFehlender(Block b, int v, const std::vector<int> &grad)
{
    int bester = -1;
    for (int q = 0; q < v; ++q)
        if (!(b >> q & 1u) && (bester < 0 || grad[q] < grad[bester]))
            bester = q;
    return bester;
}

std::vector<int> Grade(const std::vector<Block> &bloecke, int v)
{
    std::vector<int> grad(v, 0);
    for (Block b : bloecke)
        for (; b; b &= b - 1)
            ++grad[__builtin_ctzll(b)];
    return grad;
}

void DoppelteStreichen(std::vector<Block> &bloecke)
{
    std::vector<Block> gesehen;
    std::vector<Block> ergebnis;
    for (Block b : bloecke)
        if (std::find(gesehen.begin(), gesehen.end(), b) == gesehen.end()) {
            gesehen.push_back(b);
            ergebnis.push_back(b);
        }
    bloecke.swap(ergebnis);
}

} // namespace

std::vector<Block> PunktStreichen(const std::vector<Block> &bloecke, int v, int p)
{
    const Block unten = (Block(1) << p) - 1;
    std::vector<Block> neu;
    neu.reserve(bloecke.size());
    for (Block b : bloecke)
        neu.push_back((b & unten) | ((b >> 1) & ~unten));
    std::vector<int> grad = Grade(neu, v - 1);
    for (std::size_t i = 0; i < bloecke.size(); ++i) {
        if (!(bloecke[i] >> p & 1u))
            continue;
        const int q = SeltensterFehlender(neu[i], v - 1, grad);
        if (q < 0)
            continue;
        neu[i] |= Block(1) << q;
        ++grad[q];
    }
    DoppelteStreichen(neu);
    return neu;
}

std::vector<Block> ZeilenVerlaengern(const std::vector<Block> &bloecke, int v)
{
    std::vector<int> grad = Grade(bloecke, v);
    std::vector<Block> neu;
    neu.reserve(bloecke.size());
    for (Block b : bloecke) {
        const int q = SeltensterFehlender(b, v, grad);
        if (q < 0)
            return {};
        neu.push_back(b | Block(1) << q);
        ++grad[q];
    }
    DoppelteStreichen(neu);
    return neu;
}

std::vector<Block> NeuerPunkt(const std::vector<Block> &ohne, const std::vector<Block> &kleiner, int v)
{
    std::vector<Block> neu = ohne;
    for (Block b : kleiner)
        neu.push_back(b | Block(1) << (v - 1));
    DoppelteStreichen(neu);
    return neu;
}

std::vector<Block> GeradenPG3(int q)
{
    // Points: vectors of GF(q)^4 whose first non-zero coordinate is 1.
    std::vector<std::array<int, 4>> punkte;
    for (int a = 0; a < q * q * q * q; ++a) {
        std::array<int, 4> x{a % q, a / q % q, a / (q * q) % q, a / (q * q * q)};
        int erste = 0;
        while (erste < 4 && x[erste] == 0)
            ++erste;
        if (erste < 4 && x[erste] == 1)
            punkte.push_back(x);
    }
    const int n = int(punkte.size());
    auto nummer = [&](std::array<int, 4> x) {
        int erste = 0;
        while (x[erste] == 0)
            ++erste;
        int inv = 1;
        while (x[erste] * inv % q != 1)
            ++inv;
        for (int &c : x)
            c = c * inv % q;
        return int(std::find(punkte.begin(), punkte.end(), x) - punkte.begin());
    };
    std::vector<Block> geraden;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Block g = Block(1) << i | Block(1) << j;
            for (int s = 1; s < q; ++s) {
                std::array<int, 4> x;
                for (int c = 0; c < 4; ++c)
                    x[c] = (s * punkte[i][c] + punkte[j][c]) % q;
                g |= Block(1) << nummer(x);
            }
            if (std::find(geraden.begin(), geraden.end(), g) == geraden.end())
                geraden.push_back(g);
        }
    return geraden;
}

namespace {

struct Abelsch
{
    std::vector<int> moduli;
    int n = 1;

    std::vector<int> koordinaten(int x) const
    {
        std::vector<int> c;
        for (int m : moduli) {
            c.push_back(x % m);
            x /= m;
        }
        return c;
    }
    int nummer(const std::vector<int> &c) const
    {
        int x = 0;
        for (int i = int(moduli.size()) - 1; i >= 0; --i)
            x = x * moduli[i] + ((c[i] % moduli[i]) + moduli[i]) % moduli[i];
        return x;
    }
    int plus(int a, int b) const
    {
        auto ca = koordinaten(a), cb = koordinaten(b);
        for (std::size_t i = 0; i < ca.size(); ++i)
            ca[i] += cb[i];
        return nummer(ca);
    }
    int minus(int a, int b) const
    {
        auto ca = koordinaten(a), cb = koordinaten(b);
        for (std::size_t i = 0; i < ca.size(); ++i)
            ca[i] -= cb[i];
        return nummer(ca);
    }
};

} // namespace

std::vector<Block> DifferenzfamilieEntwickeln(const std::vector<int> &moduli, int k, const std::vector<int> &h,
                                              bool unendlich)
{
    Abelsch g;
    g.moduli = moduli;
    for (int m : moduli)
        g.n *= m;
    const int n = g.n;
    if (n + (unendlich ? 1 : 0) > 64 || k < 2)
        return {};
    std::vector<int> differenz(std::size_t(n) * n);
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            differenz[std::size_t(a) * n + b] = g.minus(a, b);
    // The subgroup H of the short orbit.
    std::vector<int> untergruppe{0};
    const int erzeuger = g.nummer(h);
    for (int x = erzeuger; x != 0; x = g.plus(x, erzeuger))
        untergruppe.push_back(x);
    const int hGroesse = int(untergruppe.size());
    if (hGroesse > 1 && hGroesse != (unendlich ? k - 1 : k))
        return {};
    if (unendlich && hGroesse == 1)
        return {};
    const int offen = n - hGroesse;
    if (offen % (k * (k - 1)) != 0)
        return {};
    const int basis = offen / (k * (k - 1));
    std::vector<char> benutzt(n, 0);
    for (int x : untergruppe)
        benutzt[x] = 1;
    std::vector<std::vector<int>> bloecke;
    std::vector<int> block{0};
    // Depth-first: complete the current base block in ascending order, then the next one.
    std::function<bool()> weiter = [&]() -> bool {
        if (int(block.size()) == k) {
            bloecke.push_back(block);
            if (int(bloecke.size()) == basis)
                return true;
            const std::vector<int> gemerkt = block;
            block = {0};
            if (weiter())
                return true;
            block = gemerkt;
            bloecke.pop_back();
            return false;
        }
        for (int x = block.back() + 1; x < n; ++x) {
            std::vector<int> neu;
            bool frei = true;
            for (int y : block) {
                for (int d : {differenz[std::size_t(x) * n + y], differenz[std::size_t(y) * n + x]}) {
                    if (benutzt[d] || std::find(neu.begin(), neu.end(), d) != neu.end()) {
                        frei = false;
                        break;
                    }
                    neu.push_back(d);
                }
                if (!frei)
                    break;
            }
            if (!frei)
                continue;
            for (int d : neu)
                benutzt[d] = 1;
            block.push_back(x);
            if (weiter())
                return true;
            block.pop_back();
            for (int d : neu)
                benutzt[d] = 0;
        }
        return false;
    };
    if (basis > 0 && !weiter())
        return {};
    std::vector<Block> ergebnis;
    for (const auto &b : bloecke)
        for (int s = 0; s < n; ++s) {
            Block r = 0;
            for (int x : b)
                r |= Block(1) << g.plus(x, s);
            ergebnis.push_back(r);
        }
    if (hGroesse > 1) {
        std::vector<char> erfasst(n, 0);
        for (int s = 0; s < n; ++s) {
            if (erfasst[s])
                continue;
            Block r = unendlich ? Block(1) << n : 0;
            for (int x : untergruppe) {
                const int p = g.plus(x, s);
                erfasst[p] = 1;
                r |= Block(1) << p;
            }
            ergebnis.push_back(r);
        }
    }
    return ergebnis;
}

namespace {

// Addition and multiplication tables of GF(q) for q = 2, 3, 4, 5, 7, 8, 9, 11, 13:
// elements 0..q-1 as coefficient vectors over GF(p) (lowest coefficient first).
bool KoerperTafeln(int q, std::vector<int> &plus, std::vector<int> &mal)
{
    int p = q, n = 1;
    std::vector<int> modul; // monic irreducible polynomial of degree n, low coefficients
    if (q == 4) {
        p = 2, n = 2, modul = {1, 1};
    } else if (q == 8) {
        p = 2, n = 3, modul = {1, 1, 0};
    } else if (q == 9) {
        p = 3, n = 2, modul = {1, 0};
    } else {
        for (int d = 2; d * d <= q; ++d)
            if (q % d == 0)
                return false;
        if (q < 2)
            return false;
        modul = {0}; // degree 1: products never reach x^1
    }
    auto ziffern = [&](int x) {
        std::vector<int> c(n);
        for (int i = 0; i < n; ++i, x /= p)
            c[i] = x % p;
        return c;
    };
    auto zahl = [&](const std::vector<int> &c) {
        int x = 0;
        for (int i = n - 1; i >= 0; --i)
            x = x * p + c[i];
        return x;
    };
    plus.assign(std::size_t(q) * q, 0);
    mal.assign(std::size_t(q) * q, 0);
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b) {
            auto ca = ziffern(a), cb = ziffern(b);
            std::vector<int> s(n);
            for (int i = 0; i < n; ++i)
                s[i] = (ca[i] + cb[i]) % p;
            plus[std::size_t(a) * q + b] = zahl(s);
            // Product of the polynomials, reduced by x^n = -modul.
            std::vector<int> prod(2 * n, 0);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    prod[i + j] = (prod[i + j] + ca[i] * cb[j]) % p;
            for (int grad = 2 * n - 1; grad >= n; --grad) {
                const int c = prod[grad];
                prod[grad] = 0;
                for (int i = 0; i < n; ++i)
                    prod[grad - n + i] = ((prod[grad - n + i] - c * modul[i]) % p + p) % p;
            }
            mal[std::size_t(a) * q + b] = zahl(std::vector<int>(prod.begin(), prod.begin() + n));
        }
    return true;
}

} // namespace

namespace {

// Rows of an orthogonal array OA(k, q) of strength 2: q^2 rows of k values in 0..q-1, any
// two columns taking every pair of values once. Over GF(q) column i < q holds a + b*i and
// column q holds b (k <= q + 1); for q = q1 * q2 the arrays of the factors combine value
// by value. Empty when neither applies.
std::vector<std::vector<int>> OrthogonalesFeld(int k, int q)
{
    std::vector<int> plus, mal;
    std::vector<std::vector<int>> zeilen;
    if (k <= q + 1 && KoerperTafeln(q, plus, mal)) {
        for (int a = 0; a < q; ++a)
            for (int b = 0; b < q; ++b) {
                std::vector<int> z(k);
                for (int i = 0; i < k; ++i)
                    z[i] = i < q ? plus[std::size_t(a) * q + mal[std::size_t(b) * q + i]] : b;
                zeilen.push_back(z);
            }
        return zeilen;
    }
    for (int q1 = 2; q1 * q1 <= q; ++q1) {
        if (q % q1 != 0)
            continue;
        const auto f1 = OrthogonalesFeld(k, q1), f2 = OrthogonalesFeld(k, q / q1);
        if (f1.empty() || f2.empty())
            continue;
        for (const auto &z1 : f1)
            for (const auto &z2 : f2) {
                std::vector<int> z(k);
                for (int i = 0; i < k; ++i)
                    z[i] = z1[i] + q1 * z2[i];
                zeilen.push_back(z);
            }
        return zeilen;
    }
    return {};
}

} // namespace

std::vector<Block> TransversalMitGruppen(int k, int q, int zusatz, const std::vector<Block> &gruppe)
{
    const int v = k * q + zusatz;
    if (v > 64)
        return {};
    const auto feld = OrthogonalesFeld(k, q);
    if (feld.empty())
        return {};
    std::vector<Block> bloecke;
    for (const auto &z : feld) {
        // Group i holds the value of column i.
        Block r = 0;
        for (int i = 0; i < k; ++i)
            r |= Block(1) << (i * q + z[i]);
        bloecke.push_back(r);
    }
    const int g = q + zusatz;
    for (int i = 0; i < k; ++i) {
        // Group point x is i*q + x; the extra points (x >= q), shared by all groups, come last.
        auto punkt = [&](int x) { return x < q ? i * q + x : k * q + x - q; };
        if (g <= k) {
            // One row holds the group, filled up from the next group.
            Block r = 0;
            for (int x = 0; x < g; ++x)
                r |= Block(1) << punkt(x);
            for (int x = 0; __builtin_popcountll(r) < k; ++x)
                r |= Block(1) << ((i + 1) % k * q + x);
            bloecke.push_back(r);
            continue;
        }
        for (Block b : gruppe) {
            Block r = 0;
            for (; b; b &= b - 1)
                r |= Block(1) << punkt(__builtin_ctzll(b));
            bloecke.push_back(r);
        }
    }
    std::sort(bloecke.begin(), bloecke.end());
    bloecke.erase(std::unique(bloecke.begin(), bloecke.end()), bloecke.end());
    return bloecke;
}

std::vector<Block> OrthogonalesFeldStaerke3(int k, int q)
{
    std::vector<int> plus, mal;
    if (k > q + 1 || k * q > 64 || !KoerperTafeln(q, plus, mal))
        return {};
    auto p = [&](int x, int y) { return plus[std::size_t(x) * q + y]; };
    auto m = [&](int x, int y) { return mal[std::size_t(x) * q + y]; };
    std::vector<Block> bloecke;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c) {
                Block r = 0;
                for (int i = 0; i < k; ++i) {
                    const int wert = i < q ? p(a, p(m(b, i), m(c, m(i, i)))) : c;
                    r |= Block(1) << (i * q + wert);
                }
                bloecke.push_back(r);
            }
    return bloecke;
}

std::vector<Block> QuadrupelsystemBinaer(int n)
{
    const int v = 1 << n;
    std::vector<Block> bloecke;
    for (int a = 0; a < v; ++a)
        for (int b = a + 1; b < v; ++b)
            for (int c = b + 1; c < v; ++c) {
                const int d = a ^ b ^ c;
                if (d > c)
                    bloecke.push_back(Block(1) << a | Block(1) << b | Block(1) << c | Block(1) << d);
            }
    return bloecke;
}

std::vector<Block> DreiAusVierInDreiTeilen(const std::vector<Block> &teil)
{
    std::vector<Block> bloecke;
    for (int i = 0; i < 3; ++i)
        for (Block b : teil) {
            Block r = 0;
            for (; b; b &= b - 1) {
                const int p = __builtin_ctzll(b);
                const int teilNr = p < 9 ? i : (i + 1) % 3;
                r |= Block(1) << (teilNr * 9 + p % 9);
            }
            bloecke.push_back(r);
        }
    return bloecke;
}

std::vector<Block> PunkteVervielfachen(const std::vector<Block> &bloecke, int m, int s)
{
    if (s * m > 64)
        return {};
    std::vector<Block> neu;
    for (Block b : bloecke) {
        Block r = 0;
        for (int j = 0; j < s; ++j)
            r |= b << (j * m);
        neu.push_back(r);
    }
    return neu;
}
