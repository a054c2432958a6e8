#pragma once

// Inside the own-rows core: the values the workbook readers find on the first worksheet, and
// the lines built from them.

#include "tabellendatei.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <vector>

// Thrown by the collection (also through the reading libraries) when a bound is passed.
struct Tabellengrenze
{
    QString grund;
};

class Zellsammlung
{
public:
    explicit Zellsammlung(const QLocale &zahlenformat);

    // Rows and columns count from 0. A later value of the same cell replaces the earlier one.
    void zahl(int zeile, int spalte, double wert);
    void text(int zeile, int spalte, const QString &text);
    void wahrheitswert(int zeile, int spalte, bool wert);
    void datumZeit(int zeile, int spalte, const QDate &datum, const QTime &zeit);
    // The value of a cell copied into the anzahl cells below it.
    void nachUntenFuellen(int zeile, int spalte, int anzahl);

    // The lines from A1 to the last used row and column.
    Tabellenlesung zeilen() const;

    // The text of a number as the import shows it.
    static QString Zahltext(double wert, const QLocale &zahlenformat);

private:
    struct Zelle
    {
        int zeile;
        int spalte;
        QString text;
    };
    void ablegen(int zeile, int spalte, const QString &text);

    QLocale m_zahlenformat;
    std::vector<Zelle> m_zellen;
    qint64 m_zeichen = 0;
};

// Readers of the formats: the libraries, fed with bounds checked first.
Tabellenlesung MitOrcusLesen(const QByteArray &inhalt, const QLocale &zahlenformat);
Tabellenlesung MitFreexlLesen(const QByteArray &inhalt, const QLocale &zahlenformat);

// Sentences of the import's refusals.
QString TabelleZuGrossText();
QString TabelleBeschaedigtText();
