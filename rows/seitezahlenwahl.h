#pragma once

#include <QWidget>

#include <array>

class Ankreuzfeld;
class QLabel;
class QPushButton;
class Statistiktafel;
struct KbwZustand;

// The page "Zahlenwahl": number board with pool and banker numbers, bulk and random choice,
// statistics of the formed rows, and the buttons that expand the chosen system.
class SeiteZahlenwahl : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteZahlenwahl(KbwZustand &zustand, QWidget *parent = nullptr);

    // One click on number n without the system check, as the copy-and-paste tool needs it.
    void zahlenwahl(int n);
    // Shows the looks of all buttons and the two counters from the shared sets.
    void tafelAktualisieren();

    Statistiktafel *statistiktafel() const { return m_statistik; }

signals:
    // The rows were built by "Tippreihen bilden"; the "Tippreihen" page should show them.
    void zuTippreihen();

private:
    QWidget *zahlentafelBauen();
    QWidget *kopfBauen();
    QWidget *fussBauen();
    void knopfAktualisieren(int n);
    void zaehlerAktualisieren();
    void bulkAbschliessen();

    KbwZustand &m_zustand;
    std::array<QPushButton *, 100> m_lot{};
    QLabel *m_ppz = nullptr;
    QLabel *m_pbz2 = nullptr;
    Statistiktafel *m_statistik = nullptr;
    Ankreuzfeld *m_mischen = nullptr;
};
