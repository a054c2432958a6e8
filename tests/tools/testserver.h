#pragma once

// A small HTTP server on 127.0.0.1 for the tests of downloads: it answers each path as told,
// also wrongly (an error status, a body that breaks off, no answer at all).

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

struct Serverantwort
{
    int status = 200;
    QByteArray inhalt;
    qint64 abbrechenNach = -1; // closes the connection after this many body bytes
    bool schweigen = false; // accepts the request and never answers
};

class Testserver : public QObject
{
public:
    Testserver()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *verbindung = m_server.nextPendingConnection())
                annehmen(verbindung);
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    bool laeuft() const { return m_server.isListening(); }
    QString adresse() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    void setzen(const QString &pfad, const Serverantwort &antwort) { m_antworten[pfad] = antwort; }
    // The paths asked for so far, and the header lines of the last request.
    const QStringList &anfragen() const { return m_anfragen; }
    const QByteArray &letzterKopf() const { return m_kopf; }

private:
    void annehmen(QTcpSocket *verbindung)
    {
        verbindung->setParent(this);
        connect(verbindung, &QTcpSocket::disconnected, verbindung, &QObject::deleteLater);
        connect(verbindung, &QTcpSocket::readyRead, this, [this, verbindung] {
            QByteArray &puffer = m_puffer[verbindung];
            puffer += verbindung->readAll();
            const qsizetype ende = puffer.indexOf("\r\n\r\n");
            if (ende < 0)
                return;
            const QByteArray kopf = puffer.left(ende);
            m_puffer.remove(verbindung);
            antworten(verbindung, kopf);
        });
    }

    void antworten(QTcpSocket *verbindung, const QByteArray &kopf)
    {
        m_kopf = kopf;
        const QList<QByteArray> teile = kopf.left(kopf.indexOf("\r\n")).split(' ');
        const QString pfad = teile.size() > 1 ? QString::fromLatin1(teile[1]) : QString();
        m_anfragen << pfad;
        const Serverantwort antwort = m_antworten.value(pfad, Serverantwort{404, "nicht gefunden"});
        if (antwort.schweigen)
            return;
        QByteArray text = "HTTP/1.1 " + QByteArray::number(antwort.status) + (antwort.status == 200 ? " OK" : " Fehler")
            + "\r\nContent-Type: application/octet-stream"
            + "\r\nContent-Length: " + QByteArray::number(antwort.inhalt.size()) + "\r\nConnection: close\r\n\r\n";
        text += antwort.abbrechenNach >= 0 ? antwort.inhalt.left(antwort.abbrechenNach) : antwort.inhalt;
        verbindung->write(text);
        verbindung->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Serverantwort> m_antworten;
    QHash<QTcpSocket *, QByteArray> m_puffer;
    QStringList m_anfragen;
    QByteArray m_kopf;
};

// Version file records as the server writes them: 8 reserved bytes, the length, the text.
inline QByteArray Versionssatz(const QByteArray &text, int laenge = -1, char fuellung = '\0')
{
    QByteArray satz(24, fuellung);
    for (int i = 0; i < 8; ++i)
        satz[i] = char(0xA0 + i); // the program must not care what stands here
    satz[8] = char(laenge < 0 ? text.size() : laenge);
    for (int i = 0; i < text.size() && 9 + i < 24; ++i)
        satz[9 + i] = text[i];
    return satz;
}
