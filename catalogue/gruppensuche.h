#pragma once

#include "abdeckungssuche.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Coverings invariant under a permutation group. Such a design is a union of orbits of
// k-sets; an orbit covers a whole orbit of t-sets as soon as its representative contains
// one member of it, so the search becomes a weighted set cover (weight: orbit length) with
// far fewer rows and columns than the plain problem.

// A permutation of the points 0..v-1.
using Permutation = std::vector<std::uint8_t>;

// Generators of a group on v points, read from a short description:
//   "m,r,f,a,s"  r copies of Z_m and f fixed points (v = r*m + f); point i*m + x is x in
//                copy i. Generators: (i,x) -> (i,x+1) and (i,x) -> (i+s mod r, a*x mod m).
//   "pgl:q" / "psl:q"  the projective (special) linear group on the q+1 points of the
//                projective line over GF(q), q a prime or the square of a prime.
// Returns false with a message when the description does not fit v.
bool GruppeLesen(const std::string &beschreibung, int v, std::vector<Permutation> &erzeuger, std::string &fehler);

// The groups a screen for a design on v points with the given row count tries, as
// descriptions for GruppeLesen: every "m,r,f,a,s" with f <= 3 fixed points, r <= 4 copies
// and a multiplier a of order at most 6; then, up to 10 fixed points and 10 copies, those
// whose orbit length m (or m/2) divides the row count, with a multiplier of order at most
// 3; last "pgl:q" and "psl:q" when v - 1 = q is a prime or the square of an odd prime.
std::vector<std::string> SiebGruppen(int v, int zeilen);

// The orbit of a block under the group of the generators.
std::vector<Block> Bahn(Block b, const std::vector<Permutation> &erzeuger);

struct Gruppensuchergebnis
{
    std::vector<Block> bahnenUeberdeckung; // union of the chosen orbits (every t-set covered)
    std::vector<Block> gestutzt; // the same after dropping redundant blocks
    int spalten = 0; // k-orbits taken into the search
    int zeilen = 0; // t-orbits
};

// Searches a cheap union of k-orbits that covers every t-set: local search that removes a
// few chosen orbits and repairs greedily, accepting worse unions now and then (see the
// source). maxSpalten caps the number of k-orbits (a random sample beyond it). With m > t
// the demand is weaker: every m-set holds some t-set that lies in a row ("t hits if m
// drawn").
Gruppensuchergebnis GruppenUeberdeckung(int v, int k, int t, const std::vector<Permutation> &erzeuger, double sekunden,
                                        std::uint64_t saat, std::size_t maxSpalten = 400000,
                                        const std::atomic_bool *stop = nullptr, int m = 0);

// Drops blocks that the demand (as above; m <= t: plain covering) does not need, in several
// random orders; returns the smallest result.
std::vector<Block> RedundanteStreichen(int v, int t, const std::vector<Block> &bloecke, int versuche,
                                       std::uint64_t saat, int m = 0);
