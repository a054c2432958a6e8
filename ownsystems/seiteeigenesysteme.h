#pragma once

#include "eigenesysteme.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTableView;
class Systemreihenmodell;
struct KatalogZustand;

// The page "Eigene Systeme verwalten" of the main window: steps through the own systems one
// at a time, shows each one's descriptor, save time, row file and rows, applies or deletes it,
// tells whether every record still has its row file, and lists comparable built-in systems.
class SeiteEigeneSysteme : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteEigeneSysteme(KatalogZustand &zustand, QWidget *parent = nullptr);

    // Refreshes the whole page from Eigensystemliste and FehlendeEigensysteme and shows the
    // first own system. Run after every SystemlisteAufbauen (start, save, delete).
    void ESYCheck();
    // Shows the record at ScrollEsys's position (none below 0).
    void ScrollEsysChange();
    // "Anzeigen" of the own rows: no own system shown, l2 lists the given lines, and a double
    // click chooses the system of its line.
    void vergleichAnzeigen(const std::vector<Vergleichszeile> &zeilen);

signals:
    // "System anwenden": the shown own system is to be chosen (its Systemliste index).
    void systemAnwendenAngefordert(int systemlistenIndex);
    // A double click on a line of l2: the built-in system it names is to be chosen.
    void vergleichssystemGewaehlt(int systemlistenIndex);
    // The Systemliste was rebuilt here: the entries from AnzahlStandardsysteme on may now
    // stand for other records.
    void systemlisteGeaendert();

private:
    void leerZeigen();
    void reihenAnzeigen(int eintrag);
    void vergleichFuellen(const std::vector<Vergleichszeile> &zeilen);
    void BESYAnwendenClick();
    void BSysLoeschenClick();

    KatalogZustand &m_zustand;
    QScrollBar *m_scrollEsys = nullptr;
    QLabel *m_pEsysWahl = nullptr;
    QLabel *m_pAnzESys = nullptr;
    QLabel *m_pEsyZustand = nullptr;
    QLabel *m_pZeit = nullptr;
    QLabel *m_pfn = nullptr;
    QLabel *m_pRG = nullptr;
    QLabel *m_pTR = nullptr;
    QLabel *m_pWZ = nullptr;
    QLabel *m_pGA = nullptr;
    QTableView *m_g3 = nullptr;
    Systemreihenmodell *m_modell = nullptr;
    QPushButton *m_anwenden = nullptr;
    QLabel *m_warnung = nullptr;
    QPushButton *m_loeschen = nullptr;
    QListWidget *m_l2 = nullptr;
    // Systemliste index of every line of l2, replaced together with the lines.
    std::vector<int> m_vergleichIndexliste;
};
