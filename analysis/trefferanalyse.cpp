#include "trefferanalyse.h"

#include "katalog.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <unistd.h>

// Hot helpers are always inlined, so that they take on the instruction set of the search
// they are inlined into.
#define KBW_INLINE [[gnu::always_inline]] inline

// How the analysis saves work (one k at a time):
// - Depth first over the prefixes of the combinations. For a prefix P the rows are kept as
//   bit sets over the row index, one per level v: the rows sharing at least v positions with P.
//   Adding a position y to P updates the levels with the bit set of the rows containing y.
// - Only the rows that can still lift the best count M of P somewhere below it are kept: a
//   row of level v needs M + 1 - v more positions, among those after the last one of P and
//   among the k - |P| still to come. When no row is left, every combination below has best
//   count M and lies in no row, and the subtree is counted in one step; with one row left,
//   its counts follow from binomial coefficients.
// - A prefix Q of k - 2 positions resolves its whole subtree at once. A child Q + y reaches
//   M + 1 exactly when some row of level M contains y, and then its leaves Q + y + x reach
//   M + 2 exactly for the x in such a row; otherwise the leaves reach M + 1 for the x in a
//   row of level M or in a row of level M - 1 containing y. One pass over the rows of the two
//   top levels gathers, per y, the union of those rows, so every child costs a few word
//   operations and its leaves one bit count.
// - Occurrence: only a prefix contained in some row (M == |Q|) can have leaves in a row; the
//   rows of that level, counted per y and x with saturating bit-sliced counters, give the
//   category of each leaf.
// - The rank space of a k is cut into pieces at the first positions, balanced by size and
//   handed out in order to the threads; each piece writes its own rank range of the category
//   bits and its own counters, summed at the end.
// - The search runs in one function without recursion, compiled twice: with the bit count
//   instruction where the processor has it, and without.
// - A histogram over many k of a small pool is counted instead on the lattice of all subsets
//   (GitterVersuchen), which costs a few word operations per subset for all k together.

// ---------------------------------------------------------------------------------------
// Ranks

namespace {

struct Binomtabelle
{
    std::uint64_t c[TrefferMaxWZ + 1][TrefferMaxK + 1] = {};

    constexpr Binomtabelle()
    {
        constexpr std::uint64_t Max = std::numeric_limits<std::uint64_t>::max();
        for (int n = 0; n <= TrefferMaxWZ; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= TrefferMaxK; ++k) {
                if (n == 0)
                    continue;
                const std::uint64_t a = c[n - 1][k - 1], b = c[n - 1][k];
                c[n][k] = (a == Max || b == Max || a > Max - b) ? Max : a + b;
            }
        }
    }
};

constexpr Binomtabelle Binome{};

KBW_INLINE std::uint64_t C(int n, int k)
{
    if (n < 0 || k < 0 || k > n)
        return 0;
    return Binome.c[n][k];
}

} // namespace

std::uint64_t TrefferBinom(int n, int k)
{
    if (n > TrefferMaxWZ || k > TrefferMaxK)
        return std::numeric_limits<std::uint64_t>::max();
    return C(n, k);
}

std::uint64_t KombinationRang(int n, std::span<const int> positionen)
{
    const int k = int(positionen.size());
    // Combinations before this one: for each place, those with a smaller value there and
    // the same values before it.
    std::uint64_t rang = 0;
    int vorher = 0;
    for (int i = 0; i < k; ++i) {
        for (int v = vorher + 1; v < positionen[std::size_t(i)]; ++v)
            rang += C(n - v, k - 1 - i);
        vorher = positionen[std::size_t(i)];
    }
    return rang;
}

void KombinationAusRang(int n, std::uint64_t rang, std::span<int> positionen)
{
    const int k = int(positionen.size());
    int v = 1;
    for (int i = 0; i < k; ++i) {
        for (;;) {
            const std::uint64_t mit = C(n - v, k - 1 - i); // combinations with value v here
            if (rang < mit)
                break;
            rang -= mit;
            ++v;
        }
        positionen[std::size_t(i)] = v;
        ++v;
    }
}

bool KombinationWeiter(int n, std::span<int> positionen)
{
    const int k = int(positionen.size());
    int i = k - 1;
    while (i >= 0 && positionen[std::size_t(i)] == n - k + i + 1)
        --i;
    if (i < 0)
        return false;
    ++positionen[std::size_t(i)];
    for (int j = i + 1; j < k; ++j)
        positionen[std::size_t(j)] = positionen[std::size_t(j - 1)] + 1;
    return true;
}

// ---------------------------------------------------------------------------------------
// Category list

std::uint64_t Kategorienliste::kategorieWort(int kategorie, std::size_t w) const
{
    const std::uint64_t lo = m_bits[2 * w], hi = m_bits[2 * w + 1];
    std::uint64_t x = 0;
    switch (kategorie) {
    case 0:
        x = ~lo & ~hi;
        break;
    case 1:
        x = lo & ~hi;
        break;
    case 2:
        x = ~lo & hi;
        break;
    default:
        x = lo & hi;
        break;
    }
    if (w + 1 == m_woerter && (m_anzahl & 63) != 0)
        x &= (std::uint64_t(1) << (m_anzahl & 63)) - 1;
    return x;
}

int Kategorienliste::kategorie(std::uint64_t rang) const
{
    const std::size_t w = std::size_t(rang >> 6);
    const int b = int(rang & 63);
    return int((m_bits[2 * w] >> b) & 1) | int(((m_bits[2 * w + 1] >> b) & 1) << 1);
}

void Kategorienliste::verzeichnen()
{
    const std::size_t bloecke = (m_woerter + BlockWoerter - 1) / BlockWoerter;
    m_vorher.assign(bloecke, {});
    std::array<std::uint64_t, AuftretenKategorien> summe{};
    for (std::size_t b = 0; b < bloecke; ++b) {
        m_vorher[b] = summe;
        const std::size_t ende = std::min(m_woerter, (b + 1) * BlockWoerter);
        // Bits past the last rank are never set, and most words are empty.
        for (std::size_t w = b * BlockWoerter; w < ende; ++w) {
            const std::uint64_t lo = m_bits[2 * w], hi = m_bits[2 * w + 1];
            if ((lo | hi) == 0)
                continue;
            summe[1] += std::uint64_t(std::popcount(lo & ~hi));
            summe[2] += std::uint64_t(std::popcount(~lo & hi));
            summe[3] += std::uint64_t(std::popcount(lo & hi));
        }
    }
    summe[0] = m_anzahl - summe[1] - summe[2] - summe[3];
    m_summe = summe;
    for (std::size_t b = 0; b < bloecke; ++b)
        m_vorher[b][0] = std::uint64_t(b) * BlockWoerter * 64 - m_vorher[b][1] - m_vorher[b][2] - m_vorher[b][3];
}

