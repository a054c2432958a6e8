#pragma once

// Hit analysis of a set of tip rows against every draw: for each k, every k-subset of the
// pool positions 1..wz is scored by its best row (the most positions any one row shares
// with it) and by how many rows contain it completely. Plain C++, no Qt, so that it can be
// benchmarked and checked against a literal implementation on its own.

#include "systeme.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Largest combination size the analysis evaluates, and the largest pool.
constexpr int TrefferMaxK = 20;
constexpr int TrefferMaxWZ = 255;

// ---------------------------------------------------------------------------------------
// Lexicographic rank of k-subsets of {1..n}: rank 0 is {1..k}, the last rank C(n, k) - 1 is
// {n-k+1..n}, the order is that of the enumeration (first position ascending, then the
// second, ...). Defined for 1 <= k <= TrefferMaxK, k <= n <= TrefferMaxWZ and C(n, k) < 2^64.
// Kept together here so that a shared implementation can replace them in one place.

// C(n, k) for 0 <= n <= TrefferMaxWZ, 0 <= k <= TrefferMaxK; UINT64_MAX where it does not fit.
std::uint64_t TrefferBinom(int n, int k);

// Rank of the ascending positions p[0] < ... < p[k-1] (1-based).
std::uint64_t KombinationRang(int n, std::span<const int> positionen);

// The positions of the combination with that rank, ascending (1-based), into positionen
// (size k). rang must be below C(n, k).
void KombinationAusRang(int n, std::uint64_t rang, std::span<int> positionen);

// Advances the ascending positions to the next combination in lexicographic order; false
// (positions unchanged) after the last one.
bool KombinationWeiter(int n, std::span<int> positionen);

// ---------------------------------------------------------------------------------------

// Occurrence categories: in no row, in exactly one row, in exactly two, in more than two.
constexpr int AuftretenKategorien = 4;

// What the analysis records about how many rows contain each combination.
enum class Auftreten {
    Nein, // nothing (the histogram only)
    Anzahlen, // the four counts per k
    Liste, // the counts and the category of every combination
};

// The category of every k-subset, 2 bits per combination in lexicographic order (rank).
// Entries of one category are found in order without unpacking the others. Copies share the
// bits, which no longer change once the run has returned; reading from several threads is safe.
class Kategorienliste
{
public:
    int n() const { return m_n; }
    int k() const { return m_k; }
    // Number of combinations, C(n, k).
    std::uint64_t size() const { return m_anzahl; }
    bool leer() const { return m_anzahl == 0; }

    // Category 0..3 of the combination with that rank.
    int kategorie(std::uint64_t rang) const;
    // How many combinations have that category.
    std::uint64_t anzahl(int kategorie) const { return m_summe[kategorie]; }
    // Rank of the i-th (from 0) combination of that category, or size() when there is none.
    std::uint64_t rangDesEintrags(int kategorie, std::uint64_t i) const;
    // Smallest rank >= abRang with that category, or size() when there is none.
    std::uint64_t naechsterRang(int kategorie, std::uint64_t abRang) const;

    // Calls f(rang, positionen) for every combination of the category, in rank order, with
    // its ascending 1-based positions (a span of k ints); f returns false to stop early.
    template<class F>
    void durchlaufen(int kategorie, F &&f) const
    {
        std::array<int, TrefferMaxK> pos{};
        const std::span<int> p(pos.data(), std::size_t(m_k));
        std::uint64_t aktuell = 0;
        bool gesetzt = false;
        for (std::uint64_t r = naechsterRang(kategorie, 0); r < m_anzahl; r = naechsterRang(kategorie, r + 1)) {
            // Close entries are reached by stepping, distant ones by unranking.
            if (gesetzt && r - aktuell <= 16) {
                while (aktuell < r) {
                    KombinationWeiter(m_n, p);
                    ++aktuell;
                }
            } else {
                KombinationAusRang(m_n, r, p);
                aktuell = r;
                gesetzt = true;
            }
            if (!f(r, std::span<const int>(p)))
                return;
        }
    }

private:
    friend class TrefferKategorienSchreiber;

    // Word pairs: word 2w holds the low bits, word 2w + 1 the high bits of ranks 64w..64w+63.
    std::shared_ptr<std::uint64_t[]> m_bits;
    std::size_t m_woerter = 0; // words per bit plane
    // Per block of BlockWoerter words: how many combinations of each category lie before it.
    std::vector<std::array<std::uint64_t, AuftretenKategorien>> m_vorher;
    std::array<std::uint64_t, AuftretenKategorien> m_summe{};
    std::uint64_t m_anzahl = 0;
    int m_n = 0;
    int m_k = 0;

