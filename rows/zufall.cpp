#include "zufall.h"

#include <chrono>

void Zufallsgenerator::vonUhrSetzen()
{
    // Nanosecond ticks: two clicks within the same millisecond still get different seeds.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    m_keim = std::uint32_t(std::uint64_t(ticks) ^ (std::uint64_t(ticks) >> 32));
}
