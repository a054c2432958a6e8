#pragma once

#include <QString>

// Where the program keeps its data. All paths end without a separator.
struct Datenordner
{
    QString basis; // the per-user application data folder, ending in "Kombiwerk"
    QString eigeneSysteme; // basis + "/EigeneSysteme"
    QString shots; // basis + "/shots"
};

// Determines the folders from QStandardPaths (application name "Kombiwerk") and creates
// each that is missing. A folder that cannot be created is not reported here: the first
// file operation in it fails and says so.
Datenordner DatenordnerEinrichten();
