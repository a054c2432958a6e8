#include "eigenesysteme.h"
#include "eigensystemdatei.h"
#include "katalogzustand.h"
#include "systemliste.h"

#include "tests/dateihilfen.h"
#include "tests/kleinerdatentraeger.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

Reihenmenge Reihe(std::initializer_list<int> positionen)
{
    Reihenmenge r;
    for (int p : positionen)
        r.hinzufuegen(p);
    return r;
}

// The three rows 1,2,3 / 1,4,5 / 1,6,7 without their banker 1, as pool positions of 2..7.
const std::vector<Reihenmenge> Bankzahlbeispiel = {Reihe({1, 2}), Reihe({3, 4}), Reihe({5, 6})};

// A record as another program might have written it: garbage in the padding and behind the name.
QByteArray FremderDatensatz(std::uint8_t rg, std::uint8_t wz, std::uint8_t ga, std::uint16_t tr, double gesp,
                            const QByteArray &fn)
{
    QByteArray r(EsyDatensatzGroesse, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = char(0xB0 + (i % 29));
    r[0] = char(rg);
    r[1] = char(wz);
    r[2] = char(ga);
    r[4] = char(tr & 0xff);
    r[5] = char(tr >> 8);
    const auto bits = std::bit_cast<std::uint64_t>(gesp);
    for (int i = 0; i < 8; ++i)
        r[8 + i] = char((bits >> (8 * i)) & 0xff);
    r[16] = char(fn.size());
    std::memcpy(r.data() + 17, fn.constData(), std::size_t(fn.size()));
    return r;
}

QStringList Dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Reihenmenge>)

class TstEigeneSysteme : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ersterSpeichervorgang();
    void zweimalGespeichert();
    void nameNachLoeschenWieder();
    void fremdeDateiImOrdner();
    void fremdeBytesBleiben();
    void unpassendeReihen_data();
    void unpassendeReihen();
    void gesperrtesVerzeichnis();
    void indexFehlerBeimSpeichern_data();
    void indexFehlerBeimSpeichern();
    void vollerDatentraeger_data();
    void vollerDatentraeger();
    void loeschenFehlschlag_data();
    void loeschenFehlschlag();
    void loeschenBehaeltGemeinsameDatei();
    void unsichereNamen_data();
    void unsichereNamen();
    void vollstaendigkeit_data();
    void vollstaendigkeit();
    void vergleichbareSysteme_data();
    void vergleichbareSysteme();
    void eigeneSystemeNieVerglichen();
    void systemlistenindex();
    void zeitText_data();
    void zeitText();
    void jetzt();
    void anzeigeFehler_data();
    void anzeigeFehler();

private:
    QString indexPfad() const { return QDir(m_katalog.EigeneSystemeOrdner).filePath(EsyIndexName); }
    QString datei(const QString &name) const { return QDir(m_katalog.EigeneSystemeOrdner).filePath(name); }
    void neuerKatalog(const QString &ordner);

    std::unique_ptr<QTemporaryDir> m_dir;
    KatalogZustand m_katalog;
};

void TstEigeneSysteme::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    neuerKatalog(m_dir->filePath(QStringLiteral("EigeneSysteme")));
    QVERIFY(QDir().mkpath(m_katalog.EigeneSystemeOrdner));
}

void TstEigeneSysteme::cleanup()
{
    SchreibStoerungSetzen(std::nullopt);
}

void TstEigeneSysteme::neuerKatalog(const QString &ordner)
{
    m_katalog = KatalogZustand();
    m_katalog.EigeneSystemeOrdner = ordner;
    SystemlisteAufbauen(m_katalog, Vollsystemgrenze, ordner);
}

