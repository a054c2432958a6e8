#pragma once

#include "katalog.h"
#include "systeme.h"

#include <cstdint>

// Generated at build time from data/katalog.txt.
extern const TSysteme katalogDeskriptoren[KatalogGroesse];
extern const std::uint32_t katalogVersatz[KatalogGroesse];
extern const std::uint8_t katalogDaten[];
