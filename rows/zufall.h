#pragma once

#include <cstdint>

// The program's pseudo-random generator: 32-bit linear congruential, seed <- seed * 134775813 + 1.
// A uniform integer in 0..m-1 is the upper half of the 64-bit product of the new seed and m.
class Zufallsgenerator
{
public:
    explicit Zufallsgenerator(std::uint32_t keim = 0) : m_keim(keim) { }

    void keimSetzen(std::uint32_t keim) { m_keim = keim; }
    std::uint32_t keim() const { return m_keim; }

    // Takes a new seed from a fast clock counter.
    void vonUhrSetzen();

    // Uniform integer in 0..m-1; 0 for m = 0.
    std::uint32_t zufall(std::uint32_t m)
    {
        m_keim = m_keim * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(m_keim) * m) >> 32);
    }

private:
    std::uint32_t m_keim;
};
