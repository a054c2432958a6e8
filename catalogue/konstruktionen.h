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

// Designs derived from others; each keeps the covering property for the same t.

// Removes point p from a design on v points (the points above p move down by one). A row
// that held p gets a point it lacks instead, the one used least so far.
std::vector<Block> PunktStreichen(const std::vector<Block> &bloecke, int v, int p);

// Adds to every row one point it lacks (k -> k + 1), least used points first; duplicates
// that arise are dropped.
std::vector<Block> ZeilenVerlaengern(const std::vector<Block> &bloecke, int v);

// C(v,k,t) <= C(v-1,k,t) + C(v-1,k-1,t-1): the rows of a t-covering on the points
// 0..v-2 and the rows of a (t-1)-covering with one point less per row, each completed by
// the new point v-1.
std::vector<Block> NeuerPunkt(const std::vector<Block> &ohne, const std::vector<Block> &kleiner, int v);

// The lines of the projective space PG(3,q) for a prime q: (q^2+1)(q^2+q+1) lines of
// q+1 points on (q^4-1)/(q-1) points, every pair of points on exactly one line.
std::vector<Block> GeradenPG3(int q);