void TstEigeneSysteme::ersterSpeichervorgang()
{
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 45999.5);
    QVERIFY2(a.ok, qPrintable(a.meldung));
    QCOMPARE(a.dateiname, QStringLiteral("ESY1.csv"));
    QCOMPARE(DateiLesen(datei("ESY1.csv")), QByteArray("1,2\r\n3,4\r\n5,6\r\n"));

    QByteArray erwartet(EsyDatensatzGroesse, '\0');
    const char kopf[] = {2, 6, 0, 0, 3, 0, 0, 0};
    std::memcpy(erwartet.data(), kopf, 8);
    const auto bits = std::bit_cast<std::uint64_t>(45999.5);
    for (int i = 0; i < 8; ++i)
        erwartet[8 + i] = char((bits >> (8 * i)) & 0xff);
    erwartet[16] = 8;
    std::memcpy(erwartet.data() + 17, "ESY1.csv", 8);
    QCOMPARE(DateiLesen(indexPfad()), erwartet);

    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 1);
    QCOMPARE(m_katalog.Eigensystemliste[0].fn, std::string("ESY1.csv"));
    QCOMPARE(m_katalog.Eigensystemliste[0].system(), (TSysteme{2, 6, 0, 3}));
    QCOMPARE(Dateien(m_katalog.EigeneSystemeOrdner), (QStringList{"ESY1.csv", EsyIndexName}));
}

void TstEigeneSysteme::zweimalGespeichert()
{
    QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0).ok);
    const EsyAenderung zweite = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 2.0);
    QVERIFY(zweite.ok);
    QCOMPARE(zweite.dateiname, QStringLiteral("ESY2.csv"));
    QCOMPARE(QFileInfo(indexPfad()).size(), qint64(2 * EsyDatensatzGroesse));
    const EsyIndexErgebnis gelesen = EsyIndexLesen(indexPfad());
    QCOMPARE(int(gelesen.eintraege.size()), 2);
    QCOMPARE(gelesen.eintraege[0].fn, std::string("ESY1.csv"));
    QCOMPARE(gelesen.eintraege[1].fn, std::string("ESY2.csv"));
    QCOMPARE(DateiLesen(datei("ESY2.csv")), DateiLesen(datei("ESY1.csv")));
}

void TstEigeneSysteme::nameNachLoeschenWieder()
{
    for (int i = 0; i < 2; ++i)
        QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0).ok);
    const EsyAenderung weg = EigenesSystemLoeschen(m_katalog, 0);
    QVERIFY(weg.ok);
    QVERIFY(weg.meldung.isEmpty());
    QVERIFY(!QFile::exists(datei("ESY1.csv")));
    QCOMPARE(QFileInfo(indexPfad()).size(), qint64(EsyDatensatzGroesse));

    const EsyAenderung wieder = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 3.0);
    QCOMPARE(wieder.dateiname, QStringLiteral("ESY1.csv"));
    const EsyIndexErgebnis gelesen = EsyIndexLesen(indexPfad());
    QCOMPARE(int(gelesen.eintraege.size()), 2);
    QCOMPARE(gelesen.eintraege[0].fn, std::string("ESY2.csv"));
    QCOMPARE(gelesen.eintraege[1].fn, std::string("ESY1.csv"));
}

void TstEigeneSysteme::fremdeDateiImOrdner()
{
    DateiSchreiben(datei("ESY1.csv"), "fremd\r\n");
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0);
    QCOMPARE(a.dateiname, QStringLiteral("ESY2.csv"));
    QCOMPARE(DateiLesen(datei("ESY1.csv")), QByteArray("fremd\r\n"));
}

void TstEigeneSysteme::fremdeBytesBleiben()
{
    const QByteArray a = FremderDatensatz(3, 4, 2, 3, 45000.25, "ESY1.csv");
    const QByteArray b = FremderDatensatz(2, 6, 0, 3, 45001.75, "ESY2.csv");
    DateiSchreiben(indexPfad(), a + b);
    DateiSchreiben(datei("ESY1.csv"), "1,2,3\r\n1,2,4\r\n1,3,4\r\n");
    DateiSchreiben(datei("ESY2.csv"), "1,2\r\n3,4\r\n5,6\r\n");
    m_katalog.Eigensystemliste = EsyIndexLesen(indexPfad()).eintraege;

    QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0).ok);
    const QByteArray nachSpeichern = DateiLesen(indexPfad());
    QCOMPARE(nachSpeichern.size(), 3 * EsyDatensatzGroesse);
    QCOMPARE(nachSpeichern.left(2 * EsyDatensatzGroesse), a + b);
    QVERIFY(nachSpeichern.mid(2 * EsyDatensatzGroesse + 17 + 8).count('\0') == EsyDatensatzGroesse - 17 - 8);

    QVERIFY(EigenesSystemLoeschen(m_katalog, 2).ok);
    QCOMPARE(DateiLesen(indexPfad()), a + b);
    QVERIFY(EigenesSystemLoeschen(m_katalog, 0).ok);
    QCOMPARE(DateiLesen(indexPfad()), b);
}

