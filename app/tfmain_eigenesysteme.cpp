// The main window's part of the page "Eigene Systeme verwalten".
#include "tfmain.h"

#include "kbwzustand.h"
#include "seiteeigenesysteme.h"
#include "seitezahlenwahl.h"
#include "systembeschreibung.h"

#include <QTabWidget>

void TFMain::eigeneSystemeVerbinden()
{
    // "System anwenden" goes on to "Zahlenwahl" only when the system could be chosen.
    connect(m_eigeneSysteme, &SeiteEigeneSysteme::systemAnwendenAngefordert, this, [this](int index) {
        m_zustand.Systemindex = index;
        if (systemGewaehlt(index, false))
            m_pc1->setCurrentIndex(1);
    });
    // A double click on a comparable system always ends on "Zahlenwahl".
    connect(m_eigeneSysteme, &SeiteEigeneSysteme::vergleichssystemGewaehlt, this, [this](int index) {
        m_zustand.Systemindex = index;
        systemGewaehlt(index, true);
    });
    // After a rebuild an index from AnzahlStandardsysteme on may name another own system (the
    // catalogue and full systems keep theirs): such a choice is dropped.
    connect(m_eigeneSysteme, &SeiteEigeneSysteme::systemlisteGeaendert, this, [this] {
        if (m_zustand.Systemindex < m_zustand.AnzahlStandardsysteme)
            return;
        m_zustand.Systemindex = -1;
        m_zustand.PoolSoll = 0;
        m_zustand.BankzahlenSoll = 0;
        m_zustand.Systembeschreibung.clear();
        Systemwahl keine;
        keine.bankzahlenZeigen = true; // empties PBZ as well
        m_zahlenwahl->systemAnzeigen(keine);
    });
    // The list was built at start before this window.
    m_eigeneSysteme->ESYCheck();
}
