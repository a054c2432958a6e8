#include "inidatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <climits>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Names compare regardless of the case of ASCII letters; other bytes must be equal.
bool Gleich(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

QString ZuGross(qint64 groesse)
{
    const QLocale l;
    return QStringLiteral("Die Datei ist zu groß (%1 Bytes, erlaubt sind höchstens %2 Bytes). "
                          "Sie wird weder gelesen noch überschrieben.")
        .arg(l.toString(groesse), l.toString(Inidatei::Hoechstgroesse));
}

QString Einzeilig(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

} // namespace

QString Speicherergebnis::grund() const
{
    return ladefehler.isEmpty() ? SchreibFehlerGrund(schreiben) : ladefehler;
}

QString Speicherergebnis::text(const QString &pfad) const
{
    if (!ladefehler.isEmpty()) {
        return QStringLiteral(
                   "Die Datei \u201E%1\u201C wird nicht überschrieben, weil sie nicht gelesen werden konnte. %2")
            .arg(QDir::toNativeSeparators(pfad), ladefehler);
    }
    return schreiben.ok() ? QString() : SchreibFehlerText(pfad, schreiben);
}

// Only names and values are decoded, and only when asked for; the program's own names and
// values are ASCII, so the text encoding of everything else does not matter and its bytes
// are never touched.
Inidatei::Zeile Inidatei::Zerlegen(QByteArray roh)
{
    Zeile z;
    z.roh = std::move(roh);
    const QByteArrayView zeile(z.roh);
    const QByteArrayView text = zeile.trimmed();
    const auto ab = [&zeile](QByteArrayView teil) { return qsizetype(teil.data() - zeile.data()); };
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#'))
        return z;
    if (text.size() >= 2 && text.startsWith('[') && text.endsWith(']')) {
        const QByteArrayView name = text.sliced(1, text.size() - 2).trimmed();
        z.art = Art::Abschnitt;
        z.nameAb = name.isEmpty() ? 0 : ab(name);
        z.nameLaenge = name.size();
        return z;
    }
    const qsizetype gleich = text.indexOf('=');
    if (gleich <= 0)
        return z; // a line without a key has no meaning
    const QByteArrayView name = text.first(gleich).trimmed();
    const QByteArrayView wert = text.sliced(gleich + 1).trimmed();
    z.art = Art::Eintrag;
    z.nameAb = ab(name);
    z.nameLaenge = name.size();
    z.wertAb = wert.isEmpty() ? 0 : ab(wert);
    z.wertLaenge = wert.size();
    return z;
}

void Inidatei::leeren()
{
    m_zeilen.clear();
    m_bom = false;
    m_ladefehler = false;
    m_fehlertext.clear();
}

void Inidatei::ladefehler(const QString &grund)
{
    leeren();
    m_ladefehler = true;
    m_fehlertext = grund;
}

Inidatei::Ladestatus Inidatei::einlesen(const QByteArray &inhalt)
{
    leeren();
    if (inhalt.size() > Hoechstgroesse) {
        ladefehler(ZuGross(inhalt.size()));
        return Ladestatus::Fehler;
    }
    QByteArrayView rest(inhalt);
    if (rest.startsWith(Bom)) {
        m_bom = true;
        rest = rest.sliced(Bom.size());
    }
    while (!rest.isEmpty()) {
        const qsizetype ende = rest.indexOf('\n');
        QByteArrayView zeile = ende < 0 ? rest : rest.first(ende);
        rest = ende < 0 ? QByteArrayView() : rest.sliced(ende + 1);
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        m_zeilen.push_back(Zerlegen(zeile.toByteArray()));
    }
    return Ladestatus::Gelesen;
}

Inidatei::Ladestatus Inidatei::laden(const QString &pfad)
{
    leeren();
    const QFileInfo info(pfad);
    if (!info.exists())
        return Ladestatus::Fehlt;
    if (info.isDir()) {
        ladefehler(QStringLiteral("An Stelle der Datei steht ein Ordner."));
        return Ladestatus::Fehler;
    }
    if (!info.isFile()) { // a pipe or a device would block or never end
        ladefehler(QStringLiteral("Die Datei ist keine gewöhnliche Datei."));
        return Ladestatus::Fehler;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        ladefehler(datei.error() == QFileDevice::PermissionsError
                       ? QStringLiteral("Keine Leseberechtigung.")
                       : QStringLiteral("Die Datei lässt sich nicht öffnen (%1).").arg(datei.errorString()));
        return Ladestatus::Fehler;
    }
    // One byte more than allowed is enough to tell that the file is too big, whatever its
    // size said a moment ago.
    const QByteArray inhalt = datei.read(Hoechstgroesse + 1);
    if (datei.error() != QFileDevice::NoError) {
        ladefehler(QStringLiteral("Fehler beim Lesen (%1).").arg(datei.errorString()));
        return Ladestatus::Fehler;
    }
    if (inhalt.size() > Hoechstgroesse) {
        ladefehler(ZuGross(std::max<qint64>(inhalt.size(), datei.size())));
        return Ladestatus::Fehler;
    }
    return einlesen(inhalt);
}

qsizetype Inidatei::finden(QByteArrayView abschnitt, QByteArrayView schluessel) const
{
    qsizetype gefunden = -1;
    bool imAbschnitt = false;
    for (qsizetype i = 0; i < qsizetype(m_zeilen.size()); ++i) {
        const Zeile &z = m_zeilen[i];
        if (z.art == Art::Abschnitt)
            imAbschnitt = Gleich(z.name(), abschnitt);
        else if (imAbschnitt && z.art == Art::Eintrag && Gleich(z.name(), schluessel))
            gefunden = i; // the last occurrence wins
    }
    return gefunden;
}

bool Inidatei::enthaelt(const QString &abschnitt, const QString &schluessel) const
{
    return finden(abschnitt.toUtf8(), schluessel.toUtf8()) >= 0;
}

QString Inidatei::wert(const QString &abschnitt, const QString &schluessel) const
{
    const qsizetype i = finden(abschnitt.toUtf8(), schluessel.toUtf8());
    return i >= 0 ? QString::fromUtf8(m_zeilen[i].wert()) : QString();
}

void Inidatei::setzen(const QString &abschnitt, const QString &schluessel, const QString &wert)
{
    const QByteArray bereich = Einzeilig(abschnitt).toUtf8();
    const QByteArray name = Einzeilig(schluessel).toUtf8();
    const QByteArray neu = Einzeilig(wert).toUtf8();
    const qsizetype vorhanden = finden(bereich, name);
    if (vorhanden >= 0) {
        Zeile &z = m_zeilen[vorhanden];
        if (z.wert() == QByteArrayView(neu).trimmed())
            return; // nothing to change: the line keeps its bytes
        z = Zerlegen(z.name().toByteArray() + '=' + neu);
        return;
    }
    Zeile eintrag = Zerlegen(name + '=' + neu);
    // After the last entry of the section's last occurrence, so that the blank lines and
    // comments in front of the next section stay there.
    qsizetype ziel = -1;
    bool imAbschnitt = false;
    for (qsizetype i = 0; i < qsizetype(m_zeilen.size()); ++i) {
        const Zeile &z = m_zeilen[i];
        if (z.art == Art::Abschnitt) {
            imAbschnitt = Gleich(z.name(), bereich);
            if (imAbschnitt)
                ziel = i;
        } else if (imAbschnitt && z.art == Art::Eintrag) {
            ziel = i;
        }
    }
    if (ziel >= 0) {
        m_zeilen.insert(m_zeilen.begin() + ziel + 1, std::move(eintrag));
        return;
    }
    if (!m_zeilen.empty() && !m_zeilen.back().roh.trimmed().isEmpty())
        m_zeilen.push_back(Zeile());
    m_zeilen.push_back(Zerlegen('[' + bereich + ']'));
    m_zeilen.push_back(std::move(eintrag));
}

int Inidatei::ganzzahl(const QString &abschnitt, const QString &schluessel, int standard) const
{
    const qsizetype i = finden(abschnitt.toUtf8(), schluessel.toUtf8());
    if (i < 0)
        return standard;
    bool ok = false;
    const qlonglong wert = QString::fromLatin1(m_zeilen[i].wert()).toLongLong(&ok);
    return ok ? int(std::clamp<qlonglong>(wert, INT_MIN, INT_MAX)) : standard;
}

void Inidatei::setzeGanzzahl(const QString &abschnitt, const QString &schluessel, int wert)
{
    setzen(abschnitt, schluessel, QString::number(wert));
}

QByteArray Inidatei::inhalt() const
{
    qsizetype laenge = m_bom ? Bom.size() : 0;
    for (const Zeile &z : m_zeilen)
        laenge += z.roh.size() + 2;
    QByteArray text;
    text.reserve(laenge);
    if (m_bom)
        text += Bom;
    for (const Zeile &z : m_zeilen) {
        text += z.roh;
        text += "\r\n";
    }
    return text;
}

Speicherergebnis Inidatei::speichern(const QString &pfad)
{
    Speicherergebnis e;
    if (m_ladefehler) {
        e.ladefehler = m_fehlertext;
        return e;
    }
    e.schreiben = DateiSicherSchreiben(pfad, inhalt());
    m_fehlertext = SchreibFehlerGrund(e.schreiben);
    return e;
}