void TstEigeneSysteme::unpassendeReihen_data()
{
    QTest::addColumn<std::vector<Reihenmenge>>("reihen");
    QTest::addColumn<int>("rg");
    QTest::addColumn<int>("wz");
    QTest::addColumn<int>("ga");
    QTest::newRow("keine Reihen") << std::vector<Reihenmenge>{} << 2 << 6 << 0;
    QTest::newRow("Reihe zu kurz") << std::vector<Reihenmenge>{Reihe({1, 2}), Reihe({3})} << 2 << 6 << 0;
    QTest::newRow("Position 0") << std::vector<Reihenmenge>{Reihe({0, 2})} << 2 << 6 << 0;
    QTest::newRow("Position über WZ") << std::vector<Reihenmenge>{Reihe({1, 7})} << 2 << 6 << 0;
    QTest::newRow("Garantie über RG") << Bankzahlbeispiel << 2 << 6 << 3;
    QTest::newRow("WZ unter RG") << std::vector<Reihenmenge>{Reihe({1, 2})} << 2 << 1 << 0;
}

void TstEigeneSysteme::unpassendeReihen()
{
    QFETCH(std::vector<Reihenmenge>, reihen);
    QFETCH(int, rg);
    QFETCH(int, wz);
    QFETCH(int, ga);
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, reihen, rg, wz, ga, 1.0);
    QVERIFY(!a.ok);
    QVERIFY(!a.meldung.isEmpty());
    QVERIFY(m_katalog.Eigensystemliste.empty());
    QVERIFY(Dateien(m_katalog.EigeneSystemeOrdner).isEmpty());
}

void TstEigeneSysteme::gesperrtesVerzeichnis()
{
    // An index that could not be read at start is never overwritten by one without its records.
    const QByteArray alt = FremderDatensatz(3, 4, 2, 3, 1.0, "ESY1.csv");
    DateiSchreiben(indexPfad(), alt);
    m_katalog.EigensystemeGesperrt = true;
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0);
    QVERIFY(!a.ok);
    QVERIFY2(a.meldung.contains(QDir::toNativeSeparators(indexPfad())), qPrintable(a.meldung));
    QCOMPARE(DateiLesen(indexPfad()), alt);
    QCOMPARE(Dateien(m_katalog.EigeneSystemeOrdner), QStringList{EsyIndexName});

    m_katalog.Eigensystemliste = EsyIndexLesen(indexPfad()).eintraege;
    QVERIFY(!EigenesSystemLoeschen(m_katalog, 0).ok);
    QCOMPARE(DateiLesen(indexPfad()), alt);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 1);
}

void TstEigeneSysteme::indexFehlerBeimSpeichern_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("Index schreibgeschützt") << "schreibgeschuetzt"
                                            << "Keine Schreibberechtigung.";
    QTest::newRow("Reihendatei: Datenträger voll") << "stoerung"
                                                   << "Der Datenträger ist voll.";
}

void TstEigeneSysteme::indexFehlerBeimSpeichern()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0).ok);
    const QByteArray alt = DateiLesen(indexPfad());
    const auto vorher = m_katalog.Eigensystemliste;

    QString genannt;
    if (art == "schreibgeschuetzt") {
        // A file without write bits stays, also for root: only the index write fails.
        QVERIFY(QFile::setPermissions(indexPfad(), QFile::ReadOwner | QFile::ReadGroup));
        genannt = indexPfad();
    } else {
        // Every write fails once it is flushed: the row file is the first one.
        SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt::Leeren, SchreibFehler::DatentraegerVoll});
        genannt = datei("ESY2.csv");
    }
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 2.0);
    QFile::setPermissions(indexPfad(), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(!a.ok);
    QVERIFY2(a.meldung.contains(grund), qPrintable(a.meldung));
    QVERIFY2(a.meldung.contains(QDir::toNativeSeparators(genannt)), qPrintable(a.meldung));
    QCOMPARE(DateiLesen(indexPfad()), alt);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), int(vorher.size()));
    QCOMPARE(m_katalog.Eigensystemliste[0].fn, vorher[0].fn);
    // No orphaned row file: the next save takes the same name.
    QCOMPARE(Dateien(m_katalog.EigeneSystemeOrdner), (QStringList{"ESY1.csv", EsyIndexName}));
}

