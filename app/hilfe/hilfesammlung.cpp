#include "hilfesammlung.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QStandardPaths>

namespace {

const QString SammlungName = QStringLiteral("KBW.qhc");
const QString DokumentationName = QStringLiteral("KBW.qch");

QByteArray Pruefsumme(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result();
}

bool Kopieren(const QString &quelle, const QString &ziel)
{
    QFile::remove(ziel);
    if (!QFile::copy(quelle, ziel))
        return false;
    // A copy of a read-only installation stays read-only; the engine must write to it.
    return QFile::setPermissions(ziel, QFile::permissions(ziel) | QFileDevice::WriteOwner);
}

// The generated collection may name the documentation file by its build-time path; make
// it refer to the copy beside it.
bool Registrieren(const QString &sammlung, const QString &dokumentation)
{
    QHelpEngineCore engine(sammlung);
    if (!engine.setupData())
        return false;
    const QString ns = QHelpEngineCore::namespaceName(dokumentation);
    if (ns.isEmpty())
        return false;
    const QString registriert = engine.documentationFileName(ns);
    if (!registriert.isEmpty()
        && QFileInfo(registriert).canonicalFilePath() == QFileInfo(dokumentation).canonicalFilePath())
        return true;
    if (!registriert.isEmpty())
        engine.unregisterDocumentation(ns);
    return engine.registerDocumentation(dokumentation);
}

} // namespace

Hilfesammlung::Hilfesammlung(const QString &programmordner)
    : m_sammlung(QDir(programmordner).filePath(SammlungName)),
      m_dokumentation(QDir(programmordner).filePath(DokumentationName))
{ }

bool Hilfesammlung::vorhanden() const
{
    return QFileInfo(m_sammlung).isFile() && QFileInfo(m_dokumentation).isFile();
}

QString Hilfesammlung::arbeitskopieBereitstellen(const QString &zielordner) const
{
    if (!vorhanden())
        return {};
    QString ordner = zielordner;
    if (ordner.isEmpty())
        ordner = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/hilfe");
    QDir dir(ordner);
    if (!dir.mkpath(QStringLiteral(".")))
        return {};

    const QString sammlung = dir.filePath(SammlungName);
    const QString dokumentation = dir.filePath(DokumentationName);

    // The documentation file is only ever read, so an equal checksum means an up-to-date
    // copy. The copied collection changes with use and is not compared; a copy that cannot
    // be opened any more is replaced once.
    const bool aktuell = QFileInfo(sammlung).isFile() && Pruefsumme(dokumentation) == Pruefsumme(m_dokumentation);
    if (aktuell && Registrieren(sammlung, dokumentation))
        return sammlung;
    // Drop the search index of an older version along with the old files.
    QDir(dir.filePath(QStringLiteral(".KBW"))).removeRecursively();
    if (!Kopieren(m_dokumentation, dokumentation) || !Kopieren(m_sammlung, sammlung))
        return {};
    if (!Registrieren(sammlung, dokumentation))
        return {};
    return sammlung;
}

QString HilfeordnerFinden(const QString &programmordner)
{
    if (Hilfesammlung(programmordner).vorhanden())
        return programmordner;
    const QString installiert = QDir::cleanPath(QDir(programmordner).filePath(QStringLiteral(KBW_HILFE_INSTALLIERT)));
    if (Hilfesammlung(installiert).vorhanden())
        return installiert;
    return programmordner;
}

QUrl HilfethemaUrl(const QHelpEngineCore &engine, int thema)
{
    const QList<QHelpLink> links = engine.documentsForIdentifier(QString::number(thema));
    if (links.isEmpty())
        return {};
    return links.first().url;
}