    static constexpr std::size_t BlockWoerter = 64;
    std::uint64_t kategorieWort(int kategorie, std::size_t w) const;
    void verzeichnen();
};

// One run: rows as sets of pool positions (bit p of a Reihenmenge is position p; only the
// positions 1..wz take part, others are ignored), the pool size and the range of k.
struct Trefferauftrag
{
    std::vector<Reihenmenge> reihen;
    int wz = 0; // 0..TrefferMaxWZ
    int kmin = 2; // 1..TrefferMaxK
    int kmax = 2; // kmin..TrefferMaxK; a kmax below kmin evaluates nothing
    Auftreten auftreten = Auftreten::Nein;
    int threads = 0; // worker threads; 0 = one per core
};

enum class Trefferfehler {
    Keiner,
    UngueltigerAuftrag, // wz or k outside the ranges above
    ZuVieleKombinationen, // C(wz, k), or their sum over the run, does not fit in 64 bits
    ZuWenigSpeicher, // the category lists would take over half the memory, or it cannot be had
};

// Results for one k.
struct TrefferProK
{
    int k = 0;
    // Combinations evaluated; C(wz, k) when this k was completed.
    std::uint64_t bewertet = 0;
    // verteilung[j]: evaluated combinations whose best row has exactly j hits (j = 0..k).
    std::array<std::uint64_t, TrefferMaxK + 1> verteilung{};
    // auftreten[c]: evaluated combinations of category c (when counts were asked for).
    std::array<std::uint64_t, AuftretenKategorien> auftreten{};
    // The category of every combination (Auftreten::Liste and this k completed); else empty.
    Kategorienliste kategorien;
};

// The result of a run.
//
// Stop: the flag is read before each k and between small pieces of work (each piece well
// under a millisecond). Once it is set, no further combination is evaluated and the run
// returns with abgebrochen set and kErreicht the k it was evaluating:
// - every k below kErreicht is complete;
// - kErreicht holds the counts of the combinations evaluated so far (bewertet of them, each
//   counted once in verteilung and, when asked, in auftreten); its category list is empty;
// - every k above kErreicht has zero counts and no list.
// With one thread the evaluated combinations of kErreicht are exactly the first `bewertet`
// in lexicographic order, as in a loop that stops before the next combination; with several
// threads they are whole pieces of the rank space, not necessarily a prefix.
// A flag set before the start gives kErreicht = kmin and nothing evaluated. A histogram-only
// run over many k of a pool of at most 26 positions may count all its k together (in a
// fraction of a second for rows of lottery size); a stop during it likewise leaves
// kErreicht = kmin and nothing evaluated.
struct Trefferergebnis
{
    Trefferfehler fehler = Trefferfehler::Keiner;
    bool abgebrochen = false;
    // The last k evaluated (kmax when complete), or the interrupted k after a stop.
    int kErreicht = 0;
    int kmin = 0;
    // One entry per k = kmin..kmax (empty after an error or when kmax < kmin).
    std::vector<TrefferProK> proK;

    const TrefferProK *fuerK(int k) const
    {
        return k >= kmin && k - kmin < int(proK.size()) ? &proK[std::size_t(k - kmin)] : nullptr;
    }
};

// Progress: called with the number of combinations evaluated so far, summed over all k of
// the run (its total is the sum of C(wz, k)). Called from a worker thread, never from two at
// once, with rising values: whenever a thread has evaluated another 65,536 combinations and
// when it finishes a piece of the rank space (the all-k-together count above reports once, at
// its end). It should return quickly: store the value or post it to the UI thread.
using Trefferfortschritt = std::function<void(std::uint64_t erledigt)>;

// Runs the analysis on the calling thread plus auftrag.threads - 1 worker threads and returns
// when done or stopped. Safe to call from any thread; the inputs are copied in the auftrag.
Trefferergebnis TrefferanalyseAusfuehren(const Trefferauftrag &auftrag, const std::atomic_bool &abbruch,
                                         const Trefferfortschritt &fortschritt = {});

// The rows of a catalogue entry as pool positions; empty when a stored position lies outside
// 1..WZ (damaged data).
std::optional<std::vector<Reihenmenge>> KatalogReihenmengen(int system);
