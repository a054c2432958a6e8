#pragma once

#include "dateischreiben.h"
#include "systeme.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Files of the own systems in the folder EigeneSysteme: the index "ESySummary.esy" (fixed
// 272-byte records) and one row file "ESY<i>.csv" per system.

inline constexpr char EsyIndexName[] = "ESySummary.esy";
inline constexpr int EsyDatensatzGroesse = 272;

// Read bounds, each stated once: an index holds at most this many records (a real one has a
// handful; a bigger file is not loaded at all, so a damaged or foreign file cannot cost
// gigabytes of memory at start), and a row file is at most this many bytes (65,535 rows of
// ten positions take under 3 MB).
inline constexpr int EsyIndexHoechstzahl = 100000;
inline constexpr qint64 EsyReihendateiHoechstgroesse = 8 * 1024 * 1024;

enum class EsyFehler {
    Keiner,
    NichtLesbar, // the file exists but cannot be read (fehlertext: the system's text)
    NichtSchreibbar, // the new file could not be written or put in place (grund: why)
    Ungueltig, // a row file breaks its format (see EsyReihenErgebnis)
    ZuGross, // beyond the read bound above; nothing was loaded
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
    QString fehlertext; // the system's I/O error text (NichtLesbar)
    int restBytes = 0; // length of a trailing part shorter than one record (a cut-off file)
    qint64 datensaetze = 0; // whole records in the file, also when there are too many (ZuGross)
};

// Reads the index. A missing file is an empty index; a trailing part shorter than one
// record is not read, its length is reported in restBytes. More than EsyIndexHoechstzahl
// records: ZuGross, nothing loaded.
EsyIndexErgebnis EsyIndexLesen(const QString &pfad);

struct EsySchreibErgebnis
{
    EsyFehler fehler = EsyFehler::Keiner;
    QString fehlertext; // the system's text, for the log
    SchreibErgebnis grund; // for SchreibFehlerText
    bool ok() const { return fehler == EsyFehler::Keiner; }
};

// Replaces the index with the given records through DateiSicherSchreiben: on failure the
// old index stays byte for byte and no temporary file is left.
EsySchreibErgebnis EsyIndexSchreiben(const QString &pfad, const std::vector<TEigSysteme> &eintraege);

using EsyReihe = std::vector<int>; // pool positions, ascending, 1..WZ

// What is wrong with a row file (EsyFehler::Ungueltig), with the values a message needs.
enum class EsyZeilenFehler {
    Keiner,
    ZuWenigeReihen, // anzahl non-blank lines instead of tr
    FeldAnzahl, // line zeile has anzahl fields instead of rg
    KeineZahl, // field feld of line zeile is no whole number
    PositionAusserhalb, // position outside 1..wz
    PositionDoppelt, // position twice in the line
    NichtAufsteigend, // position smaller than the one before it
};

inline constexpr int EsyAlleReihen = -1;

struct EsyReihenErgebnis
{
    std::vector<EsyReihe> reihen;
    EsyFehler fehler = EsyFehler::Keiner;
    EsyZeilenFehler art = EsyZeilenFehler::Keiner;
    int zeile = 0; // 1-based line in the file of the first error (0 for ZuWenigeReihen)
    int anzahl = 0; // fields found (FeldAnzahl) or rows found (ZuWenigeReihen)
    int erwartet = 0; // rg (FeldAnzahl), tr (ZuWenigeReihen) or wz (PositionAusserhalb)
    int position = 0; // PositionAusserhalb, PositionDoppelt, NichtAufsteigend
    QByteArray feld; // KeineZahl: the field, cut to 20 bytes
    QString fehlertext; // the system's I/O error text (NichtLesbar)
};

// The one reader of a row file. What it accepts, for every caller alike:
// - lines end with LF or CR LF, the last one may lack it;
// - empty lines and lines of blanks and control characters only are skipped;
// - a row is split at "," into exactly rg fields; blanks around a number are allowed, so
//   is a sign; anything else, or more than nine digits, is no number;
// - every position lies in 1..wz, once per row, ascending;
// - with tr >= 0 the first tr rows are read and the rest of the file is not looked at;
//   fewer than tr rows is an error. EsyAlleReihen reads every row.
// Files larger than EsyReihendateiHoechstgroesse are not read (ZuGross). On any error
// reihen is empty.
EsyReihenErgebnis EsyReihenLesen(const QString &pfad, int rg, int wz, int tr = EsyAlleReihen);
// The same rules for content already in memory.
EsyReihenErgebnis EsyReihenAuswerten(const QByteArray &inhalt, int rg, int wz, int tr = EsyAlleReihen);

// Writes the rows through DateiSicherSchreiben, one line each, positions separated by ",",
// CR LF after every line.
EsySchreibErgebnis EsyReihenSchreiben(const QString &pfad, const std::vector<EsyReihe> &reihen);

// "ESY" + i + ".csv"
QString EsyReihendateiName(int i);

// The smallest i >= 1 whose row file name neither exists in ordner nor is used by a record.
int NaechsteFreieEsyNummer(const QString &ordner, const std::vector<TEigSysteme> &eintraege);
