// Times the reading of a memo of 100,000 own rows (six numbers of 1..49, thorough checking
// and the search for identical lines on) and prints it. The goal: well under a second.

#include "reihentext.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main()
{
    constexpr int Zeilen = 100000;
    QRandomGenerator zufall(7);
    QStringList zeilen;
    zeilen.reserve(Zeilen);
    for (int i = 0; i < Zeilen; ++i) {
        int zahlen[49];
        for (int v = 0; v < 49; ++v)
            zahlen[v] = v + 1;
        QStringList reihe;
        for (int j = 0; j < 6; ++j) {
            std::swap(zahlen[j], zahlen[j + int(zufall.bounded(49 - j))]);
            reihe << QString::number(zahlen[j]);
        }
        // Blanks the thorough check removes, as pasted text often has them.
        zeilen << QStringLiteral(" ") + reihe.join(QStringLiteral(", ")) + QStringLiteral(",  ");
    }
    Leseauftrag a;
    a.text = zeilen.join(QLatin1Char('\n'));
    a.doppeltPruefen = false;
    double besteMs = 1e9;
    Leseergebnis e;
    for (int lauf = 0; lauf < 5; ++lauf) {
        const auto t0 = std::chrono::steady_clock::now();
        e = ReihentextLesen(a);
        const auto t1 = std::chrono::steady_clock::now();
        besteMs = std::min(besteMs, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    a.doppeltPruefen = true;
    const auto t0 = std::chrono::steady_clock::now();
    const Leseergebnis d = ReihentextLesen(a);
    const auto t1 = std::chrono::steady_clock::now();
    std::printf("%d Zeilen: %.1f ms ohne, %.1f ms mit Doppel-Pruefung (Meldung %d/%d, %zu Reihen)\n", Zeilen, besteMs,
                std::chrono::duration<double, std::milli>(t1 - t0).count(), int(e.meldung), int(d.meldung),
                e.reihen.size());
    return e.ok() ? 0 : 1;
}
