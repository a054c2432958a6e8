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
