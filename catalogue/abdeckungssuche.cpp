#include "abdeckungssuche.h"

#include "routinen.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Uhr = std::chrono::steady_clock;

double sekundenSeit(Uhr::time_point start)
{
    return std::chrono::duration<double>(Uhr::now() - start).count();
}

// Calls f for every subset of r bits of menge.
template<typename F>
void teilmengen(Block menge, int r, F &&f)
{
    int punkte[64];
    int n = 0;
    for (Block b = menge; b; b &= b - 1)
        punkte[n++] = __builtin_ctzll(b);
    if (r > n)
        return;
    int idx[64];
    KTeilmengeErste(idx, r);
    do {
        Block b = 0;
        for (int i = 0; i < r; ++i)
            b |= Block(1) << punkte[idx[i]];
        f(b);
    } while (KTeilmengeNaechste(idx, n, r) >= 0);
}

} // namespace

Abdeckungssuche::Abdeckungssuche(const Suchaufgabe &aufgabe, std::uint64_t saat) : m_a(aufgabe), m_rng(saat)
{
    const Block alle = m_a.v == 64 ? ~Block(0) : (Block(1) << m_a.v) - 1;
    if (m_a.t > 0) {
        m_tMengen.resize(std::size_t(NueberK(m_a.v, m_a.t)));
        teilmengen(alle, m_a.t, [&](Block b) { m_tMengen[rang(b)] = b; });
    }
    if (m_a.m > 0) {
        m_mMengen.resize(std::size_t(NueberK(m_a.v, m_a.m)));
        teilmengen(alle, m_a.m, [&](Block b) { m_mMengen[rang(b)] = b; });
    }
}

int Abdeckungssuche::rang(Block b) const
{
    // Any bijection onto the indices will do; the search ranks sets on every move.
    return int(ColexRang(b));
}

void Abdeckungssuche::zustandAufbauen(const std::vector<Block> &bloecke)
{
    m_bloecke.clear();
    if (m_a.t > 0) {
        m_zaehlerT.assign(m_tMengen.size(), 0);
        m_offenA.init(m_tMengen.size());
        for (std::size_t r = 0; r < m_tMengen.size(); ++r)
            m_offenA.rein(int(r));
    }
    if (m_a.m > 0) {
        if (m_a.s != m_a.t)
            m_zaehlerS.assign(std::size_t(NueberK(m_a.v, m_a.s)), 0);
        m_mZaehler.assign(m_mMengen.size(), 0);
        m_offenB.init(m_mMengen.size());
        for (std::size_t r = 0; r < m_mMengen.size(); ++r)
            m_offenB.rein(int(r));
    }
    // Rows that stay as they are count, but are never moved or removed.
    for (Block b : m_a.fest) {
        if (m_a.t > 0)
            teilmengen(b, m_a.t, [&](Block x) { zaehlerAendern(m_a.t, x, +1); });
        if (m_a.m > 0 && m_a.s != m_a.t)
            teilmengen(b, m_a.s, [&](Block x) { zaehlerAendern(m_a.s, x, +1); });
    }
    for (Block b : bloecke)
        blockHinzu(b);
}

void Abdeckungssuche::zaehlerAendern(int ordnung, Block menge, int delta)
{
    const bool istT = ordnung == m_a.t;
    const bool istS = m_a.m > 0 && ordnung == m_a.s;
    auto &zaehler = istT ? m_zaehlerT : m_zaehlerS;
    const int r = rang(menge);
    const Block alle = (Block(1) << m_a.v) - 1;
    if (delta < 0) {
        const int neu = --zaehler[r];
        if (istT && neu == m_a.lambda - 1)
            m_offenA.rein(r);
        if (istS && neu == 0) {
            teilmengen(alle & ~menge, m_a.m - m_a.s, [&](Block rest) {
                const int rm = rang(menge | rest);
                if (--m_mZaehler[rm] == 0)
                    m_offenB.rein(rm);
            });
        }
    } else {
        const int neu = ++zaehler[r];
        if (istT && neu == m_a.lambda)
            m_offenA.raus(r);
        if (istS && neu == 1) {
            teilmengen(alle & ~menge, m_a.m - m_a.s, [&](Block rest) {
                const int rm = rang(menge | rest);
                if (m_mZaehler[rm]++ == 0)
                    m_offenB.raus(rm);
            });
        }
    }
}

