#include "inidatei.h"

#include "tests/dateihilfen.h"
#include "tests/kleinerdatentraeger.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class TstInidatei : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lesen_data();
    void lesen();
    void fremdeZeilenBleiben_data();
    void fremdeZeilenBleiben();
    void unveraendertBleibtJedesByte();
    void zuGrosseDateiBleibtUnberuehrt();
    void schreibfehlerLaesstAlteDatei_data();
    void schreibfehlerLaesstAlteDatei();
    void vollerDatentraeger();
};

namespace {

QStringList Dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A settings file with lines of other programs and of the user, in Latin-1.
const QByteArray Fremd("; Einstellungen von Hand ergänzt\r\n"
                       "[Kunde]\r\n"
                       "Name=M\xFC"
                       "ller\r\n"
                       "# Zahlen:  \t\r\n"
                       "\r\n"
                       "[Filter]\r\n"
                       "  ZP = 13 \r\n"
                       "\t\r\n"
                       "[Position]\r\n"
                       "FFehlt-left=5\r\n");

} // namespace

void TstInidatei::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstInidatei::lesen_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<QString>("wert");
    QTest::newRow("Gross- und Kleinschreibung") << QByteArray("[fILTER]\r\nzp=20\r\n") << "Filter"
                                                << "ZP" << true << "20";
    QTest::newRow("Leerraum um Namen und Wert")
        << QByteArray(" [ Eigene Reihen ] \n\t Trenner  =  2 \n") << "Eigene Reihen"
        << "Trenner" << true << "2";
    QTest::newRow("letzter gewinnt") << QByteArray("[Filter]\nZP=1\n[Allgemein]\nZP=7\n[filter]\nZP=3\n") << "Filter"
                                     << "ZP" << true << "3";
    QTest::newRow("Strichpunkt-Kommentar") << QByteArray("[Filter]\n;ZP=5\n") << "Filter"
                                           << "ZP" << false << "";
    QTest::newRow("Raute-Kommentar") << QByteArray("[Filter]\n  #ZP=5\n") << "Filter"
                                     << "ZP" << false << "";
    QTest::newRow("vor jedem Abschnitt") << QByteArray("ZP=5\n[Filter]\n") << "Filter"
                                         << "ZP" << false << "";
    QTest::newRow("Abschnitt ohne Klammer zu") << QByteArray("[Filter]\n[Allgemein\nZP=5\n") << "Filter"
                                               << "ZP" << true << "5";
    QTest::newRow("Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF[Filter]\r\nZP=20\r\n") << "Filter"
                                     << "ZP" << true << "20";
    QTest::newRow("Latin-1 daneben") << QByteArray("[Filter]\nName=M\xFCller\nZP=20") << "Filter"
                                     << "ZP" << true << "20";
    QTest::newRow("nur CR in der Zeile") << QByteArray("[Filter]\nA=1\rZP=2\n") << "Filter"
                                         << "ZP" << false << "";
    QTest::newRow("leerer Wert") << QByteArray("[Filter]\nZP=\n") << "Filter"
                                 << "ZP" << true << "";
}

void TstInidatei::lesen()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, abschnitt);
    QFETCH(QString, schluessel);
    QFETCH(bool, vorhanden);
    QFETCH(QString, wert);
    QTemporaryDir dir;
    DateiSchreiben(dir.filePath("e.ini"), inhalt);
    Inidatei datei;
    QCOMPARE(datei.laden(dir.filePath("e.ini")), Inidatei::Ladestatus::Gelesen);
    QVERIFY(datei.schreibbar());
    QCOMPARE(datei.enthaelt(abschnitt, schluessel), vorhanden);
    QCOMPARE(datei.wert(abschnitt, schluessel), wert);
}

