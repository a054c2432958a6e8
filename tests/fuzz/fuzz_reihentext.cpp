// libFuzzer harness for reading own rows from the memo: no crash or hang on any text, and a
// result that keeps its promises (rows of one size, ascending, within 1..biggestZZ, the pool
// their union; or a message whose line numbers exist in the cleaned text).
#include "reihentext.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses the settings, the rest is the text.
    if (size < 1)
        return 0;
    Leseauftrag a;
    a.trenner = TrennerAusIndex(data[0] & 3);
    a.gruendlich = data[0] & 4;
    a.doppeltPruefen = data[0] & 8;
    a.klammern = (data[0] & 16) ? Klammerantwort::Ja : Klammerantwort::Offen;
    a.biggestZZ = 32 + (data[0] >> 5) * 9;
    a.text = TabsErsetzen(QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    const Leseergebnis e = ReihentextLesen(a);
    Pruefen(!LesemeldungText(e, a.biggestZZ).isEmpty() || e.ok() || e.meldung == Lesemeldung::Abgebrochen);
    const int zeilen = int(e.text.count(QLatin1Char('\n'))) + 1;
    if (e.ok()) {
        Pruefen(e.zeilen == int(e.reihen.size()) && e.zeilen >= 2 && e.reihengroesse >= 2);
        Zahlenmenge pool;
        for (const auto &r : e.reihen) {
            Pruefen(int(r.size()) == e.reihengroesse);
            for (std::size_t i = 0; i < r.size(); ++i) {
                Pruefen(r[i] >= 1 && r[i] <= a.biggestZZ);
                Pruefen(i == 0 || r[i - 1] < r[i]);
                pool.hinzufuegen(r[i]);
            }
        }
        Pruefen(pool == e.pool && pool.anzahl() == e.poolAnzahl);
        // Read once more, the cleaned text gives the same rows.
        Leseauftrag b = a;
        b.text = e.text;
        const Leseergebnis f = ReihentextLesen(b);
        Pruefen(f.ok() && f.reihen == e.reihen && f.text == e.text);
    } else {
        Pruefen(e.reihen.empty() || e.meldung == Lesemeldung::Keine);
        Pruefen(e.zeile >= 0 && e.zeile <= zeilen && e.zeile2 <= zeilen);
    }
    return 0;
}