void TstEigeneSysteme::vollerDatentraeger_data()
{
    QTest::addColumn<int>("freieSeiten");
    QTest::newRow("kein Platz") << 0;
    QTest::newRow("Platz nur für die Reihendatei") << 1;
}

void TstEigeneSysteme::vollerDatentraeger()
{
    QFETCH(int, freieSeiten);
    KLEINER_DATENTRAEGER(platte, 128);
    neuerKatalog(platte.pfad());
    // An index of 20 records needs two pages of 4 KiB, the new row file one.
    for (int i = 0; i < 20; ++i)
        QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, double(i)).ok);
    const QByteArray alt = DateiLesen(indexPfad());
    const QStringList dateienVorher = Dateien(platte.pfad());
    platte.fuellen();
    if (freieSeiten > 0) {
        QFile ballast(QDir(platte.pfad()).filePath(".ballast"));
        const qint64 groesse = ballast.size();
        QVERIFY(ballast.resize((groesse / 4096 - freieSeiten) * 4096));
        const qint64 frei = QStorageInfo(platte.pfad()).bytesAvailable();
        QVERIFY2(frei >= 4096 && frei < 8192, qPrintable(QString::number(frei)));
    }
    const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 99.0);
    QVERIFY(!a.ok);
    QVERIFY2(a.meldung.contains("Der Datenträger ist voll."), qPrintable(a.meldung));
    // With one page free the row file was written and only the index failed.
    const QString gescheitert = freieSeiten > 0 ? indexPfad() : datei("ESY21.csv");
    QVERIFY2(a.meldung.contains(QDir::toNativeSeparators(gescheitert)), qPrintable(a.meldung));
    QCOMPARE(DateiLesen(indexPfad()), alt);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 20);
    QStringList erwartet = dateienVorher;
    erwartet << ".ballast";
    erwartet.sort();
    QStringList nachher = Dateien(platte.pfad());
    nachher.sort();
    QCOMPARE(nachher, erwartet);
}

void TstEigeneSysteme::loeschenFehlschlag_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("Index schreibgeschützt") << "schreibgeschuetzt"
                                            << "Keine Schreibberechtigung.";
    QTest::newRow("Datenträger voll") << "stoerung"
                                      << "Der Datenträger ist voll.";
}

void TstEigeneSysteme::loeschenFehlschlag()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    for (int i = 0; i < 2; ++i)
        QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, 6, 0, 1.0).ok);
    const QByteArray alt = DateiLesen(indexPfad());
    if (art == "schreibgeschuetzt")
        QVERIFY(QFile::setPermissions(indexPfad(), QFile::ReadOwner));
    else
        SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt::Uebernehmen, SchreibFehler::DatentraegerVoll});
    const EsyAenderung a = EigenesSystemLoeschen(m_katalog, 0);
    QFile::setPermissions(indexPfad(), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(!a.ok);
    QVERIFY2(a.meldung.contains(grund), qPrintable(a.meldung));
    QCOMPARE(DateiLesen(indexPfad()), alt);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 2);
    QCOMPARE(m_katalog.Eigensystemliste[0].fn, std::string("ESY1.csv"));
    QVERIFY(QFile::exists(datei("ESY1.csv")));
}

void TstEigeneSysteme::loeschenBehaeltGemeinsameDatei()
{
    // Two records naming one file (an index edited by hand): deleting one keeps the other usable.
    const QByteArray a = FremderDatensatz(2, 6, 0, 3, 1.0, "ESY1.csv");
    DateiSchreiben(indexPfad(), a + a);
    DateiSchreiben(datei("ESY1.csv"), "1,2\r\n3,4\r\n5,6\r\n");
    m_katalog.Eigensystemliste = EsyIndexLesen(indexPfad()).eintraege;
    QVERIFY(EigenesSystemLoeschen(m_katalog, 0).ok);
    QVERIFY(QFile::exists(datei("ESY1.csv")));
    QVERIFY(EigenesSystemLoeschen(m_katalog, 0).ok);
    QVERIFY(!QFile::exists(datei("ESY1.csv")));
    QCOMPARE(QFileInfo(indexPfad()).size(), qint64(0));
}