// Every row sets "Filter" / "ZP" to 20 and "Position" / "FMain-left" to 5.
void TstInidatei::fremdeZeilenBleiben_data()
{
    QTest::addColumn<QByteArray>("alt");
    QTest::addColumn<QByteArray>("neu");
    const QByteArray position("\r\n[Position]\r\nFMain-left=5\r\n");
    QTest::newRow("Latin-1, Kommentare, Leerzeilen")
        << Fremd
        << QByteArray("; Einstellungen von Hand ergänzt\r\n[Kunde]\r\nName=M\xFC"
                      "ller\r\n# Zahlen:  \t\r\n\r\n[Filter]\r\nZP=20\r\n\t\r\n[Position]\r\nFFehlt-left=5\r\n"
                      "FMain-left=5\r\n");
    QTest::newRow("neuer Schlüssel nach dem letzten Eintrag")
        << QByteArray("[Filter]\r\nTR=24\r\n\r\n; zur Position\r\n[Position]\r\n")
        << QByteArray("[Filter]\r\nTR=24\r\nZP=20\r\n\r\n; zur Position\r\n[Position]\r\nFMain-left=5\r\n");
    QTest::newRow("Raute-Kommentar ist kein Eintrag")
        << QByteArray("[Filter]\r\nTR=24\r\n# GA=3 war besser\r\n")
        << QByteArray("[Filter]\r\nTR=24\r\nZP=20\r\n# GA=3 war besser\r\n") + position;
    QTest::newRow("Schreibweise der Datei bleibt")
        << QByteArray("[FILTER]\r\n zP =7\r\n") << QByteArray("[FILTER]\r\nzP=20\r\n") + position;
    QTest::newRow("gleicher Wert lässt die Zeile")
        << QByteArray("[filter]\r\n  zp = 20 \r\n") << QByteArray("[filter]\r\n  zp = 20 \r\n") + position;
    QTest::newRow("nur der letzte doppelte Schlüssel")
        << QByteArray("[Filter]\r\nZP=1\r\n[Filter]\r\nZP=2\r\nGA=3\r\n")
        << QByteArray("[Filter]\r\nZP=1\r\n[Filter]\r\nZP=20\r\nGA=3\r\n") + position;
    QTest::newRow("Zeilen ohne Bedeutung")
        << QByteArray("ZP=9\r\n[Filter\r\n=5\r\nunsinn\r\n[Filter]\r\nZP=13\r\n")
        << QByteArray("ZP=9\r\n[Filter\r\n=5\r\nunsinn\r\n[Filter]\r\nZP=20\r\n") + position;
    QTest::newRow("LF wird CR LF") << QByteArray("[Kunde]\nA=1\n[Filter]\nZP=13\n")
                                   << QByteArray("[Kunde]\r\nA=1\r\n[Filter]\r\nZP=20\r\n") + position;
    QTest::newRow("CR mitten in der Zeile")
        << QByteArray("[Kunde]\r\nA=1\rB=2\r\n")
        << QByteArray("[Kunde]\r\nA=1\rB=2\r\n\r\n[Filter]\r\nZP=20\r\n") + position;
    QTest::newRow("letzte Zeile ohne Zeilenende")
        << QByteArray("[Filter]\r\nZP=13") << QByteArray("[Filter]\r\nZP=20\r\n") + position;
    QTest::newRow("Leerzeile am Ende") << QByteArray("[Filter]\r\nZP=13\r\n\r\n")
                                       << QByteArray("[Filter]\r\nZP=20\r\n\r\n[Position]\r\nFMain-left=5\r\n");
    QTest::newRow("Byte-Order-Mark bleibt") << QByteArray("\xEF\xBB\xBF[Filter]\r\nZP=13\r\n")
                                            << QByteArray("\xEF\xBB\xBF[Filter]\r\nZP=20\r\n") + position;
    QTest::newRow("leere Datei") << QByteArray("") << QByteArray("[Filter]\r\nZP=20\r\n") + position;
}

void TstInidatei::fremdeZeilenBleiben()
{
    QFETCH(QByteArray, alt);
    QFETCH(QByteArray, neu);
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, alt);
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    datei.setzeGanzzahl("Filter", "ZP", 20);
    datei.setzeGanzzahl("Position", "FMain-left", 5);
    QVERIFY(datei.speichern(pfad));
    QCOMPARE(DateiLesen(pfad), neu);
    QCOMPARE(Dateien(dir.path()), QStringList{"Einstellungen.ini"});

    // Read again, the file gives what was set, and a second pass changes nothing.
    Inidatei zurueck;
    QCOMPARE(zurueck.laden(pfad), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(zurueck.ganzzahl("Filter", "ZP", 0), 20);
    QCOMPARE(zurueck.ganzzahl("Position", "FMain-left", 0), 5);
    zurueck.setzeGanzzahl("Filter", "ZP", 20);
    zurueck.setzeGanzzahl("Position", "FMain-left", 5);
    QCOMPARE(zurueck.inhalt(), neu);
}

void TstInidatei::unveraendertBleibtJedesByte()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, Fremd);
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    datei.setzeGanzzahl("Filter", "ZP", 13); // the value it has: "  ZP = 13 " stays as it is
    QVERIFY(datei.speichern(pfad));
    QCOMPARE(DateiLesen(pfad), Fremd);
}

