// libFuzzer harness for the row file reader: no crash on any input, a result that keeps its
// promises (rows of rg ascending positions in 1..wz, or an error with a line that exists),
// the file and the in-memory reader agreeing, and read rows surviving a round trip.
#include "eigensystemdatei.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

const QTemporaryDir &Ordner()
{
    static const QTemporaryDir ordner;
    return ordner;
}

bool Gleich(const EsyReihenErgebnis &a, const EsyReihenErgebnis &b)
{
    return a.reihen == b.reihen && a.fehler == b.fehler && a.art == b.art && a.zeile == b.zeile && a.anzahl == b.anzahl
        && a.erwartet == b.erwartet && a.position == b.position && a.feld == b.feld;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first two bytes choose the shape the file is read with, the rest is the file.
    if (size < 2)
        return 0;
    const int rg = 1 + data[0] % 10;
    const int wz = rg + data[1] % 40;
    const int tr = (data[0] / 10) % 4 == 0 ? EsyAlleReihen : data[1] % 7;
    const QByteArray inhalt(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    const QString pfad = QDir(Ordner().path()).filePath(QStringLiteral("ESY1.csv"));
    {
        QFile f(pfad);
        Pruefen(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Pruefen(f.write(inhalt) == inhalt.size());
    }
    const EsyReihenErgebnis r = EsyReihenLesen(pfad, rg, wz, tr);
    Pruefen(Gleich(r, EsyReihenAuswerten(inhalt, rg, wz, tr)));

    const int zeilen = int(inhalt.count('\n')) + 1;
    switch (r.fehler) {
    case EsyFehler::Keiner:
        Pruefen(r.art == EsyZeilenFehler::Keiner);
        Pruefen(tr < 0 || int(r.reihen.size()) == tr);
        for (const EsyReihe &reihe : r.reihen) {
            Pruefen(int(reihe.size()) == rg);
            Pruefen(reihe.front() >= 1 && reihe.back() <= wz);
            Pruefen(std::adjacent_find(reihe.begin(), reihe.end(), std::greater_equal<int>()) == reihe.end());
        }
        break;
    case EsyFehler::Ungueltig:
        Pruefen(r.reihen.empty() && r.art != EsyZeilenFehler::Keiner);
        if (r.art == EsyZeilenFehler::ZuWenigeReihen)
            Pruefen(tr >= 0 && r.anzahl < tr && r.erwartet == tr);
        else
            Pruefen(r.zeile >= 1 && r.zeile <= zeilen);
        if (r.art == EsyZeilenFehler::FeldAnzahl)
            Pruefen(r.anzahl != rg && r.erwartet == rg);
        if (r.art == EsyZeilenFehler::PositionAusserhalb)
            Pruefen((r.position < 1 || r.position > wz) && r.erwartet == wz);
        if (r.art == EsyZeilenFehler::KeineZahl)
            Pruefen(r.feld.size() <= 20);
        break;
    case EsyFehler::ZuGross:
        Pruefen(inhalt.size() > EsyReihendateiHoechstgroesse);
        break;
    case EsyFehler::NichtLesbar:
    case EsyFehler::NichtSchreibbar:
        Pruefen(false);
    }

    // Rows that were read, written the program's way, read back the same.
    if (r.fehler == EsyFehler::Keiner) {
        const QString zurueck = QDir(Ordner().path()).filePath(QStringLiteral("ESY2.csv"));
        Pruefen(EsyReihenSchreiben(zurueck, r.reihen).ok());
        const EsyReihenErgebnis wieder = EsyReihenLesen(zurueck, rg, wz, tr);
        Pruefen(wieder.fehler == EsyFehler::Keiner && wieder.reihen == r.reihen);
    }
    return 0;
}
