#pragma once

#include "abdeckungssuche.h"

#include <random>
#include <vector>

// The Steiner system S(3,6,22) (77 rows on the points 0..21), derived twice from the octads
// of the extended binary Golay code.
std::vector<Block> SteinerS3622();

// For k = v - 1: t + 1 rows, each leaving out one of the last t + 1 points, cover every t-set.
std::vector<Block> OhneJeEinenPunkt(int v, int t);

// tr distinct rows of k points on 0..v-1 that use every point (when tr * k >= v) and
// spread the points and the pairs as evenly as the row count allows.
std::vector<Block> GleichmaessigVerteilen(int v, int k, int tr, std::mt19937_64 &rng);