std::uint64_t Kategorienliste::rangDesEintrags(int kategorie, std::uint64_t i) const
{
    if (kategorie < 0 || kategorie >= AuftretenKategorien || i >= m_summe[std::size_t(kategorie)])
        return m_anzahl;
    // The last block with fewer entries before it than i + 1, then word by word.
    const auto c = std::size_t(kategorie);
    std::size_t lo = 0, hi = m_vorher.size();
    while (hi - lo > 1) {
        const std::size_t mitte = (lo + hi) / 2;
        if (m_vorher[mitte][c] <= i)
            lo = mitte;
        else
            hi = mitte;
    }
    std::uint64_t rest = i - m_vorher[lo][c];
    for (std::size_t w = lo * BlockWoerter; w < m_woerter; ++w) {
        std::uint64_t x = kategorieWort(kategorie, w);
        const auto anz = std::uint64_t(std::popcount(x));
        if (rest < anz) {
            for (; rest > 0; --rest)
                x &= x - 1;
            return std::uint64_t(w) * 64 + std::uint64_t(std::countr_zero(x));
        }
        rest -= anz;
    }
    return m_anzahl;
}

std::uint64_t Kategorienliste::naechsterRang(int kategorie, std::uint64_t abRang) const
{
    if (kategorie < 0 || kategorie >= AuftretenKategorien || abRang >= m_anzahl)
        return m_anzahl;
    std::size_t w = std::size_t(abRang >> 6);
    std::uint64_t x = kategorieWort(kategorie, w) & (~std::uint64_t(0) << (abRang & 63));
    for (;;) {
        if (x != 0)
            return std::uint64_t(w) * 64 + std::uint64_t(std::countr_zero(x));
        if (++w >= m_woerter)
            return m_anzahl;
        x = kategorieWort(kategorie, w);
    }
}

// Creates the list of a run and writes into it. Pieces of the rank space run on different
// threads: a word wholly inside a piece's range is written plainly, a word it shares with a
// neighbour atomically.
class TrefferKategorienSchreiber
{
public:
    static bool anlegen(Kategorienliste &liste, int n, int k)
    {
        liste = Kategorienliste();
        liste.m_n = n;
        liste.m_k = k;
        liste.m_anzahl = C(n, k);
        liste.m_woerter = std::size_t((liste.m_anzahl + 63) / 64);
        if (liste.m_woerter > std::numeric_limits<std::size_t>::max() / 16)
            return false;
        // calloc: the zero pages cost nothing until written, and most categories are 0.
        auto *p = static_cast<std::uint64_t *>(std::calloc(std::max<std::size_t>(2 * liste.m_woerter, 1), 8));
        if (!p)
            return false;
        liste.m_bits = std::shared_ptr<std::uint64_t[]>(p, [](std::uint64_t *q) { std::free(q); });
        return true;
    }
    static void abschliessen(Kategorienliste &liste) { liste.verzeichnen(); }
    static std::uint64_t *bits(Kategorienliste &liste) { return liste.m_bits.get(); }
};

// ---------------------------------------------------------------------------------------
// The engine

namespace {

// A set of pool positions 0..64W-1 (position p of the pool is bit p - 1).
template<int W>
struct Maske
{
    std::uint64_t w[W];
};

template<int W>
KBW_INLINE Maske<W> Null()
{
    Maske<W> m;
    for (int i = 0; i < W; ++i)
        m.w[i] = 0;
    return m;
}

template<int W>
KBW_INLINE Maske<W> operator&(const Maske<W> &a, const Maske<W> &b)
{
    Maske<W> m;
    for (int i = 0; i < W; ++i)
        m.w[i] = a.w[i] & b.w[i];
    return m;
}

template<int W>
KBW_INLINE Maske<W> operator|(const Maske<W> &a, const Maske<W> &b)
{
    Maske<W> m;
    for (int i = 0; i < W; ++i)
        m.w[i] = a.w[i] | b.w[i];
    return m;
}

template<int W>
KBW_INLINE Maske<W> OhneBits(const Maske<W> &a, const Maske<W> &b)
{
    Maske<W> m;
    for (int i = 0; i < W; ++i)
        m.w[i] = a.w[i] & ~b.w[i];
    return m;
}

template<int W>
KBW_INLINE bool Irgendein(const Maske<W> &a)
{
    std::uint64_t x = 0;
    for (int i = 0; i < W; ++i)
        x |= a.w[i];
    return x != 0;
}

template<int W>
KBW_INLINE int Anzahl(const Maske<W> &a)
{
    int n = 0;
    for (int i = 0; i < W; ++i)
        n += std::popcount(a.w[i]);
    return n;
}

// Bits p..64W-1.
template<int W>
KBW_INLINE Maske<W> AbBit(int p)
{
    Maske<W> m;
    for (int i = 0; i < W; ++i) {
        const int lo = i * 64;
        if (p <= lo)
            m.w[i] = ~std::uint64_t(0);
        else if (p >= lo + 64)
            m.w[i] = 0;
        else
            m.w[i] = ~std::uint64_t(0) << (p - lo);
    }
    return m;
}

// The 64 bits from bit s on.
template<int W>
KBW_INLINE std::uint64_t Ausschnitt(const Maske<W> &m, int s)
{
    const int w = s >> 6, b = s & 63;
    std::uint64_t r = w < W ? m.w[w] >> b : 0;
    if (b != 0 && w + 1 < W)
        r |= m.w[w + 1] << (64 - b);
    return r;
}

// Calls f(p) for every set bit p, ascending.
template<int W, class F>
KBW_INLINE void FuerBits(const Maske<W> &m, F &&f)
{
    for (int i = 0; i < W; ++i) {
        std::uint64_t x = m.w[i];
        while (x) {
            f(i * 64 + std::countr_zero(x));
            x &= x - 1;
        }
    }
}

// True when a + b does not fit.
inline bool Ueberlauf(std::uint64_t a, std::uint64_t b, std::uint64_t &summe)
{
    return __builtin_add_overflow(a, b, &summe);
}

// What every thread of a run reads.
template<int W>
struct Lauf
{
    int n = 0;
    int tr = 0;
    int tw = 0; // words of a row bit set
    int maxLaenge = 0;
    Auftreten auftreten = Auftreten::Nein;
    std::vector<Maske<W>> zeilen;
    std::vector<std::uint64_t> mitPosition; // n row bit sets: the rows containing position p
    // Row bit sets: the rows with at least j positions after position a, j = 1..maxLaenge,
    // a = -1..n-1.
    std::vector<std::uint64_t> nachher;
    std::vector<std::uint64_t> alle; // the row bit set of all rows
    std::vector<std::uint64_t> keine; // and of none

    const std::atomic_bool *abbruch = nullptr;
    const Trefferfortschritt *fortschritt = nullptr;
    std::mutex fortschrittSperre;
    std::uint64_t erledigt = 0;