void Abdeckungssuche::blockHinzu(Block b)
{
    m_bloecke.push_back(b);
    if (m_a.t > 0)
        teilmengen(b, m_a.t, [&](Block x) { zaehlerAendern(m_a.t, x, +1); });
    if (m_a.m > 0 && m_a.s != m_a.t)
        teilmengen(b, m_a.s, [&](Block x) { zaehlerAendern(m_a.s, x, +1); });
}

void Abdeckungssuche::blockWeg(Block b)
{
    auto it = std::find(m_bloecke.begin(), m_bloecke.end(), b);
    if (it == m_bloecke.end())
        return;
    m_bloecke.erase(it);
    if (m_a.t > 0)
        teilmengen(b, m_a.t, [&](Block x) { zaehlerAendern(m_a.t, x, -1); });
    if (m_a.m > 0 && m_a.s != m_a.t)
        teilmengen(b, m_a.s, [&](Block x) { zaehlerAendern(m_a.s, x, -1); });
}

void Abdeckungssuche::tauschen(int i, int raus, int rein)
{
    const Block alt = m_bloecke[i];
    const Block rest = alt & ~(Block(1) << raus);
    const Block bx = Block(1) << raus;
    const Block by = Block(1) << rein;
    auto ordnung = [&](int o) {
        teilmengen(rest, o - 1, [&](Block s) {
            zaehlerAendern(o, s | bx, -1);
            zaehlerAendern(o, s | by, +1);
        });
    };
    if (m_a.t > 0)
        ordnung(m_a.t);
    if (m_a.m > 0 && m_a.s != m_a.t)
        ordnung(m_a.s);
    m_bloecke[i] = rest | by;
}

int Abdeckungssuche::zufallsBit(Block menge)
{
    int n = __builtin_popcountll(menge);
    int w = int(m_rng() % std::uint64_t(n));
    for (; w > 0; --w)
        menge &= menge - 1;
    return __builtin_ctzll(menge);
}

Block Abdeckungssuche::zufaelligeTeilmenge(Block menge, int anzahl)
{
    Block r = 0;
    for (int i = 0; i < anzahl; ++i) {
        int p = zufallsBit(menge);
        r |= Block(1) << p;
        menge &= ~(Block(1) << p);
    }
    return r;
}

bool Abdeckungssuche::zugWaehlen(int &blockIndex, int &raus, int &rein)
{
    const std::size_t gesamt = m_offenA.size() + m_offenB.size();
    if (gesamt == 0 || m_bloecke.empty())
        return false;
    const std::size_t w = m_rng() % gesamt;
    Block ziel;
    int groesse;
    if (w < m_offenA.size()) {
        ziel = m_tMengen[m_offenA.eintraege[w]];
        groesse = m_a.t;
    } else {
        ziel = zufaelligeTeilmenge(m_mMengen[m_offenB.eintraege[w - m_offenA.size()]], m_a.s);
        groesse = m_a.s;
    }
    // A row that misses exactly one point of the target is the natural one to change.
    int gewaehlt = -1;
    int gesehen = 0;
    for (int i = 0; i < int(m_bloecke.size()); ++i) {
        if (__builtin_popcountll(m_bloecke[i] & ziel) == groesse - 1 && m_rng() % std::uint64_t(++gesehen) == 0)
            gewaehlt = i;
    }
    if (gewaehlt < 0) {
        for (int versuch = 0; versuch < 64 && gewaehlt < 0; ++versuch) {
            int i = int(m_rng() % m_bloecke.size());
            if ((m_bloecke[i] & ziel) != ziel)
                gewaehlt = i;
        }
        if (gewaehlt < 0)
            return false;
    }
    blockIndex = gewaehlt;
    raus = zufallsBit(m_bloecke[gewaehlt] & ~ziel);
    rein = zufallsBit(ziel & ~m_bloecke[gewaehlt]);
    return true;
}

bool Abdeckungssuche::loese(std::vector<Block> &bloecke, double sekunden, const std::atomic_bool *stop)
{
    const auto start = Uhr::now();
    zustandAufbauen(bloecke);
    long bestKosten = kosten();
    std::vector<Block> beste = m_bloecke;
    if (bestKosten == 0)
        return true;

    // A narrow band of low temperatures worked best on the hard entries; when it has
    // cooled through the band, it starts over at the top.
    const double t0 = m_a.tStart;
    const double tMin = m_a.tEnde;
    const double abkuehlung = 0.999;
    double temperatur = t0;
    const long schritte = std::max<long>(50, long(m_bloecke.size()) * 2);
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    for (long it = 1;; ++it) {
        int i, x, y;
        if (!zugWaehlen(i, x, y))
            break;
        const long vorher = kosten();
        tauschen(i, x, y);
        const long nachher = kosten();
        const long d = nachher - vorher;
        if (d > 0 && gleich(m_rng) >= std::exp(-double(d) / temperatur)) {
            tauschen(i, y, x);
        } else if (nachher < bestKosten) {
            bestKosten = nachher;
            beste = m_bloecke;
            if (bestKosten == 0)
                break;
        }
        if (it % schritte == 0) {
            temperatur *= abkuehlung;
            if (temperatur < tMin)
                temperatur = t0;
        }
        if ((it & 1023) == 0 && ((stop && stop->load()) || sekundenSeit(start) > sekunden))
            break;
    }
    bloecke = beste;
    return bestKosten == 0;
}