void TstEigeneSysteme::unsichereNamen_data()
{
    QTest::addColumn<QByteArray>("fn");
    QTest::newRow("eine Ebene höher") << QByteArray("../x.csv");
    QTest::newRow("Unterordner") << QByteArray("a/b.csv");
    QTest::newRow("Rückstrich") << QByteArray("..\\x.csv");
    QTest::newRow("Punkt-Punkt") << QByteArray("..");
    QTest::newRow("leer") << QByteArray();
}

void TstEigeneSysteme::unsichereNamen()
{
    QFETCH(QByteArray, fn);
    // Files that such names would reach, outside and below the folder.
    const QString aussen = m_dir->filePath("x.csv");
    DateiSchreiben(aussen, "1,2\r\n");
    QVERIFY(QDir(m_katalog.EigeneSystemeOrdner).mkpath("a"));
    const QString unten = datei("a/b.csv");
    DateiSchreiben(unten, "1,2\r\n");
    DateiSchreiben(datei("..\\x.csv"), "1,2\r\n");
    DateiSchreiben(indexPfad(), FremderDatensatz(2, 6, 0, 1, 1.0, fn));
    m_katalog.Eigensystemliste = EsyIndexLesen(indexPfad()).eintraege;
    SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_katalog.EigeneSystemeOrdner);

    QCOMPARE(m_katalog.FehlendeEigensysteme, 1);
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 0), -1);
    QVERIFY(EsyReihendateiPfad(m_katalog, 0).isEmpty());
    QVERIFY(!EsyReihendateiVorhanden(m_katalog, 0));
    // A list built before the record changed would name it: the path is still refused.
    m_katalog.Eigensystemnummer = {0};
    m_katalog.Systemliste.push_back(m_katalog.Eigensystemliste[0].system());
    QVERIFY(EigeneReihendatei(m_katalog, m_katalog.AnzahlStandardsysteme, m_katalog.EigeneSystemeOrdner).isEmpty());

    const EsyAenderung a = EigenesSystemLoeschen(m_katalog, 0);
    QVERIFY(a.ok);
    QVERIFY(a.meldung.isEmpty());
    QVERIFY(m_katalog.Eigensystemliste.empty());
    QVERIFY(QFile::exists(aussen));
    QVERIFY(QFile::exists(unten));
    QVERIFY(QFile::exists(datei("..\\x.csv")));
}

void TstEigeneSysteme::vollstaendigkeit_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rot");
    QTest::newRow("0 von 1") << 1 << 0 << "Das System ist vollständig." << false;
    QTest::newRow("0 von 2") << 2 << 0 << "Beide Systeme scheinen vollständig." << false;
    QTest::newRow("0 von 3") << 3 << 0 << "Alle Systeme scheinen vollständig." << false;
    QTest::newRow("0 von 17") << 17 << 0 << "Alle Systeme scheinen vollständig." << false;
    QTest::newRow("1 von 1") << 1 << 1 << "Das System ist unvollständig." << true;
    QTest::newRow("1 von 2") << 2 << 1 << "Eines der beiden Systeme ist unvollständig." << true;
    QTest::newRow("1 von 3") << 3 << 1 << "Ein System ist unvollständig." << true;
    QTest::newRow("2 von 2") << 2 << 2 << "2 Systeme unvollständig." << true;
    QTest::newRow("3 von 3") << 3 << 3 << "3 Systeme unvollständig." << true;
    QTest::newRow("1234 von 2000") << 2000 << 1234 << "1234 Systeme unvollständig." << true;
}

void TstEigeneSysteme::vollstaendigkeit()
{
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(QString, text);
    QFETCH(bool, rot);
    const Vollstaendigkeit v = EsyVollstaendigkeit(n, m);
    QCOMPARE(v.text, text);
    QCOMPARE(v.rot, rot);
}

