#include "dateischreiben.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace {

std::optional<SchreibStoerung> g_stoerung;

bool gestoert(SchreibSchritt schritt)
{
    return g_stoerung && g_stoerung->schritt == schritt;
}

// Classifies a failure from errno right after the failing call, with the target's folder
// and free space as a cross-check (Qt keeps no error number of its own).
SchreibFehler Einordnen(int fehlernummer, const QString &pfad, qint64 benoetigt)
{
    switch (fehlernummer) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return SchreibFehler::DatentraegerVoll;
    case EACCES:
    case EPERM:
    case EROFS:
        return SchreibFehler::KeineBerechtigung;
    case ENOENT:
    case ENOTDIR:
        return SchreibFehler::OrdnerFehlt;
    default:
        break;
    }
    const QFileInfo ordner(QFileInfo(pfad).absolutePath());
    if (!ordner.exists())
        return SchreibFehler::OrdnerFehlt;
    if (!ordner.isWritable())
        return SchreibFehler::KeineBerechtigung;
    const QStorageInfo platz(ordner.absoluteFilePath());
    if (platz.isValid() && platz.bytesAvailable() < benoetigt + 4096)
        return SchreibFehler::DatentraegerVoll;
    return SchreibFehler::Sonstiger;
}

SchreibErgebnis Fehlschlag(QSaveFile &datei, int fehlernummer, const QString &pfad, qint64 benoetigt)
{
    SchreibErgebnis e;
    e.fehler = Einordnen(fehlernummer, pfad, benoetigt);
    e.systemtext = datei.errorString();
    datei.cancelWriting(); // the destructor removes the temporary file
    return e;
}

SchreibErgebnis Eingespeist(QSaveFile *datei)
{
    if (datei)
        datei->cancelWriting();
    return {g_stoerung->fehler, QStringLiteral("test")};
}

} // namespace

void SchreibStoerungSetzen(std::optional<SchreibStoerung> stoerung)
{
    g_stoerung = stoerung;
}

SchreibErgebnis DateiSicherSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    const qint64 benoetigt = inhalt.size();
    const QFileInfo ziel(pfad);
    // QSaveFile would replace a read-only file by renaming over it; a read-only file stays
    // (also for root, who may write anything: a file without any write bit is read-only).
    constexpr auto schreibbits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (ziel.exists() && (!ziel.isFile() || !ziel.isWritable() || !(ziel.permissions() & schreibbits)))
        return {SchreibFehler::KeineBerechtigung, QString()};
    if (gestoert(SchreibSchritt::Oeffnen))
        return Eingespeist(nullptr);

    QSaveFile datei(pfad);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly))
        return Fehlschlag(datei, errno, pfad, benoetigt);
    if (gestoert(SchreibSchritt::Schreiben))
        return Eingespeist(&datei);
    errno = 0;
    if (datei.write(inhalt) != benoetigt)
        return Fehlschlag(datei, errno, pfad, benoetigt);
    // commit() alone may report success after a buffered write failed on a full disk.
    if (gestoert(SchreibSchritt::Leeren))
        return Eingespeist(&datei);
    errno = 0;
    if (!datei.flush() || datei.error() != QFileDevice::NoError)
        return Fehlschlag(datei, errno, pfad, benoetigt);
    if (gestoert(SchreibSchritt::Uebernehmen))
        return Eingespeist(&datei);
    errno = 0;
    if (!datei.commit()) {
        SchreibErgebnis e;
        e.fehler = Einordnen(errno, pfad, benoetigt);
        e.systemtext = datei.errorString();
        return e;
    }
    return {};
}

// The German reasons are made with the catalogue's other texts in katalogmeldungen.cpp.