    KBW_INLINE const std::uint64_t *zeilenMit(int p) const
    {
        return mitPosition.data() + std::size_t(p) * std::size_t(tw);
    }
    KBW_INLINE const std::uint64_t *zeilenNach(int j, int a) const
    {
        if (j > maxLaenge)
            return keine.data();
        return nachher.data() + (std::size_t(j - 1) * std::size_t(n + 1) + std::size_t(a + 1)) * std::size_t(tw);
    }

    void melden(std::uint64_t anzahl)
    {
        if (!fortschritt || !*fortschritt || anzahl == 0)
            return;
        std::lock_guard<std::mutex> sperre(fortschrittSperre);
        erledigt += anzahl;
        (*fortschritt)(erledigt);
    }
};

// One piece of the rank space: the subtree of a prefix.
struct Aufgabe
{
    std::array<std::uint8_t, TrefferMaxK> praefix{};
    int tiefe = 0;
    std::uint64_t rang = 0; // rank of its first combination
    std::uint64_t groesse = 0;
};

struct Zaehler
{
    std::uint64_t bewertet = 0;
    std::array<std::uint64_t, TrefferMaxK + 1> verteilung{};
    std::array<std::uint64_t, AuftretenKategorien> auftreten{};
};

// The state of a prefix P of d positions, the last one a (0-based, -1 for none): the best
// count m and, for v = l..m, the rows sharing at least v positions with P that can still
// lift the best count somewhere below P (the others never matter again there).
template<int W, int TW>
class Arbeiter
{
public:
    explicit Arbeiter(Lauf<W> &lauf, int kmax)
        : m_lauf(lauf), m_n(lauf.n), m_tw(TW > 0 ? TW : lauf.tw), m_stufen(kmax + 2)
    {
        const std::size_t tiefen = std::size_t(std::max(kmax - 1, 1));
        m_ebenen.assign(tiefen * std::size_t(m_stufen) * std::size_t(m_tw), 0);
        m_nuetzlich.assign(std::size_t(m_tw), 0);
        m_h1.assign(std::size_t(m_n), Null<W>());
        m_h0.assign(std::size_t(m_n), Null<W>());
        m_a2.assign(std::size_t(m_n), Null<W>());
        m_a3.assign(std::size_t(m_n), Null<W>());
    }

    void beginnen(int k, std::uint64_t *kategorienBits, bool popcnt)
    {
        m_k = k;
        m_bits = kategorienBits;
        m_zaehler = Zaehler{};
        m_stop = false;
        m_popcnt = popcnt;
    }

    bool gestoppt() const { return m_stop; }
    const Zaehler &zaehler() const { return m_zaehler; }

    // Evaluates one piece; false when the stop flag ended it.
    bool bearbeiten(const Aufgabe &a)
    {
        if (stopPruefen())
            return false;
        m_bereichAnfang = a.rang;
        m_bereichEnde = a.rang + a.groesse;
        m_rang = a.rang;

        if (m_popcnt)
            suchenPopcnt(a);
        else
            suchenBasis(a);
        melden();
        return !m_stop;
    }

    void melden()
    {
        m_lauf.melden(m_offen);
        m_offen = 0;
    }

private:
    Lauf<W> &m_lauf;
    const int m_n;
    const int m_tw; // words of a row bit set: TW, or counted at run time when TW is 0
    const int m_stufen;
    int m_k = 0;
    bool m_popcnt = false;
    std::vector<std::uint64_t> m_ebenen; // [tiefe][stufe][tw]
    std::vector<std::uint64_t> m_nuetzlich;
    std::vector<Maske<W>> m_h1, m_h0, m_a2, m_a3;
    std::array<int, TrefferMaxK> m_kind{}, m_m{}, m_l{}; // per depth of the search
    std::uint64_t *m_bits = nullptr;
    std::uint64_t m_bereichAnfang = 0, m_bereichEnde = 0, m_rang = 0;
    std::uint64_t m_offen = 0; // evaluated, not yet reported
    Zaehler m_zaehler;
    bool m_stop = false;

    static constexpr std::uint64_t Meldeschritt = std::uint64_t(1) << 16;

    // The same search twice: the second copy may use the bit count instruction.
    [[gnu::noinline]] void suchenBasis(const Aufgabe &a) { aufgabeSuchen(a); }
    [[gnu::noinline, gnu::target("popcnt")]] void suchenPopcnt(const Aufgabe &a) { aufgabeSuchen(a); }

    // The levels of the piece's prefix, built position by position as in kindBilden (from
    // the top level down, so that each level still reads the one below unchanged).
    KBW_INLINE void aufgabeSuchen(const Aufgabe &a)
    {
        const int tw = this->tw();
        const int d = a.tiefe;
        std::uint64_t *e = ebene(d, 0);
        for (int i = 0; i < tw; ++i)
            e[i] = m_lauf.alle[std::size_t(i)];
        std::fill(e + tw, e + std::size_t(d + 1) * std::size_t(tw), 0);
        for (int i = 0; i < d; ++i) {
            const std::uint64_t *zy = m_lauf.zeilenMit(a.praefix[std::size_t(i)]);
            for (int v = i + 1; v >= 1; --v) {
                std::uint64_t *ziel = e + std::size_t(v) * std::size_t(tw);
                const std::uint64_t *darunter = ziel - tw;
                for (int w = 0; w < tw; ++w)
                    ziel[w] |= darunter[w] & zy[w];
            }
        }
        int m = d;
        while (m > 0) {
            std::uint64_t irgend = 0;
            for (int w = 0; w < tw; ++w)
                irgend |= e[std::size_t(m) * std::size_t(tw) + std::size_t(w)];
            if (irgend)
                break;
            --m;
        }
        const int l = std::max(0, m - (m_k - 1 - d));
        suchen(d, d > 0 ? a.praefix[std::size_t(d - 1)] : -1, m, l);
    }

    KBW_INLINE int tw() const
    {
        if constexpr (TW > 0)
            return TW;
        else
            return m_tw;
    }

    KBW_INLINE std::uint64_t *ebene(int d, int v)
    {
        return m_ebenen.data() + (std::size_t(d) * std::size_t(m_stufen) + std::size_t(v)) * std::size_t(tw());
    }

    KBW_INLINE bool stopPruefen()
    {
        if (!m_stop && m_lauf.abbruch->load(std::memory_order_relaxed))
            m_stop = true;
        return m_stop;
    }

    KBW_INLINE void erledigt(std::uint64_t anzahl)
    {
        m_zaehler.bewertet += anzahl;
        m_offen += anzahl;
        if (m_offen >= Meldeschritt)
            melden();
    }

