#pragma once

#include "systeme.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Files of the own systems in the folder EigeneSysteme: the index "ESySummary.esy" (fixed
// 272-byte records) and one row file "ESY<i>.csv" per system.

inline constexpr char EsyIndexName[] = "ESySummary.esy";
inline constexpr int EsyDatensatzGroesse = 272;

enum class EsyFehler {
    Keiner,
    NichtLesbar, // the file exists but cannot be read
    NichtSchreibbar, // the new file could not be written or put in place
    Ungueltig, // a row file breaks its format (see zeile)
};

using EsyDatensatz = std::array<std::uint8_t, EsyDatensatzGroesse>;

// Decodes one stored record; the raw bytes are kept so the record can be written back unchanged.
TEigSysteme EsyDatensatzLesen(const EsyDatensatz &roh);
// Encodes a record: the kept raw bytes (or zeros for a new record) with the fields laid over them.
EsyDatensatz EsyDatensatzBilden(const TEigSysteme &e);

struct EsyIndexErgebnis
{
    std::vector<TEigSysteme> eintraege;
    EsyFehler fehler = EsyFehler::Keiner;
    QString fehlertext; // the system's I/O error text
    int restBytes = 0; // length of a trailing part shorter than one record (a cut-off file)
};

// Reads the index. A missing file is an empty index; a trailing part shorter than one
// record is not read, its length is reported in restBytes.
EsyIndexErgebnis EsyIndexLesen(const QString &pfad);

struct EsySchreibErgebnis
{
    EsyFehler fehler = EsyFehler::Keiner;
    QString fehlertext;
    bool ok() const { return fehler == EsyFehler::Keiner; }
};

// Replaces the index with the given records. Writes a new file first, so a failure leaves
// the old index as it was.
EsySchreibErgebnis EsyIndexSchreiben(const QString &pfad, const std::vector<TEigSysteme> &eintraege);

using EsyReihe = std::vector<int>; // pool positions, ascending, 1..WZ

struct EsyReihenErgebnis
{
    std::vector<EsyReihe> reihen;
    EsyFehler fehler = EsyFehler::Keiner;
    int zeile = 0; // 1-based line of the first error (Ungueltig)
    QString fehlertext;
};

// Reads a row file and checks every line: exactly rg positions, ascending, distinct, in
// 1..wz, separated by "," without blanks. The last line may lack its CR LF.
EsyReihenErgebnis EsyReihenLesen(const QString &pfad, int rg, int wz);

// Writes the rows, one line each, positions separated by ",", CR LF after every line.
EsySchreibErgebnis EsyReihenSchreiben(const QString &pfad, const std::vector<EsyReihe> &reihen);

// "ESY" + i + ".csv"
QString EsyReihendateiName(int i);

// The smallest i >= 1 whose row file name neither exists in ordner nor is used by a record.
int NaechsteFreieEsyNummer(const QString &ordner, const std::vector<TEigSysteme> &eintraege);
