#include "reihentext.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <limits>

QString XStringReplace(const QString &s, const QString &alt, const QString &neu, int flags)
{
    if (s.isEmpty() || alt.isEmpty() || alt == neu)
        return s;
    const Qt::CaseSensitivity cs = (flags & ErsetzenOhneGrossKlein) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    // Record the matches first so the result is built in one piece of its final length.
    std::vector<qsizetype> treffer;
    qsizetype pos = s.indexOf(alt, 0, cs);
    while (pos >= 0) {
        treffer.push_back(pos);
        if (!(flags & ErsetzenAlle))
            break;
        pos = s.indexOf(alt, pos + alt.size(), cs);
    }
    if (treffer.empty())
        return s;
    QString ergebnis;
    ergebnis.reserve(s.size() + (neu.size() - alt.size()) * qsizetype(treffer.size()));
    qsizetype von = 0;
    for (qsizetype t : treffer) {
        ergebnis.append(QStringView(s).mid(von, t - von));
        ergebnis.append(neu);
        von = t + alt.size();
    }
    ergebnis.append(QStringView(s).mid(von));
    return ergebnis;
}

QString LeerzeichenKuerzen(const QString &text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    bool vorherBlank = false;
    for (QChar c : text) {
        const bool blank = c == QLatin1Char(' ');
        if (!(blank && vorherBlank))
            ergebnis.append(c);
        vorherBlank = blank;
    }
    return ergebnis;
}

int ZeichenZaehlen(QChar c, const QString &text)
{
    return int(text.count(c));
}

void ReiheSortieren(std::vector<std::uint8_t> &reihe)
{
    // Each number goes to the place given by how many numbers of the row are smaller.
    std::vector<std::uint8_t> sortiert(reihe.size());
    for (std::uint8_t z : reihe) {
        const auto kleiner = std::count_if(reihe.begin(), reihe.end(), [z](std::uint8_t x) { return x < z; });
        sortiert[std::size_t(kleiner)] = z;
    }
    reihe = std::move(sortiert);
}

QString TabsErsetzen(const QString &text)
{
    return XStringReplace(text, QStringLiteral("\t"), QStringLiteral(","), ErsetzenAlle);
}

QChar TrennerZeichen(Trenner t)
{
    switch (t) {
    case Trenner::Komma:
        return QLatin1Char(',');
    case Trenner::Semikolon:
        return QLatin1Char(';');
    case Trenner::Leerzeichen:
        return QLatin1Char(' ');
    case Trenner::Bindestrich:
        return QLatin1Char('-');
    }
    return QLatin1Char(',');
}

Trenner TrennerAusIndex(int index)
{
    return index >= 0 && index <= 3 ? Trenner(index) : Trenner::Komma;
}

