#include "herunterladen.h"

#include "anbieter.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <cerrno>

namespace {

SchreibFehler Einordnen(int fehlernummer)
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
        return SchreibFehler::Sonstiger;
    }
}

} // namespace

Herunterlader::Herunterlader(QObject *parent) : QObject(parent), m_netz(new QNetworkAccessManager(this)) { }

Herunterlader::~Herunterlader()
{
    if (m_antwort) {
        m_antwort->disconnect(this);
        m_antwort->abort();
    }
    if (m_datei)
        m_datei->cancelWriting();
}

bool Herunterlader::starten(const QUrl &url, const QString &ziel)
{
    if (m_antwort)
        return false;
    m_ergebnis = {};
    m_ziel = ziel;
    m_empfangen = 0;
    m_datei = std::make_unique<QSaveFile>(ziel);
    errno = 0;
    if (!m_datei->open(QIODevice::WriteOnly)) {
        const int fehlernummer = errno;
        m_ergebnis.fehler = LadeFehler::Schreiben;
        m_ergebnis.schreiben = {Einordnen(fehlernummer), m_datei->errorString()};
        m_ergebnis.systemtext = m_datei->errorString();
        m_datei.reset();
        // Reported like every other end: the caller always hears through fertig().
        QMetaObject::invokeMethod(
            this, [this] { emit fertig(false); }, Qt::QueuedConnection);
        return true;
    }

    QNetworkRequest anfrage(url);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader,
                      QLatin1String(Anbieter::Programmname) + QLatin1Char('/') + ProgrammVersion());
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Proxies on the way must not answer from their cache either.
    anfrage.setRawHeader("Cache-Control", "no-cache");
    anfrage.setRawHeader("Pragma", "no-cache");
    anfrage.setTransferTimeout(m_zeitlimit);
    m_antwort = m_netz->get(anfrage);
    connect(m_antwort, &QNetworkReply::readyRead, this, &Herunterlader::lesen);
    connect(m_antwort, &QNetworkReply::downloadProgress, this, &Herunterlader::fortschritt);
    connect(m_antwort, &QNetworkReply::finished, this, &Herunterlader::beenden);
    return true;
}

bool Herunterlader::laeuft() const
{
    return !m_antwort.isNull();
}

void Herunterlader::lesen()
{
    if (!m_antwort || !m_datei)
        return;
    // An error page is not the file.
    const int status = m_antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300)
        return;
    const QByteArray block = m_antwort->readAll();
    if (block.isEmpty())
        return;
    errno = 0;
    if (m_datei->write(block) != block.size()) {
        const int fehlernummer = errno;
        m_ergebnis.schreiben = {Einordnen(fehlernummer), m_datei->errorString()};
        scheitern(LadeFehler::Schreiben, m_datei->errorString());
        return;
    }
    m_empfangen += block.size();
}

void Herunterlader::beenden()
{
    if (!m_antwort)
        return; // already failed while reading
    QNetworkReply *antwort = m_antwort;
    if (antwort->error() != QNetworkReply::NoError) {
        scheitern(LadeFehler::Netz, antwort->errorString());
        return;
    }
    const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status >= 300)) {
        scheitern(LadeFehler::Netz, QStringLiteral("HTTP %1").arg(status));
        return;
    }
    lesen();
    if (!m_antwort)
        return;
    // A connection that closed early without an error still must have brought everything.
    const QVariant laenge = antwort->header(QNetworkRequest::ContentLengthHeader);
    if (laenge.isValid() && laenge.toLongLong() != m_empfangen) {
        scheitern(LadeFehler::Netz, QStringLiteral("Die Übertragung ist unvollständig."));
        return;
    }
    // QSaveFile::commit() can report success after a failed buffered write: flush first.
    errno = 0;
    if (!m_datei->flush() || m_datei->error() != QFileDevice::NoError) {
        const int fehlernummer = errno;
        m_ergebnis.schreiben = {Einordnen(fehlernummer), m_datei->errorString()};
        scheitern(LadeFehler::Schreiben, m_datei->errorString());
        return;
    }
    errno = 0;
    if (!m_datei->commit()) {
        const int fehlernummer = errno;
        m_ergebnis.schreiben = {Einordnen(fehlernummer), m_datei->errorString()};
        m_datei.reset();
        scheitern(LadeFehler::Schreiben, m_ergebnis.schreiben.systemtext);
        return;
    }
    m_datei.reset();
    m_antwort = nullptr;
    antwort->deleteLater();
    emit fertig(true);
}

void Herunterlader::scheitern(LadeFehler fehler, const QString &text)
{
    m_ergebnis.fehler = fehler;
    m_ergebnis.systemtext = text;
    if (m_datei) {
        m_datei->cancelWriting();
        m_datei.reset(); // removes the temporary file
    }
    if (QNetworkReply *antwort = m_antwort) {
        m_antwort = nullptr;
        antwort->disconnect(this);
        antwort->abort();
        antwort->deleteLater();
    }
    emit fertig(false);
}
