#pragma once

// Small file helpers shared by the tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

inline QByteArray DateiLesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void DateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(inhalt), inhalt.size());
}