namespace {

QStringList Zeilen(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList zeilen = t.split(QLatin1Char('\n'));
    // A line break at the very end ends the last line; it does not start another.
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

// Blanks and control characters at both ends.
QString Trimmen(const QString &zeile)
{
    qsizetype a = 0;
    qsizetype b = zeile.size();
    while (a < b && zeile[a].unicode() <= 0x20)
        ++a;
    while (b > a && zeile[b - 1].unicode() <= 0x20)
        --b;
    return zeile.mid(a, b - a);
}

// A whole number as the conversion accepts it: leading blanks, an optional sign, decimal
// digits, nothing behind them; the value must fit in 32 bits.
bool GanzeZahl(QStringView feld, long long &wert)
{
    qsizetype i = 0;
    while (i < feld.size() && feld[i] == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < feld.size() && (feld[i] == QLatin1Char('+') || feld[i] == QLatin1Char('-'))) {
        negativ = feld[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= feld.size())
        return false;
    long long v = 0;
    for (; i < feld.size(); ++i) {
        const char16_t c = feld[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > 2147483648LL)
            return false;
    }
    if (negativ)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    wert = v;
    return true;
}

} // namespace

Leseergebnis ReihentextLesen(const Leseauftrag &auftrag)
{
    Leseergebnis e;
    if (auftrag.text.isEmpty()) {
        e.meldung = Lesemeldung::Leer;
        e.text = auftrag.text;
        return e;
    }
    const QChar trenner = TrennerZeichen(auftrag.trenner);
    QStringList zeilen = Zeilen(LeerzeichenKuerzen(auftrag.text));
    auto abschliessen = [&](Lesemeldung m) {
        e.meldung = m;
        e.text = zeilen.join(QLatin1Char('\n'));
        e.textGeaendert = e.text != auftrag.text;
        return e;
    };

    if (auftrag.gruendlich) {
        for (QString &z : zeilen)
            z = Trimmen(z);
    }
    zeilen.removeIf([](const QString &z) { return z.isEmpty(); });
    for (QString &z : zeilen)
        z.replace(QChar(0x00A0), QLatin1Char(' '));

    bool klammern = false;
    for (const QString &z : zeilen) {
        if (z.contains(QStringLiteral("),("))) {
            klammern = true;
            break;
        }
    }
    if (klammern) {
        if (auftrag.klammern == Klammerantwort::Offen)
            return abschliessen(Lesemeldung::Klammerfrage);
        if (auftrag.klammern == Klammerantwort::Nein)
            return abschliessen(Lesemeldung::Abgebrochen);
        QString t = zeilen.join(QString());
        t.remove(QLatin1Char(' '));
        t = LeerzeichenKuerzen(t);
        t = XStringReplace(t, QStringLiteral("),("), QStringLiteral("\n"), ErsetzenAlle);
        t.remove(QLatin1Char('('));
        t.remove(QLatin1Char(')'));
        zeilen = Zeilen(t);
        // Bracketed rows use commas whatever separator is chosen; a ";" closes the list.
        if (zeilen.size() >= 2) {
            const int k1 = ZeichenZaehlen(QLatin1Char(','), zeilen[0]);
            if (k1 > 0 && k1 == ZeichenZaehlen(QLatin1Char(','), zeilen[1])) {
                for (QString &z : zeilen)
                    z.remove(QLatin1Char(';'));
            }
        }
    }

    if (auftrag.gruendlich && trenner != QLatin1Char(' ')) {
        for (QString &z : zeilen) {
            while (!z.isEmpty() && z.back() == trenner)
                z.chop(1);
        }
    }

    const int k = zeilen.isEmpty() ? 0 : ZeichenZaehlen(trenner, zeilen[0]);
    if (k == 0)
        return abschliessen(Lesemeldung::Trennzeichen);
    if ((zeilen.size() < 2 ? 0 : ZeichenZaehlen(trenner, zeilen[1])) != k)
        return abschliessen(Lesemeldung::ErsteZeilen);
    const int m = int(zeilen.size());
    for (int i = 0; i < m; ++i) {
        if (ZeichenZaehlen(trenner, zeilen[i]) != k) {
            e.zeile = i + 1;
            e.anzahl = k + 1;
            return abschliessen(Lesemeldung::Zeilenanzahl);
        }
    }

    if (auftrag.doppeltPruefen) {
        // The first pair a < b in the order a ascending, then b ascending: the earliest line
        // that occurs again, with its next occurrence.
        QHash<QStringView, int> erstes;
        erstes.reserve(m);
        int bestA = -1;
        int bestB = -1;
        for (int i = 0; i < m; ++i) {
            auto it = erstes.constFind(QStringView(zeilen[i]));
            if (it == erstes.constEnd()) {
                erstes.insert(QStringView(zeilen[i]), i);
            } else if (bestA < 0 || it.value() < bestA) {
                bestA = it.value();
                bestB = i;
            }
        }
        if (bestA >= 0) {
            e.feld = zeilen[bestA];
            e.zeile = bestA + 1;
            e.zeile2 = bestB + 1;
            return abschliessen(Lesemeldung::Identisch);
        }
    }

    e.reihengroesse = k + 1;
    e.zeilen = m;
    e.reihen.assign(std::size_t(m), std::vector<std::uint8_t>(std::size_t(k + 1)));
    for (int i = 0; i < m; ++i) {
        const QString &z = zeilen[i];
        Zahlenmenge inReihe;
        qsizetype von = 0;
        for (int j = 0; j <= k; ++j) {
            qsizetype bis = j < k ? z.indexOf(trenner, von) : z.size();
            const QStringView feld = QStringView(z).mid(von, bis - von);
            von = bis + 1;
            long long wert = 0;
            if (!GanzeZahl(feld, wert)) {
                e.feld = feld.toString();
                e.reihen.clear();
                return abschliessen(Lesemeldung::KeineZahl);
            }
            if (wert < 1 || wert > auftrag.biggestZZ) {
                e.feld = feld.toString();
                e.zeile = i + 1;
                e.reihen.clear();
                return abschliessen(Lesemeldung::Bereich);
            }
            if (inReihe.enthaelt(int(wert))) {
                e.feld = feld.toString();
                e.zeile = i + 1;
                e.reihen.clear();
                return abschliessen(Lesemeldung::Doppelt);
            }
            inReihe.hinzufuegen(int(wert));
            e.pool.hinzufuegen(int(wert));
            e.reihen[std::size_t(i)][std::size_t(j)] = std::uint8_t(wert);
        }
        ReiheSortieren(e.reihen[std::size_t(i)]);
    }
    e.poolAnzahl = e.pool.anzahl();
    return abschliessen(Lesemeldung::Keine);
}

bool LesemeldungIstFehler(Lesemeldung m)
{
    switch (m) {
    case Lesemeldung::Trennzeichen:
    case Lesemeldung::ErsteZeilen:
    case Lesemeldung::Zeilenanzahl:
    case Lesemeldung::Identisch:
    case Lesemeldung::KeineZahl:
        return true;
    default:
        return false;
    }
}

QString LesemeldungText(const Leseergebnis &e, int biggestZZ)
{
    const QString abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");
    switch (e.meldung) {
    case Lesemeldung::Keine:
    case Lesemeldung::Abgebrochen:
        return QString();
    case Lesemeldung::Leer:
        return QStringLiteral("Das Textfeld enthält keine Tippreihen.") + abbruch;
    case Lesemeldung::Klammerfrage:
        return QStringLiteral("Vermute ich richtig, dass die einzelnen Reihen durch Klammern getrennt werden?\n\n"
                              "Wenn nicht, kann ich deren Funktion nicht einordnen und muss abbrechen.");
    case Lesemeldung::Trennzeichen:
        return QStringLiteral("Bitte kontrollieren Sie die Trennzeichen-Wahl.") + abbruch;
    case Lesemeldung::ErsteZeilen:
        return QStringLiteral("Die ersten beiden Zeilen enthalten eine unterschiedliche Anzahl an Zahlen.") + abbruch;
    case Lesemeldung::Zeilenanzahl:
        return QStringLiteral("In Zeile %1 kann ich keine %2 Zahlen ausmachen.").arg(e.zeile).arg(e.anzahl) + abbruch;
    case Lesemeldung::Identisch:
        return QStringLiteral("Die Reihe %1 in den Zeilen %2 und %3 sind identisch.")
                   .arg(e.feld)
                   .arg(e.zeile)
                   .arg(e.zeile2)
            + abbruch;
    case Lesemeldung::Bereich:
        return QStringLiteral("Die %1 in der %2. Reihe liegt außerhalb des Gültigkeitsbereichs von 1 bis %3.")
                   .arg(e.feld)
                   .arg(e.zeile)
                   .arg(biggestZZ)
            + abbruch;
    case Lesemeldung::Doppelt:
        return QStringLiteral("Die %1 ist mindestens einmal zuviel in der %2. Reihe.").arg(e.feld).arg(e.zeile)
            + abbruch;
    case Lesemeldung::KeineZahl:
        return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(e.feld);
    }
    return QString();
}

QString TextdateiDekodieren(const QByteArray &inhalt)
{
    if (inhalt.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(inhalt.mid(3));
    if (inhalt.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringDecoder::Utf16LE);
        return d.decode(inhalt.mid(2));
    }
    if (inhalt.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf16BE);
        return d.decode(inhalt.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(inhalt);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(inhalt);
}

QByteArray MemoFuerDatei(const QString &text)
{
    QByteArray daten;
    for (const QString &z : Zeilen(text)) {
        daten += z.toUtf8();
        daten += "\r\n";
    }
    return daten;
}
