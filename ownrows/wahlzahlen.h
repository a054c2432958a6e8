#pragma once

#include <QString>

#include <vector>

// Reading pool numbers ("Wahlzahlen") out of any text the user pasted into the
// copy-and-paste tool: numbers separated by commas, semicolons or blanks, on one line or many.

struct Wahlzahlenlesung
{
    enum class Fehler {
        Keiner,
        Leer, // nothing to read
        GemischteTrenner, // more than one of ",", ";" and the blank
        KeineGanzzahl, // a field that is not a whole number (feld)
    };

    Fehler fehler = Fehler::Keiner;
    // The text as the tool shows it after its clean-up, also when the reading stops there.
    QString text;
    QString feld;
    std::vector<int> zahlen; // ascending, each once, all in 1..groesste
};

// The clean-up and reading of the tool's "Auslesen": blanks shortened and trimmed, blanks
// after a separator dropped, empty lines removed, no-break spaces made blanks; the separator
// is the first of ",", ";" and the blank that occurs, and the lines join into one sequence.
// Lines without any separator hold one number each. Values outside 1..groesste are left out.
Wahlzahlenlesung WahlzahlenAuslesen(const QString &text, int groesste);

// A whole number as the reading accepts it: leading blanks, an optional sign, decimal digits,
// within 32 bits. Nothing after the digits.
bool GanzzahlLesen(const QString &feld, int &wert);
