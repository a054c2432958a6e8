#include "testlaeufer.h"

#include <QMetaObject>

#include <system_error>
#include <utility>

Testlaeufer::Testlaeufer(QObject *parent) : QObject(parent)
{
    m_abfrage.setInterval(Abfrageabstand);
    connect(&m_abfrage, &QTimer::timeout, this, &Testlaeufer::abfragen);
}

Testlaeufer::~Testlaeufer()
{
    m_abbruch = true;
    // The worker's queued hand-over dies with this object; only the thread must end first.
    if (m_arbeiter.joinable())
        m_arbeiter.join();
}

Testlaeufer::Start Testlaeufer::starten(Trefferauftrag auftrag, bool eigenerTest)
{
    // The stop flag takes the value the running flag has: a start during a run is a stop.
    m_abbruch = m_laeuft;
    if (m_laeuft)
        return Start::Stoppanfrage;

    if (m_arbeiter.joinable())
        m_arbeiter.join();
    const std::uint64_t lauf = ++m_lauf;
    m_erledigt = 0;
    m_gemeldet = 0;
    try {
        m_arbeiter = std::thread([this, lauf, auftrag = std::move(auftrag)] {
            Trefferergebnis ergebnis = TrefferanalyseAusfuehren(auftrag, m_abbruch, [this](std::uint64_t erledigt) {
                m_erledigt.store(erledigt, std::memory_order_relaxed);
            });
            QMetaObject::invokeMethod(
                this, [this, lauf, e = std::move(ergebnis)]() mutable { fertig(lauf, std::move(e)); },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        return Start::Fehlgeschlagen;
    }
    m_laeuft = true;
    m_eigenerTest = eigenerTest;
    m_abfrage.start();
    return Start::Gestartet;
}

bool Testlaeufer::stoppen()
{
    if (!m_laeuft)
        return false;
    m_abbruch = true;
    return true;
}

bool Testlaeufer::eigenenTestStoppen()
{
    if (!m_eigenerTest)
        return false;
    m_abbruch = true;
    m_eigenerTest = false;
    return true;
}

bool Testlaeufer::direktBeginnen()
{
    m_abbruch = m_laeuft;
    if (m_laeuft)
        return false;
    ++m_lauf;
    m_laeuft = true;
    return true;
}

void Testlaeufer::direktBeenden()
{
    m_laeuft = false;
    m_eigenerTest = false;
}

void Testlaeufer::abfragen()
{
    const std::uint64_t stand = erledigt();
    if (stand != m_gemeldet) {
        m_gemeldet = stand;
        emit fortschritt(stand);
    }
}

void Testlaeufer::fertig(std::uint64_t lauf, Trefferergebnis ergebnis)
{
    if (m_arbeiter.joinable())
        m_arbeiter.join();
    m_abfrage.stop();
    abfragen();
    ergebnis.abgebrochen = ergebnis.abgebrochen || m_abbruch.load();
    m_ergebnis = std::move(ergebnis);
    m_laeuft = false;
    m_eigenerTest = false;
    emit beendet(lauf);
}
