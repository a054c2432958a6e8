#pragma once

#include "datenordner.h"
#include "einstellungen.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class Groesstezahlleiste;
class QAction;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolBar;
class QToolButton;
class SeiteEigeneReihen;
class SeiteEigeneSysteme;
class SeiteSystemtest;
class SeiteSystemwahl;
class SeiteTippreihen;
class SeiteZahlenwahl;
class Testlaeufer;
class TFSystemtestpro;
struct KbwZustand;

// The main window: menu, tool bar, the strip with the largest draw number, and the six
// pages of the workflow with their "Zurück" and "Weiter" buttons.
class TFMain : public QMainWindow
{
    Q_OBJECT

public:
    TFMain(KbwZustand &zustand, const Datenordner &datenordner, QWidget *parent = nullptr);

    QString einstellungsdatei() const;
    QTabWidget *PC1() const { return m_pc1; }

    // Help topic of a page index: 1040, 1050, 1060, 1070, 1090, 1100; 0 outside 0..5.
    static int Seitenthema(int seite);
    // Help context of F1: the filter page has its own (1040), every other page the window's (1010).
    static int Hilfekontext(int seite);

    // The window's size on a screen whose free area is verfuegbar: the fixed size, or less
    // where the screen is smaller (the pages then scroll inside the window).
    static QSize Fenstergroesse(QSize soll, QRect verfuegbar, int rollleiste);
    // Fits the window to the free area of a screen (at first showing the window's own screen).
    void anBildschirmAnpassen(QRect verfuegbar);
    QScrollArea *rollbereich() const { return m_rollbereich; }

signals:
    // The close request has run and the window closes: the program ends.
    void beendet();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void menueAufbauen();
    void werkzeugleisteAufbauen();
    QWidget *kopfAufbauen();
    QWidget *seiteEinrahmen(QWidget *inhalt, const char *name, const char *zurueck, const char *weiter,
                            bool testzahlen);
    void seitenVerbinden();
    // The page "Eigene Systeme verwalten": applying, comparable systems, a rebuilt list.
    void eigeneSystemeVerbinden();
    // Chooses the system at index and shows it on "Zahlenwahl"; true when it could be chosen.
    bool systemGewaehlt(int index, bool zurZahlenwahl);
    void zurueck();
    void weiter(bool testzahlen);
    void einstellungenLesen();
    void einstellungenSchreiben();
    void positionSpeichern();
    // Saves a window position under name; says so briefly at hinweisBei, or why it failed.
    void positionSichern(QWidget *fenster, const QString &name, QPoint position, QPoint hinweisBei);
    void fehltZeigen();
    // "Aus Zwischen- ablage einfügen": the copy-and-paste tool, made once and then shown again.
    void zwischenZeigen();
    void taschenrechnerStarten();
    void updateZeigen();
    // "Systemtest Pro...": opens the window, or brings the open one back.
    void systemtestProOeffnen(const QString &beschreibung);
    void systemtestProSpeichern(int anzGZ, QPoint position);

    // Own rows: their test, saving them as an own system, the comparable systems.
    enum class Testursprung { EigeneReihen, Speichern, Suchen };
    void eigeneReihenVerbinden();
    void eigenenTestStarten(Testursprung ursprung);
    void eigenerTestBeendet(bool abgebrochen, int garantie);
    void eigenesSystemSpeichern();
    void eigenesSystemSchreiben();
    void vergleichSuchen();
    void nachEigenemTest();

    KbwZustand &m_zustand;
    Datenordner m_datenordner;
    Einstellungswerte m_werte; // values of the settings keys as last read
    bool m_einstellungenGelesen = false;
    bool m_geschlossen = false;

    QTabWidget *m_pc1 = nullptr;
    QScrollArea *m_rollbereich = nullptr;
    QToolBar *m_werkzeugleiste = nullptr;
    QToolButton *m_positionKnopf = nullptr;
    QSize m_sollgroesse;
    Groesstezahlleiste *m_groesste = nullptr;
    SeiteSystemwahl *m_systemwahl = nullptr;
    SeiteZahlenwahl *m_zahlenwahl = nullptr;
    SeiteTippreihen *m_tippreihen = nullptr;
    SeiteEigeneReihen *m_eigeneReihen = nullptr;
    SeiteSystemtest *m_systemtest = nullptr;
    SeiteEigeneSysteme *m_eigeneSysteme = nullptr;
    // Runs every test of the program, one at a time.
    Testlaeufer *m_testlaeufer = nullptr;
    // At most one, created on first use and destroyed when it closes.
    QPointer<TFSystemtestpro> m_systemtestpro;
    // The own-rows test that runs and what follows it.
    bool m_eigenerTestAktiv = false;
    Testursprung m_testursprung = Testursprung::EigeneReihen;
    // Saving or searching waits for its test and the pause after it: further clicks wait too.
    bool m_eigenerAblauf = false;
};
