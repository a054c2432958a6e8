#include "einstellungen.h"

#include "inidatei.h"

#include <cstring>

namespace {

using A = Einstellung::Art;

constexpr std::array<Einstellung, 16> Tabelle{{
    {"Filter", "ZP", A::Ganzzahl, 12, 13, "Slider1"},
    {"Filter", "ReiG", A::Ganzzahl, 6, 6, "Slider2"},
    {"Filter", "GA", A::Ganzzahl, 2, 2, "Slider3"},
    {"Filter", "TR", A::Ganzzahl, 24, 24, "Slider4"},
    {"Filter", "BZ", A::Ganzzahl, 0, 2, "Slider5"},
    {"Filter", "GARadio", A::Ganzzahl, 0, 1, "Radio3"},
    {"Filter", "BZRadio", A::Ganzzahl, 0, 1, "Radio5"},
    {"Filter", "ZPegal", A::Wahrheitswert, 0, 0, "cb1"},
    {"Filter", "GAegal", A::Wahrheitswert, 0, 0, "cb3"},
    {"Filter", "TRegal", A::Wahrheitswert, 0, 1, "cb4"},
    {"Filter", "BZegal", A::Wahrheitswert, 0, 0, "cb5"},
    {"Excel-Export", "Mit", A::Wahrheitswert, 0, 0, "cbMit"},
    {"Reihenanalyse", "Detail", A::Wahrheitswert, 1, 1, "cbDetail"},
    {"Allgemein", "Mischen", A::Wahrheitswert, 0, 0, "cbMischen"},
    {"Allgemein", "biggestZZ", A::Ganzzahl, 49, 49, "updown1"},
    {"Eigene Reihen", "Trenner", A::Ganzzahl, 0, 0, "RGTrenner"},
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
        werte[i] = e.art == A::Wahrheitswert ? int(wert != 0) : wert;
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
    p.links = datei.ganzzahl(Position, name + QStringLiteral("-left"), p.links);
    p.oben = datei.ganzzahl(Position, name + QStringLiteral("-top"), p.oben);
    return p;
}

QString FensterpositionSpeichern(const QString &pfad, const QString &name, int links, int oben)
{
    Inidatei datei;
    if (datei.laden(pfad) == Inidatei::Ladestatus::Fehler)
        return datei.fehlertext(); // never replace a file that could not be read
    datei.setzeGanzzahl(Position, name + QStringLiteral("-left"), links);
    datei.setzeGanzzahl(Position, name + QStringLiteral("-top"), oben);
    if (!datei.speichern(pfad))
        return datei.fehlertext();
    return QString();
}
