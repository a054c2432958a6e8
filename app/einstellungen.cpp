#include "einstellungen.h"

#include <algorithm>
#include <cstring>

namespace {

using A = Einstellung::Art;

constexpr std::array<Einstellung, 16> Tabelle{{
    {"Filter", "ZP", A::Ganzzahl, 12, 13, "Slider1", 4, 100},
    {"Filter", "ReiG", A::Ganzzahl, 6, 6, "Slider2", 4, 10},
    {"Filter", "GA", A::Ganzzahl, 2, 2, "Slider3", 2, 10},
    {"Filter", "TR", A::Ganzzahl, 24, 24, "Slider4", 5, 500},
    {"Filter", "BZ", A::Ganzzahl, 0, 2, "Slider5", 0, 4},
    {"Filter", "GARadio", A::Ganzzahl, 0, 1, "Radio3", 0, 1},
    {"Filter", "BZRadio", A::Ganzzahl, 0, 1, "Radio5", 0, 1},
    {"Filter", "ZPegal", A::Wahrheitswert, 0, 0, "cb1", 0, 1},
    {"Filter", "GAegal", A::Wahrheitswert, 0, 0, "cb3", 0, 1},
    {"Filter", "TRegal", A::Wahrheitswert, 0, 1, "cb4", 0, 1},
    {"Filter", "BZegal", A::Wahrheitswert, 0, 0, "cb5", 0, 1},
    {"Excel-Export", "Mit", A::Wahrheitswert, 0, 0, "cbMit", 0, 1},
    {"Reihenanalyse", "Detail", A::Wahrheitswert, 1, 1, "cbDetail", 0, 1},
    {"Allgemein", "Mischen", A::Wahrheitswert, 0, 0, "cbMischen", 0, 1},
    {"Allgemein", "biggestZZ", A::Ganzzahl, 49, 49, "updown1", 32, 100},
    {"Eigene Reihen", "Trenner", A::Ganzzahl, 0, 0, "RGTrenner", 0, 3},
}};

// "ZP" .. "BZegal", "Mischen", "biggestZZ", "Trenner", "Mit", "Detail"
constexpr std::array<int, 16> Schreiben{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 11, 12};

const QString Position = QStringLiteral("Position");

} // namespace

const std::array<Einstellung, 16> &Einstellungstabelle()
{
    return Tabelle;
}

const std::array<int, 16> &Schreibreihenfolge()
{
    return Schreiben;
}

int EinstellungsIndex(const char *schluessel)
{
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        if (std::strcmp(Tabelle[i].schluessel, schluessel) == 0)
            return int(i);
    }
    return -1;
}

Einstellungswerte ErsterStartWerte()
{
    Einstellungswerte werte{};
    for (std::size_t i = 0; i < Tabelle.size(); ++i)
        werte[i] = Tabelle[i].ersterStart;
    return werte;
}

Einstellungswerte EinstellungenAuslesen(const Inidatei &datei)
{
    Einstellungswerte werte{};
    for (std::size_t i = 0; i < Tabelle.size(); ++i) {
        const Einstellung &e = Tabelle[i];
        const int wert = datei.ganzzahl(QLatin1String(e.abschnitt), QLatin1String(e.schluessel), e.standard);
        werte[i] = e.art == A::Wahrheitswert ? int(wert != 0) : std::clamp(wert, e.kleinster, e.groesster);
    }
    return werte;
}

void EinstellungenEintragen(Inidatei &datei, const Einstellungswerte &werte)
{
    for (int i : Schreiben) {
        const Einstellung &e = Tabelle[i];
        const int wert = e.art == A::Wahrheitswert ? int(werte[i] != 0) : werte[i];
        datei.setzeGanzzahl(QLatin1String(e.abschnitt), QLatin1String(e.schluessel), wert);
    }
}

Fensterposition FensterpositionAuslesen(const Inidatei &datei, const QString &name)
{
    Fensterposition p;
    p.links = std::clamp(datei.ganzzahl(Position, name + QStringLiteral("-left"), p.links), -Positionsgrenze,
                         Positionsgrenze);
    p.oben =
        std::clamp(datei.ganzzahl(Position, name + QStringLiteral("-top"), p.oben), -Positionsgrenze, Positionsgrenze);
    return p;
}

Speicherergebnis FensterpositionSpeichern(const QString &pfad, const QString &name, int links, int oben)
{
    Inidatei datei;
    datei.laden(pfad); // after a failed read speichern() refuses: the file may hold other windows' keys
    datei.setzeGanzzahl(Position, name + QStringLiteral("-left"), links);
    datei.setzeGanzzahl(Position, name + QStringLiteral("-top"), oben);
    return datei.speichern(pfad);
}

namespace {

// Overlap of two rectangles, computed in 64 bits: a stored position may be anything.
struct Ueberdeckung
{
    qint64 breite = 0;
    qint64 hoehe = 0;
};

Ueberdeckung Schnitt(qint64 x, qint64 y, qint64 b, qint64 h, const QRect &r)
{
    const qint64 links = std::max<qint64>(x, r.x());
    const qint64 rechts = std::min<qint64>(x + b, qint64(r.x()) + r.width());
    const qint64 oben = std::max<qint64>(y, r.y());
    const qint64 unten = std::min<qint64>(y + h, qint64(r.y()) + r.height());
    return {std::max<qint64>(0, rechts - links), std::max<qint64>(0, unten - oben)};
}

} // namespace

QPoint FensterpositionPruefen(QPoint gespeichert, QSize fenster, const QList<QRect> &bildschirme, QRect primaer)
{
    constexpr int Titelstreifen = 30; // the top strip of the frame, where the title bar is
    constexpr int MindestBreite = 100; // enough of it to grab it with the mouse
    constexpr int MindestHoehe = 10;
    const qint64 breite = std::max(fenster.width(), 1);
    const qint64 noetigeBreite = std::min<qint64>(MindestBreite, breite);
    QList<QRect> flaechen = bildschirme;
    if (flaechen.isEmpty())
        flaechen.append(primaer);
    for (const QRect &r : std::as_const(flaechen)) {
        if (r.isEmpty())
            continue;
        const Ueberdeckung u = Schnitt(gespeichert.x(), gespeichert.y(), breite, Titelstreifen, r);
        if (u.breite >= noetigeBreite && u.hoehe >= MindestHoehe)
            return gespeichert;
    }
    QRect ziel = primaer;
    if (ziel.isEmpty()) {
        const auto erster =
            std::find_if(flaechen.cbegin(), flaechen.cend(), [](const QRect &r) { return !r.isEmpty(); });
        if (erster == flaechen.cend())
            return gespeichert; // no screen known: nothing to fit into
        ziel = *erster;
    }
    // A window larger than the screen keeps its title bar on it.
    const int x = std::max(ziel.x(), ziel.x() + (ziel.width() - fenster.width()) / 2);
    const int y = std::max(ziel.y(), ziel.y() + (ziel.height() - fenster.height()) / 2);
    return {x, y};
}
