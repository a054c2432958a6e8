#include "wahlzahlen.h"

#include <QStringList>

#include <array>
#include <limits>

namespace {

// Every run of two or more blanks becomes one blank.
QString BlankfolgenKuerzen(const QString &s)
{
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char(' ') && i > 0 && s[i - 1] == QLatin1Char(' '))
            continue;
        r += s[i];
    }
    return r;
}

// Blanks, line breaks and control characters off both ends.
QString Beschneiden(const QString &s)
{
    qsizetype anfang = 0;
    qsizetype ende = s.size();
    while (anfang < ende && s[anfang].unicode() <= 0x20)
        ++anfang;
    while (ende > anfang && s[ende - 1].unicode() <= 0x20)
        --ende;
    return s.mid(anfang, ende - anfang);
}

} // namespace

bool GanzzahlLesen(const QString &feld, int &wert)
{
    qsizetype i = 0;
    while (i < feld.size() && feld[i] == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < feld.size() && (feld[i] == QLatin1Char('+') || feld[i] == QLatin1Char('-'))) {
        negativ = feld[i] == QLatin1Char('-');
        ++i;
    }
    if (i == feld.size())
        return false;
    qint64 betrag = 0;
    for (; i < feld.size(); ++i) {
        const char16_t c = feld[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        betrag = betrag * 10 + (c - u'0');
        if (betrag > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    const qint64 v = negativ ? -betrag : betrag;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    wert = int(v);
    return true;
}

Wahlzahlenlesung WahlzahlenAuslesen(const QString &eingabe, int groesste)
{
    Wahlzahlenlesung l;
    if (eingabe.isEmpty()) {
        l.fehler = Wahlzahlenlesung::Fehler::Leer;
        return l;
    }
    QString t = eingabe;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar umbruch : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        t.replace(umbruch, QLatin1Char('\n'));
    t = Beschneiden(BlankfolgenKuerzen(t));

    const std::array<QChar, 3> trennzeichen{QLatin1Char(','), QLatin1Char(';'), QLatin1Char(' ')};
    for (const QChar c : trennzeichen)
        t.replace(QString(c) + QLatin1Char(' '), QString(c));
    QStringList zeilen = t.split(QLatin1Char('\n'));
    zeilen.removeAll(QString());
    t = zeilen.join(QLatin1Char('\n'));
    t.replace(QChar(0xa0), QLatin1Char(' '));
    l.text = t;

    QChar trenner;
    for (const QChar c : trennzeichen) {
        if (!t.contains(c))
            continue;
        if (!trenner.isNull()) {
            l.fehler = Wahlzahlenlesung::Fehler::GemischteTrenner;
            return l;
        }
        trenner = c;
    }
    // Without any separator every line holds one number.
    if (trenner.isNull())
        trenner = QLatin1Char('\n');
    else
        t.replace(QLatin1Char('\n'), trenner);

    std::array<bool, 101> gesehen{};
    for (const QString &feld : t.split(trenner, Qt::SkipEmptyParts)) {
        int wert = 0;
        if (!GanzzahlLesen(feld, wert)) {
            l.fehler = Wahlzahlenlesung::Fehler::KeineGanzzahl;
            l.feld = feld;
            return l;
        }
        if (wert >= 1 && wert <= groesste && wert < int(gesehen.size()))
            gesehen[std::size_t(wert)] = true;
    }
    for (int v = 1; v < int(gesehen.size()); ++v) {
        if (gesehen[std::size_t(v)])
            l.zahlen.push_back(v);
    }
    return l;
}
