#pragma once

// Runs one hit analysis at a time on a worker thread and holds the test flags that the
// system test, the own-rows test and Systemtest Pro share. QtCore only.

#include "trefferanalyse.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <thread>

class Testlaeufer : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        Gestartet,
        Stoppanfrage, // a test was running: it was asked to stop, nothing new started
        Fehlgeschlagen, // no worker thread could be had; nothing runs
    };

    explicit Testlaeufer(QObject *parent = nullptr);
    // A running test is stopped and waited for; its result is not delivered.
    ~Testlaeufer() override;

    // The flags. TestLaeuft: a test evaluates (from the start until its result is delivered).
    // TestAbbruch: the running (or last) test was asked to stop. EigenerTestLaeuft: the
    // running test is an own-rows test that a start button may stop.
    bool TestLaeuft() const { return m_laeuft; }
    bool TestAbbruch() const { return m_abbruch.load(); }
    bool EigenerTestLaeuft() const { return m_eigenerTest; }

    // A start request. While a test runs it is a stop request. Otherwise TestAbbruch is
    // cleared, the engine starts on a worker thread and the call returns at once; the result
    // arrives through beendet(). eigenerTest sets EigenerTestLaeuft for the run.
    Start starten(Trefferauftrag auftrag, bool eigenerTest = false);

    // Sets TestAbbruch when a test runs; true when it did.
    bool stoppen();
    // When EigenerTestLaeuft is set: sets TestAbbruch and clears EigenerTestLaeuft (the
    // caller puts its gauge back to the minimum); true when it did.
    bool eigenenTestStoppen();

    // For front ends that fill their result without the engine (full systems): marks a test
    // as running, and ends it. Between the two calls starten() is a stop request.
    bool direktBeginnen();
    void direktBeenden();

    // Number of the current or last run (from 1; 0 before the first); front ends compare it
    // with the number in beendet() to know whether the result is theirs.
    std::uint64_t lauf() const { return m_lauf; }
    // Combinations evaluated so far in the current run (all k together).
    std::uint64_t erledigt() const { return m_erledigt.load(std::memory_order_relaxed); }
    // The result of the last finished run; abgebrochen also when the stop request came after
    // the engine had finished.
    const Trefferergebnis &ergebnis() const { return m_ergebnis; }

    // How often the progress is polled while a test runs.
    static constexpr int Abfrageabstand = 50; // ms

signals:
    // Polled progress of the running test, only when it changed: combinations evaluated.
    void fortschritt(quint64 erledigt);
    // The run has ended (done, stopped, or failed with ergebnis().fehler); the flags are
    // already cleared and ergebnis() holds the result.
    void beendet(quint64 lauf);

private:
    void abfragen();
    void fertig(std::uint64_t lauf, Trefferergebnis ergebnis);

    std::atomic_bool m_abbruch{false};
    std::atomic<std::uint64_t> m_erledigt{0};
    bool m_laeuft = false;
    bool m_eigenerTest = false;
    std::uint64_t m_lauf = 0;
    std::uint64_t m_gemeldet = 0;
    Trefferergebnis m_ergebnis;
    QTimer m_abfrage;
    std::thread m_arbeiter;
};
