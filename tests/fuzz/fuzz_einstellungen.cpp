// Fuzz harness for the settings file: any bytes are read, every key the program uses is read,
// values are set and the file is written and read again. What must hold:
// - reading never crashes, and the values read lie in their keys' ranges;
// - written unchanged, the file is the input with CR LF line ends;
// - after setting values, every line the change may not touch is still there, byte for byte
//   and in its order, and new lines are only entries of the set keys and, at the end, blank
//   lines and headers of their sections;
// - read again, the file gives exactly the values set; setting them again changes nothing.
// A broken rule aborts.

#include "einstellungen.h"
#include "inidatei.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Verletzt(const char *regel)
{
    std::fprintf(stderr, "Regel verletzt: %s\n", regel);
    std::abort();
}

#define PRUEFEN(bedingung) \
    do { \
        if (!(bedingung)) \
            Verletzt(#bedingung); \
    } while (false)

struct Schluessel
{
    QByteArray abschnitt;
    QByteArray name;
};

// Names compare regardless of the case of ASCII letters.
bool Gleich(QByteArrayView a, QByteArrayView b)
{
    const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&klein](char x, char y) { return klein(x) == klein(y); });
}

// The lines of a file, worked out independently of the reader: split at LF, one CR in front
// of it dropped, a UTF-8 byte-order mark no part of the first line.
struct Zeilen
{
    bool bom = false;
    QList<QByteArray> zeilen;
};

Zeilen Aufteilen(QByteArray text)
{
    Zeilen z;
    if (text.startsWith("\xEF\xBB\xBF")) {
        z.bom = true;
        text.remove(0, 3);
    }
    if (text.isEmpty())
        return z;
    if (text.endsWith('\n'))
        text.chop(1);
    for (QByteArray zeile : text.split('\n')) {
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        z.zeilen.append(zeile);
    }
    return z;
}

QByteArray Zusammenfuegen(const Zeilen &z)
{
    QByteArray text = z.bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QByteArray &zeile : z.zeilen)
        text += zeile + "\r\n";
    return text;
}

bool IstKopf(QByteArrayView t)
{
    return t.size() >= 2 && t.startsWith('[') && t.endsWith(']');
}

QByteArrayView Kopfname(QByteArrayView t)
{
    return t.sliced(1, t.size() - 2).trimmed();
}

// The lines with entries of the given keys removed: those are the only ones a change may
// rewrite or add. Every other line must come through.
QList<QByteArray> OhneGesetzte(const QList<QByteArray> &zeilen, const QList<Schluessel> &gesetzt)
{
    QList<QByteArray> rest;
    QByteArrayView abschnitt;
    bool inAbschnitt = false;
    for (const QByteArray &zeile : zeilen) {
        const QByteArrayView t = QByteArrayView(zeile).trimmed();
        if (IstKopf(t)) {
            abschnitt = Kopfname(t);
            inAbschnitt = true;
        } else if (inAbschnitt && !t.isEmpty() && t[0] != ';' && t[0] != '#' && t.indexOf('=') > 0) {
            const QByteArrayView name = t.first(t.indexOf('=')).trimmed();
            bool treffer = false;
            for (const Schluessel &s : gesetzt)
                treffer = treffer || (Gleich(abschnitt, s.abschnitt) && Gleich(name, s.name));
            if (treffer)
                continue;
        }
        rest.append(zeile);
    }
    return rest;
}

bool Enthaelt(const QList<QByteArrayView> &namen, QByteArrayView name)
{
    return std::any_of(namen.begin(), namen.end(), [name](QByteArrayView n) { return Gleich(n, name); });
}

void ZeilenErhalten(const QByteArray &vorher, const QByteArray &nachher, const QList<Schluessel> &gesetzt)
{
    const Zeilen a = Aufteilen(vorher);
    const Zeilen b = Aufteilen(nachher);
    PRUEFEN(a.bom == b.bom);
    const QList<QByteArray> alt = OhneGesetzte(a.zeilen, gesetzt);
    const QList<QByteArray> neu = OhneGesetzte(b.zeilen, gesetzt);
    PRUEFEN(neu.size() >= alt.size());
    PRUEFEN(neu.first(alt.size()) == alt);
    // Behind the old lines: only blank lines and, once each, headers of set sections that the
    // file did not have.
    QList<QByteArrayView> abschnitte;
    for (const QByteArray &zeile : alt) {
        const QByteArrayView t = QByteArrayView(zeile).trimmed();
        if (IstKopf(t))
            abschnitte.append(Kopfname(t));
    }
    for (qsizetype i = alt.size(); i < neu.size(); ++i) {
        const QByteArrayView t = QByteArrayView(neu[i]).trimmed();
        if (t.isEmpty())
            continue;
        PRUEFEN(IstKopf(t));
        PRUEFEN(!Enthaelt(abschnitte, Kopfname(t)));
        PRUEFEN(std::any_of(gesetzt.begin(), gesetzt.end(),
                            [&t](const Schluessel &s) { return Gleich(Kopfname(t), s.abschnitt); }));
        abschnitte.append(Kopfname(t));
    }
}

