#pragma once

#include "katalog.h"
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

// The readable form of all present entries, led by kopf (comment lines). The tool writes it
// through the write helper (katalogschreiben.h); this file stays free of Qt for the build-time
// embedding tool.
std::string KatalogText(const std::vector<KatalogEintrag> &eintraege, const std::string &kopf);
