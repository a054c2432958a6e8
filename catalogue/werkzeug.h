#pragma once

// Shared parts of the catalogue tool kbw-katalog: its options, the data file's rows and
// the one way an improved design goes into the file.

#include "abdeckungssuche.h"
#include "katalogdatei.h"

#include <cstdint>
#include <string>
#include <vector>

namespace katalogwerkzeug {

extern const char *const Kopf;

struct Optionen
{
    std::string daten;
    std::string gruppe;
    int laeufe = 1;
    double spielraum = 0; // percent
    std::uint64_t saat = 1;
    double tStart = 0.25;
    double tEnde = 0.15;
    double sekunden = 10;
    int threads = 2;
    int von = 0;
    int bis = KatalogGroesse - 1;
};

// The entry's readable form from rows as bit masks, rows in lexicographic order.
KatalogEintrag ZuEintrag(int index, const std::vector<Block> &bloecke);

// Row count of the entry as the file holds it now (0: missing or the file does not read).
int GespeicherteZeilen(const std::string &daten, int index);

// Rows of a stored entry as bit masks.
std::vector<Block> AlsBloecke(const KatalogEintrag &e);

// A covering entry with nothing but its GA-set demand, whose row count is free to fall
// (not the lottery entries, not those whose fixed count lies above the best known size).
bool SchlichteUeberdeckung(int i);

// Several tool runs may work on the same file one after the other or side by side: each
// change re-reads the file under this lock (one per data file, outside the source tree).
class Dateisperre
{
public:
    explicit Dateisperre(const std::string &daten);
    ~Dateisperre();
    Dateisperre(const Dateisperre &) = delete;
    Dateisperre &operator=(const Dateisperre &) = delete;

private:
    int m_fd = -1;
};

// Replaces an entry only when the new design passes the checker and has fewer rows than
// what the file holds now.
bool Uebernehmen(const std::string &daten, int index, const KatalogEintrag &neu);

// The commands.
int Erzeugen(const Optionen &o);
int Ausgleichen(const Optionen &o);
int Gruppe(const Optionen &o);
int Sieb(const Optionen &o);
int Verbessern(const Optionen &o);
int Feld(const Optionen &o);
int DreiTeile(const Optionen &o);
int Ableiten(const Optionen &o);

} // namespace katalogwerkzeug
