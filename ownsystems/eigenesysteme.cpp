#include "eigenesysteme.h"

#include "katalogmeldungen.h"
#include "systemfilter.h"
#include "systemliste.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 MsProTag = 24LL * 60 * 60 * 1000;

QDate Nulltag()
{
    return QDate(1899, 12, 30);
}

QString IndexPfad(const KatalogZustand &katalog)
{
    return QDir(katalog.EigeneSystemeOrdner).filePath(QLatin1String(EsyIndexName));
}

QString NameText(const std::string &fn)
{
    return QString::fromLatin1(fn.data(), qsizetype(fn.size()));
}

EsyAenderung Abgelehnt(const QString &meldung)
{
    EsyAenderung a;
    a.meldung = meldung;
    return a;
}

QString GesperrtText(const KatalogZustand &katalog)
{
    return QStringLiteral("Das Verzeichnis der eigenen Systeme \u201E%1\u201C konnte beim Start nicht gelesen werden. "
                          "Damit seine Einträge nicht verloren gehen, bleibt es bis zum nächsten Start "
                          "unverändert.\n\nIch breche ab.")
        .arg(QDir::toNativeSeparators(IndexPfad(katalog)));
}

// Rows that the row-file reader would refuse later are refused now: rg positions each, all in 1..wz.
bool ReihenPassen(const std::vector<Reihenmenge> &reihen, int rg, int wz, int ga)
{
    if (reihen.empty() || reihen.size() > 65535 || rg < 1 || wz < rg || wz > 255 || ga < 0 || ga > rg)
        return false;
    return std::all_of(reihen.begin(), reihen.end(),
                       [rg](const Reihenmenge &r) { return r.anzahl() == rg && !r.enthaelt(0); })
        && std::none_of(reihen.begin(), reihen.end(), [wz](const Reihenmenge &r) {
               for (int p = wz + 1; p <= 255; ++p)
                   if (r.enthaelt(p))
                       return true;
               return false;
           });
}

// A date format that shows the year with four digits ("dd.MM.yy" becomes "dd.MM.yyyy").
QString MitVollemJahr(QString format)
{
    if (format.contains(QLatin1String("yyyy")))
        return format;
    const qsizetype stelle = format.indexOf(QLatin1String("yy"));
    if (stelle >= 0)
        format.replace(stelle, 2, QStringLiteral("yyyy"));
    return format;
}

// The stored time has no zone: the locale's long format without its time-zone field ("t",
// outside quoted text) and the blanks before it.
QString OhneZeitzone(const QString &format)
{
    QString ohne;
    bool zitat = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            zitat = !zitat;
        if (!zitat && c == QLatin1Char('t')) {
            while (ohne.endsWith(QLatin1Char(' ')))
                ohne.chop(1);
            continue;
        }
        ohne += c;
    }
    return ohne.trimmed();
}

} // namespace

std::optional<std::vector<Vergleichszeile>> VergleichbareSysteme(const KatalogZustand &katalog, int rg, int wz, int ga,
                                                                 int tr)
{
    if (rg < 2)
        return std::nullopt;
    std::vector<Vergleichszeile> zeilen;
    const int ende = std::min(katalog.AnzahlStandardsysteme, int(katalog.Systemliste.size()));
    for (int i = 0; i < ende; ++i) {
        const TSysteme &s = katalog.Systemliste[std::size_t(i)];
        if (s.RG != rg || s.WZ != wz || s.GA != ga || s.TR > tr)
            continue;
        zeilen.push_back(
            {s.TR == tr ? QStringLiteral("Identisches System vorhanden")
                        : QStringLiteral("Gleiche Garantie, Anz. Wahlzahlen etc., aber nur %1 Tippreihen").arg(s.TR),
             i});
    }
    for (int i = 0; i < ende; ++i) {
        const TSysteme &s = katalog.Systemliste[std::size_t(i)];
        if (s.RG != rg || s.WZ != wz || s.GA <= ga || TRAbweichung(s.TR, tr))
            continue;
        zeilen.push_back(
            {s.TR == tr ? QStringLiteral("Anz. Wahlzahlen, Tippreihen etc. gleich, aber %1er Gar.").arg(s.GA)
                        : QStringLiteral("Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber %1er Gar.").arg(s.GA),
             i});
    }
    return zeilen;
}

