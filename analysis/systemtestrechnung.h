#pragma once

// The figures and cell texts of the system test, without widgets: the lowest hit count, the
// sizes of a run, the percentages, the texts of grid g2 and the rows of the chosen system.

#include "eigensystemdatei.h"
#include "systeme.h"
#include "trefferanalyse.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct KatalogZustand;

// The texts both test windows show: the German message for an engine error, the note on
// bankers below the grid, and the description's placeholder before a system is chosen.
QString TrefferFehlertext(Trefferfehler fehler);
QString Bankzahlhinweis();
QString Beschreibungsanfang();

// The lowest k a test evaluates, for rows of rg numbers (bankers not counted) and d numbers
// of the lottery that are neither in the pool nor bankers. d is compared unsigned, so a
// negative d gives 2.
int MindestTreffer(int rg, int d);

// C(wz, k) summed over k = kmin..kmax; 0 when kmax < kmin.
std::int64_t KombinationenZaehlen(int wz, int kmax, int kmin);

// count of total in percent: below 1 % with four decimals, else with two, in the locale's
// decimal separator ("23,81", "0,5000", "100,00").
QString Prozenttext(std::uint64_t anzahl, std::uint64_t gesamt, const QLocale &locale = QLocale());
// A count with the locale's thousands separator ("13.983.816").
QString Zaehltext(std::uint64_t anzahl, const QLocale &locale = QLocale());

// Grid g2: 19 rows, 12 columns, row 0 and column 0 fixed. Row 2k - 3 holds the counts of k,
// row 2k - 2 their percentages; column 1 C(wz, k), column j + 1 the k-subsets whose best
// row has j hits.
constexpr int G2Zeilen = 19;
constexpr int G2Spalten = 12;
using G2Tabelle = std::array<std::array<QString, G2Spalten>, G2Zeilen>;
constexpr int G2Zeile(int k)
{
    return 2 * k - 3;
}

// The captions of the fixed row and column; every other cell empty.
G2Tabelle G2Fuellen();
// Empties every cell outside the fixed row and column.
void GridLeeren(G2Tabelle &tabelle);
// The column widths in pixels.
std::array<int, G2Spalten> G2Spaltenbreiten();

// Writes the rows of k = kmin..kmax from a run of the engine over a pool of wz positions.
// A stopped run leaves the counts reached in the row of the interrupted k; every later k gets
// its figure in column 1 and "---" in its hit cells. Columns beyond k + 1 stay as they are.
void G2ErgebnisEintragen(G2Tabelle &tabelle, const Trefferergebnis &ergebnis, int wz, int kmin, int kmax,
                         const QLocale &locale = QLocale());
// A full system: every k-subset is hit completely by some row, so C(wz, k) stands in column 1
// and in column k + 1 over "100,00", the columns 2..k read "---".
void G2VollsystemEintragen(G2Tabelle &tabelle, int wz, int k, const QLocale &locale = QLocale());
// The result a full system would give the engine for k = kmin..kmax (no category lists).
Trefferergebnis VollsystemErgebnis(int wz, int kmin, int kmax);

// Background of a cell outside the fixed row and column: green for a complete percentage
// ("100,00" in a percentage row) and for a count equal to all combinations of the row.
enum class G2Farbe { Gruen, Gelb, Weiss };
G2Farbe G2Hintergrund(int zeile, int spalte, const QString &text, const QString &textSpalte1);
// Point size of a cell's text: long figures in the narrow columns 8 to 10 are set smaller.
int G2Schriftgroesse(int spalte, const QString &text);

// Reads the rows of the own system at Systemliste index `index`. fehlt: the row file does not
// exist (dateiname then holds its name); otherwise gelesen reports what the reader found.
struct Eigensystemdaten
{
    bool fehlt = false;
    QString dateiname;
    EsyReihenErgebnis gelesen;
    std::vector<Reihenmenge> reihen;
};
Eigensystemdaten EigensystemLaden(const KatalogZustand &katalog, int index);
