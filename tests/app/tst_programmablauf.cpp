#include "kbwzustand.h"
#include "meldungen.h"
#include "programmablauf.h"
#include "start.h"
#include "tfmain.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// Closing the windows in any order and at any moment of the start cross-fade ends the program.
class TstProgrammablauf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName("Kombiwerk");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void schliessenWaehrendUeberblendung_data()
    {
        QTest::addColumn<int>("schritte"); // fade steps before the close; 255 = after the last
        QTest::addColumn<bool>("startZuerst"); // the window manager closes the start window first
        for (bool startZuerst : {false, true}) {
            const char *wer = startZuerst ? "Startfenster zuerst" : "Hauptfenster";
            QTest::addRow("vor dem ersten Schritt, %s", wer) << 0 << startZuerst;
            QTest::addRow("mitten, %s", wer) << 100 << startZuerst;
        }
        QTest::addRow("nach dem letzten Schritt") << 255 << false;
    }

    void schliessenWaehrendUeberblendung()
    {
        QFETCH(int, schritte);
        QFETCH(bool, startZuerst);
        MeldungenAttrappe meldungen;
        const QString ini = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Einstellungen.ini";
        QFile::remove(ini);

        KbwZustand zustand;
        QPointer<TFStart> start = new TFStart(zustand);
        start->setAttribute(Qt::WA_DeleteOnClose);
        start->show();
        TFMain fenster(zustand, start->datenordner());
        QEventLoop schleife;
        int beendetAufrufe = 0;
        ProgrammablaufVerbinden(start, &fenster, [&] {
            ++beendetAufrufe;
            schleife.exit(0);
        });
        QSignalSpy schliessschritte(&fenster, &TFMain::beendet);

        QTest::mouseClick(start->findChild<QPushButton *>("BWeiter"), Qt::LeftButton);
        if (schritte == 255)
            QTRY_VERIFY_WITH_TIMEOUT(start.isNull(), 10000);
        else if (schritte > 0)
            QTRY_VERIFY_WITH_TIMEOUT(start->ueberblendSchritte() >= schritte, 10000);
        else
            QCOMPARE(start->ueberblendSchritte(), 0);

        if (startZuerst) {
            start->close();
            QVERIFY(!start->isVisible()); // the fade ended at once
            QCOMPARE(fenster.windowOpacity(), 1.0);
        }
        fenster.close();
        QTimer::singleShot(5000, &schleife, [&] { schleife.exit(1); });
        QCOMPARE(schleife.exec(), 0);
        QCOMPARE(beendetAufrufe, 1);
        QCOMPARE(schliessschritte.count(), 1);
        QVERIFY(start.isNull() || !start->isVisible());
        QVERIFY(QFile::exists(ini));

        // A further close request repeats nothing.
        fenster.close();
        QTest::qWait(20);
        QCOMPARE(schliessschritte.count(), 1);
        delete start;
    }
};

QTEST_MAIN(TstProgrammablauf)
#include "tst_programmablauf.moc"