void TstEigeneSysteme::vergleichbareSysteme_data()
{
    QTest::addColumn<QList<int>>("gesucht"); // RG, WZ, GA, TR
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QList<int>>("indizes");
    // Systemliste: 296 is 6/7/4/5, 308 is 6/7/5/6, 252 is 6/7/2/3, 276 is 6/7/3/4; the full
    // system 6 of 7 (7 rows) is entry 770.
    QTest::newRow("identisch: Vollsystem")
        << QList<int>{6, 7, 6, 7} << QStringList{"Identisches System vorhanden"} << QList<int>{770};
    QTest::newRow("weniger Reihen, dann höhere Garantie bei gleichen Reihen")
        << QList<int>{6, 7, 5, 7}
        << QStringList{"Gleiche Garantie, Anz. Wahlzahlen etc., aber nur 6 Tippreihen",
                       "Anz. Wahlzahlen, Tippreihen etc. gleich, aber 6er Gar."}
        << QList<int>{308, 770};
    QTest::newRow("höhere Garantie bei gleichen und ähnlichen Reihen")
        << QList<int>{6, 7, 4, 6}
        << QStringList{"Gleiche Garantie, Anz. Wahlzahlen etc., aber nur 5 Tippreihen",
                       "Anz. Wahlzahlen, Tippreihen etc. gleich, aber 5er Gar.",
                       "Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber 6er Gar."}
        << QList<int>{296, 308, 770};
    QTest::newRow("identisch, dann alle höheren in Listenreihenfolge")
        << QList<int>{6, 7, 2, 3}
        << QStringList{"Identisches System vorhanden",
                       "Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber 3er Gar.",
                       "Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber 4er Gar.",
                       "Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber 5er Gar.",
                       "Anz. Wahlzahlen etc. gleich, Tippreihenanz. ähnl., aber 6er Gar."}
        << QList<int>{252, 276, 296, 308, 770};
    QTest::newRow("Katalogsystem mit mehr Reihen fehlt") << QList<int>{6, 7, 5, 5}
                                                         << QStringList{"Anz. Wahlzahlen etc. gleich, Tippreihenanz. "
                                                                        "ähnl., aber 6er Gar."}
                                                         << QList<int>{770};
    QTest::newRow("höhere Garantie, aber viel weniger Reihen")
        << QList<int>{6, 7, 4, 40} << QStringList{"Gleiche Garantie, Anz. Wahlzahlen etc., aber nur 5 Tippreihen"}
        << QList<int>{296};
    QTest::newRow("nichts Vergleichbares") << QList<int>{10, 99, 3, 5} << QStringList{} << QList<int>{};
}

void TstEigeneSysteme::vergleichbareSysteme()
{
    QFETCH(QList<int>, gesucht);
    QFETCH(QStringList, zeilen);
    QFETCH(QList<int>, indizes);
    const auto ergebnis = VergleichbareSysteme(m_katalog, gesucht[0], gesucht[1], gesucht[2], gesucht[3]);
    QVERIFY(ergebnis.has_value());
    QStringList texte;
    QList<int> nummern;
    for (const Vergleichszeile &z : *ergebnis) {
        texte << z.text;
        nummern << z.index;
    }
    QCOMPARE(texte, zeilen);
    QCOMPARE(nummern, indizes);
    for (int i : nummern) {
        const TSysteme &s = m_katalog.Systemliste[std::size_t(i)];
        QCOMPARE(int(s.RG), gesucht[0]);
        QCOMPARE(int(s.WZ), gesucht[1]);
    }
}

void TstEigeneSysteme::eigeneSystemeNieVerglichen()
{
    // An own system identical to the full system 6 of 7 is in the list, yet only 770 is named.
    std::vector<Reihenmenge> reihen;
    for (int weg = 7; weg >= 1; --weg) {
        Reihenmenge r;
        for (int p = 1; p <= 7; ++p)
            if (p != weg)
                r.hinzufuegen(p);
        reihen.push_back(r);
    }
    QVERIFY(EigenesSystemSpeichern(m_katalog, reihen, 6, 7, 6, 1.0).ok);
    SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_katalog.EigeneSystemeOrdner);
    QCOMPARE(int(m_katalog.Systemliste.size()), m_katalog.AnzahlStandardsysteme + 1);
    const auto ergebnis = VergleichbareSysteme(m_katalog, 6, 7, 6, 7);
    QVERIFY(ergebnis.has_value());
    QCOMPARE(int(ergebnis->size()), 1);
    QCOMPARE((*ergebnis)[0].index, 770);

    QVERIFY(!VergleichbareSysteme(m_katalog, 1, 7, 1, 7).has_value());
    QVERIFY(!VergleichbareSysteme(m_katalog, 0, 0, 0, 0).has_value());
    QVERIFY(VergleichbareSysteme(m_katalog, 2, 3, 2, 3).has_value());
}