std::vector<Block> Abdeckungssuche::gierig()
{
    zustandAufbauen({});
    if (m_a.t <= 0)
        return {};
    const Block alle = (Block(1) << m_a.v) - 1;
    while (m_offenA.size() > 0) {
        Block b = m_tMengen[m_offenA.eintraege[m_rng() % m_offenA.size()]];
        while (__builtin_popcountll(b) < m_a.k) {
            int bester = -1;
            long besterGewinn = -1;
            int gleichviele = 0;
            for (Block frei = alle & ~b; frei; frei &= frei - 1) {
                const int p = __builtin_ctzll(frei);
                long gewinn = 0;
                teilmengen(b, m_a.t - 1, [&](Block s) {
                    if (m_zaehlerT[rang(s | (Block(1) << p))] < m_a.lambda)
                        ++gewinn;
                });
                if (gewinn > besterGewinn) {
                    besterGewinn = gewinn;
                    bester = p;
                    gleichviele = 1;
                } else if (gewinn == besterGewinn && m_rng() % std::uint64_t(++gleichviele) == 0) {
                    bester = p;
                }
            }
            b |= Block(1) << bester;
        }
        blockHinzu(b);
    }
    return m_bloecke;
}

std::vector<Block> Abdeckungssuche::verkleinern(std::vector<Block> start, int ziel, double sekunden,
                                                const std::atomic_bool *stop)
{
    const auto beginn = Uhr::now();
    std::vector<Block> beste = start;
    std::vector<Block> aktuell = start;
    while (int(aktuell.size()) > ziel && int(aktuell.size()) > 1) {
        const double rest = sekunden - sekundenSeit(beginn);
        if (rest <= 0 || (stop && stop->load()))
            break;
        // Drop the row whose loss leaves the fewest requirements unmet.
        zustandAufbauen(aktuell);
        int wegIndex = int(m_rng() % aktuell.size());
        if (m_a.t > 0) {
            long wenigste = -1;
            for (int i = 0; i < int(aktuell.size()); ++i) {
                long verlust = 0;
                teilmengen(aktuell[i], m_a.t, [&](Block s) {
                    if (m_zaehlerT[rang(s)] <= m_a.lambda)
                        ++verlust;
                });
                if (wenigste < 0 || verlust < wenigste) {
                    wenigste = verlust;
                    wegIndex = i;
                }
            }
        }
        aktuell.erase(aktuell.begin() + wegIndex);
        if (!loese(aktuell, rest, stop))
            break;
        beste = aktuell;
    }
    return beste;
}

void Abdeckungssuche::auffuellen(std::vector<Block> &bloecke, int ziel)
{
    // Extra rows go where the t-sets are covered least often, so padding strengthens
    // the design instead of repeating rows.
    zustandAufbauen(bloecke);
    const Block alle = (Block(1) << m_a.v) - 1;
    const std::uint64_t moeglich = std::uint64_t(NueberK(m_a.v, m_a.k));
    while (int(m_bloecke.size()) < ziel && m_bloecke.size() < moeglich) {
        Block bester = 0;
        double besterWert = -1;
        for (int versuch = 0; versuch < 400; ++versuch) {
            Block b = zufaelligeTeilmenge(alle, m_a.k);
            if (std::find(m_bloecke.begin(), m_bloecke.end(), b) != m_bloecke.end())
                continue;
            double wert = 0;
            if (m_a.t > 0)
                teilmengen(b, m_a.t, [&](Block s) { wert += 1.0 / (1.0 + m_zaehlerT[rang(s)]); });
            if (wert > besterWert) {
                besterWert = wert;
                bester = b;
            }
        }
        if (!bester)
            break;
        blockHinzu(bester);
    }
    bloecke = m_bloecke;
}
