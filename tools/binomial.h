#pragma once

#include <QLocale>
#include <QString>

// The calculator "n über k": the two fields as the user typed them, the checks with their
// messages, and the exact result. Two digits each keep n and k below 100, where C(n, k)
// needs up to 96 bits: the result is computed and written out in 128 bits, never wrapped.

enum class NueberKPruefung {
    Ok,
    NNichtPositiv, // n empty, unreadable or 0
    NKleinerK,
};

struct NueberKErgebnis
{
    NueberKPruefung pruefung = NueberKPruefung::Ok;
    unsigned __int128 wert = 0;
    bool ok() const { return pruefung == NueberKPruefung::Ok; }
};

// An empty or unreadable text counts as 0.
NueberKErgebnis NueberKBerechnen(const QString &n, const QString &k);

// The message of a failed check ("Sie müssen für "n" ..."); empty for Ok.
QString NueberKMeldung(NueberKPruefung pruefung);

// The whole number with the locale's group separator every three digits ("13.983.816"
// under German settings), for values beyond 64 bits too.
QString MitTausenderTrennern(unsigned __int128 wert, const QLocale &locale = QLocale());
