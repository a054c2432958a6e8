#include "routinen.h"

#include <algorithm>
#include <array>
#include <bit>
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

namespace {

// C(n, k) for n, k <= KTeilmengeMaxN, filled from NueberK once; the ranks look values up here.
struct Binomialtabelle
{
    std::int64_t c[KTeilmengeMaxN + 1][KTeilmengeMaxN + 1];
    Binomialtabelle()
    {
        for (int n = 0; n <= KTeilmengeMaxN; ++n)
            for (int k = 0; k <= KTeilmengeMaxN; ++k)
                c[n][k] = NueberK(n, k);
    }
};

const Binomialtabelle &Binomial()
{
    static const Binomialtabelle tabelle;
    return tabelle;
}

} // namespace

void KTeilmengeErste(int *a, int k)
{
    for (int i = 0; i < k; ++i)
        a[i] = i;
}

int KTeilmengeNaechste(int *a, int n, int k)
{
    int i = k - 1;
    while (i >= 0 && a[i] == n - k + i)
        --i;
    if (i < 0)
        return -1;
    ++a[i];
    for (int j = i + 1; j < k; ++j)
        a[j] = a[j - 1] + 1;
    return i;
}

// Counting from the back: the subsets after a are those whose members, read as n-1-a[i],
// form a smaller colex rank, so rank = C(n, k) - 1 - sum C(n-1-a[i], k-i).
std::int64_t KTeilmengeRang(const int *a, int n, int k)
{
    const auto &c = Binomial().c;
    std::int64_t danach = 0;
    for (int i = 0; i < k; ++i)
        danach += c[n - 1 - a[i]][k - i];
    return c[n][k] - 1 - danach;
}

std::int64_t KTeilmengeRang(std::uint64_t maske, int n)
{
    const auto &c = Binomial().c;
    const int k = std::popcount(maske);
    std::int64_t danach = 0;
    for (int i = 0; maske; maske &= maske - 1, ++i)
        danach += c[n - 1 - std::countr_zero(maske)][k - i];
    return c[n][k] - 1 - danach;
}

void KTeilmengeAusRang(std::int64_t r, int n, int k, int *a)
{
    const auto &c = Binomial().c;
    std::int64_t rest = c[n][k] - 1 - r;
    int oben = n - 1; // largest value n-1-a[i] may still take
    for (int i = 0; i < k; ++i) {
        int m = oben;
        while (c[m][k - i] > rest)
            --m;
        a[i] = n - 1 - m;
        rest -= c[m][k - i];
        oben = m - 1;
    }
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

    // a holds the members counted from 0; praefix[j] is the set {a[0..j]} counted from 1, so a
    // step only rebuilds the sets from the changed place on.
    int a[MaxK];
    std::array<Zahlenmenge, MaxK> praefix{};
    KTeilmengeErste(a, k);
    int ab = 0;
    Zahlenmenge *ziel = tabelle.data();
    do {
        for (int l = ab; l < k; ++l) {
            praefix[l] = l > 0 ? praefix[l - 1] : Zahlenmenge{};
            praefix[l].hinzufuegen(a[l] + 1);
        }
        *ziel++ = praefix[k - 1];
    } while ((ab = KTeilmengeNaechste(a, n, k)) >= 0);
    return KombiFehler::Keiner;
}
