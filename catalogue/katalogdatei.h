#pragma once

#include "katalogziele.h"
#include "systeme.h"

#include <cstdint>
#include <string>
#include <vector>

// The catalogue in its readable form (data/katalog.txt): a line
// "system <index> RG <rg> WZ <wz> GA <ga> TR <tr>" per entry, followed by its TR rows,
// one row per line as RG pool positions separated by blanks. '#' starts a comment line.
struct KatalogEintrag
{
    TSysteme sys;
    std::vector<std::uint8_t> reihen; // TR * RG positions, 1-based
    bool vorhanden = false;
};

// Reads the file into 649 entries (missing ones stay vorhanden == false). Returns false
// with a message in fehler when the file cannot be read or is malformed.
bool KatalogLesen(const std::string &pfad, std::vector<KatalogEintrag> &eintraege, std::string &fehler);

// Writes all entries to a new file beside pfad and then replaces pfad.
bool KatalogSchreiben(const std::string &pfad, const std::vector<KatalogEintrag> &eintraege,
                      const std::string &kopf, std::string &fehler);
