#include "dateischreiben.h"

#include "../dateihilfen.h"
#include "../kleinerdatentraeger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstDateischreiben : public QObject
{
    Q_OBJECT

private:
    static QStringList Inhalt(const QString &ordner) { return QDir(ordner).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void schreibtUndErsetzt()
    {
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("a.txt"));
        QVERIFY(DateiSicherSchreiben(pfad, "alt\r\n").ok());
        QVERIFY(DateiSicherSchreiben(pfad, "neu\r\n").ok());
        QCOMPARE(DateiLesen(pfad), QByteArray("neu\r\n"));
        QCOMPARE(Inhalt(d.path()), QStringList{QStringLiteral("a.txt")});
    }

    // Every step of a failing device leaves the old file byte for byte and nothing beside it.
    void stoerungLaesstAltesStehen_data()
    {
        QTest::addColumn<int>("schritt");
        QTest::addColumn<int>("fehler");
        QTest::newRow("oeffnen") << int(SchreibSchritt::Oeffnen) << int(SchreibFehler::KeineBerechtigung);
        QTest::newRow("schreiben") << int(SchreibSchritt::Schreiben) << int(SchreibFehler::DatentraegerVoll);
        QTest::newRow("leeren") << int(SchreibSchritt::Leeren) << int(SchreibFehler::DatentraegerVoll);
        QTest::newRow("uebernehmen") << int(SchreibSchritt::Uebernehmen) << int(SchreibFehler::Sonstiger);
    }
    void stoerungLaesstAltesStehen()
    {
        QFETCH(int, schritt);
        QFETCH(int, fehler);
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("a.txt"));
        const QByteArray alt("alter Inhalt\r\n");
        DateiSchreiben(pfad, alt);
        SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt(schritt), SchreibFehler(fehler)});
        const SchreibErgebnis e = DateiSicherSchreiben(pfad, QByteArray(100, 'n'));
        SchreibStoerungSetzen(std::nullopt);
        QCOMPARE(int(e.fehler), fehler);
        QCOMPARE(DateiLesen(pfad), alt);
        QCOMPARE(Inhalt(d.path()), QStringList{QStringLiteral("a.txt")});
    }

    void schreibgeschuetzteDateiBleibt()
    {
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("a.txt"));
        DateiSchreiben(pfad, "alt");
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadUser);
        const SchreibErgebnis e = DateiSicherSchreiben(pfad, "neu");
        QCOMPARE(e.fehler, SchreibFehler::KeineBerechtigung);
        QCOMPARE(DateiLesen(pfad), QByteArray("alt"));
        QCOMPARE(SchreibFehlerText(pfad, e),
                 QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben werden. Keine Schreibberechtigung.")
                     .arg(pfad));
    }

    void fehlenderOrdner()
    {
        QTemporaryDir d;
        const SchreibErgebnis e = DateiSicherSchreiben(d.filePath(QStringLiteral("gibtsnicht/a.txt")), "x");
        QCOMPARE(e.fehler, SchreibFehler::OrdnerFehlt);
        QCOMPARE(SchreibFehlerGrund(e), QStringLiteral("Der Ordner existiert nicht."));
    }

    // A real full file system: small writes used to be reported as done and leave an empty file.
    void vollerDatentraeger_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("klein") << 300;
        QTest::newRow("gross") << 200000;
    }
    void vollerDatentraeger()
    {
        QFETCH(int, groesse);
        KLEINER_DATENTRAEGER(platte, 64);
        const QString pfad = platte.pfad() + QStringLiteral("/a.txt");
        const QByteArray alt(1000, 'a');
        QVERIFY(DateiSicherSchreiben(pfad, alt).ok());
        platte.fuellen();
        const SchreibErgebnis e = DateiSicherSchreiben(pfad, QByteArray(groesse, 'n'));
        QCOMPARE(e.fehler, SchreibFehler::DatentraegerVoll);
        QCOMPARE(SchreibFehlerGrund(e), QStringLiteral("Der Datenträger ist voll."));
        QCOMPARE(DateiLesen(pfad), alt);
        QCOMPARE(Inhalt(platte.pfad()), (QStringList{QStringLiteral(".ballast"), QStringLiteral("a.txt")}));
    }
};

QTEST_APPLESS_MAIN(TstDateischreiben)
#include "tst_dateischreiben.moc"
