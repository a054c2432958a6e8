#pragma once

// A tiny tmpfs for tests of writers on a full disk. Mounting needs root (CI runs as root);
// elsewhere bereit() is false and the test skips with a clear message.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class KleinerDatentraeger
{
public:
    explicit KleinerDatentraeger(int kibibyte = 64)
    {
        if (!m_ordner.isValid())
            return;
        const int rc = QProcess::execute(QStringLiteral("mount"),
                                         {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=%1k").arg(kibibyte), QStringLiteral("tmpfs"),
                                          m_ordner.path()});
        m_eingehaengt = rc == 0;
    }
    ~KleinerDatentraeger()
    {
        if (m_eingehaengt)
            QProcess::execute(QStringLiteral("umount"), {m_ordner.path()});
    }
    KleinerDatentraeger(const KleinerDatentraeger &) = delete;
    KleinerDatentraeger &operator=(const KleinerDatentraeger &) = delete;

    bool bereit() const { return m_eingehaengt; }
    QString pfad() const { return m_ordner.path(); }

    // Fills the file system up to the last byte with a ballast file.
    void fuellen()
    {
        QFile ballast(m_ordner.filePath(QStringLiteral(".ballast")));
        if (!ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (ballast.write(block) == block.size()) {
        }
        while (ballast.write("x", 1) == 1) {
        }
    }

private:
    QTemporaryDir m_ordner;
    bool m_eingehaengt = false;
};

// Use at the start of a test function.
#define KLEINER_DATENTRAEGER(name, kib)                                                                                \
    KleinerDatentraeger name(kib);                                                                                     \
    if (!name.bereit())                                                                                                \
    QSKIP("Kein tmpfs einhängbar (Test braucht root): Test des vollen Datenträgers übersprungen.")