void TstInidatei::zuGrosseDateiBleibtUnberuehrt()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    const QByteArray kopf("[Filter]\r\nZP=20\r\n;");
    const QByteArray grenze = kopf + QByteArray(Inidatei::Hoechstgroesse - kopf.size(), 'x');
    DateiSchreiben(pfad, grenze);
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen); // exactly the bound is read
    QCOMPARE(datei.ganzzahl("Filter", "ZP", 0), 20);

    const QByteArray zuGross = grenze + 'x';
    DateiSchreiben(pfad, zuGross);
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Fehler);
    QCOMPARE(datei.fehlertext(),
             QString("Die Datei ist zu groß (1.048.577 Bytes, erlaubt sind höchstens 1.048.576 "
                     "Bytes). Sie wird weder gelesen noch überschrieben."));
    QVERIFY(!datei.schreibbar());
    QVERIFY(!datei.enthaelt("Filter", "ZP"));
    datei.setzeGanzzahl("Filter", "ZP", 13);
    const Speicherergebnis e = datei.speichern(pfad);
    QVERIFY(!e.ok());
    QCOMPARE(e.grund(), datei.fehlertext());
    QVERIFY(e.text(pfad).startsWith(QString("Die Datei \u201E%1\u201C wird nicht überschrieben").arg(pfad)));
    QCOMPARE(DateiLesen(pfad), zuGross);
    QCOMPARE(Dateien(dir.path()), QStringList{"Einstellungen.ini"});

    QCOMPARE(datei.einlesen(zuGross), Inidatei::Ladestatus::Fehler);
    QCOMPARE(datei.einlesen("[Filter]\nZP=3\n"), Inidatei::Ladestatus::Gelesen); // a new read starts afresh
    QVERIFY(datei.schreibbar());
}

void TstInidatei::schreibfehlerLaesstAlteDatei_data()
{
    QTest::addColumn<int>("schritt");
    QTest::addColumn<int>("fehler");
    QTest::addColumn<QString>("grund");
    QTest::newRow("öffnen") << int(SchreibSchritt::Oeffnen) << int(SchreibFehler::KeineBerechtigung)
                            << "Keine Schreibberechtigung.";
    QTest::newRow("schreiben") << int(SchreibSchritt::Schreiben) << int(SchreibFehler::DatentraegerVoll)
                               << "Der Datenträger ist voll.";
    QTest::newRow("leeren") << int(SchreibSchritt::Leeren) << int(SchreibFehler::DatentraegerVoll)
                            << "Der Datenträger ist voll.";
    QTest::newRow("übernehmen") << int(SchreibSchritt::Uebernehmen) << int(SchreibFehler::Sonstiger)
                                << "Fehler beim Schreiben (test).";
}

void TstInidatei::schreibfehlerLaesstAlteDatei()
{
    QFETCH(int, schritt);
    QFETCH(int, fehler);
    QFETCH(QString, grund);
    QTemporaryDir dir;
    const QString pfad = dir.filePath("Einstellungen.ini");
    DateiSchreiben(pfad, Fremd);
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    datei.setzeGanzzahl("Filter", "ZP", 40);
    SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt(schritt), SchreibFehler(fehler)});
    const Speicherergebnis e = datei.speichern(pfad);
    SchreibStoerungSetzen(std::nullopt);
    QVERIFY(!e);
    QCOMPARE(int(e.schreiben.fehler), fehler);
    QCOMPARE(e.grund(), grund);
    QCOMPARE(datei.fehlertext(), grund);
    QCOMPARE(e.text(pfad), SchreibFehlerText(pfad, e.schreiben));
    QCOMPARE(DateiLesen(pfad), Fremd);
    QCOMPARE(Dateien(dir.path()), QStringList{"Einstellungen.ini"});
}

// A real full file system: the old writer reported success and left an empty file.
void TstInidatei::vollerDatentraeger()
{
    KLEINER_DATENTRAEGER(platte, 64);
    const QString pfad = platte.pfad() + "/Einstellungen.ini";
    DateiSchreiben(pfad, Fremd);
    platte.fuellen();
    Inidatei datei;
    QCOMPARE(datei.laden(pfad), Inidatei::Ladestatus::Gelesen);
    datei.setzeGanzzahl("Filter", "ZP", 40);
    datei.setzeGanzzahl("Position", "FMain-left", 120);
    const Speicherergebnis e = datei.speichern(pfad);
    QVERIFY(!e.ok());
    QCOMPARE(e.schreiben.fehler, SchreibFehler::DatentraegerVoll);
    QCOMPARE(e.text(pfad),
             QString("Die Datei \u201E%1\u201C konnte nicht geschrieben werden. Der Datenträger ist voll.").arg(pfad));
    QCOMPARE(DateiLesen(pfad), Fremd);
    QCOMPARE(Dateien(platte.pfad()), (QStringList{".ballast", "Einstellungen.ini"}));
}

QTEST_APPLESS_MAIN(TstInidatei)
#include "tst_inidatei.moc"
