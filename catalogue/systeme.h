#pragma once

#include <array>
#include <cstdint>
#include <string>

// One system descriptor: RG numbers per row (bankers not counted), WZ pool size,
// GA guaranteed hits (0: none, GA == RG: full system), TR rows.
struct TSysteme
{
    std::uint8_t RG = 0;
    std::uint8_t WZ = 0;
    std::uint8_t GA = 0;
    std::uint16_t TR = 0;

    friend bool operator==(const TSysteme &, const TSysteme &) = default;
};

// One entry of the own-system index. The raw record is kept so that a record read
// from disk is written back byte for byte, padding included.
struct TEigSysteme
{
    std::uint8_t RG = 0;
    std::uint8_t WZ = 0;
    std::uint8_t GA = 0;
    std::uint16_t TR = 0;
    double gesp = 0.0;   // days since 1899-12-30, fraction = time of day
    std::string fn;      // row file name inside EigeneSysteme (single-byte characters)
    std::array<std::uint8_t, 272> roh{}; // stored record; fields above win when written
    bool hatRoh = false;

    TSysteme system() const { return TSysteme{RG, WZ, GA, TR}; }
};

// A set of the numbers 0..103 in 13 bytes: number e is bit (e mod 8) of byte (e div 8).
struct Zahlenmenge
{
    std::array<std::uint8_t, 13> bytes{};

    static constexpr int Grenze = 103;

    void hinzufuegen(int e)
    {
        if (e < 0 || e > Grenze)
            return;
        bytes[e >> 3] |= std::uint8_t(1u << (e & 7));
    }
    void entfernen(int e)
    {
        if (e < 0 || e > Grenze)
            return;
        bytes[e >> 3] &= std::uint8_t(~(1u << (e & 7)));
    }
    bool enthaelt(int e) const
    {
        if (e < 0 || e > Grenze)
            return false;
        return (bytes[e >> 3] >> (e & 7)) & 1u;
    }
    int anzahl() const
    {
        int n = 0;
        for (auto b : bytes)
            n += __builtin_popcount(b);
        return n;
    }
    bool leer() const { return anzahl() == 0; }
    Zahlenmenge operator&(const Zahlenmenge &o) const
    {
        Zahlenmenge r;
        for (int i = 0; i < 13; ++i)
            r.bytes[i] = bytes[i] & o.bytes[i];
        return r;
    }
    Zahlenmenge operator|(const Zahlenmenge &o) const
    {
        Zahlenmenge r;
        for (int i = 0; i < 13; ++i)
            r.bytes[i] = bytes[i] | o.bytes[i];
        return r;
    }
    friend bool operator==(const Zahlenmenge &, const Zahlenmenge &) = default;
};
static_assert(sizeof(Zahlenmenge) == 13);

// A set of pool positions 0..255 in 256 bits.
struct Reihenmenge
{
    std::array<std::uint64_t, 4> w{};

    void hinzufuegen(int p)
    {
        if (p < 0 || p > 255)
            return;
        w[p >> 6] |= std::uint64_t(1) << (p & 63);
    }
    bool enthaelt(int p) const
    {
        if (p < 0 || p > 255)
            return false;
        return (w[p >> 6] >> (p & 63)) & 1u;
    }
    int anzahl() const
    {
        int n = 0;
        for (auto x : w)
            n += __builtin_popcountll(x);
        return n;
    }
    int schnittAnzahl(const Reihenmenge &o) const
    {
        int n = 0;
        for (int i = 0; i < 4; ++i)
            n += __builtin_popcountll(w[i] & o.w[i]);
        return n;
    }
    friend bool operator==(const Reihenmenge &, const Reihenmenge &) = default;
};
