#include "einstellungen.h"
#include "inidatei.h"

#include "tests/dateihilfen.h"
#include "tests/kleinerdatentraeger.h"

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
    void fensterpositionBegrenzt_data();
    void fensterpositionBegrenzt();
    void fensterpositionSchreibfehler_data();
    void fensterpositionSchreibfehler();
    void fensterpositionVollerDatentraeger();
    void fensterpositionZuGrosseDatei();
    void fensterpositionPruefen_data();
    void fensterpositionPruefen();
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
    // A key the program does not use keeps its bytes, blanks included.
    QCOMPARE(DateiLesen(pfad),
             QByteArray("[SysPro]\r\nAnzGZ=3\r\n\r\n[eigene reihen]\r\nTrenner=1\r\nFremd = x y \r\n\r\n"
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
    // Absurd numbers are cut to the widest range of the key's control.
    QTest::newRow("ZP zu gross") << QByteArray("[Filter]\nZP=1000\n") << "ZP" << 100;
    QTest::newRow("ZP zu klein") << QByteArray("[Filter]\nZP=-5\n") << "ZP" << 4;
    QTest::newRow("ZP über int") << QByteArray("[Filter]\nZP=99999999999\n") << "ZP" << 100;
    QTest::newRow("ReiG zu klein") << QByteArray("[Filter]\nReiG=2\n") << "ReiG" << 4;
    QTest::newRow("GA zu gross") << QByteArray("[Filter]\nGA=50\n") << "GA" << 10;
    QTest::newRow("TR zu gross") << QByteArray("[Filter]\nTR=2147483647\n") << "TR" << 500;
    QTest::newRow("BZ negativ") << QByteArray("[Filter]\nBZ=-3\n") << "BZ" << 0;
    QTest::newRow("GARadio zu gross") << QByteArray("[Filter]\nGARadio=7\n") << "GARadio" << 1;
    QTest::newRow("BZRadio negativ") << QByteArray("[Filter]\nBZRadio=-2147483648\n") << "BZRadio" << 0;
    QTest::newRow("biggestZZ zu gross") << QByteArray("[Allgemein]\nbiggestZZ=500\n") << "biggestZZ" << 100;
    QTest::newRow("biggestZZ zu klein") << QByteArray("[Allgemein]\nbiggestZZ=1\n") << "biggestZZ" << 32;
    QTest::newRow("Trenner zu gross") << QByteArray("[Eigene Reihen]\nTrenner=9\n") << "Trenner" << 3;
    QTest::newRow("Wahrheitswert über int") << QByteArray("[Allgemein]\nMischen=99999999999\n") << "Mischen" << 1;
    QTest::newRow("über 64 Bit unlesbar") << QByteArray("[Filter]\nZP=99999999999999999999\n") << "ZP" << 12;
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
    QVERIFY(FensterpositionSpeichern(pfad, "FMain", 120, 33).grund().isEmpty());
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
    QVERIFY(!FensterpositionSpeichern(pfad, "FMain", 1, 2).grund().isEmpty());
    QVERIFY(QFileInfo(pfad).isDir());

    // The folder of the file is missing: the write fails and says so.
    Inidatei datei;
    datei.setzeGanzzahl("Filter", "ZP", 1);
    QVERIFY(!datei.speichern(dir.filePath("fehlt/Einstellungen.ini")));
    QVERIFY(!datei.fehlertext().isEmpty());
}

void TstEinstellungen::fensterpositionBegrenzt_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QPoint>("erwartet");
    QTest::newRow("gewöhnlich") << QByteArray("[Position]\nFMain-left=-8\nFMain-top=1200\n") << QPoint(-8, 1200);
    QTest::newRow("int-Grenzen") << QByteArray("[Position]\nFMain-left=2147483647\nFMain-top=-2147483648\n")
                                 << QPoint(100000, -100000);
    QTest::newRow("über int") << QByteArray("[Position]\nFMain-left=-99999999999\nFMain-top=99999999999\n")
                              << QPoint(-100000, 100000);
    QTest::newRow("unlesbar") << QByteArray("[Position]\nFMain-left=links\nFMain-top=1e3\n") << QPoint(0, 70);
}

void TstEinstellungen::fensterpositionBegrenzt()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QPoint, erwartet);
    Inidatei datei;
    QCOMPARE(datei.einlesen(inhalt), Inidatei::Ladestatus::Gelesen);
    const Fensterposition p = FensterpositionAuslesen(datei, "FMain");
    QCOMPARE(QPoint(p.links, p.oben), erwartet);
}