Vollstaendigkeit EsyVollstaendigkeit(int n, int m)
{
    Vollstaendigkeit v;
    v.rot = m > 0;
    if (m == 0)
        v.text = n == 1 ? QStringLiteral("Das System ist vollständig.")
            : n == 2    ? QStringLiteral("Beide Systeme scheinen vollständig.")
                        : QStringLiteral("Alle Systeme scheinen vollständig.");
    else if (m == 1)
        v.text = n == 1 ? QStringLiteral("Das System ist unvollständig.")
            : n == 2    ? QStringLiteral("Eines der beiden Systeme ist unvollständig.")
                        : QStringLiteral("Ein System ist unvollständig.");
    else
        v.text = QStringLiteral("%1 Systeme unvollständig.").arg(m);
    return v;
}

EsyAenderung EigenesSystemSpeichern(KatalogZustand &katalog, const std::vector<Reihenmenge> &reihen, int rg, int wz,
                                    int ga, double gesp)
{
    if (katalog.EigensystemeGesperrt)
        return Abgelehnt(GesperrtText(katalog));
    if (!ReihenPassen(reihen, rg, wz, ga))
        return Abgelehnt(QStringLiteral("Die Reihen passen nicht zu einem System mit %1 Wahlzahlen und %2 Zahlen je "
                                        "Reihe.\n\nIch breche ab.")
                             .arg(wz)
                             .arg(rg));

    const QDir ordner(katalog.EigeneSystemeOrdner);
    // The folder is made at start; it may have been removed since.
    ordner.mkpath(QStringLiteral("."));
    const QString fn =
        EsyReihendateiName(NaechsteFreieEsyNummer(katalog.EigeneSystemeOrdner, katalog.Eigensystemliste));
    const QString reihenPfad = ordner.filePath(fn);

    std::vector<EsyReihe> zeilen;
    zeilen.reserve(reihen.size());
    for (const Reihenmenge &r : reihen) {
        EsyReihe zeile;
        for (int p = 1; p <= wz; ++p)
            if (r.enthaelt(p))
                zeile.push_back(p);
        zeilen.push_back(std::move(zeile));
    }
    // The row file is complete before the index names it.
    const EsySchreibErgebnis reihenGeschrieben = EsyReihenSchreiben(reihenPfad, zeilen);
    if (!reihenGeschrieben.ok())
        return Abgelehnt(SchreibFehlerText(reihenPfad, reihenGeschrieben.grund)
                         + QStringLiteral("\n\nDas System wurde nicht gespeichert."));

    TEigSysteme neu;
    neu.RG = std::uint8_t(rg);
    neu.WZ = std::uint8_t(wz);
    neu.GA = std::uint8_t(ga);
    neu.TR = std::uint16_t(reihen.size());
    neu.gesp = gesp;
    neu.fn = fn.toStdString();
    std::vector<TEigSysteme> eintraege = katalog.Eigensystemliste;
    eintraege.push_back(neu);
    const QString indexPfad = IndexPfad(katalog);
    const EsySchreibErgebnis indexGeschrieben = EsyIndexSchreiben(indexPfad, eintraege);
    if (!indexGeschrieben.ok()) {
        // The old index stays; a row file it does not name would only block the name.
        QFile::remove(reihenPfad);
        return Abgelehnt(SchreibFehlerText(indexPfad, indexGeschrieben.grund)
                         + QStringLiteral("\n\nDas System wurde nicht gespeichert."));
    }
    katalog.Eigensystemliste = std::move(eintraege);
    EsyAenderung a;
    a.ok = true;
    a.dateiname = fn;
    return a;
}

