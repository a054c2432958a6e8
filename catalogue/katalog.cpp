#include "katalog.h"

#include "katalog_daten.h"

const TSysteme &KatalogSystem(int index)
{
    return katalogDeskriptoren[index];
}

const std::uint8_t *KatalogReihen(int index)
{
    return katalogDaten + katalogVersatz[index];
}

std::uint8_t SystemZahl(int system, int rg, int reihe, int stelle)
{
    return KatalogReihen(system)[(reihe - 1) * rg + (stelle - 1)];
}