namespace {

const QByteArray AlteEinstellungen("[Filter]\r\nZP=20\r\n; von Hand\r\n[Kunde]\r\nName=M\xFC"
                                   "ller\r\n[Position]\r\nFMain-left=3\r\n");

QStringList Dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

void TstEinstellungen::fensterpositionSchreibfehler_data()
{
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("fehler");
    QTest::newRow("öffnen") << int(SchreibSchritt::Oeffnen) << int(SchreibFehler::KeineBerechtigung);
    QTest::newRow("schreiben") << int(SchreibSchritt::Schreiben) << int(SchreibFehler::DatentraegerVoll);
    QTest::newRow("leeren") << int(SchreibSchritt::Leeren) << int(SchreibFehler::DatentraegerVoll);
    QTest::newRow("übernehmen") << int(SchreibSchritt::Uebernehmen) << int(SchreibFehler::Sonstiger);
}

void TstEinstellungen::fensterpositionSchreibfehler()
{
    QFETCH(int, schritt);
    QFETCH(int, fehler);
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, AlteEinstellungen);
    SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt(schritt), SchreibFehler(fehler)});
    const Speicherergebnis e = FensterpositionSpeichern(pfad, "FMain", 140, 90);
    SchreibStoerungSetzen(std::nullopt);
    QVERIFY(!e.ok());
    QCOMPARE(int(e.schreiben.fehler), fehler);
    QCOMPARE(e.text(pfad), SchreibFehlerText(pfad, e.schreiben));
    QCOMPARE(DateiLesen(pfad), AlteEinstellungen);
    QCOMPARE(Dateien(dir.path()), QStringList{"Einstellungen.ini"});
}

void TstEinstellungen::fensterpositionVollerDatentraeger()
{
    KLEINER_DATENTRAEGER(platte, 64);
    const QString pfad = platte.pfad() + "/Einstellungen.ini";
    DateiSchreiben(pfad, AlteEinstellungen);
    platte.fuellen();
    const Speicherergebnis e = FensterpositionSpeichern(pfad, "FMain", 140, 90);
    QVERIFY(!e.ok());
    QCOMPARE(e.schreiben.fehler, SchreibFehler::DatentraegerVoll);
    QCOMPARE(e.grund(), QString("Der Datenträger ist voll."));
    QCOMPARE(DateiLesen(pfad), AlteEinstellungen);
    QCOMPARE(Dateien(platte.pfad()), (QStringList{".ballast", "Einstellungen.ini"}));
}

void TstEinstellungen::fensterpositionZuGrosseDatei()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    const QByteArray gross = AlteEinstellungen + QByteArray(Inidatei::Hoechstgroesse, ';');
    DateiSchreiben(pfad, gross);
    const Speicherergebnis e = FensterpositionSpeichern(pfad, "FMain", 140, 90);
    QVERIFY(!e.ok());
    QVERIFY(e.ladefehler.contains("zu groß"));
    QCOMPARE(DateiLesen(pfad), gross);
    QCOMPARE(Dateien(dir.path()), QStringList{"Einstellungen.ini"});
}

void TstEinstellungen::fensterpositionPruefen_data()
{
    QTest::addColumn<QPoint>("gespeichert");
    QTest::addColumn<QList<QRect>>("bildschirme");
    QTest::addColumn<QPoint>("erwartet");
    // Available areas: a 1920 × 1080 monitor with a 40 pixel task bar at the bottom, and a
    // second one of 1280 × 1024 to the left of it.
    const QRect haupt(0, 0, 1920, 1040);
    const QRect links(-1280, 56, 1280, 1024);
    const QPoint mitte((1920 - 721) / 2, (1040 - 800) / 2);
    QTest::newRow("sichtbar") << QPoint(0, 70) << QList<QRect>{haupt} << QPoint(0, 70);
    QTest::newRow("weit rechts") << QPoint(5000, 70) << QList<QRect>{haupt} << mitte;
    QTest::newRow("weit negativ") << QPoint(-5000, -5000) << QList<QRect>{haupt} << mitte;
    QTest::newRow("int-Grenze") << QPoint(2147483647, 2147483647) << QList<QRect>{haupt} << mitte;
    QTest::newRow("zweiter Bildschirm links") << QPoint(-1000, 300) << QList<QRect>{haupt, links} << QPoint(-1000, 300);
    QTest::newRow("zweiter Bildschirm abgezogen") << QPoint(-1000, 300) << QList<QRect>{haupt} << mitte;
    QTest::newRow("über dem zweiten Bildschirm") << QPoint(-1000, 20) << QList<QRect>{haupt, links} << mitte;
    QTest::newRow("teils links hinaus") << QPoint(-600, 200) << QList<QRect>{haupt} << QPoint(-600, 200);
    QTest::newRow("100 Pixel Titel sichtbar") << QPoint(1820, 200) << QList<QRect>{haupt} << QPoint(1820, 200);
    QTest::newRow("99 Pixel Titel sichtbar") << QPoint(1821, 200) << QList<QRect>{haupt} << mitte;
    QTest::newRow("oben 10 Pixel Titel sichtbar") << QPoint(300, -20) << QList<QRect>{haupt} << QPoint(300, -20);
    QTest::newRow("oben 9 Pixel Titel sichtbar") << QPoint(300, -21) << QList<QRect>{haupt} << mitte;
    QTest::newRow("auf der Taskleiste") << QPoint(300, 1045) << QList<QRect>{haupt} << mitte;
    QTest::newRow("Titel knapp über der Taskleiste") << QPoint(300, 1030) << QList<QRect>{haupt} << QPoint(300, 1030);
    QTest::newRow("keine Liste: Hauptbildschirm") << QPoint(5000, 70) << QList<QRect>{} << mitte;
}

void TstEinstellungen::fensterpositionPruefen()
{
    QFETCH(QPoint, gespeichert);
    QFETCH(QList<QRect>, bildschirme);
    QFETCH(QPoint, erwartet);
    QCOMPARE(FensterpositionPruefen(gespeichert, QSize(721, 800), bildschirme, QRect(0, 0, 1920, 1040)), erwartet);
}

QTEST_APPLESS_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
