#pragma once

#include <atomic>
#include <cstdint>
#include <random>
#include <vector>

// Search for covering and lottery designs on at most 64 points. A row (block) is a bit
// mask of its points 0..v-1.
using Block = std::uint64_t;

// Binomial coefficients up to 64 over 64.
struct Binomialtafel
{
    std::uint64_t c[65][65] = {};
    constexpr Binomialtafel()
    {
        for (int n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= n; ++k)
                c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
    }
};
inline constexpr Binomialtafel binomialtafel{};

// Rank of a mask among the masks with as many bits in colexicographic order (the order in
// which Gosper's hack steps through them): the sum of C(p_i, i) over its points
// p_1 < p_2 < ..., a bijection onto 0..C(v,r)-1 for the r-subsets of 0..v-1.
inline std::uint64_t ColexRang(Block b)
{
    std::uint64_t r = 0;
    for (int i = 1; b; b &= b - 1, ++i)
        r += binomialtafel.c[__builtin_ctzll(b)][i];
    return r;
}

struct Suchaufgabe
{
    int v = 0;
    int k = 0;
    int t = 0; // every t-set lies in at least lambda rows (0: no such requirement)
    int lambda = 1;
    int m = 0; // every m-set contains an s-set that lies in a row (0: none)
    int s = 0;
    // Temperature band of the annealing: it cools from tStart to tEnde, then starts over.
    double tStart = 0.25;
    double tEnde = 0.15;
    // Rows that are part of every solution: they count towards the requirements, but the
    // search neither moves nor returns them.
    std::vector<Block> fest{};
};

// Simulated annealing on a fixed number of rows in the style of Nurmela and Oestergard:
// the cost is the number of unmet requirements, a move swaps one point of a row so that
// a randomly chosen unmet requirement gets met.
class Abdeckungssuche
{
public:
    Abdeckungssuche(const Suchaufgabe &aufgabe, std::uint64_t saat);

    // Anneals the given rows (their number stays fixed) until no requirement is unmet,
    // the time runs out or stop is set. Returns true on success; on failure the rows
    // with the lowest cost seen are left in bloecke.
    bool loese(std::vector<Block> &bloecke, double sekunden, const std::atomic_bool *stop = nullptr);

    // Adds rows greedily until every requirement of the t-part is met.
    std::vector<Block> gierig();

    // Lowers the number of rows one by one, annealing after each removal, until ziel is
    // reached or the time is up. Returns the smallest solution found (start if none).
    std::vector<Block> verkleinern(std::vector<Block> start, int ziel, double sekunden,
                                   const std::atomic_bool *stop = nullptr);

    // Adds distinct rows until there are ziel rows, preferring rows over rarely covered t-sets.
    void auffuellen(std::vector<Block> &bloecke, int ziel);

    long kosten() const { return long(m_offenA.size() + m_offenB.size()); }

private:
    struct Liste
    {
        std::vector<int> eintraege;
        std::vector<int> stelle; // -1: not listed
        void init(std::size_t n)
        {
            eintraege.clear();
            stelle.assign(n, -1);
        }
        void rein(int r)
        {
            if (stelle[r] >= 0)
                return;
            stelle[r] = int(eintraege.size());
            eintraege.push_back(r);
        }
        void raus(int r)
        {
            int p = stelle[r];
            if (p < 0)
                return;
            int last = eintraege.back();
            eintraege[p] = last;
            stelle[last] = p;
            eintraege.pop_back();
            stelle[r] = -1;
        }
        std::size_t size() const { return eintraege.size(); }
    };

    int rang(Block b) const;
    void zustandAufbauen(const std::vector<Block> &bloecke);
    void blockHinzu(Block b);
    void blockWeg(Block b);
    void tauschen(int i, int raus, int rein);
    void zaehlerAendern(int ordnung, Block menge, int delta);
    Block zufaelligeTeilmenge(Block menge, int anzahl);
    int zufallsBit(Block menge);
    bool zugWaehlen(int &blockIndex, int &raus, int &rein);

    Suchaufgabe m_a;
    std::mt19937_64 m_rng;
    std::vector<Block> m_bloecke;
    std::vector<std::uint16_t> m_zaehlerT; // rows containing each t-set
    std::vector<std::uint16_t> m_zaehlerS; // rows containing each s-set (when s != t)
    std::vector<std::uint16_t> m_mZaehler; // covered s-sets inside each m-set
    std::vector<Block> m_tMengen;
    std::vector<Block> m_mMengen;
    Liste m_offenA;
    Liste m_offenB;
};