    // Depth first below the prefix (d, a) with best count m and levels l..m, without
    // recursion so that the whole search sits in one function.
    KBW_INLINE void suchen(int d0, int a, int m, int l)
    {
        if (!beschraenken(d0, a, m, l))
            return;
        if (d0 == m_k - 2) {
            blattEltern(d0, a, m, l);
            return;
        }
        int d = d0;
        m_kind[std::size_t(d)] = a;
        m_m[std::size_t(d)] = m;
        m_l[std::size_t(d)] = l;
        for (;;) {
            const int y = ++m_kind[std::size_t(d)];
            if (y > m_n - m_k + d) {
                if (d == d0)
                    return;
                --d;
                continue;
            }
            int m2, l2;
            if (!kindBilden(d, y, m2, l2)) {
                if (m_stop)
                    return;
                continue;
            }
            if (d + 1 == m_k - 2) {
                blattEltern(d + 1, y, m2, l2);
                if (m_stop)
                    return;
                continue;
            }
            ++d;
            m_kind[std::size_t(d)] = y;
            m_m[std::size_t(d)] = m2;
            m_l[std::size_t(d)] = l2;
        }
    }

    // The levels of the child P + y of the prefix at depth d, restricted to the useful rows
    // (see beschraenken). False when nothing is left to search there.
    KBW_INLINE bool kindBilden(int d, int y, int &m2, int &l2)
    {
        const int tw = this->tw();
        const int m = m_m[std::size_t(d)];
        const std::uint64_t *ed = ebene(d, 0);
        std::uint64_t *en = ebene(d + 1, 0);
        const std::uint64_t *zy = m_lauf.zeilenMit(y);
        // Rows of the top level containing y lift the best count by one.
        const std::uint64_t *em = ed + std::size_t(m) * std::size_t(tw);
        std::uint64_t *neu = en + std::size_t(m + 1) * std::size_t(tw);
        std::uint64_t irgend = 0;
        for (int i = 0; i < tw; ++i) {
            neu[i] = em[i] & zy[i];
            irgend |= neu[i];
        }
        m2 = irgend ? m + 1 : m;
        l2 = std::max(0, m2 - (m_k - 2 - d));
        for (int v = l2; v <= m; ++v) {
            std::uint64_t *ziel = en + std::size_t(v) * std::size_t(tw);
            const std::uint64_t *alt = ed + std::size_t(v) * std::size_t(tw);
            if (v == 0) {
                for (int i = 0; i < tw; ++i)
                    ziel[i] = alt[i];
            } else {
                const std::uint64_t *darunter = alt - tw;
                for (int i = 0; i < tw; ++i)
                    ziel[i] = alt[i] | (darunter[i] & zy[i]);
            }
        }
        return beschraenken(d + 1, y, m2, l2);
    }

    // Keeps only the rows that can still lift the best count below the prefix: a row with
    // v common positions needs m + 1 - v of the positions after a (and of the k - d still to
    // come, which the lowest level l already ensures). When none is left, every combination
    // below has best count m and lies in no row (it is longer than any row reaching m); with
    // one left, the counts follow from binomial coefficients. Then the subtree is counted at
    // once and the result is false.
    KBW_INLINE bool beschraenken(int d, int a, int m, int l)
    {
        const int tw = this->tw();
        std::uint64_t nzFest[TW > 0 ? TW : 1];
        std::uint64_t *const nz = TW > 0 ? nzFest : m_nuetzlich.data();
        std::uint64_t *const e0 = ebene(d, 0);
        for (int i = 0; i < tw; ++i)
            nz[i] = 0;
        for (int v = l; v <= m; ++v) {
            const std::uint64_t *b = m_lauf.zeilenNach(m + 1 - v, a);
            const std::uint64_t *e = e0 + std::size_t(v) * std::size_t(tw);
            for (int i = 0; i < tw; ++i)
                nz[i] |= e[i] & b[i];
        }
        int anzahl = 0;
        for (int i = 0; i < tw; ++i)
            anzahl += std::popcount(nz[i]);
        if (anzahl == 0)
            return !teilbaumGesaettigt(d, a, m);
        if (anzahl == 1 && eineZeile(d, a, m, l, nz))
            return false;
        for (int v = l; v <= m; ++v) {
            std::uint64_t *e = e0 + std::size_t(v) * std::size_t(tw);
            for (int i = 0; i < tw; ++i)
                e[i] &= nz[i];
        }
        return true;
    }

    // Counts the subtree of a prefix whose combinations all have best count m; false when
    // the stop flag came first.
    KBW_INLINE bool teilbaumGesaettigt(int d, int a, int m)
    {
        if (stopPruefen())
            return false;
        const std::uint64_t s = C(m_n - 1 - a, m_k - d);
        m_zaehler.verteilung[std::size_t(m)] += s;
        if (m_lauf.auftreten != Auftreten::Nein)
            m_zaehler.auftreten[0] += s;
        m_rang += s;
        erledigt(s);
        return true;
    }

    // The subtree of a prefix with a single useful row r: its count v, its s positions
    // after a; a combination taking i of them has best count max(m, v + i). Only the list of
    // categories cannot be written this way when r contains combinations below (v == d).
    KBW_INLINE bool eineZeile(int d, int a, int m, int l, const std::uint64_t *nz)
    {
        int r = 0;
        for (int i = 0; i < tw(); ++i) {
            if (nz[i]) {
                r = i * 64 + std::countr_zero(nz[i]);
                break;
            }
        }
        int v = l;
        while (v < m && ((ebene(d, v + 1)[r >> 6] >> (r & 63)) & 1))
            ++v;
        const int s = Anzahl(m_lauf.zeilen[std::size_t(r)] & AbBit<W>(a + 1));
        const int frei = m_n - 1 - a;
        const int t = m_k - d;
        const bool enthaelt = v == d && s >= t;
        if (enthaelt && m_lauf.auftreten == Auftreten::Liste)
            return false;
        if (stopPruefen())
            return true;
        std::uint64_t gesamt = 0;
        for (int i = std::max(0, t - (frei - s)); i <= std::min(s, t); ++i) {
            const std::uint64_t x = C(s, i) * C(frei - s, t - i);
            m_zaehler.verteilung[std::size_t(std::max(m, v + i))] += x;
            gesamt += x;
        }
        if (m_lauf.auftreten != Auftreten::Nein) {
            const std::uint64_t drin = enthaelt ? C(s, t) : 0;
            m_zaehler.auftreten[1] += drin;
            m_zaehler.auftreten[0] += gesamt - drin;
        }
        m_rang += gesamt;
        erledigt(gesamt);
        return true;
    }

    // ORs 64 category bits (low plane lo, high plane hi) in at rank rang.
    KBW_INLINE void schreiben(std::uint64_t rang, std::uint64_t lo, std::uint64_t hi)
    {
        const std::size_t w = std::size_t(rang >> 6);
        const int b = int(rang & 63);
        oder(w, lo << b, hi << b);
        if (b != 0)
            oder(w + 1, lo >> (64 - b), hi >> (64 - b));
    }