const QList<Schluessel> &Einstellungsschluessel()
{
    static const QList<Schluessel> schluessel = [] {
        QList<Schluessel> s;
        for (const Einstellung &e : Einstellungstabelle())
            s.append(Schluessel{e.abschnitt, e.schluessel});
        return s;
    }();
    return schluessel;
}

const QList<Schluessel> PositionFMain{{"Position", "FMain-left"}, {"Position", "FMain-top"}};

void WerteImBereich(const Einstellungswerte &werte)
{
    const auto &tabelle = Einstellungstabelle();
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        PRUEFEN(werte[i] >= tabelle[i].kleinster);
        PRUEFEN(werte[i] <= tabelle[i].groesster);
    }
}

bool DateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size();
}

QByteArray DateiLesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The same through real files, with the window position writer: for part of the inputs only,
// chosen by content so that a rerun of one input does the same.
void UeberDateien(const QByteArray &eingabe, const Einstellungswerte &neu, int links, int oben)
{
    // In memory where there is such a file system: every write waits for the disk otherwise.
    static QTemporaryDir ordner(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/kbw-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/kbw-fuzz-XXXXXX"));
    PRUEFEN(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("Einstellungen.ini"));
    PRUEFEN(DateiSchreiben(pfad, eingabe));
    PRUEFEN(FensterpositionSpeichern(pfad, QStringLiteral("FMain"), links, oben).ok());
    const QByteArray mitPosition = DateiLesen(pfad);
    ZeilenErhalten(eingabe, mitPosition, PositionFMain);

    Inidatei datei;
    PRUEFEN(datei.laden(pfad) == Inidatei::Ladestatus::Gelesen);
    PRUEFEN(datei.inhalt() == mitPosition);
    const Fensterposition p = FensterpositionAuslesen(datei, QStringLiteral("FMain"));
    PRUEFEN(p.links == links && p.oben == oben);
    EinstellungenEintragen(datei, neu);
    const QString ziel = ordner.filePath(QStringLiteral("neu.ini"));
    PRUEFEN(datei.speichern(ziel).ok());
    PRUEFEN(DateiLesen(ziel) == datei.inhalt());
    ZeilenErhalten(mitPosition, DateiLesen(ziel), Einstellungsschluessel());
    PRUEFEN(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size() == 2); // nothing left beside
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    Inidatei datei;
    if (datei.einlesen(eingabe) != Inidatei::Ladestatus::Gelesen) {
        PRUEFEN(eingabe.size() > Inidatei::Hoechstgroesse);
        PRUEFEN(!datei.schreibbar());
        return 0;
    }
    PRUEFEN(datei.inhalt() == Zusammenfuegen(Aufteilen(eingabe)));

    // Everything the program reads.
    WerteImBereich(EinstellungenAuslesen(datei));
    for (const char *fenster : {"FMain", "FFehlt"}) {
        const Fensterposition p = FensterpositionAuslesen(datei, QLatin1String(fenster));
        PRUEFEN(qAbs(p.links) <= Positionsgrenze && qAbs(p.oben) <= Positionsgrenze);
    }
    datei.ganzzahl(QStringLiteral("SysPro"), QStringLiteral("AnzGZ"), 0);
    datei.ganzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Left"), -1000);
    datei.ganzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Top"), -1000);

    // New values in range, taken from the input so that they differ from run to run.
    Einstellungswerte neu{};
    const auto &tabelle = Einstellungstabelle();
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < tabelle.size(); ++i) {
        h = (h ^ (groesse ? daten[(i * 7) % groesse] : 0u)) * 16777619u;
        const uint32_t spanne = uint32_t(tabelle[i].groesster - tabelle[i].kleinster + 1);
        neu[i] = tabelle[i].kleinster + int(h % spanne);
    }
    const int links = int(h % 8001u) - 4000;
    const int oben = int((h / 8001u) % 4001u) - 2000;

    const QByteArray vorher = datei.inhalt();
    EinstellungenEintragen(datei, neu);
    datei.setzeGanzzahl(QStringLiteral("Position"), QStringLiteral("FMain-left"), links);
    datei.setzeGanzzahl(QStringLiteral("Position"), QStringLiteral("FMain-top"), oben);
    const QByteArray nachher = datei.inhalt();
    ZeilenErhalten(vorher, nachher, Einstellungsschluessel() + PositionFMain);

    Inidatei zurueck;
    PRUEFEN(zurueck.einlesen(nachher) == Inidatei::Ladestatus::Gelesen);
    PRUEFEN(zurueck.inhalt() == nachher);
    PRUEFEN(EinstellungenAuslesen(zurueck) == neu);
    const Fensterposition p = FensterpositionAuslesen(zurueck, QStringLiteral("FMain"));
    PRUEFEN(p.links == links && p.oben == oben);
    EinstellungenEintragen(zurueck, neu);
    zurueck.setzeGanzzahl(QStringLiteral("Position"), QStringLiteral("FMain-left"), links);
    zurueck.setzeGanzzahl(QStringLiteral("Position"), QStringLiteral("FMain-top"), oben);
    PRUEFEN(zurueck.inhalt() == nachher);

    if (qHash(eingabe) % 16 == 0)
        UeberDateien(eingabe, neu, links, oben);
    return 0;
}
