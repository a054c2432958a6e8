#pragma once

#include "systeme.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

struct KatalogZustand;

// True when name can be used as a file name inside a folder without leaving it: not
// empty, not "." or "..", no path separator and no control character.
bool IstSichererDateiname(const std::string &name);

// Rebuilds Systemliste, AnzahlStandardsysteme and FehlendeEigensysteme: the catalogue, the
// full systems whose row count does not exceed grenze (a negative grenze admits none),
// then every own system of Eigensystemliste whose row file exists in eigeneSystemeOrdner
// (Eigensystemnummer records which record each of them stands for).
void SystemlisteAufbauen(KatalogZustand &zustand, int grenze, const QString &eigeneSystemeOrdner);

// How many records of eintraege are usable: their row file exists in ordner (the records
// SystemlisteAufbauen would put into the list).
int NutzbareEigensysteme(const std::vector<TEigSysteme> &eintraege, const QString &ordner);

// The row file of the own system at Systemliste index `index` in `ordner`, or an empty text
// when the index is no own system or its record's name is no safe plain file name. The file
// may have been deleted since the list was built.
QString EigeneReihendatei(const KatalogZustand &zustand, int index, const QString &ordner);

// The number of systems the start window announces: for every tip-row size 4..10, the
// entries that reach it with the bankers allowed there (at most four).
std::int64_t SystemAnzahlStart(const std::vector<TSysteme> &systemliste);