EsyAenderung EigenesSystemLoeschen(KatalogZustand &katalog, int eintrag)
{
    if (katalog.EigensystemeGesperrt)
        return Abgelehnt(GesperrtText(katalog));
    if (eintrag < 0 || eintrag >= int(katalog.Eigensystemliste.size()))
        return Abgelehnt(QStringLiteral("Es ist kein eigenes System gewählt."));

    std::vector<TEigSysteme> eintraege = katalog.Eigensystemliste;
    const TEigSysteme weg = eintraege[std::size_t(eintrag)];
    eintraege.erase(eintraege.begin() + eintrag);
    const QString indexPfad = IndexPfad(katalog);
    const EsySchreibErgebnis geschrieben = EsyIndexSchreiben(indexPfad, eintraege);
    if (!geschrieben.ok())
        return Abgelehnt(SchreibFehlerText(indexPfad, geschrieben.grund)
                         + QStringLiteral("\n\nDas System wurde nicht gelöscht."));

    const QString pfad = EsyReihendateiPfad(katalog, eintrag);
    katalog.Eigensystemliste = std::move(eintraege);
    EsyAenderung a;
    a.ok = true;
    a.dateiname = NameText(weg.fn);
    const bool nochGenannt = std::any_of(katalog.Eigensystemliste.begin(), katalog.Eigensystemliste.end(),
                                         [&weg](const TEigSysteme &e) { return e.fn == weg.fn; });
    if (pfad.isEmpty() || nochGenannt || !QFileInfo(pfad).isFile())
        return a;
    QFile datei(pfad);
    if (!datei.remove())
        a.meldung = QStringLiteral("Das System ist gelöscht, seine Datei \u201E%1\u201C mit den Systemreihen aber "
                                   "nicht: %2")
                        .arg(QDir::toNativeSeparators(pfad), datei.errorString());
    return a;
}

int SystemlistenindexVonEintrag(const KatalogZustand &katalog, int eintrag)
{
    if (eintrag < 0)
        return -1;
    const auto &nummern = katalog.Eigensystemnummer;
    const auto stelle = std::find(nummern.begin(), nummern.end(), eintrag);
    if (stelle == nummern.end())
        return -1;
    const int index = katalog.AnzahlStandardsysteme + int(stelle - nummern.begin());
    return index < int(katalog.Systemliste.size()) ? index : -1;
}

QString EsyZeitText(double gesp, const QLocale &locale)
{
    // Days since 1899-12-30; before that day the whole part counts back and the fraction
    // is still the time of day (-1.25 is 1899-12-29, 06:00).
    if (!std::isfinite(gesp) || std::fabs(gesp) > 3.0e6)
        return QString();
    const double ganz = std::trunc(gesp);
    qint64 ms = std::llround(std::fabs(gesp - ganz) * double(MsProTag));
    qint64 tage = qint64(ganz);
    if (ms >= MsProTag) {
        ms -= MsProTag;
        tage += gesp < 0 ? -1 : 1;
    }
    const QDate tag = Nulltag().addDays(tage);
    const QTime zeit = QTime::fromMSecsSinceStartOfDay(int(ms));
    if (!tag.isValid() || !zeit.isValid())
        return QString();
    return locale.toString(tag, MitVollemJahr(locale.dateFormat(QLocale::ShortFormat))) + QStringLiteral(" um ")
        + locale.toString(zeit, OhneZeitzone(locale.timeFormat(QLocale::LongFormat)));
}

double EsyJetzt()
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    return double(Nulltag().daysTo(jetzt.date())) + double(jetzt.time().msecsSinceStartOfDay()) / double(MsProTag);
}

QString EsyReihendateiPfad(const KatalogZustand &katalog, int eintrag)
{
    if (eintrag < 0 || eintrag >= int(katalog.Eigensystemliste.size()))
        return QString();
    const std::string &fn = katalog.Eigensystemliste[std::size_t(eintrag)].fn;
    if (!IstSichererDateiname(fn))
        return QString();
    return QDir(katalog.EigeneSystemeOrdner).filePath(NameText(fn));
}

bool EsyReihendateiVorhanden(const KatalogZustand &katalog, int eintrag)
{
    const QString pfad = EsyReihendateiPfad(katalog, eintrag);
    return !pfad.isEmpty() && QFileInfo(pfad).isFile();
}

QString EsyReihenAnzeigeFehler(const QString &fn, const EsyReihenErgebnis &e)
{
    if (e.fehler == EsyFehler::Keiner)
        return QString();
    const QString datei = QStringLiteral("Die Datei \u201E%1\u201C mit den Systemreihen ").arg(fn);
    return EsyReihenFehlerSatz(e, datei, datei + QStringLiteral("enthält in Zeile %1 ").arg(e.zeile))
        + QStringLiteral("\n\nDie Systemreihen können nicht angezeigt werden.");
}
