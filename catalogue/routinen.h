#pragma once

#include "systeme.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Binomial coefficient C(n, k). Exact whenever the result fits in 64 bits; otherwise the
// low 64 bits of the exact value. k < 0, k > n and n < 0 give 0.
std::int64_t NueberK(int n, int k);

// C(n, k) in 128 bits, for callers that need values beyond 64 bits. Exact as long as
// result * n stays below 2^128 (for n <= 100 always).
unsigned __int128 NueberK128(int n, int k);

// k-subsets of {0, ..., n-1} in lexicographic order, the order of KombinationenBilden
// (which counts the members from 1). A subset is held as its k members in ascending order,
// a[0] < a[1] < ... < a[k-1]. The whole program steps, ranks and unranks k-subsets only
// through these four routines; a rank runs from 0 to C(n, k) - 1.
//
//     int a[20];
//     KTeilmengeErste(a, k);
//     do { ... } while (KTeilmengeNaechste(a, n, k) >= 0);
//
// Ranks need 0 <= k <= n <= KTeilmengeMaxN and C(n, k) below 2^63; the stepper has no
// limit on n.
inline constexpr int KTeilmengeMaxN = 100;

// Sets a to the first subset {0, 1, ..., k-1}.
void KTeilmengeErste(int *a, int k);

// Steps a to the next subset of {0..n-1}. Returns the lowest place that changed (the places
// before it keep their members), or -1 when a was the last subset; a is then unchanged.
// For k = 0 the empty set is the only subset.
int KTeilmengeNaechste(int *a, int n, int k);

// The lexicographic rank of the subset a of {0..n-1}.
std::int64_t KTeilmengeRang(const int *a, int n, int k);
// The same for a subset given as a bit mask (member p is bit p; n <= 64); k is its bit count.
std::int64_t KTeilmengeRang(std::uint64_t maske, int n);

// The subset of rank r (0 <= r < C(n, k)) written to a[0..k).
void KTeilmengeAusRang(std::int64_t r, int n, int k, int *a);

// Row-against-combination comparisons of a test: tr * C(wz, k) summed over k = kmin..kmax;
// 0 when kmax < kmin.
std::int64_t RechenoperationenZaehlen(int tr, int wz, int kmax, int kmin);

// The program-wide table of number sets, filled by KombinationenBilden and by the
// expansion of full systems. One contiguous block; it only grows, so refilling a table
// of similar size does not reallocate.
class Kombinationstabelle
{
public:
    Kombinationstabelle() = default;
    Kombinationstabelle(const Kombinationstabelle &) = delete;
    Kombinationstabelle &operator=(const Kombinationstabelle &) = delete;

    // Sets the length to n entries (contents unspecified). Returns false, with the table
    // left empty, when the memory cannot be had.
    [[nodiscard]] bool groesseSetzen(std::size_t n);
    void freigeben();

    std::size_t size() const { return m_laenge; }
    bool empty() const { return m_laenge == 0; }
    Zahlenmenge &operator[](std::size_t i) { return m_daten[i]; }
    const Zahlenmenge &operator[](std::size_t i) const { return m_daten[i]; }
    Zahlenmenge *data() { return m_daten.get(); }
    const Zahlenmenge *data() const { return m_daten.get(); }
    const Zahlenmenge *begin() const { return m_daten.get(); }
    const Zahlenmenge *end() const { return m_daten.get() + m_laenge; }

private:
    std::unique_ptr<Zahlenmenge[]> m_daten;
    std::size_t m_laenge = 0;
    std::size_t m_kapazitaet = 0;
};

enum class KombiFehler {
    Keiner,
    UngueltigeArgumente, // outside 1 <= k <= 20, k <= n <= 100
    ZuWenigSpeicher, // "out of memory"
};

// Fills tabelle with all k-subsets of {1..n} in lexicographic order, each entry written once.
// On failure the table is left empty.
[[nodiscard]] KombiFehler KombinationenBilden(int n, int k, Kombinationstabelle &tabelle);
