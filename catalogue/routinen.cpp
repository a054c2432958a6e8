#include "routinen.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>

unsigned __int128 NueberK128(int n, int k)
{
    if (n < 0 || k < 0 || k > n)
        return 0;
    const int m = std::min(k, n - k);
    // r runs through C(n-m+i, i); every division is exact.
    unsigned __int128 r = 1;
    for (int i = 1; i <= m; ++i)
        r = r * unsigned(n - m + i) / unsigned(i);
    return r;
}

std::int64_t NueberK(int n, int k)
{
    // The intermediate values stay below result * n, so the 128-bit product is exact
    // whenever the result itself fits in 64 bits.
    return std::int64_t(std::uint64_t(NueberK128(n, k)));
}

std::int64_t RechenoperationenZaehlen(int tr, int wz, int kmax, int kmin)
{
    std::int64_t summe = 0;
    for (int k = kmin; k <= kmax; ++k)
        summe += NueberK(wz, k);
    return std::int64_t(tr) * summe;
}

bool Kombinationstabelle::groesseSetzen(std::size_t n)
{
    if (n <= m_kapazitaet) {
        m_laenge = n;
        return true;
    }
    freigeben();
    if (n > std::numeric_limits<std::size_t>::max() / sizeof(Zahlenmenge))
        return false;
    try {
        m_daten.reset(new Zahlenmenge[n]);
    } catch (const std::bad_alloc &) {
        return false;
    }
    m_laenge = n;
    m_kapazitaet = n;
    return true;
}

void Kombinationstabelle::freigeben()
{
    m_daten.reset();
    m_laenge = 0;
    m_kapazitaet = 0;
}

KombiFehler KombinationenBilden(int n, int k, Kombinationstabelle &tabelle)
{
    constexpr int MaxK = 20;
    if (k < 1 || k > MaxK || k > n || n > 100) {
        tabelle.freigeben();
        return KombiFehler::UngueltigeArgumente;
    }
    const auto anzahl = NueberK128(n, k);
    // Entries are counted in 32 bits elsewhere; anything bigger would never fit in memory.
    if (anzahl > std::numeric_limits<std::uint32_t>::max() || !tabelle.groesseSetzen(std::size_t(anzahl))) {
        tabelle.freigeben();
        return KombiFehler::ZuWenigSpeicher;
    }

    // a[j] is the (j+1)-th element; praefix[j] the set {a[0..j]}, so a step only rebuilds
    // the sets from the changed position on.
    std::array<int, MaxK> a{};
    std::array<Zahlenmenge, MaxK> praefix{};
    for (int j = 0; j < k; ++j) {
        a[j] = j + 1;
        praefix[j] = j > 0 ? praefix[j - 1] : Zahlenmenge{};
        praefix[j].hinzufuegen(a[j]);
    }

    Zahlenmenge *ziel = tabelle.data();
    const Zahlenmenge *const ende = ziel + tabelle.size();
    for (;;) {
        *ziel++ = praefix[k - 1];
        if (ziel == ende)
            break;
        int j = k - 1;
        while (a[j] == n - k + j + 1)
            --j; // ziel != ende guarantees some position can still rise
        ++a[j];
        for (int l = j; l < k; ++l) {
            if (l > j)
                a[l] = a[l - 1] + 1;
            praefix[l] = l > 0 ? praefix[l - 1] : Zahlenmenge{};
            praefix[l].hinzufuegen(a[l]);
        }
    }
    return KombiFehler::Keiner;
}
