// The catalogue core's German texts, all in one place: the core itself returns codes.
#include "katalogmeldungen.h"

#include "dateischreiben.h"
#include "eigensystemdatei.h"

#include <QDir>
#include <QLocale>

QString SchreibFehlerGrund(const SchreibErgebnis &e)
{
    switch (e.fehler) {
    case SchreibFehler::Keiner:
        return QString();
    case SchreibFehler::DatentraegerVoll:
        return QStringLiteral("Der Datenträger ist voll.");
    case SchreibFehler::KeineBerechtigung:
        return QStringLiteral("Keine Schreibberechtigung.");
    case SchreibFehler::OrdnerFehlt:
        return QStringLiteral("Der Ordner existiert nicht.");
    case SchreibFehler::Sonstiger:
        break;
    }
    return e.systemtext.isEmpty() ? QStringLiteral("Unbekannter Fehler beim Schreiben.")
                                  : QStringLiteral("Fehler beim Schreiben (%1).").arg(e.systemtext);
}

QString SchreibFehlerText(const QString &pfad, const SchreibErgebnis &e)
{
    return QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben werden. %2")
        .arg(QDir::toNativeSeparators(pfad), SchreibFehlerGrund(e));
}

QString EsyIndexLeseGrund(const EsyIndexErgebnis &e)
{
    switch (e.fehler) {
    case EsyFehler::Keiner:
        return QString();
    case EsyFehler::ZuGross:
        return QStringLiteral("Sie enthält %1 Einträge, gelesen werden höchstens %2.")
            .arg(QLocale().toString(qlonglong(e.datensaetze)), QLocale().toString(EsyIndexHoechstzahl));
    case EsyFehler::NichtLesbar:
    case EsyFehler::NichtSchreibbar:
    case EsyFehler::Ungueltig:
        break;
    }
    return e.fehlertext.isEmpty() ? QStringLiteral("Unbekannter Fehler beim Lesen.") : e.fehlertext;
}

QString EsyReihenFehlerSatz(const EsyReihenErgebnis &e, const QString &datei, const QString &zeile)
{
    switch (e.fehler) {
    case EsyFehler::Keiner:
        return QString();
    case EsyFehler::NichtLesbar:
    case EsyFehler::NichtSchreibbar:
        return datei + QStringLiteral("kann nicht gelesen werden (%1).").arg(e.fehlertext);
    case EsyFehler::ZuGross:
        return datei + QStringLiteral("ist zu groß.");
    case EsyFehler::Ungueltig:
        break;
    }
    switch (e.art) {
    case EsyZeilenFehler::Keiner:
    case EsyZeilenFehler::ZuWenigeReihen:
        break;
    case EsyZeilenFehler::FeldAnzahl:
        return zeile + QStringLiteral("%1 statt %2 Positionen.").arg(e.anzahl).arg(e.erwartet);
    case EsyZeilenFehler::KeineZahl:
        return zeile
            + QStringLiteral("\u201E%1\u201C, das ist keine ganze Zahl.").arg(QString::fromLatin1(e.feld).trimmed());
    case EsyZeilenFehler::PositionAusserhalb:
        return zeile + QStringLiteral("die Position %1, erlaubt sind 1 bis %2.").arg(e.position).arg(e.erwartet);
    case EsyZeilenFehler::PositionDoppelt:
        return zeile + QStringLiteral("die Position %1 zweimal.").arg(e.position);
    case EsyZeilenFehler::NichtAufsteigend:
        return zeile + QStringLiteral("die Position %1 hinter einer größeren.").arg(e.position);
    }
    return datei + QStringLiteral("enthält nur %1 statt %2 Reihen.").arg(e.anzahl).arg(e.erwartet);
}
