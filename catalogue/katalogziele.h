#pragma once

#include "katalog.h"

// Construction goals of the built-in catalogue, one entry per catalogue index.
struct KatalogZiel
{
    int wz; // pool size v
    int rg; // row size k
    int ga; // guarantee t (0: none)
    int festeTR; // row count the entry must have, 0 when it is ours to choose
    int schoenheim; // Schoenheim bound of C(v,k,t), 0 without a covering requirement
    int untereSchranke;
    int bekannt; // best known covering size, 0 without a covering requirement
};

const KatalogZiel &KatalogZielFuer(int index);
