#include "inidatei.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool Gleich(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

Inidatei::Ladestatus Inidatei::laden(const QString &pfad)
{
    m_abschnitte.clear();
    m_fehlertext.clear();
    QFile datei(pfad);
    if (!datei.exists())
        return Ladestatus::Fehlt;
    if (!datei.open(QIODevice::ReadOnly)) {
        m_fehlertext = datei.errorString();
        return Ladestatus::Fehler;
    }
    const QString inhalt = QString::fromUtf8(datei.readAll());
    Abschnitt *aktuell = nullptr;
    for (QString zeile : inhalt.split(QLatin1Char('\n'))) {
        zeile = zeile.trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char(';')))
            continue;
        if (zeile.startsWith(QLatin1Char('[')) && zeile.endsWith(QLatin1Char(']'))) {
            const QString name = zeile.mid(1, zeile.size() - 2).trimmed();
            aktuell = nullptr;
            for (Abschnitt &a : m_abschnitte) {
                if (Gleich(a.name, name))
                    aktuell = &a;
            }
            if (!aktuell) {
                m_abschnitte.push_back({name, {}});
                aktuell = &m_abschnitte.back();
            }
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (!aktuell || gleich <= 0)
            continue; // a line outside any section or without a key has no meaning
        const QString schluessel = zeile.left(gleich).trimmed();
        const QString wert = zeile.mid(gleich + 1).trimmed();
        bool ersetzt = false;
        for (Eintrag &e : aktuell->eintraege) {
            if (Gleich(e.schluessel, schluessel)) {
                e.wert = wert; // the last occurrence wins
                ersetzt = true;
            }
        }
        if (!ersetzt)
            aktuell->eintraege.push_back({schluessel, wert});
    }
    return Ladestatus::Gelesen;
}

const Inidatei::Eintrag *Inidatei::finden(const QString &abschnitt, const QString &schluessel) const
{
    for (const Abschnitt &a : m_abschnitte) {
        if (!Gleich(a.name, abschnitt))
            continue;
        for (const Eintrag &e : a.eintraege) {
            if (Gleich(e.schluessel, schluessel))
                return &e;
        }
    }
    return nullptr;
}

bool Inidatei::enthaelt(const QString &abschnitt, const QString &schluessel) const
{
    return finden(abschnitt, schluessel) != nullptr;
}

QString Inidatei::wert(const QString &abschnitt, const QString &schluessel) const
{
    const Eintrag *e = finden(abschnitt, schluessel);
    return e ? e->wert : QString();
}

void Inidatei::setzen(const QString &abschnitt, const QString &schluessel, const QString &wert)
{
    Abschnitt *ziel = nullptr;
    for (Abschnitt &a : m_abschnitte) {
        if (Gleich(a.name, abschnitt))
            ziel = &a;
    }
    if (!ziel) {
        m_abschnitte.push_back({abschnitt, {}});
        ziel = &m_abschnitte.back();
    }
    for (Eintrag &e : ziel->eintraege) {
        if (Gleich(e.schluessel, schluessel)) {
            e.wert = wert;
            return;
        }
    }
    ziel->eintraege.push_back({schluessel, wert});
}

int Inidatei::ganzzahl(const QString &abschnitt, const QString &schluessel, int standard) const
{
    const Eintrag *e = finden(abschnitt, schluessel);
    if (!e)
        return standard;
    bool ok = false;
    const int wert = e->wert.toInt(&ok);
    return ok ? wert : standard;
}

void Inidatei::setzeGanzzahl(const QString &abschnitt, const QString &schluessel, int wert)
{
    setzen(abschnitt, schluessel, QString::number(wert));
}

bool Inidatei::speichern(const QString &pfad)
{
    QByteArray inhalt;
    for (const Abschnitt &a : m_abschnitte) {
        if (!inhalt.isEmpty())
            inhalt += "\r\n";
        inhalt += '[' + a.name.toUtf8() + "]\r\n";
        for (const Eintrag &e : a.eintraege)
            inhalt += e.schluessel.toUtf8() + '=' + e.wert.toUtf8() + "\r\n";
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit()) {
        m_fehlertext = datei.errorString();
        return false;
    }
    m_fehlertext.clear();
    return true;
}
