#include "einstellungen.h"
#include "inidatei.h"

#include "tests/dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstEinstellungen : public QObject
{
    Q_OBJECT

private slots:
    void dateiBehaeltNamenUndFremdeEintraege();
    void fehlendeUndUnlesbareWerte_data();
    void fehlendeUndUnlesbareWerte();
    void schreibenInVorgegebenerForm();
    void fensterpositionLaesstAnderesStehen();
    void gescheitertesSchreibenLaesstAlteDatei();
};

namespace {

int Wert(const Einstellungswerte &w, const char *schluessel)
{
    return w[EinstellungsIndex(schluessel)];
}

} // namespace

void TstEinstellungen::dateiBehaeltNamenUndFremdeEintraege()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, "[SysPro]\nAnzGZ=3\n\n[eigene reihen]\nTrenner=2\nFremd = x y \n");
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(datei.ganzzahl("Eigene Reihen", "trenner", 0), 2); // names are found regardless of case
    datei.setzeGanzzahl("Eigene Reihen", "Trenner", 1);
    datei.setzeGanzzahl("Position", "FMain-left", -20);
    QVERIFY(datei.speichern(pfad));
    QCOMPARE(DateiLesen(pfad),
             QByteArray("[SysPro]\r\nAnzGZ=3\r\n\r\n[eigene reihen]\r\nTrenner=1\r\nFremd=x y\r\n\r\n"
                        "[Position]\r\nFMain-left=-20\r\n"));
    QCOMPARE(Inidatei().laden(dir.filePath("fehlt.ini")), Inidatei::Ladestatus::Fehlt);
}

void TstEinstellungen::fehlendeUndUnlesbareWerte_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("BZ fehlt") << QByteArray("[Filter]\nZP=20\n") << "BZ" << 0;
    QTest::newRow("ZP fehlt") << QByteArray("[Filter]\nBZ=1\n") << "ZP" << 12;
    QTest::newRow("Detail fehlt") << QByteArray("[Filter]\n") << "Detail" << 1;
    QTest::newRow("biggestZZ fehlt") << QByteArray("") << "biggestZZ" << 49;
    QTest::newRow("Zahl unlesbar") << QByteArray("[Filter]\nTR=zwanzig\n") << "TR" << 24;
    QTest::newRow("Zahl mit Rest") << QByteArray("[Filter]\nGA=3x\n") << "GA" << 2;
    QTest::newRow("wahr ist nicht 0") << QByteArray("[Filter]\nTRegal=7\n") << "TRegal" << 1;
    QTest::newRow("negativ ist wahr") << QByteArray("[Allgemein]\nMischen=-1\n") << "Mischen" << 1;
    QTest::newRow("0 ist falsch") << QByteArray("[Reihenanalyse]\nDetail=0\n") << "Detail" << 0;
    QTest::newRow("Wahrheitswert unlesbar") << QByteArray("[Reihenanalyse]\nDetail=ja\n") << "Detail" << 1;
    QTest::newRow("Leerzeichen im Abschnitt") << QByteArray("[Eigene Reihen]\r\nTrenner=3\r\n") << "Trenner" << 3;
    QTest::newRow("anderer Abschnitt") << QByteArray("[Allgemein]\nTrenner=3\n") << "Trenner" << 0;
}

void TstEinstellungen::fehlendeUndUnlesbareWerte()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, schluessel);
    QFETCH(int, erwartet);
    QTemporaryDir dir;
    DateiSchreiben(dir.filePath("e.ini"), inhalt);
    Inidatei datei;
    QCOMPARE(datei.laden(dir.filePath("e.ini")), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(Wert(EinstellungenAuslesen(datei), schluessel.toLatin1().constData()), erwartet);
}

void TstEinstellungen::schreibenInVorgegebenerForm()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    Einstellungswerte werte = ErsterStartWerte();
    werte[EinstellungsIndex("TRegal")] = 5; // any non-zero truth is written as 1
    Inidatei datei;
    EinstellungenEintragen(datei, werte);
    QVERIFY(datei.speichern(pfad));
    QCOMPARE(DateiLesen(pfad),
             QByteArray("[Filter]\r\nZP=13\r\nReiG=6\r\nGA=2\r\nTR=24\r\nBZ=2\r\nGARadio=1\r\n"
                        "BZRadio=1\r\nZPegal=0\r\nGAegal=0\r\nTRegal=1\r\nBZegal=0\r\n\r\n"
                        "[Allgemein]\r\nMischen=0\r\nbiggestZZ=49\r\n\r\n"
                        "[Eigene Reihen]\r\nTrenner=0\r\n\r\n"
                        "[Excel-Export]\r\nMit=0\r\n\r\n"
                        "[Reihenanalyse]\r\nDetail=1\r\n"));
    Inidatei zurueck;
    QCOMPARE(zurueck.laden(pfad), Inidatei::Ladestatus::Gelesen);
    werte[EinstellungsIndex("TRegal")] = 1;
    QCOMPARE(EinstellungenAuslesen(zurueck), werte);
}

void TstEinstellungen::fensterpositionLaesstAnderesStehen()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, "[Filter]\r\nZP=20\r\n[Position]\r\nFFehlt-left=5\r\n");
    QVERIFY(FensterpositionSpeichern(pfad, "FMain", 120, 33).isEmpty());
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(datei.ganzzahl("Filter", "ZP", 0), 20);
    const Fensterposition haupt = FensterpositionAuslesen(datei, "FMain");
    QCOMPARE(haupt.links, 120);
    QCOMPARE(haupt.oben, 33);
    const Fensterposition fehlt = FensterpositionAuslesen(datei, "FFehlt");
    QCOMPARE(fehlt.links, 5);
    QCOMPARE(fehlt.oben, 70); // default
}

void TstEinstellungen::gescheitertesSchreibenLaesstAlteDatei()
{
    QTemporaryDir dir;
    // A folder in place of the settings file: nothing can be read or written there.
    const QString pfad = dir.filePath("Einstellungen.ini");
    QVERIFY(QDir().mkpath(pfad));
    QVERIFY(!FensterpositionSpeichern(pfad, "FMain", 1, 2).isEmpty());
    QVERIFY(QFileInfo(pfad).isDir());

    // The folder of the file is missing: the write fails and says so.
    Inidatei datei;
    datei.setzeGanzzahl("Filter", "ZP", 1);
    QVERIFY(!datei.speichern(dir.filePath("fehlt/Einstellungen.ini")));
    QVERIFY(!datei.fehlertext().isEmpty());
}

QTEST_APPLESS_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
