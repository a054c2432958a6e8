#pragma once

#include <QFrame>

#include <array>

class QLabel;

// A 10 x 10 board of small panels showing how often each number 1..100 occurs in a set of rows.
// The label panels are named nummerPraefix + n, the value panels wertPraefix + n.
class Statistiktafel : public QFrame
{
    Q_OBJECT

public:
    struct Masse
    {
        int wertBreite; // value panel width
        int wertHoehe; // value panel height
        int links; // left edge of the first column
        int zusatzBreite; // board width = 10 * wertBreite + zusatzBreite
    };

    Statistiktafel(const QString &titel, const QString &nummerPraefix, const QString &wertPraefix, const Masse &masse,
                   QWidget *parent = nullptr);

    // The board of the "Zahlenwahl" page ("PNummer", "PNummerWert", 30 x 19).
    static Statistiktafel *FuerTippreihen(QWidget *parent = nullptr);
    // The board of the "Eigene Reihen" page ("PNummerEin", "PNummerWertEin", 32 x 18).
    static Statistiktafel *FuerEigeneReihen(QWidget *parent = nullptr);

    // Every value panel shows "0" in the neutral colour.
    void zuruecksetzen();
    // Shows zaehler[n] for n = 1..100: green when it is at least 2 and equals reihen, yellow
    // when it is at least 1, else neutral.
    void anzeigen(const std::array<int, 101> &zaehler, int reihen);

    QLabel *wertfeld(int n) const { return m_werte[std::size_t(n - 1)]; }
    // Shows the panels of the numbers 1..groesste only.
    void groessteZahlSetzen(int groesste);

private:
    std::array<QLabel *, 100> m_nummern{};
    std::array<QLabel *, 100> m_werte{};
};

// The controls named praefix + i (i = 1..anzahl) under wurzel get text in the neutral colour.
void NummernfelderSetzen(QWidget *wurzel, const QString &praefix, int anzahl, const QString &text);
