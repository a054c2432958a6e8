#pragma once

// The tip rows of the grid as text for a CSV file and the clipboard. QtCore only.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Tip rows as text. zellen holds the grid's rows without titles and row numbers, each with
// its cells from column 1 on.
// CSV: the columns up to the first one empty in the first row, joined by ";", CR LF each.
QByteArray TippreihenCsv(const std::vector<QStringList> &zellen);
// Clipboard: the first `breite` cells of each row joined by ",", CR LF after every line.
QString TippreihenZwischenablage(const std::vector<QStringList> &zellen, int breite);
