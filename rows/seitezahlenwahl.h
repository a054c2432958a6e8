#pragma once

#include <QWidget>

#include <array>

class Ankreuzfeld;
class QLabel;
class QPushButton;
class Statistiktafel;
struct Systemwahl;

#include "reihenzustand.h"

// The page "Zahlenwahl": number board with pool and banker numbers, bulk and random choice,
// statistics of the formed rows, and the buttons that expand the chosen system.
class SeiteZahlenwahl : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteZahlenwahl(Reihenkontext zustand, QWidget *parent = nullptr);

    // One click on number n without the system check, as the copy-and-paste tool needs it.
    void zahlenwahl(int n);
    // Shows the looks of all buttons and the two counters from the shared sets.
    void tafelAktualisieren();

    Statistiktafel *statistiktafel() const { return m_statistik; }

    // Shows the chosen system's description and the pool and banker counts it asks for.
    void systemAnzeigen(const Systemwahl &wahl);
    // Shows the board's numbers 1..groesste only, together with their statistics panels.
    void groessteZahlSetzen(int groesste);
    // Expands the chosen system ("Tippreihen bilden" with reihen, "Verteilung anzeigen"
    // without): statistics, messages and the signals below. True when rows were built.
    bool tippreihenBilden(bool reihen);

signals:
    // The rows were built by "Tippreihen bilden"; the "Tippreihen" page should show them.
    void zuTippreihen();
    // An expansion reset the rows; gebildet tells whether new ones exist.
    void reihenVorbereitet(bool gebildet);
    // An attempt to build rows for a chosen system: the test figures follow it.
    void testzahlenFaellig();
    // "Aus Zwischen- ablage einfügen": the copy-and-paste tool is to be shown.
    void zwischenablageWerkzeugAngefordert();
    // BFoto2: a screenshot of the panel PFoto2 (header, number board, statistics).
    void abbildAngefordert(QWidget *panel);
    // The logo at the foot: the vendor's web page.
    void logoGeklickt();

private:
    QWidget *zahlentafelBauen();
    QWidget *kopfBauen();
    QWidget *fussBauen();
    void knopfAktualisieren(int n);
    void zaehlerAktualisieren();
    void bulkAbschliessen();

    Reihenkontext m_zustand;
    QLabel *m_beschreibung = nullptr;
    QLabel *m_pPool = nullptr;
    QLabel *m_pBZ = nullptr;
    std::array<QPushButton *, 100> m_lot{};
    QLabel *m_ppz = nullptr;
    QLabel *m_pbz2 = nullptr;
    Statistiktafel *m_statistik = nullptr;
    Ankreuzfeld *m_mischen = nullptr;
    QWidget *m_pFoto2 = nullptr;
};
