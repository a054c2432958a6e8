#pragma once

#include "dateischreiben.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

enum class LadeFehler {
    Keiner,
    Netz, // no answer, timeout, an HTTP error or a transfer that broke off
    Schreiben, // the file could not be written
};

struct Ladeergebnis
{
    LadeFehler fehler = LadeFehler::Keiner;
    QString systemtext; // the network's or the file system's own text, for the log
    SchreibErgebnis schreiben; // with LadeFehler::Schreiben
    bool ok() const { return fehler == LadeFehler::Keiner; }
};

// Fetches one URL into a file, without any cache (a stale copy would hide a new release).
// The body goes to a temporary file beside the target, which replaces the target only when
// the transfer is complete; after a failure neither the target nor the temporary file exists.
// One transfer at a time; the result comes with fertig().
class Herunterlader : public QObject
{
    Q_OBJECT

public:
    explicit Herunterlader(QObject *parent = nullptr);
    ~Herunterlader() override;

    // A transfer during which nothing arrives for this long fails (default 30 s).
    void zeitlimitSetzen(int millisekunden) { m_zeitlimit = millisekunden; }

    // False while a transfer runs (nothing is started then).
    bool starten(const QUrl &url, const QString &ziel);
    bool laeuft() const;
    const Ladeergebnis &ergebnis() const { return m_ergebnis; }

signals:
    // gesamt is -1 while the server has not said how much comes.
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void fertig(bool ok);

private:
    void lesen();
    void beenden();
    void scheitern(LadeFehler fehler, const QString &text);

    QNetworkAccessManager *m_netz = nullptr;
    QPointer<QNetworkReply> m_antwort;
    std::unique_ptr<QSaveFile> m_datei;
    QString m_ziel;
    qint64 m_empfangen = 0;
    int m_zeitlimit = 30000;
    Ladeergebnis m_ergebnis;
};