    KBW_INLINE void oder(std::size_t w, std::uint64_t lo, std::uint64_t hi)
    {
        if ((lo | hi) == 0)
            return;
        const std::uint64_t anfang = std::uint64_t(w) * 64;
        if (anfang >= m_bereichAnfang && anfang + 64 <= m_bereichEnde) {
            m_bits[2 * w] |= lo;
            m_bits[2 * w + 1] |= hi;
        } else {
            if (lo)
                std::atomic_ref<std::uint64_t>(m_bits[2 * w]).fetch_or(lo, std::memory_order_relaxed);
            if (hi)
                std::atomic_ref<std::uint64_t>(m_bits[2 * w + 1]).fetch_or(hi, std::memory_order_relaxed);
        }
    }

    // Prefix Q of k - 2 positions: all its combinations at once.
    KBW_INLINE void blattEltern(int d, int a, int m, int l)
    {
        if (stopPruefen())
            return;
        const int n = m_n;
        const Maske<W> bereich = AbBit<W>(a + 1);
        const Maske<W> ohneLetzte = OhneBits(bereich, AbBit<W>(n - 1));
        const bool auftreten = m_lauf.auftreten != Auftreten::Nein;
        const bool enthalten = auftreten && m == d; // rows of level m contain all of Q
        const bool liste = m_lauf.auftreten == Auftreten::Liste;
        const std::uint64_t *em = ebene(d, m);
        const std::uint64_t *el = ebene(d, l);

        // The top level first: the union u of its rows, and per y the union of those with y.
        Maske<W> u = Null<W>();
        for (int i = 0; i < tw(); ++i) {
            std::uint64_t x = em[i];
            while (x) {
                const int r = i * 64 + std::countr_zero(x);
                x &= x - 1;
                const Maske<W> z = m_lauf.zeilen[std::size_t(r)] & bereich;
                u = u | z;
                if (enthalten) {
                    FuerBits(z & ohneLetzte, [&](int y) {
                        m_a3[std::size_t(y)] = m_a3[std::size_t(y)] | (m_a2[std::size_t(y)] & z);
                        m_a2[std::size_t(y)] = m_a2[std::size_t(y)] | (m_h1[std::size_t(y)] & z);
                        m_h1[std::size_t(y)] = m_h1[std::size_t(y)] | z;
                    });
                } else {
                    FuerBits(z & ohneLetzte, [&](int y) { m_h1[std::size_t(y)] = m_h1[std::size_t(y)] | z; });
                }
            }
        }
        // The level below matters only for a child outside u.
        if (l < m) {
            const Maske<W> ausserhalb = OhneBits(ohneLetzte, u);
            for (int i = 0; i < tw(); ++i) {
                std::uint64_t x = el[i] & ~em[i];
                while (x) {
                    const int r = i * 64 + std::countr_zero(x);
                    x &= x - 1;
                    const Maske<W> z = m_lauf.zeilen[std::size_t(r)] & bereich;
                    FuerBits(z & ausserhalb, [&](int y) { m_h0[std::size_t(y)] = m_h0[std::size_t(y)] | z; });
                }
            }
        }

        auto &vt = m_zaehler.verteilung;
        std::uint64_t rang = m_rang;
        std::uint64_t kat1 = 0, kat2 = 0, kat3 = 0;
        for (int y = a + 1; y <= n - 2; ++y) {
            const auto iy = std::size_t(y);
            const int blaetter = n - 1 - y;
            const Maske<W> oben = AbBit<W>(y + 1);
            const Maske<W> h1 = m_h1[iy];
            int m2 = m;
            Maske<W> u2;
            if (Irgendein(h1)) {
                m2 = m + 1;
                u2 = h1;
            } else {
                u2 = u | m_h0[iy];
            }
            const int hoeher = Anzahl(u2 & oben);
            vt[std::size_t(m2 + 1)] += std::uint64_t(hoeher);
            vt[std::size_t(m2)] += std::uint64_t(blaetter - hoeher);
            if (enthalten && m2 > m) {
                const Maske<W> a1 = h1 & oben, a2 = m_a2[iy] & oben, a3 = m_a3[iy] & oben;
                const Maske<W> nur1 = OhneBits(a1, a2);
                const Maske<W> nur2 = OhneBits(a2, a3);
                kat1 += std::uint64_t(Anzahl(nur1));
                kat2 += std::uint64_t(Anzahl(nur2));
                kat3 += std::uint64_t(Anzahl(a3));
                if (liste) {
                    const Maske<W> lo = nur1 | a3;
                    for (int s = 0; s < blaetter; s += 64)
                        schreiben(rang + std::uint64_t(s), Ausschnitt(lo, y + 1 + s), Ausschnitt(a2, y + 1 + s));
                }
                m_a2[iy] = Null<W>();
                m_a3[iy] = Null<W>();
            }
            m_h1[iy] = Null<W>();
            m_h0[iy] = Null<W>();
            rang += std::uint64_t(blaetter);
        }
        const std::uint64_t gesamt = rang - m_rang;
        m_rang = rang;
        if (auftreten) {
            m_zaehler.auftreten[1] += kat1;
            m_zaehler.auftreten[2] += kat2;
            m_zaehler.auftreten[3] += kat3;
            m_zaehler.auftreten[0] += gesamt - kat1 - kat2 - kat3;
        }
        erledigt(gesamt);
    }
};

// The pieces of one k in rank order: subtrees of prefixes, split while larger than grenze.
void AufgabenBilden(int n, int k, std::uint64_t grenze, std::vector<Aufgabe> &aufgaben)
{
    aufgaben.clear();
    Aufgabe a;
    std::uint64_t rang = 0;
    auto teilen = [&](auto &&selbst, int tiefe, int letzte) -> void {
        const std::uint64_t groesse = C(n - 1 - letzte, k - tiefe);
        if (groesse <= grenze || tiefe >= k - 2) {
            a.tiefe = tiefe;
            a.rang = rang;
            a.groesse = groesse;
            aufgaben.push_back(a);
            rang += groesse;
            return;
        }
        for (int y = letzte + 1; y <= n - k + tiefe; ++y) {
            a.praefix[std::size_t(tiefe)] = std::uint8_t(y);
            selbst(selbst, tiefe + 1, y);
        }
    };
    teilen(teilen, 0, -1);
}

template<int W>
void Vorbereiten(Lauf<W> &lauf, const Trefferauftrag &auftrag)
{
    const int n = auftrag.wz;
    lauf.n = n;
    lauf.tr = int(auftrag.reihen.size());
    const auto tw = std::size_t(lauf.tw);
    lauf.auftreten = auftrag.auftreten;
    lauf.zeilen.assign(std::size_t(lauf.tr), Null<W>());
    lauf.mitPosition.assign(std::size_t(std::max(n, 1)) * tw, 0);
    lauf.alle.assign(tw, 0);
    lauf.keine.assign(tw, 0);
    lauf.maxLaenge = 0;
    for (int r = 0; r < lauf.tr; ++r) {
        const Reihenmenge &menge = auftrag.reihen[std::size_t(r)];
        Maske<W> &z = lauf.zeilen[std::size_t(r)];
        for (int p = 1; p <= n; ++p) {
            if (menge.enthaelt(p)) {
                z.w[(p - 1) >> 6] |= std::uint64_t(1) << ((p - 1) & 63);
                lauf.mitPosition[std::size_t(p - 1) * tw + std::size_t(r >> 6)] |= std::uint64_t(1) << (r & 63);
            }
        }
        lauf.alle[std::size_t(r >> 6)] |= std::uint64_t(1) << (r & 63);
        lauf.maxLaenge = std::max(lauf.maxLaenge, Anzahl(z));
    }
    lauf.nachher.assign(std::size_t(lauf.maxLaenge) * std::size_t(n + 1) * tw, 0);
    for (int r = 0; r < lauf.tr; ++r) {
        const Maske<W> &z = lauf.zeilen[std::size_t(r)];
        for (int a = -1; a < n; ++a) {
            const int danach = Anzahl(z & AbBit<W>(a + 1));
            for (int j = 1; j <= danach; ++j) {
                std::uint64_t *b =
                    lauf.nachher.data() + (std::size_t(j - 1) * std::size_t(n + 1) + std::size_t(a + 1)) * tw;
                b[r >> 6] |= std::uint64_t(1) << (r & 63);
            }
        }
    }
}

// k = 1: each position on its own.
template<int W>
void EinzelneAuswerten(Lauf<W> &lauf, TrefferProK &erg, std::uint64_t *bits)
{
    for (int p = 0; p < lauf.n; ++p) {
        const std::uint64_t *z = lauf.zeilenMit(p);
        int anzahl = 0;
        for (int i = 0; i < lauf.tw; ++i)
            anzahl += std::popcount(z[i]);
        ++erg.verteilung[anzahl > 0 ? 1 : 0];
        const int kat = std::min(anzahl, 3);
        if (lauf.auftreten != Auftreten::Nein)
            ++erg.auftreten[std::size_t(kat)];
        if (bits) {
            bits[2 * std::size_t(p >> 6)] |= std::uint64_t(kat & 1) << (p & 63);
            bits[2 * std::size_t(p >> 6) + 1] |= std::uint64_t(kat >> 1) << (p & 63);
        }
    }
    erg.bewertet = std::uint64_t(lauf.n);
    lauf.melden(erg.bewertet);
}

template<int W, int TW>
void Ausfuehren(const Trefferauftrag &auftrag, const std::atomic_bool &abbruch, const Trefferfortschritt &fortschritt,
                Trefferergebnis &ergebnis)
{
    Lauf<W> lauf;
    lauf.tw = TW > 0 ? TW : std::max(1, int((auftrag.reihen.size() + 63) / 64));
    Vorbereiten(lauf, auftrag);
    lauf.abbruch = &abbruch;
    lauf.fortschritt = &fortschritt;

    const int n = auftrag.wz;
    const bool popcnt = __builtin_cpu_supports("popcnt");
    int threads = auftrag.threads > 0 ? auftrag.threads : int(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, 256);

    std::vector<std::unique_ptr<Arbeiter<W, TW>>> arbeiter;
    std::vector<Aufgabe> aufgaben;
    for (int k = auftrag.kmin; k <= auftrag.kmax; ++k) {
        TrefferProK &erg = ergebnis.proK[std::size_t(k - auftrag.kmin)];
        ergebnis.kErreicht = k;
        if (abbruch.load()) {
            ergebnis.abgebrochen = true;
            break;
        }
        const std::uint64_t gesamt = C(n, k);
        if (gesamt == 0)
            continue;
        std::uint64_t *bits = erg.kategorien.leer() ? nullptr : TrefferKategorienSchreiber::bits(erg.kategorien);
        if (k == 1) {
            EinzelneAuswerten(lauf, erg, bits);
        } else {
            // Small runs are not worth a thread; larger ones are cut into many more pieces
            // than threads so that the pieces handed out last are short.
            const int t = gesamt < (std::uint64_t(1) << 15) ? 1 : threads;
            const std::uint64_t grenze =
                t == 1 ? gesamt : std::max<std::uint64_t>(gesamt / (std::uint64_t(t) * 64), 1 << 12);
            AufgabenBilden(n, k, grenze, aufgaben);
            const int tEff = std::min<int>(t, int(aufgaben.size()));
            while (int(arbeiter.size()) < tEff)
                arbeiter.push_back(std::make_unique<Arbeiter<W, TW>>(lauf, auftrag.kmax));
            std::atomic<std::size_t> naechste{0};
            auto arbeiten = [&](Arbeiter<W, TW> &w) {
                w.beginnen(k, bits, popcnt);
                for (;;) {
                    const std::size_t i = naechste.fetch_add(1, std::memory_order_relaxed);
                    if (i >= aufgaben.size() || !w.bearbeiten(aufgaben[i]))
                        break;
                }
                w.melden();
            };
            std::vector<std::thread> helfer;
            helfer.reserve(std::size_t(tEff));
            for (int i = 1; i < tEff; ++i) {
                try {
                    helfer.emplace_back(arbeiten, std::ref(*arbeiter[std::size_t(i)]));
                } catch (const std::system_error &) {
                    break; // fewer threads take the remaining pieces
                }
            }
            arbeiten(*arbeiter[0]);
            for (auto &h : helfer)
                h.join();
            bool gestoppt = false;
            for (int i = 0; i <= int(helfer.size()); ++i) {
                const Zaehler &z = arbeiter[std::size_t(i)]->zaehler();
                erg.bewertet += z.bewertet;
                for (std::size_t j = 0; j < erg.verteilung.size(); ++j)
                    erg.verteilung[j] += z.verteilung[j];
                for (std::size_t c = 0; c < erg.auftreten.size(); ++c)
                    erg.auftreten[c] += z.auftreten[c];
                gestoppt = gestoppt || arbeiter[std::size_t(i)]->gestoppt();
            }
            if (gestoppt || erg.bewertet < gesamt) {
                ergebnis.abgebrochen = true;
                break;
            }
        }
        if (bits)
            TrefferKategorienSchreiber::abschliessen(erg.kategorien);
    }
    // Lists exist only for the k completed.
    if (ergebnis.abgebrochen) {
        for (TrefferProK &erg : ergebnis.proK) {
            if (erg.k >= ergebnis.kErreicht)
                erg.kategorien = Kategorienliste();
        }
    }
}

// ---------------------------------------------------------------------------------------
// The histogram of a small pool over many k, through the lattice of all subsets: a set S has
// best count >= j exactly when it contains j positions of one row. Marking the j-subsets of
// the rows and closing upwards (S marked => S + p marked) gives, for every size at once, how
// many sets reach j; the differences over j are the histogram.

constexpr int GitterMaxWZ = 26; // 2^26 bits = 8 MB per level

struct Gitter
{
    int n = 0;
    int stufen = 0; // levels j = 1..stufen
    std::vector<std::uint32_t> zeilen;
    // Per level: how many sets of each size reach it.
    std::vector<std::array<std::uint64_t, GitterMaxWZ + 1>> erreicht;
};

// Words of work for the lattice, and for seeding it with the j-subsets of the rows.
long double GitterKosten(const Gitter &g)
{
    long double kosten = static_cast<long double>(g.stufen) * (g.n + 8) * static_cast<long double>(1u << (g.n - 6));
    for (std::uint32_t z : g.zeilen) {
        for (int j = 1; j <= g.stufen; ++j)
            kosten += static_cast<long double>(C(std::popcount(z), j));
    }
    return kosten;
}

// One level: mark, close, count by size. False when the stop flag came first.
KBW_INLINE bool GitterStufe(const Gitter &g, int j, std::vector<std::uint64_t> &a, const std::atomic_bool &abbruch,
                            std::array<std::uint64_t, GitterMaxWZ + 1> &anzahl)
{
    const std::size_t woerter = std::size_t(1) << (g.n - 6);
    std::fill(a.begin(), a.end(), 0);
    int p[32];
    int idx[32];
    std::uint32_t markiert = 0;
    for (std::uint32_t z : g.zeilen) {
        if (abbruch.load(std::memory_order_relaxed))
            return false;
        int laenge = 0;
        for (std::uint32_t x = z; x; x &= x - 1)
            p[laenge++] = std::countr_zero(x);
        if (laenge < j)
            continue;
        for (int i = 0; i < j; ++i)
            idx[i] = i;
        for (;;) {
            std::uint32_t s = 0;
            for (int i = 0; i < j; ++i)
                s |= std::uint32_t(1) << p[idx[i]];
            a[s >> 6] |= std::uint64_t(1) << (s & 63);
            if ((++markiert & 0xFFFF) == 0 && abbruch.load(std::memory_order_relaxed))
                return false;
            int i = j - 1;
            while (i >= 0 && idx[i] == laenge - j + i)
                --i;
            if (i < 0)
                break;
            ++idx[i];
            for (int q = i + 1; q < j; ++q)
                idx[q] = idx[q - 1] + 1;
        }
    }
    if (abbruch.load(std::memory_order_relaxed))
        return false;
    // The six low positions inside each word, then one pass per higher position.
    for (std::size_t w = 0; w < woerter; ++w) {
        std::uint64_t x = a[w];
        x |= (x & 0x5555555555555555u) << 1;
        x |= (x & 0x3333333333333333u) << 2;
        x |= (x & 0x0F0F0F0F0F0F0F0Fu) << 4;
        x |= (x & 0x00FF00FF00FF00FFu) << 8;
        x |= (x & 0x0000FFFF0000FFFFu) << 16;
        x |= (x & 0x00000000FFFFFFFFu) << 32;
        a[w] = x;
    }
    for (int i = 0; i < g.n - 6; ++i) {
        if (abbruch.load(std::memory_order_relaxed))
            return false;
        const std::size_t s = std::size_t(1) << i;
        for (std::size_t block = 0; block < woerter; block += 2 * s) {
            for (std::size_t w = block; w < block + s; ++w)
                a[w + s] |= a[w];
        }
    }
    // Bit b of word w is the set w * 64 + b, of size popcount(w) + popcount(b).
    std::uint64_t nachGewicht[7] = {};
    for (unsigned b = 0; b < 64; ++b)
        nachGewicht[std::popcount(b)] |= std::uint64_t(1) << b;
    anzahl.fill(0);
    for (std::size_t w = 0; w < woerter; ++w) {
        const std::uint64_t x = a[w];
        if (!x)
            continue;
        const int oben = std::popcount(w);
        for (int t = 0; t <= 6; ++t)
            anzahl[std::size_t(oben + t)] += std::uint64_t(std::popcount(x & nachGewicht[t]));
    }
    return true;
}

[[gnu::noinline]] bool GitterStufeBasis(const Gitter &g, int j, std::vector<std::uint64_t> &a,
                                        const std::atomic_bool &abbruch,
                                        std::array<std::uint64_t, GitterMaxWZ + 1> &anzahl)
{
    return GitterStufe(g, j, a, abbruch, anzahl);
}

[[gnu::noinline, gnu::target("popcnt")]] bool GitterStufePopcnt(const Gitter &g, int j, std::vector<std::uint64_t> &a,
                                                                const std::atomic_bool &abbruch,
                                                                std::array<std::uint64_t, GitterMaxWZ + 1> &anzahl)
{
    return GitterStufe(g, j, a, abbruch, anzahl);
}

// The histogram-only run through the lattice when that is clearly cheaper than the search;
// false when the search should run instead. A stop leaves every count at zero (the lattice
// counts all k together), so kErreicht is kmin.
bool GitterVersuchen(const Trefferauftrag &auftrag, const std::atomic_bool &abbruch,
                     const Trefferfortschritt &fortschritt, Trefferergebnis &ergebnis)
{
    const int n = auftrag.wz;
    if (auftrag.auftreten != Auftreten::Nein || n < 6 || n > GitterMaxWZ)
        return false;
    Gitter g;
    g.n = n;
    int laengste = 0;
    for (const Reihenmenge &r : auftrag.reihen) {
        std::uint32_t z = 0;
        for (int p = 1; p <= n; ++p)
            if (r.enthaelt(p))
                z |= std::uint32_t(1) << (p - 1);
        g.zeilen.push_back(z);
        laengste = std::max(laengste, std::popcount(z));
    }
    g.stufen = std::min(laengste, auftrag.kmax);
    long double kombinationen = 0;
    for (int k = auftrag.kmin; k <= auftrag.kmax; ++k)
        kombinationen += static_cast<long double>(C(n, k));
    // A lattice word costs about a fifth of what the search spends on one combination.
    if (g.stufen == 0 || GitterKosten(g) > 5 * kombinationen)
        return false;

    g.erreicht.assign(std::size_t(g.stufen) + 2, {});
    const bool popcnt = __builtin_cpu_supports("popcnt");
    int threads = auftrag.threads > 0 ? auftrag.threads : int(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, g.stufen);
    // One lattice per thread, had before any thread starts.
    std::vector<std::vector<std::uint64_t>> gitter;
    try {
        gitter.emplace_back(std::size_t(1) << (n - 6));
        while (int(gitter.size()) < threads)
            gitter.emplace_back(std::size_t(1) << (n - 6));
    } catch (const std::bad_alloc &) {
        if (gitter.empty())
            return false;
    }
    std::atomic<int> naechste{1};
    std::atomic_bool gestoppt{false};
    auto arbeiten = [&](std::vector<std::uint64_t> &a) {
        for (int j = naechste.fetch_add(1); j <= g.stufen; j = naechste.fetch_add(1)) {
            auto &anzahl = g.erreicht[std::size_t(j)];
            if (!(popcnt ? GitterStufePopcnt(g, j, a, abbruch, anzahl) : GitterStufeBasis(g, j, a, abbruch, anzahl))) {
                gestoppt = true;
                return;
            }
        }
    };
    std::vector<std::thread> helfer;
    helfer.reserve(gitter.size());
    for (std::size_t i = 1; i < gitter.size(); ++i) {
        try {
            helfer.emplace_back(arbeiten, std::ref(gitter[i]));
        } catch (const std::system_error &) {
            break;
        }
    }
    arbeiten(gitter[0]);
    for (auto &h : helfer)
        h.join();

    ergebnis.kErreicht = auftrag.kmin;
    if (gestoppt) {
        ergebnis.abgebrochen = true;
        return true;
    }
    std::uint64_t summe = 0;
    for (int k = auftrag.kmin; k <= auftrag.kmax; ++k) {
        TrefferProK &erg = ergebnis.proK[std::size_t(k - auftrag.kmin)];
        if (k > n)
            continue;
        erg.bewertet = C(n, k);
        for (int j = 1; j <= g.stufen; ++j)
            erg.verteilung[std::size_t(j)] =
                g.erreicht[std::size_t(j)][std::size_t(k)] - g.erreicht[std::size_t(j + 1)][std::size_t(k)];
        erg.verteilung[0] = erg.bewertet - g.erreicht[1][std::size_t(k)];
        summe += erg.bewertet;
    }
    ergebnis.kErreicht = auftrag.kmax;
    if (fortschritt && summe > 0)
        fortschritt(summe);
    return true;
}

} // namespace

