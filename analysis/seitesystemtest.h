#pragma once

#include "systemtestrechnung.h"
#include "trefferanalyse.h"

#include <QWidget>

#include <cstdint>

class Ankreuzfeld;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class Testlaeufer;
struct AuswahlZustand;
struct Eigentest;
struct KatalogZustand;

// The page "Systemtest" of the main window: tests the chosen system against every draw and
// shows the hit distribution in grid g2.
class SeiteSystemtest : public QWidget
{
    Q_OBJECT

public:
    // The runner is shared with the other tests (one test at a time); without one the page
    // keeps its own.
    SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, Testlaeufer *laeufer,
                    QWidget *parent = nullptr);
    SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, QWidget *parent = nullptr);

    // The figures of the chosen system: "Rechenoperationen:" and the description. Without a
    // chosen system they stay as they are.
    void testzahlenSetzen();

    // "Test starten": starts the test of the chosen system, or stops the running test.
    void BTestenClick();
    // "Zum Test" on the page "Tippreihen": without a chosen system the no-system message and
    // false; else the test figures are set and true (the caller shows this page and starts).
    bool zumTestVorbereiten();

    // The result of the last run of this page (counts per k, and the category of every
    // combination for the occurrence window); for a full system without category lists.
    const Trefferergebnis &ergebnis() const { return m_ergebnis; }
    // The texts of g2 as last written.
    const G2Tabelle &g2Tabelle() const { return m_tabelle; }
    Testlaeufer &laeufer() const { return *m_laeufer; }

    // Whether the memo of own rows holds text: then "Test starten" without a chosen system
    // asks for the own-rows test instead of showing the no-system message.
    void eigeneReihenTextSetzen(bool vorhanden) { m_eigeneReihenText = vorhanden; }

    static QString KeinSystemText();

    // The test of own rows prepared by EigenenTestVorbereiten: figures, grid and gauge as for
    // a system; eigenerTest marks it as started by "Als System testen" (a start button then
    // stops it). False when it could not start (a test runs; the runner has been asked to
    // stop it, or no worker could be had, with its message).
    bool eigenenTestStarten(const Eigentest &test, bool eigenerTest);
    // "Doppel- Prüfung": identical own rows are refused when reading them.
    bool doppelPruefung() const;

signals:
    // "Test starten" without a chosen system, with own rows typed in.
    void eigenerTestAngefordert();
    // "Systemtest Pro...", with the description this page shows.
    void systemtestProAngefordert(const QString &beschreibung);
    // "Auftreten der Kombinationen".
    void auftretenAngefordert();
    // A run of this page has ended and its result is shown.
    void testBeendet(bool abgebrochen);
    // An own-rows test has ended (also after an engine error, as stopped): the guarantee
    // reached, and whether it ran to its end.
    void eigenerTestBeendet(bool abgebrochen, int garantie);
    void doppelPruefungGeaendert(bool an);
    // bsSkinSpeedButton33: a screenshot of the panel PFoto.
    void abbildAngefordert(QWidget *panel);

private:
    void aufbauen();
    void tabelleZeigen();
    void startknopfSetzen(bool laeuft);
    void laufEnde(bool abgebrochen);
    void fortschrittZeigen(quint64 erledigt);
    void beendet(quint64 lauf);

    const KatalogZustand &m_katalog;
    const AuswahlZustand &m_auswahl;
    Testlaeufer *m_laeufer = nullptr;
    bool m_eigeneReihenText = false;

    QLabel *m_beschreibung = nullptr;
    QLabel *m_kombiAnz = nullptr;
    Ankreuzfeld *m_doppelt = nullptr;
    QPushButton *m_testen = nullptr;
    QProgressBar *m_gauge = nullptr;
    QLabel *m_abbruch = nullptr;
    QTableWidget *m_g2 = nullptr;
    QPushButton *m_fehlt = nullptr;
    QWidget *m_pFoto = nullptr;

    G2Tabelle m_tabelle;
    Trefferergebnis m_ergebnis;
    std::uint64_t m_meinLauf = 0; // the runner's number of this page's running test, 0 = none
    std::uint64_t m_schritt = 1; // combinations per gauge step
    int m_wz = 0;
    int m_kmin = 0;
    int m_kmax = 0;
    // The running test is an own-rows test: its rows, pool and row count for the description.
    bool m_eigenerLauf = false;
    int m_eigenTr = 0;
};