void TstEigeneSysteme::systemlistenindex()
{
    // Three records, the second one's file deleted outside the program before the list was built.
    for (int wz = 6; wz <= 8; ++wz)
        QVERIFY(EigenesSystemSpeichern(m_katalog, Bankzahlbeispiel, 2, wz, 0, 1.0).ok);
    QVERIFY(QFile::remove(datei("ESY2.csv")));
    SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_katalog.EigeneSystemeOrdner);
    const int erster = m_katalog.AnzahlStandardsysteme;
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 0), erster);
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 1), -1);
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 2), erster + 1);
    QCOMPARE(int(m_katalog.Systemliste[std::size_t(erster + 1)].WZ), 8);
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 3), -1);
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, -1), -1);

    // A file deleted after the build does not move the others.
    QVERIFY(QFile::remove(datei("ESY1.csv")));
    QCOMPARE(SystemlistenindexVonEintrag(m_katalog, 2), erster + 1);
    QVERIFY(!EsyReihendateiVorhanden(m_katalog, 0));
    QVERIFY(EsyReihendateiVorhanden(m_katalog, 2));
}

void TstEigeneSysteme::zeitText_data()
{
    QTest::addColumn<double>("gesp");
    QTest::addColumn<QString>("text");
    // 45999 is 2025-12-08; 23:41:05 is 85265 seconds into the day.
    QTest::newRow("Beispiel") << 45999.0 + 85265.0 / 86400.0 << "08.12.2025 um 23:41:05";
    QTest::newRow("Nulltag") << 0.0 << "30.12.1899 um 00:00:00";
    QTest::newRow("vor dem Nulltag") << -1.25 << "29.12.1899 um 06:00:00";
    QTest::newRow("kurz vor Mitternacht gerundet") << 45999.0 + 86399.9996 / 86400.0 << "09.12.2025 um 00:00:00";
    QTest::newRow("keine Zahl") << std::numeric_limits<double>::quiet_NaN() << "";
    QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("weit draußen") << 1.0e300 << "";
}

void TstEigeneSysteme::zeitText()
{
    QFETCH(double, gesp);
    QFETCH(QString, text);
    QCOMPARE(EsyZeitText(gesp, QLocale(QLocale::German, QLocale::Germany)), text);
}

void TstEigeneSysteme::jetzt()
{
    const QDateTime vorher = QDateTime::currentDateTime();
    const double jetzt = EsyJetzt();
    const QDateTime nachher = QDateTime::currentDateTime();
    const QDateTime null(QDate(1899, 12, 30), QTime(0, 0));
    auto tage = [&null](const QDateTime &t) {
        return double(null.date().daysTo(t.date())) + t.time().msecsSinceStartOfDay() / 86400000.0;
    };
    QVERIFY(jetzt >= tage(vorher) - 1e-9);
    QVERIFY(jetzt <= tage(nachher) + 1e-9);
}

QTEST_APPLESS_MAIN(TstEigeneSysteme)
// The message when an own system's rows cannot be shown names the file and the line.
void TstEigeneSysteme::anzeigeFehler_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");
    const QString datei = QStringLiteral("Die Datei \u201Ea.txt\u201C mit den Systemreihen ");
    QTest::newRow("not a number") << QByteArray("1,2,x\r\n")
                                  << datei + "enthält in Zeile 1 \u201Ex\u201C, das ist keine ganze Zahl.";
    QTest::newRow("position twice") << QByteArray("1,2,3\r\n1,1,4\r\n")
                                    << datei + "enthält in Zeile 2 die Position 1 zweimal.";
    QTest::newRow("too few rows") << QByteArray("1,2,3\r\n") << datei + "enthält nur 1 statt 2 Reihen.";
}

void TstEigeneSysteme::anzeigeFehler()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    QCOMPARE(EsyReihenAnzeigeFehler(QStringLiteral("a.txt"), EsyReihenAuswerten(inhalt, 3, 4, 2)),
             meldung + QStringLiteral("\n\nDie Systemreihen können nicht angezeigt werden."));
    QVERIFY(
        EsyReihenAnzeigeFehler(QStringLiteral("a.txt"), EsyReihenAuswerten("1,2,3\r\n1,2,4\r\n", 3, 4, 2)).isEmpty());
}

#include "tst_eigenesysteme.moc"