Trefferergebnis TrefferanalyseAusfuehren(const Trefferauftrag &auftrag, const std::atomic_bool &abbruch,
                                         const Trefferfortschritt &fortschritt)
{
    Trefferergebnis ergebnis;
    ergebnis.kmin = auftrag.kmin;
    ergebnis.kErreicht = auftrag.kmax;
    if (auftrag.wz < 0 || auftrag.wz > TrefferMaxWZ || auftrag.kmin < 1 || auftrag.kmax > TrefferMaxK) {
        ergebnis.fehler = Trefferfehler::UngueltigerAuftrag;
        return ergebnis;
    }
    if (auftrag.kmax < auftrag.kmin)
        return ergebnis;

    constexpr std::uint64_t Max = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t summe = 0;
    for (int k = auftrag.kmin; k <= auftrag.kmax; ++k) {
        if (C(auftrag.wz, k) == Max || Ueberlauf(summe, C(auftrag.wz, k), summe)) {
            ergebnis.fehler = Trefferfehler::ZuVieleKombinationen;
            return ergebnis;
        }
    }

    // The lists take 2 bits per combination. More than half the machine's memory is refused
    // before asking for it: the system would grant it lazily and fail only when touched.
    if (auftrag.auftreten == Auftreten::Liste) {
        long double bytes = 0;
        for (int k = auftrag.kmin; k <= auftrag.kmax; ++k)
            bytes += (static_cast<long double>(C(auftrag.wz, k)) + 63) / 64 * 16;
        const long seiten = sysconf(_SC_PHYS_PAGES), seite = sysconf(_SC_PAGESIZE);
        if (seiten > 0 && seite > 0 && bytes > static_cast<long double>(seiten) * static_cast<long double>(seite) / 2) {
            ergebnis.fehler = Trefferfehler::ZuWenigSpeicher;
            return ergebnis;
        }
    }

    ergebnis.proK.resize(std::size_t(auftrag.kmax - auftrag.kmin + 1));
    for (int k = auftrag.kmin; k <= auftrag.kmax; ++k) {
        TrefferProK &erg = ergebnis.proK[std::size_t(k - auftrag.kmin)];
        erg.k = k;
        if (auftrag.auftreten == Auftreten::Liste && C(auftrag.wz, k) > 0
            && !TrefferKategorienSchreiber::anlegen(erg.kategorien, auftrag.wz, k)) {
            ergebnis.proK.clear();
            ergebnis.fehler = Trefferfehler::ZuWenigSpeicher;
            return ergebnis;
        }
    }

    // Every allocation happens while no helper thread runs, so running out of memory ends the
    // run here, as a result.
    try {
        if (GitterVersuchen(auftrag, abbruch, fortschritt, ergebnis))
            return ergebnis;

        // Fixed sizes let the compiler unroll the word loops; the row bit sets are padded up.
        const std::size_t zeilenWoerter = (auftrag.reihen.size() + 63) / 64;
        auto mitZeilenWoertern = [&]<int W>() {
            if (zeilenWoerter <= 1)
                Ausfuehren<W, 1>(auftrag, abbruch, fortschritt, ergebnis);
            else if (zeilenWoerter <= 2)
                Ausfuehren<W, 2>(auftrag, abbruch, fortschritt, ergebnis);
            else if (zeilenWoerter <= 4)
                Ausfuehren<W, 4>(auftrag, abbruch, fortschritt, ergebnis);
            else if (zeilenWoerter <= 8)
                Ausfuehren<W, 8>(auftrag, abbruch, fortschritt, ergebnis);
            else
                Ausfuehren<W, 0>(auftrag, abbruch, fortschritt, ergebnis);
        };
        if (auftrag.wz <= 64)
            mitZeilenWoertern.template operator()<1>();
        else if (auftrag.wz <= 128)
            mitZeilenWoertern.template operator()<2>();
        else
            Ausfuehren<4, 0>(auftrag, abbruch, fortschritt, ergebnis);
    } catch (const std::bad_alloc &) {
        ergebnis = Trefferergebnis();
        ergebnis.kmin = auftrag.kmin;
        ergebnis.fehler = Trefferfehler::ZuWenigSpeicher;
    }
    return ergebnis;
}

std::optional<std::vector<Reihenmenge>> KatalogReihenmengen(int system)
{
    if (system < 0 || system >= KatalogGroesse)
        return std::nullopt;
    const TSysteme &s = KatalogSystem(system);
    std::vector<Reihenmenge> reihen(s.TR);
    for (int x = 1; x <= s.TR; ++x) {
        for (int y = 1; y <= s.RG; ++y) {
            const int position = SystemZahl(system, s.RG, x, y);
            if (position < 1 || position > s.WZ)
                return std::nullopt;
            reihen[std::size_t(x - 1)].hinzufuegen(position);
        }
    }
    return reihen;
}
