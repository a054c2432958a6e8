#pragma once

#include "systeme.h"

#include <cstdint>

inline constexpr int KatalogGroesse = 649;
// Rows of all catalogue systems together, as planned.
inline constexpr long KatalogZeilenGeplant = 38183;

// The built-in catalogue: 649 descriptors with their rows as pool positions (1-based),
// embedded in the program as constant data.
const TSysteme &KatalogSystem(int index);

// Row data of one catalogue entry: TR rows of RG bytes, one row after the other.
const std::uint8_t *KatalogReihen(int index);

// The pool position stored for catalogue entry system (from 0), row reihe (from 1) and
// column stelle (from 1); rg is that entry's RG. The caller keeps to the ranges.
std::uint8_t SystemZahl(int system, int rg, int reihe, int stelle);
