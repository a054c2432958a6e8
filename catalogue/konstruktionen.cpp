#include "konstruktionen.h"

#include <algorithm>
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
