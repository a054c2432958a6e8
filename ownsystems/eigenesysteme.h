#pragma once

// Own systems without widgets: saving tested own rows as an own system, deleting one, the
// state line of the manager page and the search for comparable built-in systems.

#include "dateischreiben.h"
#include "eigensystemdatei.h"
#include "katalogzustand.h"
#include "systeme.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// One line of the comparable-systems search with the Systemliste index of the system it names.
struct Vergleichszeile
{
    QString text;
    int index = -1;
};

// Compares (rg, wz, ga, tr) with every catalogue and full system (Systemliste indexes
// 0 .. AnzahlStandardsysteme - 1); own systems are never compared. First pass: equal
// RG, WZ, GA with TR equal or smaller; second pass: equal RG, WZ, similar TR
// (TRAbweichung of the selection core) and a higher GA. nullopt when rg < 2.
std::optional<std::vector<Vergleichszeile>> VergleichbareSysteme(const KatalogZustand &katalog, int rg, int wz, int ga,
                                                                 int tr);

// The manager's completeness line for n own systems of which m lack their row file.
struct Vollstaendigkeit
{
    QString text;
    bool rot = false; // red when m > 0, else green
};
Vollstaendigkeit EsyVollstaendigkeit(int n, int m);

// Result of saving or deleting.
struct EsyAenderung
{
    bool ok = false;
    QString meldung; // German message for the user when !ok (names the file and the reason)
    QString dateiname; // the row file name (saving)
};

// Saves a tested own system: chooses the row file name (NaechsteFreieEsyNummer), writes the
// row file completely, then the index with the new record appended (gesp = the given time
// in the stored day format). On any failure the index on disk and Eigensystemliste stay as
// they were and no new row file is left behind. Refused (with a message) when
// katalog.EigensystemeGesperrt is set (the index could not be read at start).
// Does not rebuild the Systemliste: the caller does (SystemlisteAufbauen).
EsyAenderung EigenesSystemSpeichern(KatalogZustand &katalog, const std::vector<Reihenmenge> &reihen, int rg, int wz,
                                    int ga, double gesp);

// Deletes index record `eintrag`: writes the index without it first; only when that
// succeeded the record leaves Eigensystemliste and its row file (if its name is a safe plain
// file name inside EigeneSystemeOrdner and it exists) is deleted. On failure nothing changes.
// A row file that another remaining record names as well stays. ok with a meldung: the
// record is gone but its row file could not be removed (the user may want to know).
// Eigensystemnummer is stale afterwards: the caller rebuilds the Systemliste.
EsyAenderung EigenesSystemLoeschen(KatalogZustand &katalog, int eintrag);

// The Systemliste index of index record `eintrag`, or -1 when it has none (its row file was
// missing at the last SystemlisteAufbauen). Uses Eigensystemnummer.
int SystemlistenindexVonEintrag(const KatalogZustand &katalog, int eintrag);

// gesp as shown on the manager page: short date, " um ", long time ("08.12.2025 um 23:41:05").
QString EsyZeitText(double gesp, const QLocale &locale);
// Current local date and time in the stored day format (days since 1899-12-30).
double EsyJetzt();

// The full path of record `eintrag`'s row file inside EigeneSystemeOrdner; empty when there is
// no such record or its name is no safe plain file name (such a name is never opened).
QString EsyReihendateiPfad(const KatalogZustand &katalog, int eintrag);
// Whether record `eintrag`'s row file exists now (a file, under a safe name).
bool EsyReihendateiVorhanden(const KatalogZustand &katalog, int eintrag);
// The message for a row file that cannot be shown (EsyReihenLesen's result for file fn).
QString EsyReihenAnzeigeFehler(const QString &fn, const EsyReihenErgebnis &e);
