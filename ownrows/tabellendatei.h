#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// Workbooks for a spreadsheet program: the exports of the tip rows and of the own rows are
// written as .xlsx files, and the first worksheet of a workbook (.xlsx, .xlsm, .ods, .xls)
// is read into comma-separated lines for the own-rows memo. Pure functions, no widgets.

// What a workbook may hold before the import refuses it: a hostile or broken file must not
// exhaust the memory. Own rows come to a few thousand lines of at most ten numbers.
inline constexpr qint64 TabelleHoechstBytes = 32LL * 1024 * 1024; // size of the file
inline constexpr qint64 TabelleHoechstEntpackt = 128LL * 1024 * 1024; // all parts of a zipped workbook unpacked
inline constexpr int TabelleHoechstZeilen = 100000; // last used row of the first worksheet
inline constexpr int TabelleHoechstSpalten = 702; // last used column: ZZ
inline constexpr qint64 TabelleHoechstZellen = 2000000; // rows × columns of the block read
inline constexpr qint64 TabelleHoechstZeichen = 16LL * 1024 * 1024; // text of all cells together

struct Arbeitsmappe
{
    QByteArray inhalt; // the .xlsx file
    QString fehler; // German reason when no workbook could be made
    bool ok() const { return fehler.isEmpty(); }
};

// The tip rows of grid g1 as a workbook with the single sheet "Tippreihen". With titles
// (the grid's column titles, the first one above the row numbers) sheet row 1 holds them and
// column A the row numbers 1, 2, ...; without, A1 holds the first number of the first row.
// The columns are as wide as their contents, row 1's columns A..J are right-aligned.
Arbeitsmappe TippreihenArbeitsmappe(const std::vector<std::vector<int>> &reihen, const QStringList &titel);

// The own rows from A1 on, one row per sheet row, each row's numbers ascending, as numbers.
Arbeitsmappe EigeneReihenArbeitsmappe(const std::vector<std::vector<int>> &reihen);

struct Tabellenlesung
{
    QStringList zeilen;
    QString fehler; // German reason when the file cannot be read
    bool ok() const { return fehler.isEmpty(); }
};

// The first worksheet of the file, from A1 to its last used row and column, one line per
// sheet row: the cells' texts joined by ",", an empty cell giving an empty text. Numbers
// appear in the given number format without thousands separators (7 gives "7", 2.5 "2,5" in
// German). The kind of file is told by its content, not by its name; the file is only read.
Tabellenlesung TabelleLesen(const QString &pfad, const QLocale &zahlenformat);
// The same for a workbook already in memory.
Tabellenlesung TabelleAusInhalt(const QByteArray &inhalt, const QLocale &zahlenformat);

// A path in ordner for a new export, "<stamm> 1.xlsx", "<stamm> 2.xlsx", ...: the first
// number whose file does not exist yet, so that no earlier export is overwritten. Empty when
// every number up to a large bound is taken.
QString FreierExportpfad(const QString &ordner, const QString &stamm);
