// The main window's part in the own rows: the own-rows test started from "Eigene Reihen" or
// "Systemtest", saving the rows as an own system, and the comparable built-in systems.

#include "tfmain.h"

#include "eigenertest.h"
#include "eigenesysteme.h"
#include "groesstezahl.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "seiteeigenereihen.h"
#include "seiteeigenesysteme.h"
#include "seitesystemtest.h"
#include "systemliste.h"
#include "tabellenaustausch.h"
#include "testlaeufer.h"

#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

namespace {

// Pauses after a test started by saving or searching, so that its result can be seen.
constexpr int PauseNachTestSpeichern = 2000; // ms
constexpr int PauseNachTestSuchen = 1500; // ms
constexpr int RueckmeldungGespeichert = 1500; // ms

QString KeineReihenText()
{
    return QStringLiteral("Es gibt keine Tippreihen, die abgespeichert werden könnten.\n\nIch breche erst einmal ab.");
}

} // namespace

void TFMain::eigeneReihenVerbinden()
{
    connect(m_eigeneReihen, &SeiteEigeneReihen::testAngefordert, this,
            [this] { eigenenTestStarten(Testursprung::EigeneReihen); });
    connect(m_systemtest, &SeiteSystemtest::eigenerTestAngefordert, this,
            [this] { eigenenTestStarten(Testursprung::EigeneReihen); });
    connect(m_systemtest, &SeiteSystemtest::eigenerTestBeendet, this, &TFMain::eigenerTestBeendet);
    connect(m_eigeneReihen, &SeiteEigeneReihen::memoGeaendert, m_systemtest, &SeiteSystemtest::eigeneReihenTextSetzen);
    connect(m_systemtest, &SeiteSystemtest::doppelPruefungGeaendert, m_eigeneReihen,
            &SeiteEigeneReihen::doppelPruefungSetzen);
    m_eigeneReihen->doppelPruefungSetzen(m_systemtest->doppelPruefung());
    connect(m_eigeneReihen, &SeiteEigeneReihen::speichernAngefordert, this, &TFMain::eigenesSystemSpeichern);
    connect(m_eigeneReihen, &SeiteEigeneReihen::suchenAngefordert, this, &TFMain::vergleichSuchen);
    connect(m_eigeneReihen, &SeiteEigeneReihen::anzeigenAngefordert, this, [this] {
        std::vector<Vergleichszeile> zeilen;
        for (const auto &v : m_zustand.VergleichTextliste)
            zeilen.push_back({v.text, v.index});
        m_eigeneSysteme->vergleichAnzeigen(zeilen);
        m_pc1->setCurrentIndex(m_pc1->indexOf(m_eigeneSysteme->parentWidget()));
    });
    connect(m_groesste, &Groesstezahlleiste::biggestZZGeaendert, m_eigeneReihen,
            &SeiteEigeneReihen::groessteZahlSetzen);

    connect(m_eigeneReihen, &SeiteEigeneReihen::excelImportAngefordert, this, [this] {
        if (!m_eigeneReihen->ueberschreibenErlaubt(SeiteEigeneReihen::UeberschreibenFrage()))
            return;
        m_eigeneReihen->BMemoClearClick();
        const auto import =
            EigeneReihenTabelleImportieren(this, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (!import)
            return;
        m_eigeneReihen->memoTextSetzen(import->zeilen.join(QLatin1Char('\n')));
        m_eigeneReihen->dateinameSetzen(import->dateiname);
    });
    connect(m_eigeneReihen, &SeiteEigeneReihen::excelExportAngefordert, this, [this] {
        if (m_eigeneReihen->memoLeer()) {
            Meldungen::Information(this, KeineTippreihenZumExportText());
            return;
        }
        if (!m_zustand.EigeneReihenGelesen && !m_eigeneReihen->Verarbeitungsstart())
            return;
        std::vector<std::vector<int>> reihen;
        reihen.reserve(m_zustand.EigeneReihen.size());
        for (const Zahlenmenge &menge : m_zustand.EigeneReihen) {
            std::vector<int> reihe;
            for (int v = 1; v <= Zahlenmenge::Grenze; ++v) {
                if (menge.enthaelt(v))
                    reihe.push_back(v);
            }
            reihen.push_back(std::move(reihe));
        }
        EigeneReihenTabelleExportieren(this, reihen, m_datenordner.basis);
    });
}

void TFMain::eigenenTestStarten(Testursprung ursprung)
{
    // A start while a test runs is a stop request.
    if (m_testlaeufer->TestLaeuft()) {
        m_testlaeufer->stoppen();
        return;
    }
    if (!m_zustand.EigeneReihenGelesen && !m_eigeneReihen->Verarbeitungsstart())
        return;
    const Eigentest test = EigenenTestVorbereiten(m_zustand, m_zustand.biggestZZ);
    if (test.abgelehnt) {
        Meldungen::Information(this, EigenerTestAbgelehntText());
        return;
    }
    const bool eigener = ursprung == Testursprung::EigeneReihen;
    if (!m_systemtest->eigenenTestStarten(test, eigener))
        return;
    m_eigenerTestAktiv = true;
    m_testursprung = ursprung;
    if (eigener)
        m_pc1->setCurrentIndex(m_pc1->indexOf(m_systemtest->parentWidget()));
}

void TFMain::eigenerTestBeendet(bool abgebrochen, int garantie)
{
    if (!m_eigenerTestAktiv)
        return;
    m_eigenerTestAktiv = false;
    m_zustand.EigeneGarantie = garantie;
    m_zustand.EigeneReihenGetestet = !abgebrochen;
    if (abgebrochen) {
        m_eigeneReihen->garantieZeigen(QStringLiteral("?"));
    } else {
        m_eigeneReihen->garantieZeigen(garantie > 1 ? QString::number(garantie) : QStringLiteral("-"));
        const int wz = m_zustand.EigenePoolMenge.anzahl();
        m_zustand.VergleichTextliste.clear();
        if (const auto zeilen =
                VergleichbareSysteme(m_zustand, m_zustand.EigeneSystemRG, wz, garantie, m_zustand.EigeneReihenAnzahl)) {
            for (const Vergleichszeile &z : *zeilen)
                m_zustand.VergleichTextliste.push_back({z.text, z.index});
        }
    }
    if (m_testursprung == Testursprung::EigeneReihen || !m_eigenerAblauf)
        return;
    // Saving and searching show the test's result for a moment, then go back and go on.
    const int pause = m_testursprung == Testursprung::Speichern ? PauseNachTestSpeichern : PauseNachTestSuchen;
    QTimer::singleShot(pause, this, &TFMain::nachEigenemTest);
}

void TFMain::nachEigenemTest()
{
    m_pc1->setCurrentIndex(m_pc1->indexOf(m_eigeneReihen->parentWidget()));
    const Testursprung ursprung = m_testursprung;
    m_eigenerAblauf = false;
    m_eigeneReihen->speicherknopfSperren(false);
    if (!m_zustand.EigeneReihenGetestet)
        return;
    if (ursprung == Testursprung::Speichern)
        eigenesSystemSchreiben();
    else
        m_eigeneReihen->vergleicheZeigen(int(m_zustand.VergleichTextliste.size()));
}

void TFMain::eigenesSystemSpeichern()
{
    if (m_eigenerAblauf)
        return;
    if (m_eigeneReihen->memoLeer()) {
        Meldungen::Information(this, KeineReihenText());
        return;
    }
    if (!m_zustand.EigeneReihenGelesen && !m_eigeneReihen->Verarbeitungsstart())
        return;
    if (m_zustand.EigeneReihenGetestet) {
        eigenesSystemSchreiben();
        return;
    }
    if (m_testlaeufer->TestLaeuft()) {
        // Another test is busy; the rows are saved once they have been tested.
        Meldungen::Information(this,
                               QStringLiteral("Es läuft gerade ein Test. Bitte warten Sie sein Ende ab "
                                              "oder stoppen Sie ihn.\n\nIch breche erst einmal ab."));
        return;
    }
    const int vorher = m_pc1->currentIndex();
    m_pc1->setCurrentIndex(m_pc1->indexOf(m_systemtest->parentWidget()));
    m_eigenerAblauf = true;
    m_eigeneReihen->speicherknopfSperren(true);
    eigenenTestStarten(Testursprung::Speichern);
    if (!m_eigenerTestAktiv) {
        // Refused or not started: nothing to wait for.
        m_eigenerAblauf = false;
        m_eigeneReihen->speicherknopfSperren(false);
        m_pc1->setCurrentIndex(vorher);
    }
}

void TFMain::eigenesSystemSchreiben()
{
    if (!m_zustand.EigeneReihenGetestet)
        return;
    const int tr = m_zustand.EigeneReihenAnzahl;
    m_eigeneReihen->fortschrittZeigen(tr, tr);
    const int wz = m_zustand.EigenePoolAnzahl - m_zustand.EigeneBankAnzahl;
    const EsyAenderung ergebnis = EigenesSystemSpeichern(
        m_zustand, m_zustand.EigeneSystemReihen, m_zustand.EigeneSystemRG, wz, m_zustand.EigeneGarantie, EsyJetzt());
    if (!ergebnis.ok) {
        m_eigeneReihen->fortschrittZeigen(0, tr);
        Meldungen::Fehler(this, ergebnis.meldung);
        return;
    }
    m_eigeneReihen->dateinameSetzen(ergebnis.dateiname);
    m_eigeneReihen->speicherknopfZeigen(true);
    m_eigeneReihen->speicherknopfSperren(true);
    QTimer::singleShot(RueckmeldungGespeichert, this, [this, tr] {
        m_eigeneReihen->speicherknopfZeigen(false);
        m_eigeneReihen->speicherknopfSperren(false);
        m_eigeneReihen->fortschrittZeigen(0, tr);
    });
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_zustand.EigeneSystemeOrdner);
    m_eigeneSysteme->ESYCheck();
}

void TFMain::vergleichSuchen()
{
    if (m_eigenerAblauf)
        return;
    if (m_eigeneReihen->memoLeer()) {
        Meldungen::Information(this,
                               QStringLiteral("Das Textfeld enthält keine Tippreihen.\n\nIch breche erst einmal ab."));
        return;
    }
    if (m_zustand.EigeneReihenGetestet) {
        m_eigeneReihen->vergleicheZeigen(int(m_zustand.VergleichTextliste.size()));
        return;
    }
    if (m_testlaeufer->TestLaeuft()) {
        m_testlaeufer->stoppen();
        return;
    }
    const int vorher = m_pc1->currentIndex();
    m_pc1->setCurrentIndex(m_pc1->indexOf(m_systemtest->parentWidget()));
    m_eigenerAblauf = true;
    eigenenTestStarten(Testursprung::Suchen);
    if (!m_eigenerTestAktiv) {
        m_eigenerAblauf = false;
        m_pc1->setCurrentIndex(vorher);
    }
}
